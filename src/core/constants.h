// Texts and names shared by the whole program.
#pragma once

namespace quillet {

inline constexpr const char* CRLF = "\r\n";
inline constexpr const char* Indent2 = "  ";
inline constexpr const char* Indent5 = "     ";
inline constexpr const char* Indent8 = "        ";
inline constexpr const char* Indent12 = "            ";

// Message tails (UTF-8); each starts with a full stop because it ends a sentence without one.
inline constexpr const char* MsgContinueAnyway = ". Всё равно хотите продолжить?";
inline constexpr const char* MsgOperationCancelled = ". Опреация отменена!";
inline constexpr const char* MsgContactDeveloper = ". Для устранения ошибки обратитесь к разработчику";

// Keys of the settings store.
inline constexpr const char* RegKeyProgram = "\\SOFTWARE\\Tannford\\Quillet";
inline constexpr const char* RegKeyLastExt = "\\SOFTWARE\\Tannford\\Quillet\\LastExt";
inline constexpr const char* RegKeyMaker = "\\SOFTWARE\\Tannford";
inline constexpr const char* RegRootExtBackups = "HKEY_LOCAL_MACHINE";
inline constexpr const char* ProgramExeName = "Quillet.exe";

inline constexpr const char* MainCaption = "Редактор субтитров srt";

}  // namespace quillet
