#include "ui/panel/find_err_group.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/find_err.h"
#include "core/text_utils.h"
#include "platform/codepage.h"
#include "ui/widgets/number_field.h"
#include "ui/widgets/widget_utils.h"

namespace quillet {

namespace {

std::string ToAnsi(const QString& text) {
  const std::u16string utf16(reinterpret_cast<const char16_t*>(text.utf16()),
                             static_cast<size_t>(text.size()));
  return cp1251::FromUtf16(utf16);
}

QString FromAnsi(const std::string& ansi) {
  const std::u16string utf16 = cp1251::ToUtf16(ansi);
  return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

}  // namespace

TFindErrGroup::TFindErrGroup(QWidget* parent) : QGroupBox(QStringLiteral("Поиск ошибок"), parent) {
  setObjectName(QStringLiteral("GroupBox3"));

  checkBox4_ = NewCheckBox(this, "CheckBox4", QStringLiteral("Длит <, ms"),
                           QStringLiteral("Сичтать ошибочными блоки с длительностью отображения менее указанной"), true);
  edit6_ = new TNumberEdit(QStringLiteral("Edit6"), QStringLiteral("UpDown6"), 1, 10000, 500, this);
  checkBox12_ = NewCheckBox(this, "CheckBox12", QStringLiteral("Длит >, sec"),
                            QStringLiteral("Считать ошибочными блоки с длительностью отображения больше указанной"), false);
  edit15_ = new TNumberEdit(QStringLiteral("Edit15"), QStringLiteral("UpDown13"), 1, 10000, 20, this);
  checkBox5_ = NewCheckBox(this, "CheckBox5", QStringLiteral("Пересечения времени"),
                           QStringLiteral("Считать ошибочными блоки, пересекающиеся по времени"), true);
  checkBox9_ = NewCheckBox(this, "CheckBox9", QStringLiteral("Строк >"),
                           QStringLiteral("Считать ошибочными блоки, где строк текста больше чем указано"), false);
  edit13_ = new TNumberEdit(QStringLiteral("Edit13"), QStringLiteral("UpDown12"), 0, 32767, 2, this);
  checkBox14_ = NewCheckBox(this, "CheckBox14", QStringLiteral("Спец символы"),
                            QStringLiteral("Считать ошибкой присутствие в тексте нижеперчисленных символов или слов"), false);
  edit14_ = new QLineEdit(QStringLiteral("[,],{,},/,\\"), this);
  edit14_->setObjectName(QStringLiteral("Edit14"));
  edit14_->setToolTip(QStringLiteral(
      "Список символов и слов, которые будут считаться ошибочными (перечисляются через запятую, например: [,],<i>,\\)"));
  checkBox11_ = NewCheckBox(this, "CheckBox11", QStringLiteral("Ошибки структуры"),
                            QStringLiteral("Считать ошибочными блоки, не разделённые пустой строкой, и текст вне блоков"), true);
  checkBox15_ = NewCheckBox(this, "CheckBox15", QStringLiteral("Пустые блоки"),
                            QStringLiteral("Считать ошибочными блоки без текста"), false);
  checkBox16_ = NewCheckBox(this, "CheckBox16", QStringLiteral("Пересечения блоков"),
                            QStringLiteral("Считать ошибкой повторы и пересечения в нумерации блоков"), false);
  button5_ = NewButton(this, "Button5", QStringLiteral("Сначала"), QStringLiteral("Искать ошибки от начала текста"));
  button12_ = NewButton(this, "Button12", QStringLiteral(">"), QStringLiteral("Искать дальше"));
  QFont big = button12_->font();
  big.setPointSizeF(big.pointSizeF() > 0 ? big.pointSizeF() * 1.6 : 14);
  big.setBold(true);
  button12_->setFont(big);
  button13_ = NewButton(this, "Button13", QStringLiteral("Поз."), QStringLiteral("Искать с текущей позиции"));

  auto* column = NewGroupColumn(this);
  auto* grid = NewGroupGrid();
  grid->addWidget(checkBox4_, 0, 0);
  grid->addWidget(edit6_, 0, 1, Qt::AlignRight);
  grid->addWidget(checkBox12_, 1, 0);
  grid->addWidget(edit15_, 1, 1, Qt::AlignRight);
  grid->addWidget(checkBox5_, 2, 0, 1, 2);
  grid->addWidget(checkBox9_, 3, 0);
  grid->addWidget(edit13_, 3, 1, Qt::AlignRight);
  grid->addWidget(checkBox14_, 4, 0, 1, 2);
  grid->addWidget(edit14_, 5, 0, 1, 2);
  grid->addWidget(checkBox11_, 6, 0, 1, 2);
  grid->addWidget(checkBox15_, 7, 0, 1, 2);
  grid->addWidget(checkBox16_, 8, 0, 1, 2);
  column->addLayout(grid);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  column->addWidget(line);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(3);
  buttons->addWidget(button5_, 3);
  buttons->addWidget(button12_, 2);
  buttons->addWidget(button13_, 2);
  column->addLayout(buttons);
  // Bring the buttons to the same height: the large ">" sets it.
  const int height = button12_->sizeHint().height();
  for (QPushButton* b : {button5_, button12_, button13_}) {
    b->setFixedHeight(height);
    MakeCompact(b);
  }

  connect(checkBox4_, &QCheckBox::toggled, this, &TFindErrGroup::CheckBox4Click);
  connect(checkBox12_, &QCheckBox::toggled, this, &TFindErrGroup::CheckBox12Click);
  connect(checkBox9_, &QCheckBox::toggled, this, &TFindErrGroup::CheckBox9Click);
  connect(checkBox14_, &QCheckBox::toggled, this, &TFindErrGroup::CheckBox14Click);
  for (QCheckBox* box : {checkBox5_, checkBox11_, checkBox15_, checkBox16_}) {
    connect(box, &QCheckBox::toggled, this, &TFindErrGroup::CheckBox5Click);
  }
  connect(edit6_, &TNumberEdit::Changed, this, &TFindErrGroup::Edit6Change);
  connect(edit15_, &TNumberEdit::Changed, this, &TFindErrGroup::Edit15Change);
  connect(edit13_, &TNumberEdit::Changed, this, &TFindErrGroup::Edit13Change);
  connect(edit14_, &QLineEdit::textChanged, this, &TFindErrGroup::Edit14Change);
  connect(button5_, &QPushButton::clicked, this, &TFindErrGroup::Button5Click);
  connect(button12_, &QPushButton::clicked, this, &TFindErrGroup::Button12Click);
  connect(button13_, &QPushButton::clicked, this, &TFindErrGroup::Button13Click);

  RunStartupHandlers();
  SetFindErrButs(false);
}

void TFindErrGroup::SetBeep(const BeepFn& beep) {
  for (TNumberEdit* field : {edit6_, edit15_, edit13_}) field->SetBeep(beep);
}

FindErrSettings TFindErrGroup::ReadSettings() const {
  FindErrSettings s;
  s.minDurationOn = checkBox4_->isChecked();
  s.minDuration = edit6_->Position();
  s.maxDurationOn = checkBox12_->isChecked();
  s.maxDurationSec = edit15_->Position();
  s.overlapsOn = checkBox5_->isChecked();
  s.maxLinesOn = checkBox9_->isChecked();
  s.maxLines = edit13_->Position();
  s.specialOn = checkBox14_->isChecked();
  s.specialList = ToAnsi(edit14_->text());
  s.structureOn = checkBox11_->isChecked();
  s.emptyBlocksOn = checkBox15_->isChecked();
  s.numberingOn = checkBox16_->isChecked();
  return s;
}

void TFindErrGroup::LoadSettings(const FindErrSettings& s) {
  {
    // The handlers run once, in their order, after all values are in.
    const QSignalBlocker b4(checkBox4_), b12(checkBox12_), b5(checkBox5_), b9(checkBox9_),
        b14(checkBox14_), b11(checkBox11_), b15(checkBox15_), b16(checkBox16_), e14(edit14_);
    checkBox4_->setChecked(s.minDurationOn);
    checkBox12_->setChecked(s.maxDurationOn);
    checkBox5_->setChecked(s.overlapsOn);
    checkBox9_->setChecked(s.maxLinesOn);
    checkBox14_->setChecked(s.specialOn);
    edit14_->setText(FromAnsi(s.specialList));
    checkBox11_->setChecked(s.structureOn);
    checkBox15_->setChecked(s.emptyBlocksOn);
    checkBox16_->setChecked(s.numberingOn);
  }
  edit6_->SetPosition(s.minDuration);
  edit15_->SetPosition(s.maxDurationSec);
  edit13_->SetPosition(s.maxLines);
  RunStartupHandlers();
}

void TFindErrGroup::RunStartupHandlers() {
  CheckBox4Click();
  CheckBox12Click();
  CheckBox9Click();
  CheckBox14Click();
  CheckBox5Click();
}

void TFindErrGroup::MarkDirty() {
  if (host_) host_->SettingsChanged(ReadSettings());
}

void TFindErrGroup::SetFindErrButs(bool enable) {
  const FindErrButtonStates states =
      host_ ? FindErrButtons(ReadSettings(), enable, host_->LineCount(), host_->CaretLine(), host_->CanContinue())
            : FindErrButtonStates{};
  button5_->setEnabled(states.fromStart);
  button13_->setEnabled(states.fromCaret);
  button12_->setEnabled(states.next);
}

void TFindErrGroup::CheckBox4Click() {
  SetEditPairEnabled(checkBox4_->isChecked(), edit6_->Edit(), edit6_->UpDown());
  CheckBox5Click();
}

void TFindErrGroup::CheckBox12Click() {
  SetEditPairEnabled(checkBox12_->isChecked(), edit15_->Edit(), edit15_->UpDown());
  CheckBox5Click();
}

void TFindErrGroup::CheckBox9Click() {
  SetEditPairEnabled(checkBox9_->isChecked(), edit13_->Edit(), edit13_->UpDown());
  CheckBox5Click();
}

void TFindErrGroup::CheckBox14Click() {
  SetEditPairEnabled(checkBox14_->isChecked(), edit14_, nullptr);
  CheckBox5Click();
}

void TFindErrGroup::CheckBox5Click() {
  MarkDirty();
  SetFindErrButs(true);
}

void TFindErrGroup::Edit6Change() { MarkDirty(); }
void TFindErrGroup::Edit15Change() { MarkDirty(); }
void TFindErrGroup::Edit13Change() { MarkDirty(); }
void TFindErrGroup::Edit14Change() { CheckBox5Click(); }

void TFindErrGroup::Button5Click() { emit FindFromStartRequested(); }
void TFindErrGroup::Button12Click() { emit FindNextRequested(); }

void TFindErrGroup::Button13Click() {
  emit FindFromLineRequested(host_ ? host_->CaretLine() : 0);
}

bool TFindErrGroup::FromStartEnabled() const { return button5_->isEnabled(); }
void TFindErrGroup::SetNextEnabled(bool enabled) { button12_->setEnabled(enabled); }

}  // namespace quillet
