#include "platform/posix/xdg_associations.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <set>

#include "platform/codepage.h"
#include "platform/desktop_entry.h"
#include "platform/key_file_text.h"

extern char** environ;

namespace quillet {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOwnTypePrefix = "application/x-quillet-";
constexpr const char* kPlainList = "mimeapps.list";
constexpr const char* kListSuffix = "-mimeapps.list";
// What a kept association holds: the type, each list's entry, our package.
constexpr const char* kKeptType = "FileType";
constexpr const char* kKeptEntry = "Default";
constexpr const char* kKeptPackage = "MimePackage";
// Larger files are none of ours to read.
constexpr int64_t kMaxTextSize = 4 << 20;

// The entry installed when the system has none to copy.
constexpr const char* kPlainDesktopEntry =
    "[Desktop Entry]\n"
    "Type=Application\n"
    "Name=Quillet Subtitle Editor\n"
    "Name[ru]=Редактор субтитров Quillet\n"
    "Comment=Edit SRT subtitles\n"
    "Comment[ru]=Правка субтитров SRT\n"
    "Exec=quillet %f\n"
    "Icon=org.tannford.Quillet\n"
    "Terminal=false\n"
    "Categories=AudioVideo;AudioVideoEditing;\n";

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool IsAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::vector<std::string> SplitAt(std::string_view value, char separator) {
  std::vector<std::string> parts;
  size_t pos = 0;
  for (;;) {
    const size_t next = value.find(separator, pos);
    parts.emplace_back(value.substr(pos, next == std::string_view::npos ? std::string_view::npos : next - pos));
    if (next == std::string_view::npos) return parts;
    pos = next + 1;
  }
}

std::string FolderFromEnv(const char* name, const std::string& home, const char* underHome) {
  const std::string value = Env(name);
  if (IsAbsolute(value)) return WithoutTrailingSlash(value);
  return IsAbsolute(home) ? WithoutTrailingSlash(home) + underHome : std::string();
}

std::vector<std::string> FoldersFromEnv(const char* name, std::vector<std::string> fallback) {
  std::vector<std::string> folders;
  for (const std::string& part : SplitAt(Env(name), ':')) {
    if (IsAbsolute(part)) folders.push_back(WithoutTrailingSlash(part));
  }
  return folders.empty() ? fallback : folders;
}

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsExecutableFile(const std::string& path) { return IsRegularFile(path) && ::access(path.c_str(), X_OK) == 0; }

// A program named without a folder, looked up in PATH; empty when it is not there.
std::string FindInPath(const std::string& name) {
  for (const std::string& dir : SplitAt(Env("PATH"), ':')) {
    const std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
  }
  return {};
}

bool ProgramFound(const std::string& program) {
  if (program.empty()) return false;
  return program.find('/') != std::string::npos ? IsExecutableFile(program) : !FindInPath(program).empty();
}

std::string Trimmed(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(" \t") - first + 1));
}

std::string EntryValue(const KeyFileText& file, std::string_view key) {
  const auto value = file.Entry(kDesktopEntryGroup, key);
  return value ? Trimmed(*value) : std::string();
}

std::vector<std::string> EntryIds(const KeyFileText& file, std::string_view group, const std::string& fileType) {
  const auto value = file.Entry(group, fileType);
  return value ? SplitKeyFileList(*value) : std::vector<std::string>();
}

bool IsDesktopId(std::string_view id) {
  return !id.empty() && id.front() != '.' && id.find('/') == std::string_view::npos && id.ends_with(".desktop");
}

// A type name that can stand as a key of mimeapps.list.
bool IsFileTypeName(std::string_view type) {
  if (type.empty() || type.find('/') == std::string_view::npos) return false;
  return std::none_of(type.begin(), type.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '=' || c == ';' || c == '[' || c == ']' || c == '#';
  });
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

const std::string* KeptText(const std::vector<std::pair<std::string, StoredValue>>& values, std::string_view name) {
  for (const auto& [n, v] : values) {
    if (n == name && v.kind == StoredKind::Text) return &v.text;
  }
  return nullptr;
}

std::string XmlEscaped(std::string_view s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string PackageText(const std::string& ext) {
  std::string glob = "*.";
  for (char c : ext) glob += c == '[' ? std::string("[[]") : std::string(1, c);
  const std::string shown = XmlEscaped("*." + ext);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" + XdgAssociations::OwnFileType(ext) + "\">\n"
         "    <comment>Subtitle editor file (" + shown + ")</comment>\n"
         "    <comment xml:lang=\"ru\">Файл редактора субтитров (" + shown + ")</comment>\n"
         "    <sub-class-of type=\"text/plain\"/>\n"
         "    <glob pattern=\"" + XmlEscaped(glob) + "\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

bool IsImageFile(const std::string& path) {
  const std::string ext = fs::path(path).extension().string();
  std::string lower;
  for (char c : ext) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  const bool image = lower == ".png" || lower == ".svg" || lower == ".xpm" || lower == ".ico";
  return image && IsAbsolute(path) && !HasLineBreak(path) && path.find('\\') == std::string::npos && IsRegularFile(path);
}

}  // namespace

// ---- the environment ----

XdgPaths XdgPaths::FromEnvironment() {
  XdgPaths p;
  const std::string home = Env("HOME");
  p.configHome = FolderFromEnv("XDG_CONFIG_HOME", home, "/.config");
  p.dataHome = FolderFromEnv("XDG_DATA_HOME", home, "/.local/share");
  p.configDirs = FoldersFromEnv("XDG_CONFIG_DIRS", {"/etc/xdg"});
  p.dataDirs = FoldersFromEnv("XDG_DATA_DIRS", {"/usr/local/share", "/usr/share"});
  for (std::string desktop : SplitAt(Env("XDG_CURRENT_DESKTOP"), ':')) {
    if (desktop.empty() || desktop.find('/') != std::string::npos) continue;
    for (char& c : desktop) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    p.desktops.push_back(desktop);
  }
  return p;
}

bool RunInstalledTool(const std::vector<std::string>& argv) {
  if (argv.empty()) return false;
  const std::string program = argv[0].find('/') != std::string::npos ? argv[0] : FindInPath(argv[0]);
  if (program.empty() || !IsExecutableFile(program)) return false;
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int rc = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// ---- types ----

XdgAssociations::XdgAssociations(XdgPaths paths, const IMimeDatabase& mime, std::string programPath,
                                 ToolRunner runTool)
    : paths_(std::move(paths)), mime_(mime), programPath_(std::move(programPath)), runTool_(std::move(runTool)) {}

std::string XdgAssociations::ProgramName() const { return programPath_.substr(programPath_.rfind('/') + 1); }

std::string XdgAssociations::OwnFileType(const std::string& ext) {
  // Letters in lower case (the patterns match without regard to case); every byte but a
  // Latin letter or a digit as "_" and two hexadecimal digits.
  std::string ansi;
  std::string lower = ext;
  if (cp1251::FromUtf8(ext, ansi)) {
    for (char& c : ansi) c = static_cast<char>(cp1251::LowerByte(static_cast<unsigned char>(c)));
    lower = cp1251::ToUtf8(ansi);
  }
  static const char* const kHex = "0123456789abcdef";
  std::string type = kOwnTypePrefix;
  for (char c : lower) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= '0' && b <= '9')) {
      type += c;
    } else {
      type += '_';
      type += kHex[b >> 4];
      type += kHex[b & 0xF];
    }
  }
  return type;
}

std::string XdgAssociations::OwnPackagePath(const std::string& ext) const {
  if (paths_.dataHome.empty()) return {};
  return paths_.dataHome + "/mime/packages/quillet-" + OwnFileType(ext).substr(std::string_view(kOwnTypePrefix).size()) +
         ".xml";
}

std::string XdgAssociations::FileTypeOf(const std::string& ext) const {
  if (ext.empty()) return {};
  const std::string type = mime_.TypeOfExtension(ext);
  if (!type.empty() && !type.starts_with(kOwnTypePrefix)) return type;
  // The database may still know our type after its package went, or not yet know it.
  return IsRegularFile(OwnPackagePath(ext)) ? OwnFileType(ext) : std::string();
}

// ---- applications ----

std::vector<std::string> XdgAssociations::ListFiles() const {
  std::vector<std::string> files;
  const auto add = [&](const std::string& dir, bool dataFolder) {
    if (dir.empty()) return;
    for (const std::string& desktop : paths_.desktops) files.push_back(dir + "/" + desktop + kListSuffix);
    files.push_back(dir + "/" + kPlainList);
    if (dataFolder) files.push_back(dir + "/defaults.list");  // the older name of the same list
  };
  add(paths_.configHome, false);
  for (const std::string& dir : paths_.configDirs) add(dir, false);
  if (!paths_.dataHome.empty()) add(paths_.dataHome + "/applications", true);
  for (const std::string& dir : paths_.dataDirs) add(dir + "/applications", true);
  return files;
}

std::optional<std::string> XdgAssociations::FindDesktopFile(const std::string& id) const {
  if (!IsDesktopId(id)) return std::nullopt;
  // "vendor-app.desktop" may also stand for vendor/app.desktop.
  const std::function<std::optional<std::string>(const std::string&, const std::string&)> findIn =
      [&](const std::string& dir, const std::string& rest) -> std::optional<std::string> {
    if (IsRegularFile(dir + "/" + rest)) return dir + "/" + rest;
    for (size_t dash = rest.find('-'); dash != std::string::npos; dash = rest.find('-', dash + 1)) {
      const std::string sub = dir + "/" + rest.substr(0, dash);
      std::error_code ec;
      if (dash > 0 && fs::is_directory(sub, ec)) {
        if (auto found = findIn(sub, rest.substr(dash + 1))) return found;
      }
    }
    return std::nullopt;
  };
  std::vector<std::string> bases;
  if (!paths_.dataHome.empty()) bases.push_back(paths_.dataHome);
  bases.insert(bases.end(), paths_.dataDirs.begin(), paths_.dataDirs.end());
  for (const std::string& base : bases) {
    if (auto found = findIn(base + "/applications", id)) return found;
  }
  return std::nullopt;
}

std::optional<XdgAssociations::App> XdgAssociations::InstalledApp(const std::string& id) const {
  const auto path = FindDesktopFile(id);
  if (!path) return std::nullopt;
  const auto text = ReadText(*path);
  if (!text) return std::nullopt;
  const KeyFileText entry(*text);
  if (EntryValue(entry, "Hidden") == "true") return std::nullopt;
  const std::string type = EntryValue(entry, "Type");
  if (!type.empty() && type != "Application") return std::nullopt;
  const std::string tryExec = EntryValue(entry, "TryExec");
  if (!tryExec.empty() && !ProgramFound(UnescapeDesktopValue(tryExec))) return std::nullopt;
  const std::string exec = EntryValue(entry, "Exec");
  if (exec.empty()) {
    // Started over the session bus: installed, but no program to name.
    if (EntryValue(entry, "DBusActivatable") == "true") return App{id, "*"};
    return std::nullopt;
  }
  if (!ProgramFound(ExecProgram(exec))) return std::nullopt;
  const std::string name = ExecProgramName(exec);
  return App{id, name.empty() ? std::string("*") : name};
}

std::optional<XdgAssociations::App> XdgAssociations::HandlerOf(const std::string& fileType) const {
  std::vector<std::optional<KeyFileText>> lists;
  for (const std::string& file : ListFiles()) {
    const auto text = ReadText(file);
    lists.push_back(text ? std::optional<KeyFileText>(KeyFileText(*text)) : std::nullopt);
  }
  for (const auto& list : lists) {
    if (!list) continue;
    for (const std::string& id : EntryIds(*list, kDefaultApplications, fileType)) {
      if (auto app = InstalledApp(id)) return app;
    }
  }
  std::set<std::string> removed;
  for (const auto& list : lists) {
    if (!list) continue;
    for (const std::string& id : EntryIds(*list, kRemovedAssociations, fileType)) removed.insert(id);
    for (const std::string& id : EntryIds(*list, kAddedAssociations, fileType)) {
      if (removed.count(id) == 0) {
        if (auto app = InstalledApp(id)) return app;
      }
    }
  }
  // The applications that list the type themselves; an id found in an earlier folder hides
  // the same id further on.
  std::vector<std::string> bases;
  if (!paths_.dataHome.empty()) bases.push_back(paths_.dataHome);
  bases.insert(bases.end(), paths_.dataDirs.begin(), paths_.dataDirs.end());
  std::set<std::string> seen;
  for (const std::string& base : bases) {
    const fs::path apps = base + "/applications";
    std::error_code ec;
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(apps, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
      if (it->path().extension() == ".desktop") files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
      std::string id = file.lexically_relative(apps).string();
      std::replace(id.begin(), id.end(), '/', '-');
      if (!seen.insert(id).second || removed.count(id) != 0) continue;
      const auto text = ReadText(file.string());
      if (!text) continue;
      const auto types = SplitKeyFileList(EntryValue(KeyFileText(*text), "MimeType"));
      if (std::find(types.begin(), types.end(), fileType) == types.end()) continue;
      if (auto app = InstalledApp(id)) return app;
    }
  }
  return std::nullopt;
}

std::optional<std::string> XdgAssociations::DefaultDesktopId(const std::string& fileType) const {
  const auto app = HandlerOf(fileType);
  return app ? std::optional<std::string>(app->id) : std::nullopt;
}

ExtHandler XdgAssociations::GetExtHandler(const std::string& ext) const {
  ExtHandler handler;
  handler.fileType = FileTypeOf(ext);
  if (handler.fileType.empty()) return handler;
  if (const auto app = HandlerOf(handler.fileType)) handler.name = app->handlerName;
  return handler;
}

// ---- the user's lists ----

std::vector<std::string> XdgAssociations::OwnListNames() const {
  std::vector<std::string> names;
  for (const std::string& desktop : paths_.desktops) names.push_back(desktop + kListSuffix);
  names.push_back(kPlainList);
  return names;
}

bool XdgAssociations::IsOwnListName(const std::string& name) const {
  if (name == kPlainList) return true;
  return name.size() > std::string_view(kListSuffix).size() && name.ends_with(kListSuffix) && name.front() != '.' &&
         name.find('/') == std::string::npos;
}

std::optional<KeyTree> XdgAssociations::ReadAssociation(const std::string& ext) const {
  const std::string type = FileTypeOf(ext);
  if (type.empty() || paths_.configHome.empty()) return std::nullopt;
  KeyTree kept;
  kept.values.emplace_back(kKeptType, StoredValue::Text(type));
  bool any = false;
  for (const std::string& name : OwnListNames()) {
    const auto text = ReadText(paths_.configHome + "/" + name);
    if (!text) continue;
    if (const auto entry = KeyFileText(*text).Entry(kDefaultApplications, type)) {
      KeyTree list;
      list.values.emplace_back(kKeptEntry, StoredValue::Text(*entry));
      kept.subkeys.push_back({name, std::move(list)});
      any = true;
    }
  }
  if (const auto package = ReadText(OwnPackagePath(ext))) {
    kept.values.emplace_back(kKeptPackage, StoredValue::Text(*package));
    any = true;
  }
  return any ? std::optional<KeyTree>(std::move(kept)) : std::nullopt;
}

bool XdgAssociations::RestoreAssociation(const std::string& ext, const KeyTree& kept) {
  const std::string* type = KeptText(kept.values, kKeptType);
  if (type == nullptr || !IsFileTypeName(*type) || paths_.configHome.empty()) return false;
  bool ok = true;
  for (const auto& [name, list] : kept.subkeys) {
    const std::string* entry = KeptText(list.values, kKeptEntry);
    if (!IsOwnListName(name) || (entry != nullptr && HasLineBreak(*entry))) {
      ok = false;
      continue;
    }
    const std::string path = paths_.configHome + "/" + name;
    const std::string text = ReadText(path).value_or(std::string());
    KeyFileText file(text);
    if (entry != nullptr) {
      file.SetEntry(kDefaultApplications, *type, *entry);
    } else {
      file.RemoveEntry(kDefaultApplications, *type);
    }
    if (file.Text() != text) ok = WriteText(path, file.Text()) && ok;
  }
  if (const std::string* package = KeptText(kept.values, kKeptPackage)) ok = WritePackage(ext, *package) && ok;
  return ok;
}

bool XdgAssociations::Associate(const std::string& ext, const std::string& programPath, const std::string& iconFile) {
  if (paths_.configHome.empty() || paths_.dataHome.empty() || ext.empty()) return false;
  std::string type = FileTypeOf(ext);
  if (type.empty()) {
    if (!WritePackage(ext, PackageText(ext))) return false;
    type = OwnFileType(ext);
  }
  if (!InstallDesktopEntry(programPath, iconFile)) return false;
  bool ok = true;
  for (const std::string& name : OwnListNames()) {
    const std::string path = paths_.configHome + "/" + name;
    const bool plain = name == kPlainList;
    const auto text = ReadText(path);
    if (!text && !plain) continue;
    KeyFileText file(text.value_or(std::string()));
    const auto entry = file.Entry(kDefaultApplications, type);
    // A desktop's own list is changed only where it would otherwise win over the plain one.
    if (!entry && !plain) continue;
    const std::vector<std::string> ids = entry ? SplitKeyFileList(*entry) : std::vector<std::string>();
    if (!ids.empty() && ids.front() == kDesktopId) continue;
    // Ours goes in front of the entry as it stands, so taking it away gives back those bytes.
    file.SetEntry(kDefaultApplications, type, std::string(kDesktopId) + ";" + entry.value_or(std::string()));
    ok = WriteText(path, file.Text()) && ok;
  }
  return ok;
}

bool XdgAssociations::Dissociate(const std::string& ext) {
  const std::string type = FileTypeOf(ext);
  bool ok = true;
  if (!type.empty() && !paths_.configHome.empty()) {
    const std::string ours = kDesktopId;
    for (const std::string& name : OwnListNames()) {
      const std::string path = paths_.configHome + "/" + name;
      const auto text = ReadText(path);
      if (!text) continue;
      KeyFileText file(*text);
      const auto entry = file.Entry(kDefaultApplications, type);
      if (!entry) continue;
      std::string value = *entry;
      if (value.starts_with(ours + ";")) {
        value.erase(0, ours.size() + 1);
      } else if (Trimmed(value) == ours) {
        value.clear();
      }
      std::vector<std::string> ids = SplitKeyFileList(value);
      if (std::find(ids.begin(), ids.end(), ours) != ids.end()) {
        // Ours further on in an entry written by someone else: the entry without it.
        ids.erase(std::remove(ids.begin(), ids.end(), ours), ids.end());
        value.clear();
        for (const std::string& id : ids) value += id + ";";
      }
      if (ids.empty()) {
        file.RemoveEntry(kDefaultApplications, type);
      } else {
        file.SetEntry(kDefaultApplications, type, value);
      }
      if (file.Text() == *text) continue;
      if (file.Text().empty()) {
        std::error_code ec;
        ok = fs::remove(path, ec) && ok;
      } else {
        ok = WriteText(path, file.Text()) && ok;
      }
    }
  }
  if (IsRegularFile(OwnPackagePath(ext))) ok = RemovePackage(ext) && ok;
  return ok;
}

void XdgAssociations::NotifyAssociationsChanged() {
  if (paths_.dataHome.empty()) return;
  const std::string apps = paths_.dataHome + "/applications";
  std::error_code ec;
  if (fs::is_directory(apps, ec)) runTool_({"update-desktop-database", "-q", apps});
}

// ---- files ----

std::string XdgAssociations::DesktopEntryPath() const {
  return paths_.dataHome.empty() ? std::string() : paths_.dataHome + "/applications/" + kDesktopId;
}

std::optional<std::string> XdgAssociations::ReadText(const std::string& path) const {
  if (path.empty()) return std::nullopt;
  const FileStat st = fs_.Stat(path);
  if (st.kind != FileKind::Regular || st.size > kMaxTextSize) return std::nullopt;
  std::string text;
  if (fs_.ReadFile(path, kMaxTextSize, text) != ReadStatus::Ok) return std::nullopt;
  return text;
}

bool XdgAssociations::WriteText(const std::string& path, const std::string& text) {
  std::error_code ec;
  fs::create_directories(fs::path(path).parent_path(), ec);
  std::string error;
  return fs_.ReplaceFile(path, text, std::string(), error);
}

bool XdgAssociations::InstallDesktopEntry(const std::string& programPath, const std::string& iconFile) {
  if (!IsAbsolute(programPath) || HasLineBreak(programPath)) return false;
  // The installed entry, when there is one, so that menus show the same program.
  std::string model = kPlainDesktopEntry;
  for (const std::string& dir : paths_.dataDirs) {
    if (auto text = ReadText(dir + "/applications/" + kDesktopId)) {
      model = std::move(*text);
      break;
    }
  }
  KeyFileText entry(model);
  entry.SetEntry(kDesktopEntryGroup, "Exec", ExecValueFor(programPath));
  entry.RemoveEntry(kDesktopEntryGroup, "TryExec");
  entry.RemoveEntry(kDesktopEntryGroup, "Hidden");
  if (IsImageFile(iconFile)) entry.SetEntry(kDesktopEntryGroup, "Icon", iconFile);
  const std::string path = DesktopEntryPath();
  if (ReadText(path) == entry.Text()) return true;
  return WriteText(path, entry.Text());
}

bool XdgAssociations::WritePackage(const std::string& ext, const std::string& text) {
  const std::string path = OwnPackagePath(ext);
  if (path.empty() || !WriteText(path, text)) return false;
  RefreshMimeCache();
  return true;
}

bool XdgAssociations::RemovePackage(const std::string& ext) {
  std::error_code ec;
  fs::remove(OwnPackagePath(ext), ec);
  RefreshMimeCache();
  return !ec;
}

void XdgAssociations::RefreshMimeCache() {
  if (!paths_.dataHome.empty()) runTool_({"update-mime-database", paths_.dataHome + "/mime"});
}

}  // namespace quillet
