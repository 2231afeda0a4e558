// The settings store on disk: QSettings over INI files, one file per root in a folder of the
// user's configuration folder (XDG): "Quillet.ini" for the current user's settings,
// "Quillet-LocalMachine.ini" for the local machine's root. Key paths and value names are kept
// as given: each key is a section ("[SOFTWARE\Tannford\Quillet]") with its values as
// "name=value" lines, every value in the text form of ValueToText, so its kind survives.
//
// A file is looked at when its root is first used. One that cannot be read or parsed at all
// (not a file, not UTF-8 text, a line that is neither a section, a comment nor name=value, cut
// off without its last line break) is renamed to "<name>.bad" ("<name>.bad2", ... when that
// exists; nothing is ever overwritten) and the root starts empty, so every value takes its
// default. When it cannot even be renamed, the root stays empty and refuses writes, so the bad
// file is never overwritten. Writes reach the file by Flush (or at the end) through a temporary
// file beside it, which is written, flushed to the disk and then renamed over the old file; a
// write that fails on the way leaves the old file as it was.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace quillet {

class QtSettingsStore : public ISettingsStore {
 public:
  // The store's files live in folder (UTF-8), which is created when the first write needs it.
  explicit QtSettingsStore(std::string folder = DefaultFolder());
  ~QtSettingsStore() override;
  QtSettingsStore(const QtSettingsStore&) = delete;
  QtSettingsStore& operator=(const QtSettingsStore&) = delete;

  // "<XDG configuration folder>/Tannford".
  static std::string DefaultFolder();
  std::string FilePath(SettingsRoot root) const;
  // The names the unreadable files were given when they were moved aside, in the order met.
  const std::vector<std::string>& KeptAside() const { return keptAside_; }

  std::optional<StoredValue> Read(SettingsRoot root, std::string_view key, std::string_view name) const override;
  bool Write(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override;
  bool DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) override;
  bool DeleteKey(SettingsRoot root, std::string_view key) override;
  bool KeyExists(SettingsRoot root, std::string_view key) const override;
  std::vector<std::string> SubKeys(SettingsRoot root, std::string_view key) const override;
  std::vector<std::string> ValueNames(SettingsRoot root, std::string_view key) const override;
  bool Flush() override;

 private:
  struct RootFile;
  // The root's file, opened on first use; its settings are null when the root is read-only.
  RootFile& Open(SettingsRoot root) const;

  std::string folder_;
  mutable std::unique_ptr<RootFile> roots_[2];
  mutable std::vector<std::string> keptAside_;
};

}  // namespace quillet
