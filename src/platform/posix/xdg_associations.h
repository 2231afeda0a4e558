// The file associations of the current user on a freedesktop.org desktop (XDG):
//
// - an extension's files have the type the shared MIME database gives "*.ext"; when no type
//   claims them, registering adds a small MIME package of our own for them
//   ($XDG_DATA_HOME/mime/packages/quillet-EXT.xml, type application/x-quillet-EXT) and
//   refreshes the user's MIME cache (update-mime-database, when installed);
// - the handler of a type is its default application by the MIME Applications rules: the
//   "Default Applications" of the mimeapps.list files in the configuration folders and then in
//   the applications folders of the data folders, the lists of the current desktops before the
//   plain one in each folder, the first installed application of an entry; failing that the
//   "Added Associations" of the same lists, then the applications that list the type (minus
//   the "Removed Associations"). Installed: its desktop entry is found, not hidden, and the
//   program its Exec runs (and its TryExec) can be found;
// - registering installs this program's desktop entry (org.tannford.Quillet.desktop, a copy of
//   the installed one or a plain one of our own, running the program at its present path) in
//   $XDG_DATA_HOME/applications and puts it first in the type's entry of
//   $XDG_CONFIG_HOME/mimeapps.list (and of the current desktops' lists there that have an entry
//   for it); withdrawing takes it out again, so the entry reads as it did before.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop_associations.h"
#include "platform/posix/posix_file_system.h"

namespace quillet {

// The folders of the XDG Base Directory rules.
struct XdgPaths {
  std::string configHome;               // $XDG_CONFIG_HOME, else $HOME/.config
  std::vector<std::string> configDirs;  // $XDG_CONFIG_DIRS, else /etc/xdg
  std::string dataHome;                 // $XDG_DATA_HOME, else $HOME/.local/share
  std::vector<std::string> dataDirs;    // $XDG_DATA_DIRS, else /usr/local/share, /usr/share
  std::vector<std::string> desktops;    // $XDG_CURRENT_DESKTOP, in lower case

  // From the environment; relative paths are ignored, as the rules ask.
  static XdgPaths FromEnvironment();
};

// Runs a tool with its arguments (argv[0] looked up in PATH), its output discarded, and waits
// for it. False when the tool is not installed, could not run or failed.
using ToolRunner = std::function<bool(const std::vector<std::string>& argv)>;
bool RunInstalledTool(const std::vector<std::string>& argv);

class XdgAssociations : public IDesktopAssociations {
 public:
  static constexpr const char* kDesktopId = "org.tannford.Quillet.desktop";

  XdgAssociations(XdgPaths paths, const IMimeDatabase& mime, std::string programPath,
                  ToolRunner runTool = RunInstalledTool);

  std::string ProgramPath() const override { return programPath_; }
  std::string ProgramName() const override;
  ExtHandler GetExtHandler(const std::string& ext) const override;
  std::optional<KeyTree> ReadAssociation(const std::string& ext) const override;
  bool RestoreAssociation(const std::string& ext, const KeyTree& kept) override;
  bool Associate(const std::string& ext, const std::string& programPath, const std::string& iconFile) override;
  bool Dissociate(const std::string& ext) override;
  // Refreshes the user's desktop database (update-desktop-database, when installed).
  void NotifyAssociationsChanged() override;

  // The type of ext's files: the shared database's, or our own while our package claims them.
  std::string FileTypeOf(const std::string& ext) const;
  // Our own type for ext and the package that declares it.
  static std::string OwnFileType(const std::string& ext);
  std::string OwnPackagePath(const std::string& ext) const;
  // The desktop file id of the type's handler, or nothing.
  std::optional<std::string> DefaultDesktopId(const std::string& fileType) const;
  // Where this program's desktop entry goes.
  std::string DesktopEntryPath() const;

 private:
  struct App {
    std::string id;
    std::string handlerName;
  };
  // The desktop entry of an id, if one is installed.
  std::optional<App> InstalledApp(const std::string& id) const;
  std::optional<std::string> FindDesktopFile(const std::string& id) const;
  // The lists in the order the rules read them.
  std::vector<std::string> ListFiles() const;
  // The lists of the user's configuration folder that registering may change.
  std::vector<std::string> OwnListNames() const;
  bool IsOwnListName(const std::string& name) const;
  std::optional<App> HandlerOf(const std::string& fileType) const;

  std::optional<std::string> ReadText(const std::string& path) const;
  bool WriteText(const std::string& path, const std::string& text);
  bool InstallDesktopEntry(const std::string& programPath, const std::string& iconFile);
  bool WritePackage(const std::string& ext, const std::string& text);
  bool RemovePackage(const std::string& ext);
  void RefreshMimeCache();

  XdgPaths paths_;
  const IMimeDatabase& mime_;
  std::string programPath_;
  ToolRunner runTool_;
  mutable PosixFileSystem fs_;
};

}  // namespace quillet
