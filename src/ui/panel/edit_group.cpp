#include "ui/panel/edit_group.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/qt/qt_platform.h"
#include "ui/panel/panel_logic.h"
#include "ui/widgets/button_look.h"
#include "ui/widgets/number_field.h"

namespace quillet {

namespace {

// A button of the group's narrow rows: just as wide as its caption, never squeezed.
QPushButton* NewSmallButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  QPushButton* button = NewButton(parent, name, caption, hint);
  const int textWidth = button->fontMetrics().horizontalAdvance(caption);
  button->setFixedWidth(std::max(22, textWidth + 12));
  return button;
}

QHBoxLayout* NewRow() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  return row;
}

void SetBoldUnderline(QWidget* w, bool bold, bool underline) {
  QFont f = w->font();
  if (f.bold() == bold && f.underline() == underline) return;
  f.setBold(bold);
  f.setUnderline(underline);
  w->setFont(f);
}

}  // namespace

TEditGroup::TEditGroup(QWidget* parent) : QGroupBox(QStringLiteral("Редактирование"), parent) {
  setObjectName(QStringLiteral("GroupBox6"));
  auto* column = NewGroupColumn(this);
  BuildFindRows(column);
  column->addWidget(NewDivider(this, "Bevel7"));

  // The editing buttons: always enabled, their look tells whether they would do anything.
  const char* const names[5] = {"BitBtn7", "BitBtn8", "BitBtn9", "BitBtn10", "BitBtn11"};
  const char* const captions[5] = {"отм", "выр", "коп", "вст", "удл"};
  const char* const hints[5] = {"Отменить", "Вырезать", "Копировать", "Вставить", "Удалить"};
  void (TEditGroup::*const requests[5])() = {&TEditGroup::UndoRequested, &TEditGroup::CutRequested,
                                             &TEditGroup::CopyRequested, &TEditGroup::PasteRequested,
                                             &TEditGroup::DeleteRequested};
  QHBoxLayout* editRow = NewRow();
  for (int i = 0; i < 5; ++i) {
    QPushButton* b = NewSmallButton(this, names[i], QString::fromUtf8(captions[i]), QString::fromUtf8(hints[i]));
    MakeCompact(b);
    b->setMaximumWidth(QWIDGETSIZE_MAX);
    b->setFocusPolicy(Qt::NoFocus);
    // A new button counts as inactive but still has the plain text colour: give it the whole
    // inactive look.
    SetBitBtnActive(b, true);
    SetBitBtnActive(b, false);
    editRow->addWidget(b);
    connect(b, &QPushButton::clicked, this, requests[i]);
    editButtons_[i] = b;
  }
  column->addLayout(editRow);

  // The divider of the go-to section with "V" at its right end.
  bevel6_ = NewDivider(this, "Bevel6");
  button17_ = NewSmallButton(this, "Button17", QStringLiteral("V"), QStringLiteral("Показать секцию перехода"));
  QHBoxLayout* dividerRow = NewRow();
  dividerRow->addWidget(bevel6_, 1);
  dividerRow->addWidget(button17_);
  column->addLayout(dividerRow);
  button17_->hide();
  BuildGoSection(column);

  connect(button16_, &QPushButton::clicked, this, [this] { SetFullOpEditPanel(false); });
  connect(button17_, &QPushButton::clicked, this, [this] { SetFullOpEditPanel(true); });
}

void TEditGroup::BuildFindRows(QVBoxLayout* column) {
  edit9_ = new QLineEdit(this);
  edit9_->setObjectName(QStringLiteral("Edit9"));
  edit10_ = new QLineEdit(this);
  edit10_->setObjectName(QStringLiteral("Edit10"));
  button3_ = NewSmallButton(this, "Button3", QStringLiteral("<"), QStringLiteral("Предыдущее"));
  button6_ = NewSmallButton(this, "Button6", QStringLiteral(">"), QStringLiteral("Следующее"));
  button7_ = NewSmallButton(this, "Button7", QStringLiteral("н"), QStringLiteral("Сначала"));
  button8_ = NewSmallButton(this, "Button8", QStringLiteral("к"), QStringLiteral("С конца"));
  button14_ = NewSmallButton(this, "Button14", QStringLiteral("зам"), QStringLiteral("Заменить"));
  checkBox8_ = NewCheckBox(this, "CheckBox8", QStringLiteral("рег"), QStringLiteral("С учётом регистра"), false);
  auto* findLabel = new QLabel(QStringLiteral("Пск"), this);
  findLabel->setBuddy(edit9_);
  auto* replaceLabel = new QLabel(QStringLiteral("Зам"), this);
  replaceLabel->setBuddy(edit10_);
  QHBoxLayout* findRow = NewRow();
  findRow->addWidget(findLabel);
  findRow->addWidget(edit9_, 1);
  for (QPushButton* b : {button3_, button6_, button7_, button8_}) findRow->addWidget(b);
  column->addLayout(findRow);
  QHBoxLayout* replaceRow = NewRow();
  replaceRow->addWidget(replaceLabel);
  replaceRow->addWidget(edit10_, 1);
  replaceRow->addWidget(button14_);
  replaceRow->addWidget(checkBox8_);
  column->addLayout(replaceRow);
  const std::pair<QPushButton*, FindRowButton> finds[] = {{button3_, FindRowButton::Prev},
                                                          {button6_, FindRowButton::Next},
                                                          {button7_, FindRowButton::FromStart},
                                                          {button8_, FindRowButton::FromEnd},
                                                          {button14_, FindRowButton::Replace}};
  for (const auto& [button, which] : finds) {
    connect(button, &QPushButton::clicked, this, [this, which = which] { emit FindRequested(which); });
  }
  // A right-button press on "<" or ">" only chooses the direction.
  for (QPushButton* b : {button3_, button6_}) {
    b->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(b, &QWidget::customContextMenuRequested, this, [this, b] { emit DirectionRequested(b == button3_); });
  }
  connect(edit9_, &QLineEdit::textChanged, this, &TEditGroup::SearchTextChanged);
  SetFindRowLook(FindRowLook{});  // off until there is a text to search in
  for (QLineEdit* e : {edit9_, edit10_}) {
    connect(e, &QLineEdit::returnPressed, this, [this] { emit EnterPressed(button3_->isEnabled()); });
  }
}

void TEditGroup::BuildGoSection(QVBoxLayout* column) {
  goSection_ = new QWidget(this);
  auto* goColumn = new QVBoxLayout(goSection_);
  goColumn->setContentsMargins(0, 0, 0, 0);
  goColumn->setSpacing(3);

  auto* button22 = NewSmallButton(goSection_, "Button22", QStringLiteral("н"), QStringLiteral("На начало"));
  auto* button23 = NewSmallButton(goSection_, "Button23", QStringLiteral("к"), QStringLiteral("В конец"));
  auto* button24 = NewSmallButton(goSection_, "Button24", QStringLiteral("поз:"),
                                  QStringLiteral("На строку с указанной позицией в тексте"));
  auto* edit11 = new TNumberEdit(QStringLiteral("Edit11"), QStringLiteral("UpDown7"), 1, 32767, 1, goSection_);
  QHBoxLayout* lineRow = NewRow();
  for (QWidget* w : std::initializer_list<QWidget*>{button22, button23, button24}) lineRow->addWidget(w);
  lineRow->addWidget(edit11);
  lineRow->addStretch(1);
  goColumn->addLayout(lineRow);

  auto* button30 = NewSmallButton(goSection_, "Button30", QStringLiteral("<"), QStringLiteral("На предыдущий блок"));
  auto* button31 = NewSmallButton(goSection_, "Button31", QStringLiteral(">"), QStringLiteral("На следующий блок"));
  auto* button32 =
      NewSmallButton(goSection_, "Button32", QStringLiteral("№:"), QStringLiteral("На блок с заданным номером"));
  auto* edit17 = new TNumberEdit(QStringLiteral("Edit17"), QStringLiteral("UpDown10"), 0, 32767, 0, goSection_);
  QHBoxLayout* blockRow = NewRow();
  for (QWidget* w : std::initializer_list<QWidget*>{button30, button31, button32}) blockRow->addWidget(w);
  blockRow->addWidget(edit17);
  blockRow->addStretch(1);
  goColumn->addLayout(blockRow);

  auto* button10 = NewSmallButton(goSection_, "Button10", QStringLiteral("<"),
                                  QStringLiteral("Перейти на пердыдущее заданное время"));
  auto* button11 = NewSmallButton(goSection_, "Button11", QStringLiteral(">"),
                                  QStringLiteral("Перейти на следующее заданное время"));
  auto* button9 =
      NewSmallButton(goSection_, "Button9", QStringLiteral("T"), QStringLiteral("Перейти на заданное время"));
  auto* picker = new QTimeEdit(QTime(0, 0, 0), goSection_);
  picker->setObjectName(QStringLiteral("DateTimePicker1"));
  picker->setDisplayFormat(QStringLiteral("H:mm:ss"));
  QHBoxLayout* timeRow = NewRow();
  for (QWidget* w : std::initializer_list<QWidget*>{button10, button11, button9}) timeRow->addWidget(w);
  timeRow->addWidget(picker, 1);
  goColumn->addLayout(timeRow);

  auto* checkBox7 = NewCheckBox(
      goSection_, "CheckBox7", QStringLiteral("Ближ."),
      QStringLiteral("При переходах на время будет переходить на наиболее близкое время к заданному, если заданного не найдено"),
      false);
  auto* checkBox6 =
      NewCheckBox(goSection_, "CheckBox6", QStringLiteral("Cек"), QStringLiteral("Задавать время включая секунды"), false);
  QHBoxLayout* optionRow = NewRow();
  optionRow->addWidget(checkBox7);
  optionRow->addWidget(checkBox6);
  optionRow->addStretch(1);
  goColumn->addLayout(optionRow);

  auto* checkBox10 =
      NewCheckBox(goSection_, "CheckBox10", QStringLiteral("Ошибки"),
                  QStringLiteral("Выводить сообщение об ошибке при попытке некорректного перехода"), true);
  button16_ = NewSmallButton(goSection_, "Button16", QStringLiteral("X"), QStringLiteral("Скрыть секцию перехода"));
  QHBoxLayout* lastRow = NewRow();
  lastRow->addWidget(checkBox10);
  lastRow->addStretch(1);
  lastRow->addWidget(button16_);
  goColumn->addLayout(lastRow);
  column->addWidget(goSection_);

  const std::pair<QPushButton*, GoButton> moves[] = {
      {button22, GoButton::FirstLine}, {button23, GoButton::LastLine}, {button24, GoButton::Line},
      {button30, GoButton::PrevBlock}, {button31, GoButton::NextBlock}, {button32, GoButton::Block},
      {button9, GoButton::Time},       {button10, GoButton::PrevTime}, {button11, GoButton::NextTime}};
  for (const auto& [button, which] : moves) {
    connect(button, &QPushButton::clicked, this, [this, which = which] { emit GoRequested(which); });
  }
  fields_ = {edit11, edit17};
  edit11_ = edit11;
  edit17_ = edit17;
  picker_ = picker;
  checkBox6_ = checkBox6;
  checkBox7_ = checkBox7;
  checkBox10_ = checkBox10;
}

void TEditGroup::LoadValues(const EditGroupSettings& v) {
  edit9_->setText(qt::AnsiToQString(v.findText));
  edit10_->setText(qt::AnsiToQString(v.replaceText));
  edit11_->SetPosition(v.goLine);
  edit17_->SetPosition(v.goBlock);
  constexpr int kDay = 24 * 3600 * 1000;
  picker_->setTime(QTime::fromMSecsSinceStartOfDay((v.timeMs % kDay + kDay) % kDay));
  checkBox6_->setChecked(v.useSec);
  checkBox7_->setChecked(v.nearT);
  checkBox10_->setChecked(v.errMess);
}

void TEditGroup::ReadValues(EditGroupSettings& v) const {
  v.findText = qt::QStringToAnsi(edit9_->text());
  v.replaceText = qt::QStringToAnsi(edit10_->text());
  v.goVisible = FullOpEditPanel();
  v.goLine = static_cast<uint16_t>(edit11_->Position());
  v.goBlock = static_cast<uint16_t>(edit17_->Position());
  v.timeMs = picker_->time().msecsSinceStartOfDay() / 1000 * 1000;  // whole seconds
  v.useSec = checkBox6_->isChecked();
  v.nearT = checkBox7_->isChecked();
  v.errMess = checkBox10_->isChecked();
}

void TEditGroup::SetBeep(const BeepFn& beep) {
  for (TNumberEdit* field : fields_) field->SetBeep(beep);
}

void TEditGroup::SetEditButtons(bool canUndo, bool hasSelection) {
  SetBitBtnActive(editButtons_[0], canUndo);
  SetBitBtnActive(editButtons_[1], hasSelection);
  SetBitBtnActive(editButtons_[2], hasSelection);
  SetBitBtnActive(editButtons_[4], hasSelection);
}

void TEditGroup::SetPasteActive(bool active) { SetBitBtnActive(editButtons_[3], active); }

EditGroupGoValues TEditGroup::GoValues() const {
  EditGroupGoValues v;
  v.line = edit11_->Position();
  v.block = edit17_->Position();
  v.time = picker_->time().msecsSinceStartOfDay() / 1000 * 1000;
  v.nearest = checkBox7_->isChecked();
  v.seconds = checkBox6_->isChecked();
  v.showErrors = checkBox10_->isChecked();
  v.sectionVisible = FullOpEditPanel();
  return v;
}

FindRowValues TEditGroup::FindValues() const {
  return FindRowValues{qt::QStringToAnsi(edit9_->text()), qt::QStringToAnsi(edit10_->text()), checkBox8_->isChecked()};
}

void TEditGroup::SetFindRowLook(const FindRowLook& look) {
  for (QPushButton* b : {button3_, button6_, button7_, button8_, button14_}) b->setEnabled(look.enabled);
  SetBoldUnderline(button3_, look.bold, look.underlinePrev);
  SetBoldUnderline(button6_, look.bold, look.underlineNext);
}

void TEditGroup::SetFullOpEditPanel(bool full) {
  const bool collapsed = !button17_->isHidden();
  if (full != collapsed) return;
  bevel6_->setVisible(full);
  goSection_->setVisible(full);
  button17_->setVisible(!full);
  emit SectionToggled();
}

bool TEditGroup::FullOpEditPanel() const { return button17_->isHidden(); }

}  // namespace quillet
