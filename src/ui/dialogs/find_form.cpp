#include "ui/dialogs/find_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/text_search.h"
#include "ui/dialogs/dialog_parts.h"

namespace quillet {

TFindForm::TFindForm(Editor& editor, FindDialogValues& values, QWidget* parent)
    : TToolDialog(parent), editor_(editor), values_(values) {
  setObjectName(QStringLiteral("FindForm"));
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(8);

  auto* label = new QLabel(QStringLiteral("Что:"), this);
  label->setObjectName(QStringLiteral("Label1"));
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName(QStringLiteral("Edit1"));
  edit1_->setMinimumWidth(220);
  label->setBuddy(edit1_);

  QGroupBox* groupBox1 = NewDirectionGroup(this, radioButton1_, radioButton2_);

  checkBox1_ = new QCheckBox(QStringLiteral("С учётом регистра"), this);
  checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
  checkBox1_->setToolTip(QStringLiteral("Поиск текста с учётом регистра букв"));

  button1_ = NewDialogButton(this, "Button1", QStringLiteral("Найти далее"));
  button2_ = NewDialogButton(this, "Button2", QStringLiteral("Закрыть"));
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(button1_);
  buttons->addWidget(button2_);
  buttons->addStretch(1);

  auto* optionRow = new QHBoxLayout;
  optionRow->addWidget(checkBox1_, 0, Qt::AlignBottom);
  optionRow->addStretch(1);
  optionRow->addWidget(groupBox1);
  grid->addWidget(label, 0, 0);
  grid->addWidget(edit1_, 0, 1);
  grid->addLayout(optionRow, 1, 0, 1, 2);
  grid->addLayout(buttons, 0, 2, 2, 1);
  SetDialogWindowStyle(this, QStringLiteral("Найти"), true);
  setModal(false);

  LoadValues();
  connect(button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(button2_, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(edit1_, &QLineEdit::returnPressed, this, [this] {
    if (button1_->isEnabled()) Button1Click();
  });
  connect(edit1_, &QLineEdit::textChanged, this, [this] { StoreValues(); });
  connect(radioButton2_, &QRadioButton::toggled, this, [this] { StoreValues(); });
  connect(checkBox1_, &QCheckBox::toggled, this, [this] { StoreValues(); });
}

void TFindForm::LoadValues() {
  loading_ = true;
  edit1_->setText(AnsiToQString(values_.what));
  radioButton2_->setChecked(values_.down);
  radioButton1_->setChecked(!values_.down);
  checkBox1_->setChecked(values_.caseSensitive);
  loading_ = false;
}

void TFindForm::StoreValues() {
  if (loading_) return;
  values_.what = FieldAnsi(edit1_);
  values_.down = radioButton2_->isChecked();
  values_.caseSensitive = checkBox1_->isChecked();
}

void TFindForm::SetWhat(const std::string& ansi) { edit1_->setText(AnsiToQString(ansi)); }
void TFindForm::ResetCase() { checkBox1_->setChecked(false); }
std::string TFindForm::What() const { return FieldAnsi(edit1_); }

void TFindForm::FindText() {
  StoreValues();
  DialogFindText(editor_, values_.what, values_.down, values_.caseSensitive);
}

void TFindForm::Button1Click() { FindText(); }
void TFindForm::Button2Click() { close(); }


}  // namespace quillet
