#include "ui/main/main_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QToolBar>
#include <QToolButton>

#include "session/commands.h"
#include "ui/dialogs/search_dialogs.h"
#include "ui/main/main_window.h"
#include "ui/main/menu_hint.h"
#include "ui/widgets/site_icons.h"
#include "ui/widgets/tool_icons.h"

namespace quillet {

namespace {

using F = TQuilletForm;
constexpr int kNoImage = -1;

// Hint of the panel button while the panel shows.
constexpr const char* kHintPanelShown = "Панель операций: включена";

const std::array<ActionSpec, kActionCount> kTable = {{
    // "Файл"
    {ActionId::Open, "N2", "Открыть", "Ctrl+O", nullptr, kImageOpen, 0, [](F& f) { f.commands().Open(); }},
    {ActionId::OpenClipboardFile, "N23", "Открыть файл", nullptr, nullptr, kNoImage, kHidden,
     [](F& f) { f.commands().OpenClipboardFile(); }},
    {ActionId::Save, "N4", "Сохранить", "Ctrl+S", nullptr, kImageSave, 0, [](F& f) { f.commands().Save(); }},
    {ActionId::SaveAs, "N5", "Сохранить как...", "Ctrl+Shift+S", nullptr, kNoImage, 0, [](F& f) { f.commands().SaveAs(); }},
    {ActionId::SaveCopy, "N59", "Сохранить как копию", nullptr, "Сохранёный файл не станет текущим открытым",
     kNoImage, 0, [](F& f) { f.commands().SaveCopy(); }},
    {ActionId::Exit, "N7", "Выход", nullptr, nullptr, kNoImage, 0, [](F& f) { f.close(); }},
    // "Правка"
    {ActionId::Undo, "Action7", "Отменить", nullptr, nullptr, kNoImage, 0, [](F& f) { f.commands().Undo(); }},
    {ActionId::Cut, "Action8", "Вырезать", nullptr, nullptr, kNoImage, 0, [](F& f) { f.commands().Cut(); }},
    {ActionId::Copy, "ActionCopy", "Копировать", nullptr, nullptr, kNoImage, 0, [](F& f) { f.commands().Copy(); }},
    {ActionId::Paste, "ActionPaste", "Вставить", nullptr, nullptr, kNoImage, 0, [](F& f) { f.commands().Paste(); }},
    {ActionId::Delete, "ActionDel", "Удалить", nullptr, nullptr, kNoImage, 0, [](F& f) { f.commands().Delete(); }},
    {ActionId::Find, "ActionFind", "Найти", "Ctrl+F", nullptr, kNoImage, 0, [](F& f) { f.ActionFindExecute(); }},
    {ActionId::FindNext, "ActionFindNext", "Найти далее", "F3", nullptr, kNoImage, 0,
     [](F& f) { f.ActionFindNextExecute(); }},
    {ActionId::Replace, "ActionRepl", "Заменить", "Ctrl+H", nullptr, kNoImage, 0, [](F& f) { f.ActionReplExecute(); }},
    {ActionId::GoTo, "ActionGo", "Перейти", "Ctrl+G", nullptr, kNoImage, 0, [](F& f) { f.ActionGoExecute(); }},
    {ActionId::SelectAll, "ActionSelAll", "Выделить всё", nullptr, nullptr, kNoImage, 0,
     [](F& f) { f.commands().SelectAll(); }},
    {ActionId::Normalize, "N42", "Нормализация", nullptr, nullptr, kNoImage, 0, [](F& f) { f.commands().NormalizeAll(); }},
    {ActionId::FindErrors, "N43", "Поиск ошибок", "F7", nullptr, kNoImage, 0, [](F& f) { f.N43Click(); }},
    {ActionId::RepeatMessage, "N53", "Повтор сообщения", nullptr, nullptr, kNoImage, 0,
     [](F& f) { f.commands().RepeatMessage(); }},
    {ActionId::DateTime, "N45", "Время и дата", "F5", nullptr, kNoImage, 0, [](F& f) { f.commands().InsertDateTime(); }},
    // "Текст"
    {ActionId::Report, "N6", "Отчёт", nullptr, nullptr, kNoImage, 0, [](F& f) { f.N6Click(); }},
    {ActionId::Mirror, "N10", "Отразить", nullptr, nullptr, kNoImage, 0, [](F& f) { f.commands().Mirror(); }},
    {ActionId::RememberText, "N13", "Запомнить текст", nullptr, nullptr, kNoImage, 0,
     [](F& f) { f.commands().RememberText(); }},
    {ActionId::RestoreText, "N12", "Восстановить запомненный текст", nullptr, nullptr, kNoImage, 0,
     [](F& f) { f.commands().RestoreText(); }},
    {ActionId::ReadOnly, "N15", "Запретить ручной ввод", nullptr, "Блокирует возможность изменять текст с клавиатуры",
     kNoImage, kCheckable, [](F& f) { f.N15Click(); }},
    // "Настройки"
    {ActionId::TextLook, "N17", "Шрифт", nullptr, nullptr, kNoImage, 0, [](F& f) { f.N17Click(); }},
    {ActionId::ProgramOptions, "N18", "Программа", nullptr, nullptr, kNoImage, 0, [](F& f) { f.N18Click(); }},
    {ActionId::OperationsPanel, "N21", "Панель операций", "F9", nullptr, kNoImage, kCheckable | kChecked,
     [](F& f) { f.N21Click(); }},
    {ActionId::MessBelow, "Action1", "Снизу", nullptr, "Выводить сообщения в окно под текстом", kNoImage,
     kCheckable | kChecked | kRadio, [](F& f) { f.commands().SetMessagePlacement(kMessBelow); }},
    {ActionId::MessAbove, "Action2", "Сверху", nullptr, "Выводить сообщения в окно над текстом", kNoImage,
     kCheckable | kRadio, [](F& f) { f.commands().SetMessagePlacement(kMessAbove); }},
    {ActionId::MessRight, "Action3", "Справа", nullptr, "Выводить сообщения под панелью операций", kNoImage,
     kCheckable | kRadio, [](F& f) { f.commands().SetMessagePlacement(kMessRight); }},
    {ActionId::MessSystem, "Action4", "Системное", nullptr, "Выводить сообщения в системном окне", kNoImage,
     kCheckable | kRadio, [](F& f) { f.commands().SetMessagePlacement(kMessSystem); }},
    {ActionId::MessOff, "Action5", "Отключить", nullptr, "Не выводить сообщения", kNoImage, kCheckable | kRadio,
     [](F& f) { f.commands().SetMessagePlacement(kMessOff); }},
    {ActionId::MessLook, "Action6", "Настроить вид", nullptr, nullptr, kNoImage, 0, [](F& f) { f.Action6Click(); }},
    // "Помощь"
    {ActionId::Help, "N16", "Справка", "F1", nullptr, kNoImage, 0, [](F& f) { f.N16Click(); }},
    {ActionId::About, "N60", "О программе...", nullptr, nullptr, kNoImage, 0, [](F& f) { f.N60Click(); }},
    // "Сайты": each item's hint is the address it opens
    {ActionId::SiteOpenSubtitlesOrg, "OpenSubtitlesorg1", "OpenSubtitles.org", nullptr,
     "https://www.opensubtitles.org/ru", 0, kSiteImage, [](F& f) { f.subscomru1Click(ActionId::SiteOpenSubtitlesOrg); }},
    {ActionId::SitePodnapisi, "Podnapisinet1", "Podnapisi.net", nullptr, "https://www.podnapisi.net/ru", 1, kSiteImage,
     [](F& f) { f.subscomru1Click(ActionId::SitePodnapisi); }},
    {ActionId::SiteAddic7ed, "Addic7edcom1", "Addic7ed.com", nullptr, "https://www.addic7ed.com/", 2, kSiteImage,
     [](F& f) { f.subscomru1Click(ActionId::SiteAddic7ed); }},
    {ActionId::SiteTvSubtitles, "TVsubtitlesnet1", "TVsubtitles.net", nullptr, "https://www.tvsubtitles.net/", 3,
     kSiteImage, [](F& f) { f.subscomru1Click(ActionId::SiteTvSubtitles); }},
    {ActionId::SiteOpenSubtitlesCom, "OpenSubtitlescom1", "OpenSubtitles.com", nullptr,
     "https://www.opensubtitles.com/ru", 7, kSiteImage, [](F& f) { f.subscomru1Click(ActionId::SiteOpenSubtitlesCom); }},
    {ActionId::SiteWikipedia, "N61", "Википедия: формат SubRip (SRT)", nullptr, "https://ru.wikipedia.org/wiki/SubRip",
     4, kSiteImage, [](F& f) { f.subscomru1Click(ActionId::SiteWikipedia); }},
    {ActionId::SiteImdb, "IMDb1", "IMDb", nullptr, "https://www.imdb.com/", 5, kSiteImage,
     [](F& f) { f.subscomru1Click(ActionId::SiteImdb); }},
    {ActionId::SiteKinopoisk, "N62", "Кинопоиск", nullptr, "https://www.kinopoisk.ru/", 6, kSiteImage,
     [](F& f) { f.subscomru1Click(ActionId::SiteKinopoisk); }},
    // context menus
    {ActionId::InsertFromFile, "MenuItem10", "Вставить из файла", nullptr, nullptr, kNoImage, 0,
     [](F& f) { f.commands().InsertFromFile(); }},
    {ActionId::InsertClipboardFile, "MenuItem11", "Вставить из", nullptr, nullptr, kNoImage, kHidden,
     [](F& f) { f.commands().InsertClipboardFile(); }},
    {ActionId::CopyMessage, "N56", "Копировать в буфер", nullptr, nullptr, kNoImage, 0, [](F& f) { f.N56Click(); }},
    // tool buttons: find, replace and go to open their dialogs and close them again
    {ActionId::ToolFind, "ToolButton14", "Найти", nullptr, nullptr, kImageFind, 0,
     [](F& f) { f.searchDialogs().ToolButton14Click(); }},
    {ActionId::ToolReplace, "ToolButton15", "Заменить", nullptr, nullptr, kImageReplace, 0,
     [](F& f) { f.searchDialogs().ToolButton15Click(); }},
    {ActionId::ToolGoTo, "ToolButton17", "Перейти", nullptr, nullptr, kImageGoTo, 0,
     [](F& f) { f.searchDialogs().ToolButton17Click(); }},
    {ActionId::ToolPanel, "ToolButton2", kHintPanelShown, nullptr, nullptr, kImagePanelShown, 0,
     [](F& f) { f.ToolButton2Click(); }},
    {ActionId::ToolIndicator, "ToolButton3", "", nullptr, nullptr, kImageMessOther, kHidden,
     [](F& f) { f.commands().MessageIndicator(); }},
}};

// The menus by object name: the caption, the hint, whether it works in this version, and its
// items, blank-separated: an action's object name, "-" for a separator, ">" and a menu's name
// for a submenu.
struct MenuSpec {
  const char* name;
  const char* caption;
  const char* hint;
  bool enabled;
  const char* items;
};

const MenuSpec kMenus[] = {
    {"N1", "Файл", nullptr, true, "N2 N23 - N4 N5 N59 - N7"},
    {"N26", "Правка", nullptr, true,
     "Action7 - Action8 ActionCopy ActionPaste ActionDel - ActionFind ActionFindNext ActionRepl - ActionGo - "
     "ActionSelAll - N42 N43 - N53 - N45"},
    {"N8", "Текст", nullptr, true, "N6 - N10 - N13 N12 - N15"},
    {"N9", "Настройки", nullptr, true, "N17 N18 - N21 >N54"},
    {"N54", "Окно сообщений", nullptr, true, "Action1 Action2 Action3 Action4 Action5 Action6"},
    {"N14", "Помощь", nullptr, true, "N16 - N60"},
    {"N30", "Сайты", nullptr, true, ">N31 - >N32"},
    {"N31", "Сабы", "Сайты субтитров", true,
     "OpenSubtitlesorg1 Podnapisinet1 Addic7edcom1 TVsubtitlesnet1 OpenSubtitlescom1"},
    {"N32", "Другое", "Разные полезные сайты", true, "N61 IMDb1 N62"},
    {"PopupMenu1", "", nullptr, true,
     "Action7 - Action8 ActionCopy ActionPaste ActionDel - ActionSelAll - MenuItem10 MenuItem11"},
    {"PopupMenu2", "", nullptr, true, "N56 Action6"},
};

constexpr const char* kMenuBar[] = {"N1", "N26", "N8", "N9", "N14", "N30"};

// The tool bar: "-" a separator, "button=action" a button of a menu's action, else an action
// whose button carries the action's name.
constexpr const char* kToolBar = "- ToolButtonOpen=N2 ToolButtonSave=N4 - ToolButton14 ToolButton15 ToolButton17 - "
                                 "ToolButton2 ToolButton3";

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const MenuSpec* FindMenu(const QString& name) {
  for (const MenuSpec& m : kMenus) {
    if (name == QLatin1String(m.name)) return &m;
  }
  return nullptr;
}

const ActionSpec* FindAction(const QString& name) {
  for (const ActionSpec& a : kTable) {
    if (name == QLatin1String(a.name)) return &a;
  }
  return nullptr;
}

}  // namespace

const std::array<ActionSpec, kActionCount>& MainActionTable() { return kTable; }

TMainActions::TMainActions(TQuilletForm& form) : form_(form) {
  auto* placements = new QActionGroup(&form);
  placements->setExclusive(true);
  for (const ActionSpec& spec : kTable) {
    auto* action = new QAction(U(spec.caption), &form);
    action->setObjectName(QLatin1String(spec.name));
    if (spec.shortcut) action->setShortcut(QKeySequence(QLatin1String(spec.shortcut)));
    if (spec.hint) SetHint(action, U(spec.hint));
    if (spec.image >= 0) action->setIcon(spec.flags & kSiteImage ? SiteIcon(spec.image) : ToolIcon(spec.image));
    action->setCheckable(spec.flags & kCheckable);
    action->setChecked(spec.flags & kChecked);
    action->setVisible(!(spec.flags & kHidden));
    action->setEnabled(!(spec.flags & kOff));
    if (spec.flags & kRadio) placements->addAction(action);
    if (spec.run) {
      QObject::connect(action, &QAction::triggered, &form, [&form, run = spec.run] { run(form); });
    }
    actions_[static_cast<size_t>(spec.id)] = action;
  }
}

QMenu* TMainActions::BuildMenu(QWidget* parent, const char* name) {
  const MenuSpec* spec = FindMenu(QLatin1String(name));
  auto* menu = new QMenu(U(spec->caption), parent);
  menu->setObjectName(QLatin1String(spec->name));
  menu->menuAction()->setObjectName(QLatin1String(spec->name) + QStringLiteral("Item"));
  // Hints of menu items show in the menu hint window, not as tooltips.
  if (spec->hint) SetHint(menu->menuAction(), U(spec->hint));
  menu->setEnabled(spec->enabled);
  for (const QString& item : U(spec->items).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (item == QLatin1String("-")) {
      menu->addSeparator();
    } else if (item.startsWith(QLatin1Char('>'))) {
      menu->addMenu(BuildMenu(menu, item.mid(1).toLatin1().constData()));
    } else {
      menu->addAction(form_.findChild<QAction*>(item, Qt::FindDirectChildrenOnly));
      const ActionSpec* action = FindAction(item);
      if (action && (action->flags & kSiteImage)) UseSiteImageSize(menu);
    }
  }
  return menu;
}

void TMainActions::BuildMenus(QMenuBar* bar, QMenu*& popupMenu1, QMenu*& popupMenu2) {
  bar->setObjectName(QStringLiteral("MainMenu1"));
  for (const char* name : kMenuBar) bar->addMenu(BuildMenu(bar, name));
  popupMenu1 = BuildMenu(&form_, "PopupMenu1");
  popupMenu2 = BuildMenu(&form_, "PopupMenu2");
}

void TMainActions::BuildToolBar(QToolBar* bar) {
  toolBar_ = bar;
  for (const QString& item : QString::fromLatin1(kToolBar).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (item == QLatin1String("-")) {
      bar->addSeparator();
      continue;
    }
    const QStringList parts = item.split(QLatin1Char('='));
    QAction* action = form_.findChild<QAction*>(parts.last(), Qt::FindDirectChildrenOnly);
    bar->addAction(action);
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    button->setObjectName(parts.first());
    button->setAutoRaise(true);
  }
}

QToolButton* TMainActions::ToolButton(ActionId id) const {
  return toolBar_ ? qobject_cast<QToolButton*>(toolBar_->widgetForAction((*this)[id])) : nullptr;
}

}  // namespace quillet
