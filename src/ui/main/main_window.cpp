#include "ui/main/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QSessionManager>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include "core/constants.h"
#include "core/editor_routines.h"
#include "core/find_err.h"
#include "core/mirror.h"
#include "core/normalize.h"
#include "platform/clipboard.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_edit_control.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_prompt.h"
#include "platform/qt/qt_shell.h"
#include "platform/shell.h"
#include "storage/document.h"
#include "core/edit_commands.h"
#include "ui/panel/find_err_group.h"
#include "ui/panel/normalize_group.h"
#include "ui/panel/operate_panel.h"
#include "core/status_texts.h"
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

// The placements of the "Окно сообщений" submenu: caption and hint.
struct PlacementItem {
  const char* name;
  const char* caption;
  const char* hint;
};
const PlacementItem kPlacements[5] = {
    {"Action1", "Снизу", "Выводить сообщения в окно под текстом"},
    {"Action2", "Сверху", "Выводить сообщения в окно над текстом"},
    {"Action3", "Справа", "Выводить сообщения под панелью операций"},
    {"Action4", "Системное", "Выводить сообщения в системном окне"},
    {"Action5", "Отключить", "Не выводить сообщения"},
};

}  // namespace

// ---- time texts ----

QString LongTimeFormat(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::LongFormat);
  // The zone ("t", "tt", "ttt") is not part of the time as the program shows it.
  static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
  format.replace(zone, QStringLiteral(" "));
  return format.trimmed();
}

std::string DateTimeText(int64_t msSinceEpoch, const QLocale& locale) {
  const QDateTime when = QDateTime::fromMSecsSinceEpoch(msSinceEpoch);
  return (locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
          locale.toString(when.time(), LongTimeFormat(locale)))
      .toStdString();
}

int64_t SystemMessageClock::Now() { return QDateTime::currentMSecsSinceEpoch(); }

std::string SystemMessageClock::LongTimeText(int64_t time) {
  const QLocale locale = QLocale::system();
  return locale.toString(QDateTime::fromMSecsSinceEpoch(time).time(), LongTimeFormat(locale)).toStdString();
}

// ---- creation ----

TQuilletForm::TQuilletForm(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName("QuilletForm");
  setWindowTitle(U(MainCaption));
  resize(866, 707);
  qt::RegisterFontSubstitutes();

  CreateControls();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();

  // The message window starts below the text with the box as its last placement, the pane
  // and the indicator hidden and no message.
  IMessageClock& clock = services_.clock != nullptr ? *services_.clock : systemClock_;
  lines_ = std::make_unique<EditorLines>(edit());
  format_ = std::make_unique<TextFormatTracker>(*lines_);
  messages_ = std::make_unique<TMessageWindow>(*this, services_.prompt, clock);
  editor_ = std::make_unique<Editor>(Editor{edit(), *lines_, *format_, services_.prompt, *messages_, *this});

  DocumentHooks hooks;
  hooks.setCaption = [this](const std::string& caption) { setWindowTitle(U(caption)); };
  hooks.documentsFolder = [this] { return services_.shell.DocumentsFolder(); };
  hooks.showSystemError = [this](const std::string& error) {
    services_.prompt.Ask(MsgKind::Error, Buttons::Ok, error);
  };
  document_ = std::make_unique<TDocument>(*editor_, services_.fs, services_.dialogs, options_, hooks);

  panel_ = new TOperatePanel(*editor_, *document_, services_.clipboard, centralWidget());
  centralWidget()->layout()->addWidget(panel_);

  edit().SetChangeHandler([this] { Memo1Change(); });
  connect(memo_, &MemoWidget::KeyUp, this, &TQuilletForm::showPosition);
  connect(memo_, &MemoWidget::MouseUp, this, &TQuilletForm::showPosition);
  // The clipboard watch.
  services_.clipboard.SetChangeHandler([this] { ClipboardChanged(); });
}

TQuilletForm::~TQuilletForm() {
  services_.clipboard.SetChangeHandler({});
  // The panel and the engine hold the editor's objects: they go before them, and the editor
  // widget (a child, deleted last) no longer reports to them.
  if (panel_ != nullptr) panel_->SetFindErr(nullptr);
  findErr_.reset();
  delete panel_;
  panel_ = nullptr;
  edit().SetChangeHandler({});
  edit().SetBeforeChangeHandler({});
}

QtEditControl& TQuilletForm::edit() { return memo_->Edit(); }

void TQuilletForm::CreateControls() {
  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  setCentralWidget(central);

  panel2_ = new QWidget(central);
  panel2_->setObjectName("Panel2");
  auto* panel2Layout = new QVBoxLayout(panel2_);
  panel2Layout->setContentsMargins(0, 0, 0, 0);
  row->addWidget(panel2_, 1);

  splitter1_ = new QSplitter(Qt::Vertical, panel2_);
  splitter1_->setObjectName("Splitter1");
  splitter1_->setChildrenCollapsible(false);
  splitter1_->setHandleWidth(4);
  panel2Layout->addWidget(splitter1_);

  panel3_ = new QWidget(splitter1_);
  panel3_->setObjectName("Panel3");
  auto* panel3Layout = new QVBoxLayout(panel3_);
  panel3Layout->setContentsMargins(0, 0, 0, 0);
  memo_ = new MemoWidget(panel3_);
  memo_->setContextMenuPolicy(Qt::CustomContextMenu);
  panel3Layout->addWidget(memo_);

  panel4_ = new QWidget(splitter1_);
  panel4_->setObjectName("Panel4");
  auto* panel4Layout = new QVBoxLayout(panel4_);
  panel4Layout->setContentsMargins(0, 0, 0, 0);
  richEdit1_ = new QTextEdit(panel4_);
  richEdit1_->setObjectName("RichEdit1");
  richEdit1_->setReadOnly(true);
  richEdit1_->setAcceptRichText(false);
  richEdit1_->setContextMenuPolicy(Qt::CustomContextMenu);
  // The pane may be dragged down to a few pixels (the splitter's own rule stops it).
  richEdit1_->setMinimumHeight(1);
  panel4_->setMinimumHeight(1);
  panel4Layout->addWidget(richEdit1_);

  splitter1_->addWidget(panel3_);
  splitter1_->addWidget(panel4_);
  splitter1_->setStretchFactor(0, 1);
  splitter1_->setStretchFactor(1, 0);
  connect(splitter1_, &QSplitter::splitterMoved, this, [this] {
    const int index = splitter1_->indexOf(panel4_);
    Splitter1Moved(splitter1_->sizes().value(index));
  });
  paneHeight_ = StartPaneHeight(0, ScreenHeight());
  panel4_->setMaximumHeight(MaxPaneHeight(ScreenHeight()));
  ApplyMessLook();
}

QAction* TQuilletForm::NewAction(const char* name, const char* caption, const char* shortcut) {
  auto* action = new QAction(U(caption), this);
  action->setObjectName(name);
  if (shortcut != nullptr) {
    action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    action->setShortcutContext(Qt::WindowShortcut);
  }
  addAction(action);  // shortcuts work while the menu is closed
  return action;
}

void TQuilletForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  auto newMenu = [this](QWidget* parent, const char* name, const char* caption) {
    auto* menu = new QMenu(U(caption), parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item"));
    menu->setToolTipsVisible(true);
    return menu;
  };
  auto absent = [](QAction* action) {
    action->setEnabled(false);
    return action;
  };

  // "Файл"
  QMenu* n1 = newMenu(bar, "N1", "Файл");
  bar->addMenu(n1);
  QAction* n2 = NewAction("N2", "Открыть");
  n2->setIcon(ToolIcon(kImageOpen));
  connect(n2, &QAction::triggered, this, [this] { document_->N2Click(); });
  n1->addAction(n2);
  n23_ = NewAction("N23", "Открыть файл");
  n23_->setVisible(false);
  connect(n23_, &QAction::triggered, this, [this] { document_->N23Click(); });
  n1->addAction(n23_);
  n1->addSeparator();
  QAction* n4 = NewAction("N4", "Сохранить");
  n4->setIcon(ToolIcon(kImageSave));
  connect(n4, &QAction::triggered, this, [this] { document_->N4Click(); });
  n1->addAction(n4);
  QAction* n5 = NewAction("N5", "Сохранить как...");
  connect(n5, &QAction::triggered, this, [this] { document_->N5Click(); });
  n1->addAction(n5);
  n59_ = NewAction("N59", "Сохранить как копию");
  n59_->setToolTip(U("Сохранёный файл не станет текущим открытым"));
  connect(n59_, &QAction::triggered, this, [this] { document_->N59Click(); });
  n1->addAction(n59_);
  n1->addSeparator();
  QAction* n7 = NewAction("N7", "Выход");
  connect(n7, &QAction::triggered, this, &QWidget::close);
  n1->addAction(n7);
  connect(n1, &QMenu::aboutToShow, this, &TQuilletForm::N1Click);

  // "Правка"
  QMenu* n26 = newMenu(bar, "N26", "Правка");
  bar->addMenu(n26);
  action7_ = NewAction("Action7", "Отменить");
  connect(action7_, &QAction::triggered, this, [this] {
    if (EditUndo(edit()) && panel_->EditGroupVisible()) panel_->SetEditButSp();
  });
  action8_ = NewAction("Action8", "Вырезать");
  connect(action8_, &QAction::triggered, this, [this] { EditCut(edit()); });
  actionCopy_ = NewAction("ActionCopy", "Копировать");
  connect(actionCopy_, &QAction::triggered, this, [this] { EditCopy(edit()); });
  actionPaste_ = NewAction("ActionPaste", "Вставить");
  connect(actionPaste_, &QAction::triggered, this, [this] {
    if (EditPaste(edit(), services_.clipboard)) editor_->FocusEditor();
  });
  actionDel_ = NewAction("ActionDel", "Удалить");
  connect(actionDel_, &QAction::triggered, this, [this] { EditDelete(edit()); });
  actionSelAll_ = NewAction("ActionSelAll", "Выделить всё");
  connect(actionSelAll_, &QAction::triggered, this, [this] { EditSelectAll(edit()); });
  n26->addAction(action7_);
  n26->addSeparator();
  n26->addAction(action8_);
  n26->addAction(actionCopy_);
  n26->addAction(actionPaste_);
  n26->addAction(actionDel_);
  n26->addSeparator();
  n26->addAction(absent(NewAction("ActionFind", "Найти", "Ctrl+F")));
  n26->addAction(absent(NewAction("ActionFindNext", "Найти далее", "F3")));
  n26->addAction(absent(NewAction("ActionRepl", "Заменить", "Ctrl+H")));
  n26->addSeparator();
  n26->addAction(absent(NewAction("ActionGo", "Перейти", "Ctrl+G")));
  n26->addSeparator();
  n26->addAction(actionSelAll_);
  n26->addSeparator();
  n42_ = NewAction("N42", "Нормализация");
  connect(n42_, &QAction::triggered, this, [this] {
    // "Выполнить" of the panel is off while any normalization runs.
    DoNormallize(*editor_, true, NormalizeOptions{},
                 [this](bool running) { panel_->NormalizeGroup().SetRunning(running); });
  });
  n26->addAction(n42_);
  n43_ = NewAction("N43", "Поиск ошибок", "F7");
  connect(n43_, &QAction::triggered, this, &TQuilletForm::N43Click);
  n26->addAction(n43_);
  n26->addSeparator();
  // The menu names its caption anew each time it opens.
  n53_ = NewAction("N53", "Повтор сообщения");
  connect(n53_, &QAction::triggered, this, [this] { messages_->N53Click(); });
  n26->addAction(n53_);
  n26->addSeparator();
  QAction* n45 = NewAction("N45", "Время и дата", "F5");
  connect(n45, &QAction::triggered, this, &TQuilletForm::N45Click);
  n26->addAction(n45);
  connect(n26, &QMenu::aboutToShow, this, &TQuilletForm::N26Click);
  // The enabling of "Поиск ошибок" is what the menu shows; its key checks again by itself.
  connect(n26, &QMenu::aboutToHide, this, [this] { n43_->setEnabled(true); });

  // "Текст"
  QMenu* n8 = newMenu(bar, "N8", "Текст");
  bar->addMenu(n8);
  n8->addAction(absent(NewAction("N6", "Отчёт")));
  n8->addSeparator();
  n10_ = NewAction("N10", "Отразить");
  connect(n10_, &QAction::triggered, this, [this] { Reflect(*editor_); });
  n8->addAction(n10_);
  n8->addSeparator();
  n8->addAction(absent(NewAction("N13", "Запомнить текст")));
  n8->addAction(absent(NewAction("N12", "Восстановить запомненный текст")));
  n8->addSeparator();
  n15_ = NewAction("N15", "Запретить ручной ввод");
  n15_->setCheckable(true);
  n15_->setToolTip(U("Блокирует возможность изменять текст с клавиатуры"));
  connect(n15_, &QAction::triggered, this, &TQuilletForm::N15Click);
  n8->addAction(n15_);
  connect(n8, &QMenu::aboutToShow, this, &TQuilletForm::N8Click);

  // "Настройки"
  QMenu* settings = newMenu(bar, "N9", "Настройки");
  bar->addMenu(settings);
  settings->addAction(absent(NewAction("N17", "Шрифт")));
  settings->addAction(absent(NewAction("N18", "Программа")));
  settings->addSeparator();
  n21_ = NewAction("N21", "Панель операций", "F9");
  n21_->setCheckable(true);
  n21_->setChecked(true);
  connect(n21_, &QAction::triggered, this, &TQuilletForm::N21Click);
  settings->addAction(n21_);
  QMenu* messWin = newMenu(settings, "N54", "Окно сообщений");
  settings->addMenu(messWin);
  placements_ = new QActionGroup(this);
  placements_->setExclusive(true);
  for (int i = 0; i < 5; ++i) {
    QAction* action = NewAction(kPlacements[i].name, kPlacements[i].caption);
    action->setCheckable(true);
    action->setToolTip(U(kPlacements[i].hint));
    placements_->addAction(action);
    messWin->addAction(action);
    connect(action, &QAction::triggered, this, [this, i] { messages_->SwitchMessWin(i, false); });
    placementActions_[i] = action;
  }
  placementActions_[0]->setChecked(true);
  QAction* action6 = absent(NewAction("Action6", "Настроить вид"));
  messWin->addAction(action6);

  // "Помощь"
  QMenu* help = newMenu(bar, "N14", "Помощь");
  bar->addMenu(help);
  help->addAction(absent(NewAction("N16", "Справка", "F1")));
  help->addSeparator();
  help->addAction(absent(NewAction("N60", "О программе...")));

  // "Сайты": the two submenus of links.
  QMenu* sites = newMenu(bar, "N30", "Сайты");
  bar->addMenu(sites);
  QMenu* subs = newMenu(sites, "N31", "Сабы");
  subs->menuAction()->setToolTip(U("Сайты субтитров"));
  subs->setEnabled(false);
  sites->addMenu(subs);
  sites->addSeparator();
  QMenu* other = newMenu(sites, "N32", "Другое");
  other->menuAction()->setToolTip(U("Разные полезные сайты"));
  other->setEnabled(false);
  sites->addMenu(other);

  // The editor's context menu.
  popupMenu1_ = newMenu(this, "PopupMenu1", "");
  popupMenu1_->addAction(action7_);
  popupMenu1_->addSeparator();
  popupMenu1_->addAction(action8_);
  popupMenu1_->addAction(actionCopy_);
  popupMenu1_->addAction(actionPaste_);
  popupMenu1_->addAction(actionDel_);
  popupMenu1_->addSeparator();
  popupMenu1_->addAction(actionSelAll_);
  popupMenu1_->addSeparator();
  QAction* menuItem10 = NewAction("MenuItem10", "Вставить из файла");
  connect(menuItem10, &QAction::triggered, this, [this] { document_->MenuItem10Click(); });
  popupMenu1_->addAction(menuItem10);
  menuItem11_ = NewAction("MenuItem11", "Вставить из");
  menuItem11_->setVisible(false);
  connect(menuItem11_, &QAction::triggered, this, [this] { document_->MenuItem11Click(); });
  popupMenu1_->addAction(menuItem11_);
  connect(popupMenu1_, &QMenu::aboutToShow, this, &TQuilletForm::PopupMenu1Popup);
  connect(memo_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popupMenu1_->popup(memo_->viewport()->mapToGlobal(at)); });

  // The message pane's context menu.
  popupMenu2_ = newMenu(this, "PopupMenu2", "");
  QAction* n56 = NewAction("N56", "Копировать в буфер");
  connect(n56, &QAction::triggered, this, &TQuilletForm::N56Click);
  popupMenu2_->addAction(n56);
  popupMenu2_->addAction(action6);
  connect(richEdit1_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popupMenu2_->popup(richEdit1_->viewport()->mapToGlobal(at)); });
}

void TQuilletForm::CreateToolBar() {
  toolBar1_ = new QToolBar(this);
  toolBar1_->setObjectName("ToolBar1");
  toolBar1_->setMovable(false);
  toolBar1_->setFloatable(false);
  toolBar1_->setFixedHeight(33);
  toolBar1_->setIconSize(QSize(22, 22));
  toolBar1_->setContextMenuPolicy(Qt::PreventContextMenu);
  addToolBar(Qt::TopToolBarArea, toolBar1_);

  auto button = [this](QAction* action, const char* name) {
    toolBar1_->addAction(action);
    auto* b = qobject_cast<QToolButton*>(toolBar1_->widgetForAction(action));
    b->setObjectName(name);
    b->setAutoRaise(true);
    return b;
  };
  auto toolAction = [this](int image, const char* hint) {
    auto* action = new QAction(ToolIcon(image), U(hint), this);
    return action;
  };

  toolBar1_->addSeparator();
  QAction* open = toolAction(kImageOpen, "Открыть");
  connect(open, &QAction::triggered, this, [this] { document_->N2Click(); });
  button(open, "ToolButtonOpen");
  QAction* save = toolAction(kImageSave, "Сохранить");
  connect(save, &QAction::triggered, this, [this] { document_->N4Click(); });
  button(save, "ToolButtonSave");
  toolBar1_->addSeparator();
  // Find, replace and go to open their dialogs; without the dialogs the buttons are off.
  QAction* find = toolAction(kImageFind, "Найти");
  find->setEnabled(false);
  button(find, "ToolButton14");
  QAction* replace = toolAction(kImageReplace, "Заменить");
  replace->setEnabled(false);
  button(replace, "ToolButton15");
  QAction* go = toolAction(kImageGoTo, "Перейти");
  go->setEnabled(false);
  button(go, "ToolButton17");
  toolBar1_->addSeparator();
  toolButton2Action_ = toolAction(kImagePanelShown, kHintPanelShown);
  connect(toolButton2Action_, &QAction::triggered, this, &TQuilletForm::ToolButton2Click);
  toolButton2_ = button(toolButton2Action_, "ToolButton2");
  toolButton2_->setProperty("imageIndex", kImagePanelShown);
  qApp->installEventFilter(this);
  toolButton3Action_ = toolAction(kImageMessOther, "");
  connect(toolButton3Action_, &QAction::triggered, this, [this] { messages_->ToolButton3Click(); });
  toolButton3_ = button(toolButton3Action_, "ToolButton3");
  toolButton3_->setProperty("imageIndex", kImageMessOther);
  toolButton3Action_->setVisible(false);
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

// ---- start-up and close ----

void TQuilletForm::SetStart(const std::string& commandLineFile) {
  edit().SetText(std::string());
  ApplyStartSettings();
  findErr_ = std::make_unique<TFindErr>(*editor_, [this](bool enabled) {
    panel_->FindErrGroup().SetNextEnabled(enabled);
  });
  panel_->SetFindErr(findErr_.get());
  panel_->FindErrGroup().SetFindErrButs(false);
  SetStatus();
  edit().SetSel(0, 0);
  edit().ClearUndo();
  show();
  editor_->FocusEditor();
  if (!commandLineFile.empty()) document_->OpenFromCommandLine(commandLineFile);
}

void TQuilletForm::ApplyStartSettings() {
  // What the settings store gives when nothing is stored yet.
  messages_->SwitchMessWin(kMessSystem, false);
  messages_->SetMessWinLastMode(kMessSystem);
  paneHeight_ = StartPaneHeight(0, ScreenHeight());
  ApplyMessLook();
  panel_->FindErrGroup().LoadSettings(FindErrSettings{});
  panel_->FindErrGroup().RunStartupHandlers();
  panel_->SetDiapColor(false);
  panel_->SetFullOpEditPanel(true);
  SetOpPanelVisible(true);
  panel_->SetOperatePanel(0, std::string());
  SetMemo1Font();
}

void TQuilletForm::closeEvent(QCloseEvent* event) {
  if (!closed_ && !document_->AskForSave()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TQuilletForm::FormClose() {
  if (closed_) return;
  closed_ = true;
  services_.clipboard.SetChangeHandler({});
  panel_->SetFindErr(nullptr);
  findErr_.reset();
}

// ---- status ----

void TQuilletForm::showPosition() {
  const StatusTexts texts = ComputeStatusTexts(*lines_);
  status_[0]->setText(U(texts.position));
  status_[1]->setText(U(texts.block));
  status_[2]->setText(U(texts.time));
  if (panel_->EditGroupVisible()) {
    panel_->SetEditButSp();
  } else if (panel_->FindErrGroup().isVisibleTo(panel_)) {
    panel_->FindErrGroup().SetFindErrButs(true);
  }
}

void TQuilletForm::SetStatus() { showPosition(); }

void TQuilletForm::ResetErrorSearch() {
  if (findErr_) findErr_->ResetState(true);
}

FindErrSettings TQuilletForm::ReadFindErrSettings() const { return panel_->FindErrGroup().ReadSettings(); }

void TQuilletForm::Memo1Change() {
  lines_->MarkStale();
  document_->TextChanged();
  format_->MarkNeedsDetection();
  if (findErr_) findErr_->textChanged = true;
  SetStatus();
  panel_->OnTextChanged();
}

// ---- menus ----

// The edit entries shared by the "Правка" menu and the editor's context menu.
void TQuilletForm::SetMenuEditEntries() {
  const EditMenuState s = SetMenuEdit(edit(), services_.clipboard);
  action7_->setEnabled(s.undo);
  action8_->setEnabled(s.cut);
  actionCopy_->setEnabled(s.copy);
  actionPaste_->setEnabled(s.paste);
  actionDel_->setEnabled(s.del);
  actionSelAll_->setEnabled(s.selectAll);
}

void TQuilletForm::N26Click() {
  SetMenuEditEntries();
  n42_->setEnabled(lines_->CachedTextLength() > 0);
  panel_->FindErrGroup().SetFindErrButs(true);
  n43_->setEnabled(panel_->FindErrGroup().FromStartEnabled());
  n53_->setText(U(messages_->RepeatCaption()));
  n53_->setEnabled(messages_->RepeatEnabled());
}

void TQuilletForm::N8Click() { n10_->setEnabled(ReflectEnabled(lines_->CachedLineCount())); }

void TQuilletForm::N1Click() {
  n59_->setEnabled(!document_->OpenedFile.empty());
  SetFormFileMenu();
}

void TQuilletForm::PopupMenu1Popup() {
  SetMenuEditEntries();
  SetFormFileMenu();
}

void TQuilletForm::SetFormFileMenu() {
  const bool offered = document_->SetFormFileMenu(services_.clipboard.Files());
  if (offered) {
    n23_->setText(U(OpenClipboardFileCaption(document_->ClipboardFile)));
    menuItem11_->setText(U(InsertClipboardFileCaption(document_->ClipboardFile)));
  }
  n23_->setVisible(offered);
  menuItem11_->setVisible(offered);
}

// ---- commands ----

void TQuilletForm::N15Click() {
  const bool readOnly = n15_->isChecked();
  edit().SetReadOnly(readOnly);
  SetMemo1Font();
  if (panel_->EditGroupVisible()) panel_->SetEditButSp();
}

void TQuilletForm::SetMemo1Font() {
  const TFontAppearance& look = n15_->isChecked() ? noEditLook : editLook;
  edit().BeginUpdate();
  edit().SetLook(look.ToLook(editFontName));
  edit().EndUpdate();
}

void TQuilletForm::N43Click() {
  // The command is enabled exactly when "Сначала" is; its key follows the rules as they stand
  // now, not as the menu showed them last, and does nothing while it is disabled.
  panel_->FindErrGroup().SetFindErrButs(true);
  if (!findErr_ || !panel_->FindErrGroup().FromStartEnabled()) return;
  if (panel_->OperationListHasFocus()) {
    if (!edit().CanFocus()) return;
    edit().SetFocus();
  }
  SetOpPanelVisible(true);
  panel_->SetOperatePanel(3, std::string());
  findErr_->FindFromStart();
}

void TQuilletForm::N45Click() {
  IMessageClock& clock = services_.clock != nullptr ? *services_.clock : systemClock_;
  const int64_t now = clock.Now();
  EditInsert(edit(), qt::QStringToAnsi(U(DateTimeText(now, QLocale::system()))));
}

void TQuilletForm::N21Click() { SetOpPanelVisible(n21_->isChecked()); }

void TQuilletForm::ToolButton2Click() { SetOpPanelVisible(panelImage_ == kImagePanelHidden); }

void TQuilletForm::SetOpPanelVisible(bool show) {
  const bool paneShownBefore = messages_->PaneShownInOpPanel();
  panel_->setVisible(show);
  n21_->setChecked(show);
  panelImage_ = show ? kImagePanelShown : kImagePanelHidden;
  toolButton2Action_->setIcon(ToolIcon(panelImage_));
  toolButton2Action_->setToolTip(U(show ? kHintPanelShown : kHintPanelHidden));
  toolButton2_->setProperty("imageIndex", panelImage_);
  messages_->OpPanelVisibilityChanged(show, paneShownBefore);
}

void TQuilletForm::N56Click() {
  if (richEdit1_->toPlainText().isEmpty()) return;
  richEdit1_->setUpdatesEnabled(false);
  services_.clipboard.SetText(qt::QStringToAnsi(richEdit1_->toPlainText(), true));
  QTextCursor cursor = richEdit1_->textCursor();
  cursor.clearSelection();
  richEdit1_->setTextCursor(cursor);
  richEdit1_->setUpdatesEnabled(true);
}

void TQuilletForm::ClipboardChanged() {
  if (panel_ != nullptr && panel_->EditGroupVisible()) panel_->SetPasteActive(services_.clipboard.HasText());
}

void TQuilletForm::Beep() { services_.prompt.Beep(); }

// ---- the message pane on the screen ----

int TQuilletForm::ScreenHeight() const {
  const QScreen* s = screen();
  if (s == nullptr) s = QGuiApplication::primaryScreen();
  return s != nullptr ? s->geometry().height() : 768;
}

bool TQuilletForm::Splitter1Moved(int proposedHeight) {
  if (AcceptPaneHeight(paneHeight_, proposedHeight, ScreenHeight())) {
    paneHeight_ = proposedHeight;
    return true;
  }
  ApplyPaneHeight();
  return false;
}

void TQuilletForm::ApplyPaneHeight() {
  if (panel4_->isHidden()) return;
  const QList<int> sizes = splitter1_->sizes();
  int total = 0;
  for (int s : sizes) total += s;
  if (total <= 0) total = splitter1_->height();
  const int pane = std::min(paneHeight_, std::max(0, total - 1));
  QList<int> wanted;
  for (int i = 0; i < splitter1_->count(); ++i) {
    wanted << (splitter1_->widget(i) == panel4_ ? pane : total - pane);
  }
  splitter1_->setSizes(wanted);
}

void TQuilletForm::ApplyMessLook() {
  const TextLook look = messLook.ToLook(messFontName);
  richEdit1_->setUpdatesEnabled(false);
  QPalette palette = richEdit1_->palette();
  qt::ApplyLookColors(look, QApplication::palette(richEdit1_), palette);
  richEdit1_->setPalette(palette);
  richEdit1_->setFont(qt::FontFromLook(look, QApplication::font(richEdit1_)));
  // The text takes the new look when it is set anew.
  richEdit1_->setPlainText(richEdit1_->toPlainText());
  richEdit1_->setUpdatesEnabled(true);
}

void TQuilletForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  richEdit1_->viewport()->update();
}

void TQuilletForm::SetPaneVisible(bool visible) { richEdit1_->setVisible(visible); }

void TQuilletForm::SetPanel4Visible(bool visible) {
  panel4_->setVisible(visible);
  if (visible) ApplyPaneHeight();
}

void TQuilletForm::PlacePanel4(bool onTop) {
  splitter1_->insertWidget(onTop ? 0 : 1, panel4_);
  splitter1_->setStretchFactor(splitter1_->indexOf(panel3_), 1);
  splitter1_->setStretchFactor(splitter1_->indexOf(panel4_), 0);
  ApplyPaneHeight();
}

void TQuilletForm::MovePane(bool toPanel6) {
  QWidget* target = toPanel6 && panel_ != nullptr ? panel_->Panel6() : panel4_;
  if (richEdit1_->parentWidget() == target) return;
  if (target->layout() == nullptr) {
    auto* layout = new QVBoxLayout(target);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  const bool visible = !richEdit1_->isHidden();
  richEdit1_->setParent(target);
  target->layout()->addWidget(richEdit1_);
  richEdit1_->setVisible(visible);
}

void TQuilletForm::SetPaneText(const std::string& utf8Text) { richEdit1_->setPlainText(U(utf8Text)); }

void TQuilletForm::SetIndicatorVisible(bool visible) { toolButton3Action_->setVisible(visible); }

void TQuilletForm::SetIndicatorImage(int image) {
  toolButton3Action_->setIcon(ToolIcon(image));
  toolButton3_->setProperty("imageIndex", image);
}

void TQuilletForm::SetIndicatorHint(const std::string& utf8Hint) { toolButton3Action_->setToolTip(U(utf8Hint)); }

void TQuilletForm::CheckPlacement(int placement) {
  if (placement >= 0 && placement < 5 && placementActions_[placement] != nullptr) {
    placementActions_[placement]->setChecked(true);
  }
}

bool TQuilletForm::OpPanelVisible() const { return panel_ == nullptr || !panel_->isHidden(); }

bool TQuilletForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    // The hint of the panel button is pink while the panel is hidden; every other hint, and
    // that one while the panel shows, keeps the usual colour.
    const bool pink = watched == toolButton2_ && panelImage_ == kImagePanelHidden;
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase,
                     pink ? kHiddenPanelHintColor : QApplication::palette().color(QPalette::ToolTipBase));
    QToolTip::setPalette(palette);
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TQuilletForm::EndSession() { return close(); }

// ---- the program ----

int RunEditor(QApplication& app) {
  QtPrompt prompt;
  QtClipboard clipboard;
  QtShell shell;
  QtFileDialogs dialogs;
  PosixFileSystem fs;
  TQuilletForm form(MainWindowServices{prompt, clipboard, shell, dialogs, fs, nullptr});
  prompt.SetParent(&form);
  prompt.SetTitle(MainCaption);
  dialogs.SetParent(&form);
  const QStringList arguments = app.arguments();
  // Logging off or shutting down closes the window the usual way, with the question about
  // unsaved text; Cancel there keeps the session from ending.
  QObject::connect(
      &app, &QGuiApplication::commitDataRequest, &form,
      [&form](QSessionManager& manager) {
        if (!form.EndSession()) manager.cancel();
      },
      Qt::DirectConnection);
  form.SetStart(arguments.size() > 1 ? arguments.at(1).toStdString() : std::string());
  return app.exec();
}

}  // namespace quillet
