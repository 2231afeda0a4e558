// The main window: the menu bar and the tool bar of the action table, the editor with the
// message pane beside it, the operations panel at the right and the status bar. It renders
// what the session tells it and hands every command to the session's commands.
#pragma once

#include <QMainWindow>

#include <memory>
#include <string>

#include "session/session.h"
#include "ui/main/main_actions.h"
#include "ui/options/main_opt_form.h"

class QLabel;
class QMenu;
class QToolBar;

namespace quillet {

class IColorDialog;
class IFontDialog;
class MemoWidget;
class QtEditControl;
class TCommands;
struct EditMenuState;
class TMessagePane;
class TMessOptForm;
class TOperatePanel;
class TExtGroup;
class TSearchDialogs;
class TMenuItemHint;
class TQuilletAbtFrm;
class TReportForm;
class TPostOptForm;

class TQuilletForm : public QMainWindow, public ISessionView {
  Q_OBJECT

 public:
  // FormCreate: the controls, the actions with the menus and the tool bar, the status bar.
  explicit TQuilletForm(QWidget* parent = nullptr);
  ~TQuilletForm() override;

  // The dialogs, in the program's order: the text look, the program options, the message look.
  void CreateDialogs(IFontDialog& fontDialog, IColorDialog& colorDialog);

  // The session and its commands join the window (the operations panel is built over them);
  // Detach lets them go before they are destroyed.
  void Attach(TSession& session, TCommands& commands);
  void Detach();

  TSession& session() { return *session_; }
  TCommands& commands() { return *commands_; }
  TOperatePanel& panel() { return *panel_; }
  MemoWidget& memo() { return *memo_; }
  QtEditControl& edit();
  QAction* action(ActionId id) const { return (*actions_)[id]; }
  TMessagePane& messagePane() { return *pane_; }
  TReportForm& reportForm() { return *reportForm_; }
  TPostOptForm& postOptForm() { return *postOptForm_; }
  TMainOptForm1& mainOptForm() { return *mainOptForm1_; }
  TMessOptForm& messOptForm() { return *messOptForm_; }

  // The program options dialog's stored values (start-up and close): the dialog and the
  // session's options take them, hints and the range colour follow.
  void LoadProgramOptions(const MainOptValues& values);
  MainOptValues ProgramOptionValues() const { return mainOptForm1_->Values(); }

  // ---- ISessionView ----
  void ShowStatus(const StatusTexts& texts) override;
  void TextChanged() override;
  void SetCaption(const std::string& utf8Caption) override;
  void SetFindErrNextEnabled(bool enabled) override;
  void SetNormalizeRunning(bool running) override;
  void SetFormatName(const std::string& upperName) override;
  void RefreshEditButtons() override;
  void ClipboardChanged(bool hasText) override;
  void ShowOperation(OperationGroup group) override;
  ScreenSize Screen() const override;
  void PutSettings(const StoredSettings& values) override;
  void RunLoadHandler(LoadHandler handler, const LoadedSettings& loaded) override;
  void CollectSettings(StoredSettings& values) override;
  void SetShowHints(bool show) override;
  void SetOpPanelVisible(bool show) override;
  void ShowMainWindow() override;
  // ---- IMessageView: the pane and the indicator ----
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
  void N26Click();  // "Правка" opens
  void N8Click();   // "Текст" opens
  void N1Click();   // "Файл" opens
  void PopupMenu1Popup();
  void SetFormFileMenu();
  void N15Click();  // "Запретить ручной ввод"
  void N6Click();   // "Отчёт"
  void N43Click();  // "Поиск ошибок", F7
  // "Найти" (Ctrl+F), "Найти далее" (F3), "Заменить" (Ctrl+H), "Перейти" (Ctrl+G): enabled as
  // the "Правка" menu shows them; their keys judge the text as it stands.
  void ActionFindExecute();
  void ActionFindNextExecute();
  void ActionReplExecute();
  void ActionGoExecute();
  TSearchDialogs& searchDialogs() { return *searchDialogs_; }
  void N21Click();  // "Панель операций", F9
  void ToolButton2Click();
  void N56Click();  // "Копировать в буфер" of the message pane
  void N16Click();  // "Справка", F1
  void N60Click();  // "О программе..."
  void subscomru1Click(ActionId item);  // every item of the "Сайты" submenus
  bool ShowHints() const { return showHints_; }
  TMenuItemHint& menuHint() { return *menuHint_; }
  TQuilletAbtFrm& abtFrm() { return *abtFrm_; }
  // The folder of the program file, where the help is looked for first (by default the
  // running program's; tests give another).
  void SetProgramFolder(const std::string& utf8Folder) { programFolder_ = utf8Folder; }
  void N17Click();  // "Шрифт": the text look dialog, then the editor's look
  void N18Click();  // "Программа": the program options dialog
  void Action6Click();  // "Настроить вид": the message look dialog, then Action6Execute
  void Action6Execute();  // the pane takes the message look
  // The session ends: the window closes through its usual path; false when the user kept it.
  bool EndSession();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateStatusBar();
  void SetEditEntries(const EditMenuState& state);
  void MenuItemSelected(QAction* item);

  TSession* session_ = nullptr;
  TCommands* commands_ = nullptr;
  std::unique_ptr<TMainActions> actions_;

  // Controls (owned by Qt's parent chain).
  MemoWidget* memo_ = nullptr;
  TMessagePane* pane_ = nullptr;
  TOperatePanel* panel_ = nullptr;
  TExtGroup* extGroup_ = nullptr;
  TSearchDialogs* searchDialogs_ = nullptr;
  TReportForm* reportForm_ = nullptr;
  QLabel* status_[4] = {};
  QMenu* popupMenu1_ = nullptr;
  QMenu* popupMenu2_ = nullptr;
  TPostOptForm* postOptForm_ = nullptr;
  TMainOptForm1* mainOptForm1_ = nullptr;
  TMessOptForm* messOptForm_ = nullptr;
  int panelImage_ = 15;
  TMenuItemHint* menuHint_ = nullptr;
  TQuilletAbtFrm* abtFrm_ = nullptr;
  bool showHints_ = true;
  std::string programFolder_;
};

}  // namespace quillet
