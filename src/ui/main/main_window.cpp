#include "ui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
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
#include "ui/main/file_drop.h"
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
  auto* drop = new TFileDrop(this, memo_->viewport());
  connect(drop, &TFileDrop::FileDropped, this, [this](const QString& file) {
    if (commands_) commands_->OpenDroppedFile(file.toStdString());
  });
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

bool TQuilletForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && !HintAllowed(watched)) {
    // A window with its hints turned off shows none.
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  if (event->type() == QEvent::ToolTip) {
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
