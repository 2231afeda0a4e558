#include "ui/options/ext_group.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_platform.h"
#include "storage/ext_commands.h"
#include "ui/widgets/widget_utils.h"

namespace quillet {

TExtGroup::TExtGroup(TExtData& data, IPrompt& prompt, QWidget* parent)
    : QGroupBox(QStringLiteral("Типы файлов"), parent), data_(data), prompt_(prompt) {
  setObjectName(QStringLiteral("ExtGroup"));
  listView1_ = new QListWidget(this);
  listView1_->setObjectName(QStringLiteral("ListView1"));
  listView1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  listView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QFont bold = listView1_->font();
  bold.setBold(true);
  listView1_->setFont(bold);
  // The mark is as high as a capital letter of the list's font.
  const int mark = std::max(6, QFontMetrics(bold).tightBoundingRect(QStringLiteral("N")).height());
  listView1_->setIconSize(QSize(mark, mark));

  auto* label = new QLabel(QStringLiteral("Новый:"), this);
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  label->setBuddy(edit1_);
  button1_ = NewButton(this, "Button1", QStringLiteral("+"), QStringLiteral("Добавить новое расширение"));
  button2_ = NewButton(this, "Button2", QStringLiteral("-"), QStringLiteral("Удалить выбранные расширения"));
  button3_ = NewButton(this, "Button3", QStringLiteral("Рег+"),
                       QStringLiteral("Зарегистрировать выбранные расширения на программу редактора"));
  button4_ = NewButton(this, "Button4", QStringLiteral("Рег-"),
                       QStringLiteral("Снять регистрацию с выбранных расширений"));
  checkBox2_ = NewCheckBox(this, "CheckBox2", QStringLiteral("Подтв."),
                           QStringLiteral("Запрашивать подтверждения при выполнении действий с расширениями"), true);
  checkBox3_ = NewCheckBox(this, "CheckBox3", QStringLiteral("Цвет"),
                           QStringLiteral("Подсвечивать недоступные для регистрации (красным) и нежелательные для "
                                          "регистрации (жёлтым) расширения"),
                           false);
  for (QPushButton* b : {button1_, button2_, button3_, button4_}) MakeCompact(b);

  auto* column = new QVBoxLayout(this);
  column->addWidget(listView1_, 1);
  auto* add = new QHBoxLayout;
  add->addWidget(label);
  add->addWidget(edit1_, 1);
  add->addWidget(button1_);
  add->addWidget(button2_);
  column->addLayout(add);
  auto* reg = new QHBoxLayout;
  reg->addWidget(button3_);
  reg->addWidget(button4_);
  reg->addStretch(1);
  reg->addWidget(checkBox2_);
  reg->addWidget(checkBox3_);
  column->addLayout(reg);

  edit1_->installEventFilter(this);
  connect(edit1_, &QLineEdit::textChanged, this, &TExtGroup::Edit1Change);
  connect(edit1_, &QLineEdit::editingFinished, this, &TExtGroup::Edit1Exit);
  connect(listView1_, &QListWidget::itemSelectionChanged, this, [this] {
    if (!bulkDelete_) SetExtButtons();
  });
  connect(button1_, &QPushButton::clicked, this, &TExtGroup::Button1Click);
  connect(button2_, &QPushButton::clicked, this, &TExtGroup::Button2Click);
  connect(button3_, &QPushButton::clicked, this, &TExtGroup::Button3Click);
  connect(button4_, &QPushButton::clicked, this, &TExtGroup::Button4Click);
  connect(checkBox3_, &QCheckBox::clicked, this, &TExtGroup::CheckBox3Click);

  FillList();
  SetExtButtons();
}

bool TExtGroup::DoAsk() const { return checkBox2_->isChecked(); }
void TExtGroup::SetDoAsk(bool on) { checkBox2_->setChecked(on); }
bool TExtGroup::DoColor() const { return checkBox3_->isChecked(); }

void TExtGroup::SetDoColor(bool on) {
  checkBox3_->setChecked(on);
  RedrawList();
}

void TExtGroup::PrepareShow() {
  data_.RefreshStates();
  FillList();
  listView1_->clearSelection();
  listView1_->clearFocus();
  SetExtButtons();
}

void TExtGroup::FormClose() {
  if (data_.Modified()) data_.Save();
}

// ---- the list ----

void TExtGroup::FillList() {
  const QSignalBlocker block(listView1_);
  listView1_->clear();
  for (const TExtDataItem& item : data_.Items()) listView1_->addItem(QString::fromStdString(item.Ext));
  RedrawList();
}

void TExtGroup::RedrawList() {
  const QPalette& palette = listView1_->palette();
  const QSize size = listView1_->iconSize();
  for (int row = 0; row < listView1_->count() && row < static_cast<int>(data_.Count()); ++row) {
    const auto value = RowMarkColor(data_.Item(static_cast<size_t>(row)), DoColor());
    QPixmap square(size);
    square.fill(value ? qt::ColorFromValue(*value, palette) : palette.color(QPalette::Base));
    QPainter painter(&square);
    painter.setPen(palette.color(QPalette::Text));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    painter.end();
    listView1_->item(row)->setIcon(QIcon(square));
  }
}

std::vector<size_t> TExtGroup::SelectedRows() const {
  std::vector<size_t> rows;
  for (int row = 0; row < listView1_->count(); ++row) {
    if (listView1_->item(row)->isSelected()) rows.push_back(static_cast<size_t>(row));
  }
  return rows;
}

// ---- buttons ----

void TExtGroup::SetExtButtons() {
  button1_->setEnabled(CanAddExt(data_, edit1_->text().toStdString()));
  button2_->setEnabled(!listView1_->selectedItems().isEmpty());
  SetRegButtons();
}

void TExtGroup::SetRegButtons() {
  const RegButtonStates s = GetRegButtons(data_, SelectedRows());
  button3_->setEnabled(s.reg);
  button4_->setEnabled(s.unreg);
}

void TExtGroup::Button1Click() {
  edit1_->setText(edit1_->text().trimmed());
  SetExtButtons();
  if (!button1_->isEnabled()) return;
  if (AddExt(data_, edit1_->text().toStdString()) >= 0) {
    FillList();
    listView1_->scrollToItem(listView1_->item(listView1_->count() - 1));
  }
  SetExtButtons();
}

void TExtGroup::Button2Click() {
  const std::vector<size_t> rows = SelectedRows();
  if (rows.empty()) return;
  bulkDelete_ = true;
  const bool deleted = DeleteExts(data_, prompt_, rows, DoAsk());
  if (deleted) FillList();
  bulkDelete_ = false;
  SetExtButtons();
}

void TExtGroup::Button3Click() {
  RegisterExts(data_, prompt_, SelectedRows(), DoAsk());
  SetRegButtons();
  RedrawList();
}

void TExtGroup::Button4Click() {
  UnregisterExts(data_, prompt_, SelectedRows(), DoAsk());
  SetRegButtons();
  RedrawList();
}

void TExtGroup::CheckBox3Click() { RedrawList(); }

// ---- "Новый:" ----

bool TExtGroup::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit1_ || event->type() != QEvent::KeyPress) return QGroupBox::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  // Only keys that type a character are filtered; editing keys and shortcuts pass.
  const QString text = key->text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;
  if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  const KeyFilterResult r = FilterExtKey(static_cast<int>(edit1_->text().size()), edit1_->hasSelectedText(),
                                         text.toUcs4().value(0));
  if (r.beep) prompt_.Beep();
  return r.key == 0;
}

void TExtGroup::Edit1Change() {
  const QString current = edit1_->text();
  const ExtTextResult r = CleanExtText(current.toStdString());
  if (r.beep) {
    prompt_.Beep();
    const int cursor = edit1_->cursorPosition();
    edit1_->setText(QString::fromStdString(r.text));  // comes back here with the clean text
    edit1_->setCursorPosition(std::min<int>(cursor, static_cast<int>(edit1_->text().size())));
    return;
  }
  SetExtButtons();
}

void TExtGroup::Edit1Exit() {
  QString text = edit1_->text();
  while (!text.isEmpty() && text.back() <= QLatin1Char(' ')) text.chop(1);
  if (text != edit1_->text()) edit1_->setText(text);
}

}  // namespace quillet
