// The action table of the main window: every entry of the menu bar, the tool bar and the two
// context menus is one QAction, declared once in one table row (object name, caption,
// shortcut, hint, image, command) and shared by every place that shows it.
#pragma once

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;
class QWidget;

namespace quillet {

class TQuilletForm;

enum class ActionId {
  // "Файл"
  Open, OpenClipboardFile, Save, SaveAs, SaveCopy, Exit,
  // "Правка"
  Undo, Cut, Copy, Paste, Delete, Find, FindNext, Replace, GoTo, SelectAll, Normalize, FindErrors,
  RepeatMessage, DateTime,
  // "Текст"
  Report, Mirror, RememberText, RestoreText, ReadOnly,
  // "Настройки" and its "Окно сообщений"
  TextLook, ProgramOptions, OperationsPanel, MessBelow, MessAbove, MessRight, MessSystem, MessOff, MessLook,
  // "Помощь"
  Help, About,
  // "Сайты" ▸ "Сабы" and "Другое"
  SiteOpenSubtitlesOrg, SitePodnapisi, SiteAddic7ed, SiteTvSubtitles, SiteOpenSubtitlesCom, SiteWikipedia, SiteImdb,
  SiteKinopoisk,
  // the editor's and the message pane's context menus
  InsertFromFile, InsertClipboardFile, CopyMessage,
  // tool buttons of their own
  ToolFind, ToolReplace, ToolGoTo, ToolPanel, ToolIndicator,
  Count
};

inline constexpr int kActionCount = static_cast<int>(ActionId::Count);

// How an action starts.
enum ActionFlag : unsigned {
  kCheckable = 1,  // a check item
  kChecked = 2,    // checked at first
  kHidden = 4,     // hidden until a handler shows it
  kOff = 8,        // disabled: its window is not part of this version yet
  kRadio = 16,     // one of the exclusive group of message placements
  kSiteImage = 32, // the image is one of the "Сайты" menu's pictures, not of the tool bar
};

struct ActionSpec {
  ActionId id;
  const char* name;      // object name
  const char* caption;   // UTF-8
  const char* shortcut;  // or nullptr
  const char* hint;      // or nullptr
  int image;             // tool bar image (or site picture with kSiteImage), or -1
  unsigned flags;
  void (*run)(TQuilletForm& form);
};

// The rows in the order of the enumeration.
const std::array<ActionSpec, kActionCount>& MainActionTable();

// The actions of one main window, the menus and the tool bar built from them.
class TMainActions {
 public:
  // Creates every action of the table with the window as parent; triggering runs the row's
  // command on the window.
  explicit TMainActions(TQuilletForm& form);

  QAction* operator[](ActionId id) const { return actions_[static_cast<size_t>(id)]; }

  // The menu bar, the editor's context menu (PopupMenu1) and the message pane's (PopupMenu2).
  void BuildMenus(QMenuBar* bar, QMenu*& popupMenu1, QMenu*& popupMenu2);
  void BuildToolBar(QToolBar* bar);
  // The tool button that shows an action (named for the tests and the hint colour).
  QToolButton* ToolButton(ActionId id) const;

 private:
  QMenu* BuildMenu(QWidget* parent, const char* name);

  TQuilletForm& form_;
  std::array<QAction*, kActionCount> actions_{};
  QToolBar* toolBar_ = nullptr;
};

}  // namespace quillet
