// The desktop's file associations of the current user, as the editor's file types need them:
// which program opens the files of an extension, making this program that program, taking it
// back, and the part of another program's association that must be kept to put it back later.
#pragma once

#include <optional>
#include <string>

#include "platform/settings_store.h"

namespace quillet {

// Who opens the files of an extension.
struct ExtHandler {
  // The type the desktop gives the extension's files; empty when no type claims them.
  std::string fileType;
  // The program file name of the handler (no folder); "*" for a handler that cannot be named;
  // empty when nothing opens the files.
  std::string name;
};

class IDesktopAssociations {
 public:
  virtual ~IDesktopAssociations() = default;

  // The running program's full path, and its file name: a handler of that name is this program.
  virtual std::string ProgramPath() const = 0;
  virtual std::string ProgramName() const = 0;

  virtual ExtHandler GetExtHandler(const std::string& ext) const = 0;

  // What an association of ext by this program would change, as it stands now, in a form the
  // settings store keeps; nothing when there is nothing to keep.
  virtual std::optional<KeyTree> ReadAssociation(const std::string& ext) const = 0;
  // Puts back what ReadAssociation gave. False when it could not be written.
  virtual bool RestoreAssociation(const std::string& ext, const KeyTree& kept) = 0;

  // Makes the program at programPath the handler of ext, with iconFile as its icon when that
  // is an image file (empty: the program's own icon). False when it could not be made.
  virtual bool Associate(const std::string& ext, const std::string& programPath, const std::string& iconFile) = 0;
  // Ends this program's association of ext. True when it is gone.
  virtual bool Dissociate(const std::string& ext) = 0;

  // Tells the desktop that associations changed.
  virtual void NotifyAssociationsChanged() = 0;
};

// No desktop to register with (the command-line tool, tests of other things): nothing opens
// any extension, and every change fails.
class NoDesktopAssociations : public IDesktopAssociations {
 public:
  std::string ProgramPath() const override { return {}; }
  std::string ProgramName() const override { return {}; }
  ExtHandler GetExtHandler(const std::string&) const override { return {}; }
  std::optional<KeyTree> ReadAssociation(const std::string&) const override { return std::nullopt; }
  bool RestoreAssociation(const std::string&, const KeyTree&) override { return false; }
  bool Associate(const std::string&, const std::string&, const std::string&) override { return false; }
  bool Dissociate(const std::string&) override { return false; }
  void NotifyAssociationsChanged() override {}
};

// The shared MIME database, as far as the associations need it.
class IMimeDatabase {
 public:
  virtual ~IMimeDatabase() = default;
  // The type of files named "*.ext" by the database's patterns; empty when none claims them.
  virtual std::string TypeOfExtension(const std::string& ext) const = 0;
};

}  // namespace quillet
