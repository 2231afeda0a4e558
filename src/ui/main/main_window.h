// The main window: the menu bar, the tool bar, the editor with the message pane beside it, the
// operations panel at the right and the status bar. It wires the menus, keys and buttons to the
// operations and renders what the message window decides.
#pragma once

#include <QLocale>
#include <QMainWindow>

#include <memory>
#include <string>

#include "core/editor.h"
#include "core/font_appearance.h"
#include "storage/options.h"
#include "session/message_window.h"

class QAction;
class QApplication;
class QActionGroup;
class QLabel;
class QMenu;
class QSplitter;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace quillet {

class MemoWidget;
class QtEditControl;
class IClipboard;
class IShell;
class IFileDialogs;
class IFileSystem;

class TDocument;
class TFindErr;
class TOperatePanel;

// The services the window takes from the platform; RunEditor passes the Qt ones, tests fakes.
struct MainWindowServices {
  IPrompt& prompt;
  IClipboard& clipboard;
  IShell& shell;
  IFileDialogs& dialogs;
  IFileSystem& fs;
  // The time of the messages and of "Время и дата"; the system clock when null.
  IMessageClock* clock = nullptr;
};

// The system clock with the system's long time format (without a time zone).
class SystemMessageClock : public IMessageClock {
 public:
  int64_t Now() override;
  std::string LongTimeText(int64_t time) override;
};

// The date and time as "Время и дата" inserts it: the short date and the long time of the
// locale, joined by a blank (UTF-8).
std::string DateTimeText(int64_t msSinceEpoch, const QLocale& locale);
// The locale's long time format without its time zone part.
QString LongTimeFormat(const QLocale& locale);

class TQuilletForm : public QMainWindow, public EditorHost, public IMessageView {
  Q_OBJECT

 public:
  // FormCreate: the windows's controls, the message window state, the stale caches and the
  // clipboard watch.
  explicit TQuilletForm(const MainWindowServices& services, QWidget* parent = nullptr);
  ~TQuilletForm() override;

  // Completes the start-up: empty editor, default settings, the error search engine, the
  // panel, the window shown with the focus in the editor, then the file of the command line
  // (empty: none).
  void SetStart(const std::string& commandLineFile = std::string());

  // ---- objects the tests and the panel reach ----
  Editor& editor() { return *editor_; }
  TDocument& document() { return *document_; }
  TMessageWindow& messages() { return *messages_; }
  TOperatePanel& panel() { return *panel_; }
  TFindErr* findErr() { return findErr_.get(); }
  MemoWidget& memo() { return *memo_; }
  QtEditControl& edit();
  ProgramOptions& options() { return options_; }

  // ---- EditorHost ----
  void SetStatus() override;
  void ResetErrorSearch() override;
  FindErrSettings ReadFindErrSettings() const override;

  // ---- IMessageView ----
  void SetPaneVisible(bool visible) override;
  void SetPanel4Visible(bool visible) override;
  void PlacePanel4(bool onTop) override;
  void MovePane(bool toPanel6) override;
  void SetPaneText(const std::string& utf8Text) override;
  void SetIndicatorVisible(bool visible) override;
  void SetIndicatorImage(int image) override;
  void SetIndicatorHint(const std::string& utf8Hint) override;
  void CheckPlacement(int placement) override;
  bool OpPanelVisible() const override;

  // ---- handlers ----
  void showPosition();
  void Memo1Change();
  void SetMenuEditEntries();
  // The session ends: the window closes through its usual path; false when the user kept it.
  bool EndSession();
  void N26Click();  // "Правка" opens
  void N8Click();   // "Текст" opens
  void N1Click();   // "Файл" opens
  void PopupMenu1Popup();
  void SetFormFileMenu();
  void N15Click();  // "Запретить ручной ввод"
  void SetMemo1Font();
  void N43Click();  // "Поиск ошибок", F7
  void N45Click();  // "Время и дата", F5
  void N21Click();  // "Панель операций", F9
  void ToolButton2Click();
  void SetOpPanelVisible(bool show);
  void N56Click();  // "Копировать в буфер" of the message pane
  void ClipboardChanged();
  // A drag of the splitter proposes a new height of the message pane; answers whether it
  // was taken (a refused one puts the old height back).
  bool Splitter1Moved(int proposedHeight);
  int PaneHeight() const { return paneHeight_; }
  int ScreenHeight() const;

  // The look of the editor in the two modes and of the message pane.
  TFontAppearance editLook = EditLookDefault();
  TFontAppearance noEditLook = NoEditLookDefault();
  std::string editFontName = DefaultEditFontName;
  TFontAppearance messLook = MessLookDefault();
  std::string messFontName = DefaultMessFontName;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateControls();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void ApplyStartSettings();
  void ApplyPaneHeight();
  void ApplyMessLook();
  QAction* NewAction(const char* name, const char* caption, const char* shortcut = nullptr);
  void Beep();
  // FormClose after AskForSave agreed: the clipboard watch ends and the engine goes.
  void FormClose();

  MainWindowServices services_;
  SystemMessageClock systemClock_;
  ProgramOptions options_;

  // Controls (owned by Qt's parent chain).
  QToolBar* toolBar1_ = nullptr;
  QWidget* panel2_ = nullptr;
  QSplitter* splitter1_ = nullptr;
  QWidget* panel3_ = nullptr;
  QWidget* panel4_ = nullptr;
  QTextEdit* richEdit1_ = nullptr;
  MemoWidget* memo_ = nullptr;
  QLabel* status_[4] = {};
  QMenu* popupMenu1_ = nullptr;
  QMenu* popupMenu2_ = nullptr;
  QToolButton* toolButton2_ = nullptr;
  QToolButton* toolButton3_ = nullptr;
  QAction* toolButton2Action_ = nullptr;
  QAction* toolButton3Action_ = nullptr;
  QActionGroup* placements_ = nullptr;
  QAction* placementActions_[5] = {};

  // Menu entries the handlers change.
  QAction* n23_ = nullptr;          // "Открыть файл"
  QAction* n59_ = nullptr;          // "Сохранить как копию"
  QAction* menuItem11_ = nullptr;   // "Вставить из" the clipboard file
  QAction* action7_ = nullptr;      // undo
  QAction* action8_ = nullptr;      // cut
  QAction* actionCopy_ = nullptr;
  QAction* actionPaste_ = nullptr;
  QAction* actionDel_ = nullptr;
  QAction* actionSelAll_ = nullptr;
  QAction* n42_ = nullptr;          // "Нормализация"
  QAction* n43_ = nullptr;          // "Поиск ошибок"
  QAction* n53_ = nullptr;          // "Повтор сообщения"
  QAction* n10_ = nullptr;          // "Отразить"
  QAction* n15_ = nullptr;          // "Запретить ручной ввод"
  QAction* n21_ = nullptr;          // "Панель операций"

  // The editor, its line list and format, the message window and the document. Created in
  // this order and destroyed in the opposite one.
  std::unique_ptr<EditorLines> lines_;
  std::unique_ptr<TextFormatTracker> format_;
  std::unique_ptr<TMessageWindow> messages_;
  std::unique_ptr<Editor> editor_;
  std::unique_ptr<TDocument> document_;
  TOperatePanel* panel_ = nullptr;  // a child widget
  std::unique_ptr<TFindErr> findErr_;

  int paneHeight_ = 0;
  int panelImage_ = 15;
  bool closed_ = false;
};

// Creates the windows in their order, opens the file named by the first argument, runs the loop.
int RunEditor(QApplication& app);

}  // namespace quillet
