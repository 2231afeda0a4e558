// Fakes of the desktop's file associations and of the MIME database, and a sandbox of XDG
// folders in which the real associations can be changed without touching the user's files.
#pragma once

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop_associations.h"
#include "storage/temp_folder.h"

namespace quillet::testing {

inline std::string LowerAscii(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return s;
}

// Handlers by extension (in lower case); registering makes the handler "quillet" and keeps the
// one before it, withdrawing leaves none, restoring puts the kept one back.
class FakeDesktop : public IDesktopAssociations {
 public:
  std::string ProgramPath() const override { return "/opt/quillet/bin/quillet"; }
  std::string ProgramName() const override { return "quillet"; }
  ExtHandler GetExtHandler(const std::string& ext) const override {
    const auto it = handlers.find(LowerAscii(ext));
    return {"type/" + LowerAscii(ext), it == handlers.end() ? std::string() : it->second};
  }
  std::optional<KeyTree> ReadAssociation(const std::string& ext) const override {
    const std::string handler = GetExtHandler(ext).name;
    if (handler.empty()) return std::nullopt;
    KeyTree kept;
    kept.values.emplace_back("Handler", StoredValue::Text(handler));
    return kept;
  }
  bool RestoreAssociation(const std::string& ext, const KeyTree& kept) override {
    log.push_back("restore " + ext);
    if (kept.values.empty()) return false;
    handlers[LowerAscii(ext)] = kept.values.front().second.text;
    return true;
  }
  bool Associate(const std::string& ext, const std::string& programPath, const std::string&) override {
    log.push_back("associate " + ext + " " + programPath);
    if (failAssociate) return false;
    handlers[LowerAscii(ext)] = "quillet";
    return true;
  }
  bool Dissociate(const std::string& ext) override {
    log.push_back("dissociate " + ext);
    handlers.erase(LowerAscii(ext));
    return true;
  }
  void NotifyAssociationsChanged() override { ++notifications; }

  std::map<std::string, std::string> handlers;
  bool failAssociate = false;
  std::vector<std::string> log;
  int notifications = 0;
};

class FakeMimeDatabase : public IMimeDatabase {
 public:
  std::string TypeOfExtension(const std::string& ext) const override {
    const auto it = types.find(LowerAscii(ext));
    return it == types.end() ? std::string() : it->second;
  }
  std::map<std::string, std::string> types = {{"srt", "application/x-subrip"},
                                              {"ass", "text/x-ssa"},
                                              {"txt", "text/plain"},
                                              {"mp3", "audio/mpeg"}};
};

// HOME and the XDG folders in a temporary folder for the life of the object (the system's
// folders too), with no desktop named, so that neither this program nor a tool it runs sees
// the user's own files.
class XdgSandbox {
 public:
  XdgSandbox() {
    Set("HOME", root_ / "home");
    Set("XDG_CONFIG_HOME", ConfigHome());
    Set("XDG_DATA_HOME", DataHome());
    Set("XDG_CONFIG_DIRS", root_ / "etc/xdg");
    Set("XDG_DATA_DIRS", SystemData());
    for (const char* name : {"XDG_CURRENT_DESKTOP", "XDG_MENU_PREFIX", "KDE_FULL_SESSION", "KDE_SESSION_VERSION",
                             "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID", "DESKTOP_SESSION",
                             "DBUS_SESSION_BUS_ADDRESS", "LXQT_SESSION_CONFIG"}) {
      Set(name, std::nullopt);
    }
    for (const std::string& dir : {ConfigHome(), DataHome() + "/applications", SystemData() + "/applications",
                                   root_ / "etc/xdg", root_ / "bin"}) {
      std::filesystem::create_directories(dir);
    }
  }
  ~XdgSandbox() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) {
        setenv(it->first.c_str(), it->second->c_str(), 1);
      } else {
        unsetenv(it->first.c_str());
      }
    }
  }
  XdgSandbox(const XdgSandbox&) = delete;
  XdgSandbox& operator=(const XdgSandbox&) = delete;

  std::string ConfigHome() const { return root_ / "home/.config"; }
  std::string DataHome() const { return root_ / "home/.local/share"; }
  std::string SystemData() const { return root_ / "usr/share"; }
  std::string MimeApps() const { return ConfigHome() + "/mimeapps.list"; }
  std::string Root() const { return root_.Path(); }

  // An executable (a shell script doing nothing) in the sandbox's bin folder; its full path.
  std::string Program(const std::string& name) const {
    const std::string path = root_.Write("bin/" + name, "#!/bin/sh\nexit 0\n");
    ::chmod(path.c_str(), 0755);
    return path;
  }
  // A desktop entry among the system's applications running program with one file.
  void SystemApp(const std::string& id, const std::string& program, const std::string& mimeTypes = {}) const {
    std::string text = "[Desktop Entry]\nType=Application\nName=" + id + "\nExec=" + program + " %U\n";
    if (!mimeTypes.empty()) text += "MimeType=" + mimeTypes + "\n";
    root_.Write("usr/share/applications/" + id, text);
  }

 private:
  void Set(const char* name, const std::optional<std::string>& value) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }

  TempFolder root_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace quillet::testing
