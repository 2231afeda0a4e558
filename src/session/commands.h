// The single entry of every command of the program: panel buttons, menu entries, tool buttons,
// keys and dialogs all call these, and the enabling rules of the menus are answered here.
#pragma once

#include <string>

#include "core/edit_commands.h"
#include "core/normalize.h"
#include "core/find_row.h"
#include "core/go_to.h"
#include "core/time_stretch.h"
#include "session/session.h"

namespace quillet {

// The buttons of the editing group's go-to section.
enum class GoButton { FirstLine, LastLine, Line, PrevBlock, NextBlock, Block, Time, PrevTime, NextTime };
// The buttons of the editing group's find row: "<", ">", "н", "к", "зам".
enum class FindRowButton { Prev, Next, FromStart, FromEnd, Replace };

// The block range Start and End of the panel.
struct BlockRange {
  int first = 0;
  int last = 0;
};

// The entries of the "Правка" menu as it opens.
struct EditMenuStates {
  EditMenuState edit;             // the direct edit commands
  bool find = false;              // "Найти", "Найти далее", "Заменить": a text to search
  bool go = false;                // "Перейти": more than one line
  bool normalize = false;         // "Нормализация"
  bool findErr = false;           // "Поиск ошибок"
  std::string repeatCaption;      // "Повтор сообщения" names itself anew (UTF-8)
  bool repeat = false;
};

// The entries of the "Текст" menu as it opens.
struct TextMenuStates {
  bool mirror = false;    // "Отразить"
  bool remember = false;  // "Запомнить текст"
  bool restore = false;   // "Восстановить запомненный текст"
};

// The clipboard file the "Файл" menu and the editor's context menu offer.
struct ClipboardFileOffer {
  bool offered = false;
  std::string openCaption;    // Открыть файл "name"
  std::string insertCaption;  // Вставить из "name"
};

class TCommands {
 public:
  explicit TCommands(TSession& session) : session_(session) {}

  // ---- the operations ----
  void Normalize(const NormalizeOptions& options);  // the panel's "Выполнить"
  void NormalizeAll();                              // "Нормализация" of the menu: every part
  void FindErrFromStart();                          // "Сначала"
  void FindErrNext();                               // ">"
  void FindErrFromCaret();                          // "Поз."
  // "Поиск ошибок" and F7: enabled exactly when "Сначала" is (judged now). Shows the panel on
  // the error search and searches from the top; false when it was disabled.
  bool FindErrFromMenu();
  bool FindErrFromMenuEnabled();
  void Shift(bool add, const BlockRange& range, int seconds, int milliseconds);
  void Stretch(const StretchInput& input);
  void Mirror();                                    // "Отразить"
  void RememberText();                              // "Запомнить текст"
  void RestoreText();                               // "Восстановить запомненный текст"
  // "Отчёт": the report of the text as it stands (UTF-8, lines joined by line feeds), with the
  // error search's two durations as they stand on the panel.
  std::string ReportText();
  void Convert();                                   // the conversion group's "Выполнить": to SRT
  void RefreshFormat();                             // the conversion group asks for the format

  // ---- the editing group's go-to section and find row ----
  // A go-to button with the values its section's controls hold.
  void EditGroupGo(GoButton button, const EditGroupGoValues& values);
  // A find-row button with the row's values.
  void FindRow(FindRowButton button, const FindRowValues& values);
  // A right-button press on "<" (prev) or ">": only the direction changes.
  void SetFindRowDirection(bool prev);
  // Enter in "Пск" or "Зам": with "<" enabled, a search in the current direction.
  void FindRowEnter(const FindRowValues& values, bool prevEnabled);
  // The look of the row's buttons for the search text (Windows-1251) and the current direction.
  FindRowLook FindRowButtons(bool enable, const std::string& search) const;

  // ---- files ----
  void Open();
  // A file dropped onto the window: opened as "Открыть" would open it (the question about
  // unsaved text first).
  void OpenDroppedFile(const std::string& path);
  void OpenClipboardFile();
  void Save();
  void SaveAs();
  void SaveCopy();
  void InsertFromFile();
  void InsertClipboardFile();

  // ---- editing ----
  // Undo, cut, copy, paste and delete refresh the editing group's button looks; paste then
  // gives the editor the focus. Each answers whether it did anything.
  bool Undo();
  bool Cut();
  bool Copy();
  bool Paste();
  bool Delete();
  bool SelectAll();
  void InsertDateTime();                            // "Время и дата", F5
  void SetReadOnly(bool readOnly);                  // "Запретить ручной ввод"

  // ---- the message window ----
  void RepeatMessage();                             // "Повтор сообщения"
  void MessageIndicator();                          // the indicator button
  void SetMessagePlacement(int placement);          // "Окно сообщений" ▸ one of five

  // ---- help and web links ----
  // "Справка", F1: the help file beside the program in programFolder (or of the installed
  // program), with the boxes of its failures.
  bool Help(const std::string& programFolder);
  // An item of the "Сайты" menu: its hint opened in the browser when it is a web address.
  bool OpenSite(const std::string& utf8Hint);
  // The link of the about window: the maker's web page, maximised.
  void OpenMakerPage();

  // ---- what the menus show as they open ----
  EditMenuStates EditMenu();
  EditMenuState ContextMenuEdit();
  TextMenuStates TextMenu();                        // the "Текст" menu
  bool SaveCopyEnabled() const;                     // "Сохранить как копию" of the "Файл" menu
  // The clipboard file check (also remembers the file for the two commands).
  ClipboardFileOffer OfferClipboardFile();

 private:
  Editor& editor() { return session_.editor(); }
  TSession& session_;
};

}  // namespace quillet
