#include "storage/help_links.h"

#include <filesystem>

#include "core/text_utils.h"

namespace quillet {

namespace {

// The help folder's place below the program folder and below the installation prefix.
constexpr const char* kHelpBesideProgram = "help/help.html";
constexpr const char* kHelpInstalled = "../share/quillet/help/help.html";

std::string Place(const std::string& folder, const char* relative) {
  return (std::filesystem::path(folder) / relative).lexically_normal().string();
}

}  // namespace

std::vector<std::string> HelpFilePlaces(const std::string& programFolder) {
  if (programFolder.empty()) return {};
  return {Place(programFolder, kHelpBesideProgram), Place(programFolder, kHelpInstalled)};
}

bool OpenHelpFile(const std::vector<std::string>& places, const IFileSystem& fs, IShell& shell, IPrompt& prompt) {
  for (const std::string& place : places) {
    if (fs.Stat(place).kind != FileKind::Regular) continue;
    if (shell.OpenDocument(place, true)) return true;
    prompt.Ask(MsgKind::Error, Buttons::Ok, MsgHelpNotOpened);
    return false;
  }
  prompt.Ask(MsgKind::Error, Buttons::Ok, MsgHelpNotFound);
  return false;
}

bool IsWebAddress(const std::string& utf8Text) { return CompareCharsSp(utf8Text, "http", 4, true); }

bool OpenSiteLink(const std::string& utf8Hint, IShell& shell) {
  if (!IsWebAddress(utf8Hint)) return false;
  shell.OpenDocument(utf8Hint, false);
  return true;
}

}  // namespace quillet
