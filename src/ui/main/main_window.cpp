#include "ui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "core/constants.h"
#include "core/edit_commands.h"
#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_edit_control.h"
#include "platform/qt/qt_platform.h"
#include "session/commands.h"
#include "ui/dialogs/about_form.h"
#include "ui/dialogs/go_form.h"
#include "ui/dialogs/repl_form.h"
#include "ui/dialogs/report_form.h"
#include "ui/dialogs/search_dialogs.h"
#include "ui/main/menu_hint.h"
#include "ui/dialogs/mess_opt_form.h"
#include "ui/main/message_pane.h"
#include "ui/options/ext_group.h"
#include "ui/options/post_opt_form.h"
#include "ui/panel/operate_panel.h"
#include "ui/widgets/show_hints.h"
#include "ui/widgets/tool_icons.h"

namespace quillet {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
QString U(const std::string& utf8) { return QString::fromStdString(utf8); }

// Widths of the status bar fields.
constexpr int kStatusWidths[4] = {110, 110, 130, 200};

// Hint of the panel button for the shown and the hidden panel.
const char* const kHintPanelShown = "Панель операций: включена";
const char* const kHintPanelHidden = "Панель операций: отключена";
// Background of that hint while the panel is hidden (red FF, green A0, blue EE).
const QColor kHiddenPanelHintColor(0xFF, 0xA0, 0xEE);

// The windows whose hints "Показывать подсказки" turns on and off, besides the main window.
const char* const kHintWindows[] = {"MainOptForm1", "PostOptForm", "FindForm", "Replform", "GoForm", "ReportForm"};

constexpr ActionId kPlacementActions[5] = {ActionId::MessBelow, ActionId::MessAbove, ActionId::MessRight,
                                           ActionId::MessSystem, ActionId::MessOff};

}  // namespace

// ---- creation ----

TQuilletForm::TQuilletForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("QuilletForm");
  setWindowTitle(U(MainCaption));
  resize(866, 707);
  qt::RegisterFontSubstitutes();

  CreateControls();
  actions_ = std::make_unique<TMainActions>(*this);
  actions_->BuildMenus(menuBar(), popupMenu1_, popupMenu2_);

  auto* toolBar1 = new QToolBar(this);
  toolBar1->setObjectName("ToolBar1");
  toolBar1->setMovable(false);
  toolBar1->setFloatable(false);
  toolBar1->setFixedHeight(33);
  toolBar1->setIconSize(QSize(22, 22));
  toolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
  addToolBar(Qt::TopToolBarArea, toolBar1);
  actions_->BuildToolBar(toolBar1);
  actions_->ToolButton(ActionId::ToolPanel)->setProperty("imageIndex", kImagePanelShown);
  actions_->ToolButton(ActionId::ToolIndicator)->setProperty("imageIndex", kImageMessOther);
  qApp->installEventFilter(this);
  CreateStatusBar();
  // A file dropped onto the window or the editor is opened.
  setAcceptDrops(true);
  memo_->viewport()->installEventFilter(this);
  // The dialogs, in the program's order.
  reportForm_ = new TReportForm(this);

  // The menus set their entries as they open.
  connect(findChild<QMenu*>("N1"), &QMenu::aboutToShow, this, &TQuilletForm::N1Click);
  QMenu* n26 = findChild<QMenu*>("N26");
  connect(n26, &QMenu::aboutToShow, this, &TQuilletForm::N26Click);
  // The enabling of "Поиск ошибок" is what the menu shows; its key checks again by itself.
  // The same for the entries of the search dialogs.
  connect(n26, &QMenu::aboutToHide, this, [this] {
    for (ActionId id : {ActionId::FindErrors, ActionId::Find, ActionId::FindNext, ActionId::Replace, ActionId::GoTo}) {
      action(id)->setEnabled(true);
    }
  });
  connect(findChild<QMenu*>("N8"), &QMenu::aboutToShow, this, &TQuilletForm::N8Click);
  connect(popupMenu1_, &QMenu::aboutToShow, this, &TQuilletForm::PopupMenu1Popup);
  connect(memo_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popupMenu1_->popup(memo_->viewport()->mapToGlobal(at)); });
  QTextEdit* pane = pane_->Pane();
  connect(pane, &QWidget::customContextMenuRequested, this,
          [this, pane](const QPoint& at) { popupMenu2_->popup(pane->viewport()->mapToGlobal(at)); });

  // The menu hint follows the selection in the menus of the menu bar; a closing menu ends it.
  menuHint_ = new TMenuItemHint(this);
  connect(menuBar(), &QMenuBar::hovered, this, &TQuilletForm::MenuItemSelected);
  for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
    connect(menu, &QMenu::hovered, this, &TQuilletForm::MenuItemSelected);
    connect(menu, &QMenu::aboutToHide, this, [this] { MenuItemSelected(nullptr); });
  }

  abtFrm_ = new TQuilletAbtFrm(this);
  connect(abtFrm_, &TQuilletAbtFrm::LinkClicked, this, [this] {
    if (commands_) commands_->OpenMakerPage();
  });
}

TQuilletForm::~TQuilletForm() { Detach(); }

QtEditControl& TQuilletForm::edit() { return memo_->Edit(); }

void TQuilletForm::CreateControls() {
  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  setCentralWidget(central);

  auto* panel2 = new QWidget(central);
  panel2->setObjectName("Panel2");
  auto* panel2Layout = new QVBoxLayout(panel2);
  panel2Layout->setContentsMargins(0, 0, 0, 0);
  row->addWidget(panel2, 1);

  pane_ = new TMessagePane(panel2, panel2Layout);
  memo_ = new MemoWidget(pane_->EditorLayout()->parentWidget());
  memo_->setContextMenuPolicy(Qt::CustomContextMenu);
  pane_->EditorLayout()->addWidget(memo_);
}

void TQuilletForm::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(true);
  for (int i = 0; i < 4; ++i) {
    status_[i] = new QLabel(bar);
    status_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    status_[i]->setFixedWidth(kStatusWidths[i]);
    status_[i]->setFrameShape(QFrame::StyledPanel);
    status_[i]->setFrameShadow(QFrame::Sunken);
    bar->addWidget(status_[i]);
  }
}

void TQuilletForm::CreateDialogs(IFontDialog& fontDialog, IColorDialog& colorDialog) {
  postOptForm_ = new TPostOptForm(fontDialog, colorDialog, this);
  mainOptForm1_ = new TMainOptForm1(this);
  messOptForm_ = new TMessOptForm(fontDialog, colorDialog, this);
  connect(mainOptForm1_, &TMainOptForm1::ShowHintsChanged, this, &TQuilletForm::SetShowHints);
}

void TQuilletForm::Attach(TSession& session, TCommands& commands) {
  session_ = &session;
  commands_ = &commands;
  // The options the rest of the program reads are the session's.
  if (mainOptForm1_) mainOptForm1_->Bind(&session.options());
  // The file types of the program options dialog work on the session's list.
  extGroup_ = new TExtGroup(session.extData(), session.services().prompt);
  mainOptForm1_->SetExtGroup(extGroup_);
  connect(mainOptForm1_, &TMainOptForm1::Preparing, extGroup_, &TExtGroup::PrepareShow);
  connect(mainOptForm1_, &TMainOptForm1::Closing, extGroup_, &TExtGroup::FormClose);
  panel_ = new TOperatePanel(session, commands, centralWidget());
  centralWidget()->layout()->addWidget(panel_);
  // The find, replace and go-to dialogs work on the session's editor and values.
  searchDialogs_ = new TSearchDialogs(session.editor(), session.navigation(), this);
  searchDialogs_->SetToolButtons(actions_->ToolButton(ActionId::ToolFind), actions_->ToolButton(ActionId::ToolReplace),
                                 actions_->ToolButton(ActionId::ToolGoTo));
  connect(&searchDialogs_->GoForm(), &TGoForm::StatusFields, this, [this](const QString& block, const QString& time) {
    status_[1]->setText(block);
    status_[2]->setText(time);
  });
  connect(memo_, &MemoWidget::KeyUp, this, [this] { session_->OnCaretMoved(); });
  connect(memo_, &MemoWidget::MouseUp, this, [this] { session_->OnCaretMoved(); });
}

void TQuilletForm::Detach() {
  if (session_ == nullptr) return;
  disconnect(memo_, &MemoWidget::KeyUp, this, nullptr);
  disconnect(memo_, &MemoWidget::MouseUp, this, nullptr);
  if (mainOptForm1_) mainOptForm1_->Bind(nullptr);
  delete extGroup_;
  extGroup_ = nullptr;
  delete searchDialogs_;
  searchDialogs_ = nullptr;
  delete panel_;
  panel_ = nullptr;
  session_ = nullptr;
  commands_ = nullptr;
}

ScreenSize TQuilletForm::Screen() const {
  const QScreen* s = screen();
  if (s == nullptr) s = QGuiApplication::primaryScreen();
  if (s == nullptr) return {1024, 768};
  return {s->geometry().width(), s->geometry().height()};
}

void TQuilletForm::PutSettings(const StoredSettings& values) {
  panel_->PutSettings(values);
  LoadProgramOptions(MainOptValues{values.saveWindow, values.showHints, values.showPanel, values.options});
  extGroup_->SetDoAsk(values.extDoAsk);
  extGroup_->SetDoColor(values.extDoColor);
}

void TQuilletForm::RunLoadHandler(LoadHandler handler, const LoadedSettings& loaded) {
  const StoredSettings& v = session_->settings();
  switch (handler) {
    case LoadHandler::SetDiapColor:
      panel_->SetDiapColor(v.options.diapClr);
      break;
    case LoadHandler::SetOperatePanel:
      panel_->ShowOperation(static_cast<OperationGroup>(v.operInd));
      break;
    case LoadHandler::CheckBox4Click:
    case LoadHandler::CheckBox12Click:
    case LoadHandler::CheckBox9Click:
    case LoadHandler::CheckBox14Click:
    case LoadHandler::CheckBox5Click:
      // The group ran its handlers when its values went in; the buttons follow the text now.
      panel_->SetFindErrButs(true);
      break;
    case LoadHandler::SetFullOpEditPanel:
      panel_->SetFullOpEditPanel(v.editGroup.goVisible);
      break;
    case LoadHandler::CheckBox13Click:
      panel_->RunNormalizeHandlers();
      break;
    case LoadHandler::SetOpPanelVisible:
      SetOpPanelVisible(loaded.panelVisible);
      break;
    case LoadHandler::SetWindowBounds:
      setWindowState(Qt::WindowNoState);
      resize(v.window.width, v.window.height);
      move(v.window.left, v.window.top);
      if (v.window.state == kWindowMaximized) setWindowState(Qt::WindowMaximized);
      if (v.window.state == kWindowMinimized) setWindowState(Qt::WindowMinimized);
      break;
    case LoadHandler::SetMessPaneHeight:
      pane_->SetPaneHeight(v.messPaneHeight);
      break;
    case LoadHandler::SetMessLook:
      pane_->ApplyLook(session_->MessLook());
      break;
    case LoadHandler::GoFormLoaded:
      // The dialogs take their stored values from the session.
      searchDialogs_->GoForm().LoadValues();
      searchDialogs_->ReplForm().LoadValues();
      break;
    default:
      break;
  }
}

void TQuilletForm::CollectSettings(StoredSettings& v) {
  panel_->CollectSettings(v);
  const MainOptValues options = ProgramOptionValues();
  v.saveWindow = options.saveWindow;
  v.showHints = options.showHints;
  v.showPanel = options.showPanel;
  v.options = options.options;
  v.extDoAsk = extGroup_->DoAsk();
  v.extDoColor = extGroup_->DoColor();
  v.panelVsbl = !panel_->isHidden();
  v.messPaneHeight = pane_->PaneHeight();
  // The restored rectangle of a minimized or maximized window.
  const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
  v.window.width = normal.width();
  v.window.height = normal.height();
  v.window.left = isMaximized() || isMinimized() ? normal.left() : pos().x();
  v.window.top = isMaximized() || isMinimized() ? normal.top() : pos().y();
  v.window.state = isMaximized() ? kWindowMaximized : isMinimized() ? kWindowMinimized : kWindowNormal;
}

void TQuilletForm::ShowMainWindow() {
  show();
  // Painted and placed before anything else happens (a file of the command line may ask a
  // question at once; its box is centred on the window as the user sees it).
  QCoreApplication::processEvents();
}

void TQuilletForm::closeEvent(QCloseEvent* event) {
  if (session_ != nullptr && !session_->Close()) {
    event->ignore();
    return;
  }
  menuHint_->DoActivateHint(nullptr);
  event->accept();
}

bool TQuilletForm::EndSession() { return close(); }

// ---- what the session tells ----

void TQuilletForm::ShowStatus(const StatusTexts& texts) {
  status_[0]->setText(U(texts.position));
  status_[1]->setText(U(texts.block));
  status_[2]->setText(U(texts.time));
  status_[3]->setText(U(texts.document));
  // A visible go-to dialog refreshes its position display, and the block and time fields with it.
  if (searchDialogs_) searchDialogs_->StatusChanged();
  if (panel_ == nullptr) return;
  if (panel_->Showing(OperationGroup::Edit)) {
    panel_->SetEditButSp();
  } else if (panel_->Showing(OperationGroup::FindErr)) {
    panel_->SetFindErrButs(true);
  }
}

void TQuilletForm::TextChanged() {
  if (panel_) panel_->OnTextChanged();
}

void TQuilletForm::SetCaption(const std::string& utf8Caption) { setWindowTitle(U(utf8Caption)); }

void TQuilletForm::SetFindErrNextEnabled(bool enabled) {
  if (panel_) panel_->SetFindErrNextEnabled(enabled);
}

void TQuilletForm::SetNormalizeRunning(bool running) {
  if (panel_) panel_->SetNormalizeRunning(running);
}

void TQuilletForm::SetFormatName(const std::string& upperName) {
  if (panel_) panel_->SetFormatName(upperName);
}

void TQuilletForm::RefreshEditButtons() {
  if (panel_ && panel_->Showing(OperationGroup::Edit)) panel_->SetEditButSp();
}

void TQuilletForm::ClipboardChanged(bool hasText) {
  if (panel_ && panel_->Showing(OperationGroup::Edit)) panel_->SetPasteActive(hasText);
}

void TQuilletForm::ShowOperation(OperationGroup group) {
  SetOpPanelVisible(true);
  panel_->ShowOperation(group);
}

// ---- menus ----

void TQuilletForm::SetEditEntries(const EditMenuState& s) {
  action(ActionId::Undo)->setEnabled(s.undo);
  action(ActionId::Cut)->setEnabled(s.cut);
  action(ActionId::Copy)->setEnabled(s.copy);
  action(ActionId::Paste)->setEnabled(s.paste);
  action(ActionId::Delete)->setEnabled(s.del);
  action(ActionId::SelectAll)->setEnabled(s.selectAll);
}

void TQuilletForm::N26Click() {
  const EditMenuStates s = commands_->EditMenu();
  SetEditEntries(s.edit);
  action(ActionId::Normalize)->setEnabled(s.normalize);
  for (ActionId id : {ActionId::Find, ActionId::FindNext, ActionId::Replace}) action(id)->setEnabled(s.find);
  action(ActionId::GoTo)->setEnabled(s.go);
  panel_->SetFindErrButs(true);
  action(ActionId::FindErrors)->setEnabled(s.findErr);
  action(ActionId::RepeatMessage)->setText(U(s.repeatCaption));
  action(ActionId::RepeatMessage)->setEnabled(s.repeat);
}

void TQuilletForm::N8Click() {
  const TextMenuStates s = commands_->TextMenu();
  action(ActionId::Mirror)->setEnabled(s.mirror);
  action(ActionId::RememberText)->setEnabled(s.remember);
  action(ActionId::RestoreText)->setEnabled(s.restore);
}

void TQuilletForm::N6Click() { reportForm_->ShowReport(commands_->ReportText()); }

void TQuilletForm::N1Click() {
  action(ActionId::SaveCopy)->setEnabled(commands_->SaveCopyEnabled());
  SetFormFileMenu();
}

void TQuilletForm::PopupMenu1Popup() {
  SetEditEntries(commands_->ContextMenuEdit());
  SetFormFileMenu();
}

void TQuilletForm::SetFormFileMenu() {
  const ClipboardFileOffer offer = commands_->OfferClipboardFile();
  QAction* open = action(ActionId::OpenClipboardFile);
  QAction* insert = action(ActionId::InsertClipboardFile);
  if (offer.offered) {
    open->setText(U(offer.openCaption));
    insert->setText(U(offer.insertCaption));
  }
  open->setVisible(offer.offered);
  insert->setVisible(offer.offered);
}

// ---- commands of the window ----

void TQuilletForm::N15Click() { commands_->SetReadOnly(action(ActionId::ReadOnly)->isChecked()); }

void TQuilletForm::N43Click() {
  // The command is enabled exactly when "Сначала" is; its key follows the rules as they stand
  // now, not as the menu showed them last, and does nothing while it is disabled.
  panel_->SetFindErrButs(true);
  if (!commands_->FindErrFromMenuEnabled()) return;
  if (panel_->OperationListHasFocus()) {
    if (!edit().CanFocus()) return;
    edit().SetFocus();
  }
  commands_->FindErrFromMenu();
}

void TQuilletForm::ActionFindExecute() {
  if (commands_->EditMenu().find) searchDialogs_->ActionFindExecute();
}

void TQuilletForm::ActionFindNextExecute() {
  if (commands_->EditMenu().find) searchDialogs_->ActionFindNextExecute();
}

void TQuilletForm::ActionReplExecute() {
  if (commands_->EditMenu().find) searchDialogs_->ActionReplExecute();
}

void TQuilletForm::ActionGoExecute() {
  if (commands_->EditMenu().go) searchDialogs_->ActionGoExecute();
}

void TQuilletForm::N21Click() { SetOpPanelVisible(action(ActionId::OperationsPanel)->isChecked()); }

void TQuilletForm::ToolButton2Click() { SetOpPanelVisible(panelImage_ == kImagePanelHidden); }

void TQuilletForm::SetOpPanelVisible(bool show) {
  TMessageWindow& messages = session_->messages();
  const bool paneShownBefore = messages.PaneShownInOpPanel();
  panel_->setVisible(show);
  action(ActionId::OperationsPanel)->setChecked(show);
  panelImage_ = show ? kImagePanelShown : kImagePanelHidden;
  QAction* button = action(ActionId::ToolPanel);
  button->setIcon(ToolIcon(panelImage_));
  button->setToolTip(U(show ? kHintPanelShown : kHintPanelHidden));
  actions_->ToolButton(ActionId::ToolPanel)->setProperty("imageIndex", panelImage_);
  messages.OpPanelVisibilityChanged(show, paneShownBefore);
}

void TQuilletForm::N56Click() { pane_->CopyTo(session_->services().clipboard); }

void TQuilletForm::N16Click() {
  commands_->Help(programFolder_.empty() ? QCoreApplication::applicationDirPath().toStdString() : programFolder_);
}

void TQuilletForm::N60Click() { abtFrm_->exec(); }

void TQuilletForm::subscomru1Click(ActionId item) { commands_->OpenSite(HintOf(action(item)).toStdString()); }

// ---- hints ----

void TQuilletForm::SetShowHints(bool show) {
  showHints_ = show;
  if (!show) menuHint_->DoActivateHint(nullptr);
  SetWindowShowHints(this, show);
  for (QWidget* w : findChildren<QWidget*>()) {
    if (!w->isWindow()) continue;
    for (const char* name : kHintWindows) {
      if (w->objectName() == QLatin1String(name)) SetWindowShowHints(w, show);
    }
  }
}

void TQuilletForm::MenuItemSelected(QAction* item) {
  if (showHints_) menuHint_->DoActivateHint(item);
}

void TQuilletForm::N17Click() {
  StoredSettings& v = session_->settings();
  if (postOptForm_->Execute(v.fontEdit, v.fontNoEdit, v.fontEditName)) session_->SetMemo1Font();
}

void TQuilletForm::N18Click() {
  mainOptForm1_->Execute();
  // OK is the only way out: the size limit is taken, the range fields follow "Выделять".
  panel_->SetDiapColor(session_->options().diapClr);
}

void TQuilletForm::Action6Click() {
  StoredSettings& v = session_->settings();
  if (messOptForm_->Execute(v.fontMess, v.fontMessName)) Action6Execute();
}

void TQuilletForm::Action6Execute() { pane_->ApplyLook(session_->MessLook()); }

void TQuilletForm::LoadProgramOptions(const MainOptValues& values) {
  mainOptForm1_->SetValues(values);
  SetShowHints(values.showHints);
  panel_->SetDiapColor(values.options.diapClr);
}

// ---- the message pane and the indicator ----

void TQuilletForm::SetPaneVisible(bool visible) { pane_->SetPaneVisible(visible); }
void TQuilletForm::SetPanel4Visible(bool visible) { pane_->SetPanel4Visible(visible); }
void TQuilletForm::PlacePanel4(bool onTop) { pane_->PlacePanel4(onTop); }

void TQuilletForm::MovePane(bool toPanel6) { pane_->MovePane(toPanel6 && panel_ ? panel_->Panel6() : nullptr); }

void TQuilletForm::SetPaneText(const std::string& utf8Text) { pane_->SetPaneText(utf8Text); }

void TQuilletForm::SetIndicatorVisible(bool visible) { action(ActionId::ToolIndicator)->setVisible(visible); }

void TQuilletForm::SetIndicatorImage(int image) {
  action(ActionId::ToolIndicator)->setIcon(ToolIcon(image));
  actions_->ToolButton(ActionId::ToolIndicator)->setProperty("imageIndex", image);
}

void TQuilletForm::SetIndicatorHint(const std::string& utf8Hint) {
  action(ActionId::ToolIndicator)->setToolTip(U(utf8Hint));
}

void TQuilletForm::CheckPlacement(int placement) {
  if (placement >= 0 && placement < 5) action(kPlacementActions[placement])->setChecked(true);
}

bool TQuilletForm::OpPanelVisible() const { return panel_ == nullptr || !panel_->isHidden(); }

namespace {

// The one local file a drag carries, or empty (several files, a folder, anything else).
QString DroppedFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1) return {};
  const QUrl url = mime->urls().first();
  if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile()) return {};
  return url.toLocalFile();
}

}  // namespace

void TQuilletForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TQuilletForm::dropEvent(QDropEvent* event) {
  const QString file = DroppedFile(event->mimeData());
  if (file.isEmpty() || commands_ == nullptr) return;
  event->acceptProposedAction();
  commands_->OpenDroppedFile(file.toStdString());
}

bool TQuilletForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && !HintAllowed(watched)) {
    // A window with its hints turned off shows none.
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  if (watched == memo_->viewport()) {
    // The editor would insert the addresses of dropped files as text: one file is opened
    // instead, anything else carrying addresses is refused.
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (drag->mimeData()->hasUrls()) {
        if (DroppedFile(drag->mimeData()).isEmpty()) {
          drag->ignore();
        } else {
          drag->acceptProposedAction();
        }
        return true;
      }
    } else if (event->type() == QEvent::Drop) {
      auto* drop = static_cast<QDropEvent*>(event);
      if (drop->mimeData()->hasUrls()) {
        dropEvent(drop);
        return true;
      }
    }
  }
  if (event->type() == QEvent::ToolTip) {
    // A window with its hints turned off shows none.
    if (!HintAllowed(watched)) {
      QToolTip::hideText();
      event->ignore();
      return true;
    }
    // The hint of the panel button is pink while the panel is hidden; every other hint, and
    // that one while the panel shows, keeps the usual colour.
    const bool pink = watched == actions_->ToolButton(ActionId::ToolPanel) && panelImage_ == kImagePanelHidden;
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase,
                     pink ? kHiddenPanelHintColor : QApplication::palette().color(QPalette::ToolTipBase));
    QToolTip::setPalette(palette);
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace quillet
