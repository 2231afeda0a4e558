#include "ui/dialogs/repl_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/replace.h"
#include "ui/dialogs/dialog_parts.h"

namespace quillet {

namespace {

// A small button of the fields' column: as wide as its caption.
QPushButton* NewSmallDialogButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  QPushButton* button = NewDialogButton(parent, name, caption, hint);
  button->setFixedWidth(button->fontMetrics().horizontalAdvance(caption) + 16);
  return button;
}

}  // namespace

TReplform::TReplform(Editor& editor, ReplaceDialogValues& values, QWidget* parent)
    : TToolDialog(parent), editor_(editor), values_(values) {
  setObjectName(QStringLiteral("Replform"));
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(6);

  auto* label1 = new QLabel(QStringLiteral("Что:"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  auto* label2 = new QLabel(QStringLiteral("Чем:"), this);
  label2->setObjectName(QStringLiteral("Label2"));
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit1_->setMinimumWidth(220);
  edit2_ = new QLineEdit(this);
  edit2_->setObjectName(QStringLiteral("Edit2"));
  label1->setBuddy(edit1_);
  label2->setBuddy(edit2_);

  QPushButton** b = buttons_;
  b[1] = NewDialogButton(this, "Button1", QStringLiteral("Найти далее"));
  b[2] = NewDialogButton(this, "Button2", QStringLiteral("Заменить"));
  b[3] = NewDialogButton(this, "Button3", QStringLiteral("Заменить всё"));
  b[4] = NewDialogButton(this, "Button4", QStringLiteral("Полная отмена"));
  b[5] = NewDialogButton(this, "Button5", QStringLiteral("Закрыть"));
  b[6] = NewSmallDialogButton(this, "Button6", QStringLiteral("Оч."), QStringLiteral("Очистить поля"));
  b[7] = NewSmallDialogButton(this, "Button7", QStringLiteral("Вст"),
                              QStringLiteral("Вставить запомненные значения полей"));
  b[8] = NewSmallDialogButton(this, "Button8", QStringLiteral("Вд."),
                              QStringLiteral("Встаивить в поле \"Что\" текст, выделенный в окне редактора"));
  b[9] = NewSmallDialogButton(this, "Button9", QStringLiteral("Зап"), QStringLiteral("Запомнить значения полей"));
  b[10] = NewSmallDialogButton(this, "Button10", QStringLiteral("Обм"),
                               QStringLiteral("Обменять местами значения полей из памяти с текущими значениями"));

  QGroupBox* groupBox1 = NewDirectionGroup(this, radioButton1_, radioButton2_);
  checkBox1_ = new QCheckBox(QStringLiteral("С учётом регистра"), this);
  checkBox1_->setObjectName(QStringLiteral("CheckBox1"));

  // The fields with the buttons that fill them; the memory row under them.
  grid->addWidget(label1, 0, 0);
  grid->addWidget(edit1_, 0, 1);
  grid->addWidget(b[8], 0, 2);
  grid->addWidget(label2, 1, 0);
  grid->addWidget(edit2_, 1, 1);
  grid->addWidget(b[6], 1, 2);
  auto* memoryRow = new QHBoxLayout;
  memoryRow->addStretch(1);
  for (int i : {9, 7, 10}) memoryRow->addWidget(b[i]);
  grid->addLayout(memoryRow, 2, 1, 1, 2);
  auto* optionRow = new QHBoxLayout;
  optionRow->addWidget(checkBox1_, 0, Qt::AlignBottom);
  optionRow->addStretch(1);
  optionRow->addWidget(groupBox1);
  grid->addLayout(optionRow, 3, 0, 1, 3);
  auto* commands = new QVBoxLayout;
  for (int i = 1; i <= 5; ++i) commands->addWidget(b[i]);
  commands->addStretch(1);
  grid->addLayout(commands, 0, 3, 4, 1);
  SetDialogWindowStyle(this, QStringLiteral("Замена"), true);
  setModal(false);

  LoadValues();
  connect(b[1], &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(b[2], &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(b[3], &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(b[4], &QPushButton::clicked, this, [this] { Button4Click(); });
  connect(b[5], &QPushButton::clicked, this, [this] { Button5Click(); });
  connect(b[6], &QPushButton::clicked, this, [this] { Button6Click(); });
  connect(b[7], &QPushButton::clicked, this, [this] { Button7Click(); });
  connect(b[8], &QPushButton::clicked, this, [this] { Button8Click(); });
  connect(b[9], &QPushButton::clicked, this, [this] { Button9Click(); });
  connect(b[10], &QPushButton::clicked, this, [this] { Button10Click(); });
  for (QLineEdit* edit : {edit1_, edit2_}) {
    connect(edit, &QLineEdit::textChanged, this, [this] {
      StoreValues();
      SetEditsButtons();
    });
    connect(edit, &QLineEdit::returnPressed, this, [this] {
      if (buttons_[1]->isEnabled()) Button1Click();
    });
  }
  connect(radioButton2_, &QRadioButton::toggled, this, [this] { StoreValues(); });
  connect(checkBox1_, &QCheckBox::toggled, this, [this] {
    StoreValues();
    SetSelButton();
  });
  SetStart();
}

void TReplform::LoadValues() {
  ShowFields();
  radioButton2_->setChecked(values_.down);
  radioButton1_->setChecked(!values_.down);
  checkBox1_->setChecked(values_.caseSensitive);
}

void TReplform::ShowFields() {
  // The edits' change handlers neither store the fields nor refresh the buttons meanwhile.
  updating_ = true;
  edit1_->setText(AnsiToQString(values_.what));
  edit2_->setText(AnsiToQString(values_.with));
  updating_ = false;
  SetEditsButtons();
}

void TReplform::StoreValues() {
  if (updating_) return;
  values_.what = FieldAnsi(edit1_);
  values_.with = FieldAnsi(edit2_);
  values_.down = radioButton2_->isChecked();
  values_.caseSensitive = checkBox1_->isChecked();
}

void TReplform::ResetCase() { checkBox1_->setChecked(false); }

void TReplform::SetStart() {
  buttons_[4]->setEnabled(false);
  SetEditsButtons();
}

void TReplform::SetEditsButtons() {
  if (updating_) return;
  const ReplaceButtons on = ReplaceButtonsFor(values_);
  buttons_[1]->setEnabled(on.findNext);
  buttons_[2]->setEnabled(on.replace);
  buttons_[3]->setEnabled(on.replaceAll);
  buttons_[6]->setEnabled(on.clear);
  buttons_[10]->setEnabled(on.exchange);
  buttons_[9]->setEnabled(on.remember);
  buttons_[7]->setEnabled(on.insert);
  SetSelButton();
}

void TReplform::SetSelButton() {
  buttons_[8]->setEnabled(SelButtonEnabled(editor_.edit, values_.what, values_.caseSensitive));
}

void TReplform::SetUndo(const std::string& text) {
  undo_.SetUndo(text);
  RefreshUndoButton();
}

void TReplform::RefreshUndoButton() { buttons_[4]->setEnabled(undo_.Has()); }

void TReplform::Button1Click() {
  StoreValues();
  ReplaceDialogFindNext(editor_, values_);
}

void TReplform::Button2Click() {
  StoreValues();
  ReplaceAndFindNext(editor_, values_, undo_);
  RefreshUndoButton();
}

void TReplform::Button3Click() {
  StoreValues();
  ReplaceAllInEditor(editor_, values_.what, values_.with, values_.caseSensitive, undo_);
  RefreshUndoButton();
}

void TReplform::Button4Click() {
  RunFullUndo(editor_, undo_);
  RefreshUndoButton();
}

void TReplform::Button5Click() {
  SetUndo(std::string());
  close();
}

void TReplform::Button6Click() {
  values_.what.clear();
  values_.with.clear();
  ShowFields();
}

void TReplform::Button7Click() {
  values_.what = values_.memWhat;
  values_.with = values_.memWith;
  ShowFields();
}

void TReplform::Button8Click() {
  SetSelButton();
  if (!buttons_[8]->isEnabled()) return;
  values_.what = editor_.edit.SelText();
  ShowFields();
}

void TReplform::Button9Click() {
  values_.memWhat = values_.what;
  values_.memWith = values_.with;
  ShowFields();
}

void TReplform::Button10Click() {
  ExchangeWithMemory(values_);
  ShowFields();
}

void TReplform::Closed() {
  // A closed dialog forgets its full undo.
  SetUndo(std::string());
}


}  // namespace quillet
