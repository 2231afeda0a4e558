// The help file and the web links: where the help lies (beside the program file, or in the
// shared data of an installed program), opening it with the two boxes of its failures, and
// opening a web address of the "Сайты" menu or of the about window through the shell.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/prompt.h"
#include "platform/shell.h"

namespace quillet {

// The two boxes of "Справка" (UTF-8).
inline constexpr const char* MsgHelpNotFound = "Файл справки не найден!";
inline constexpr const char* MsgHelpNotOpened = "Не удалось открыть файл справки!";

// The maker's web page, the link of the about window.
inline constexpr const char* MakerWebPage = "https://tannford.org/quillet/";

// Where the help file of a program in programFolder may lie, in the order of looking:
// help/help.html beside the program file, then <prefix>/share/quillet/help/help.html for a
// program installed as <prefix>/bin/quillet. Empty folder: no place.
std::vector<std::string> HelpFilePlaces(const std::string& programFolder);

// "Справка": the first place that holds a plain file is opened with its default program in
// a maximised window. None: the error box MsgHelpNotFound; the shell failing: MsgHelpNotOpened.
// Answers whether the help was opened.
bool OpenHelpFile(const std::vector<std::string>& places, const IFileSystem& fs, IShell& shell, IPrompt& prompt);

// True when the text begins with "http", in either letter case.
bool IsWebAddress(const std::string& utf8Text);

// An item of the "Сайты" menu: its hint, when it is a web address, is opened in the browser
// (a window of the usual size); any other hint does nothing, and a failure is not reported.
// Answers whether the shell was asked.
bool OpenSiteLink(const std::string& utf8Hint, IShell& shell);

}  // namespace quillet
