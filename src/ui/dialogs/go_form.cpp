#include "ui/dialogs/go_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "core/editor_routines.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/widgets/number_field.h"
#include "ui/widgets/widget_utils.h"

namespace quillet {

namespace {

QLabel* NewInfoLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

// A button of a row of adjoining arrow buttons: as wide as its caption.
QPushButton* NewArrowButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  QPushButton* button = NewDialogButton(parent, name, caption, hint);
  button->setFixedWidth(std::max(26, button->fontMetrics().horizontalAdvance(caption) + 14));
  return button;
}

QHBoxLayout* NewTightRow() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  return row;
}

}  // namespace

TGoForm::TGoForm(Editor& editor, GoDialogValues& values, QWidget* parent)
    : TToolDialog(parent), editor_(editor), values_(values) {
  setObjectName(QStringLiteral("GoForm"));
  Build();
  SetDialogWindowStyle(this, QStringLiteral("Перейти..."), false);
  LoadValues();
}

void TGoForm::Build() {
  auto* column = new QVBoxLayout(this);
  column->setSpacing(6);

  // Where the caret stands.
  auto* groupBox1 = new QGroupBox(QStringLiteral("Текущая позиция:"), this);
  groupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* info = new QGridLayout(groupBox1);
  info->setHorizontalSpacing(6);
  info->addWidget(NewInfoLabel(groupBox1, "Label3", QStringLiteral("Стр:")), 0, 0);
  label4_ = NewInfoLabel(groupBox1, "Label4", QString());
  info->addWidget(label4_, 0, 1);
  info->addWidget(NewInfoLabel(groupBox1, "Label5", QStringLiteral("Блок:")), 0, 2);
  label6_ = NewInfoLabel(groupBox1, "Label6", QString());
  info->addWidget(label6_, 0, 3);
  info->addWidget(NewInfoLabel(groupBox1, "Label7", QStringLiteral("Блок №:")), 0, 4);
  label8_ = NewInfoLabel(groupBox1, "Label8", QString());
  info->addWidget(label8_, 0, 5);
  for (int c : {1, 3, 5}) info->setColumnStretch(c, 1);
  column->addWidget(groupBox1);

  // Line and block side by side.
  auto* moves = new QHBoxLayout;
  auto* groupBox2 = new QGroupBox(QStringLiteral("Строка"), this);
  groupBox2->setObjectName(QStringLiteral("GroupBox2"));
  edit1_ = new TNumberEdit(QStringLiteral("Edit1"), QStringLiteral("UpDown1"), 1, 32767, 1, groupBox2);
  auto* button1 = NewDialogButton(groupBox2, "Button1", QStringLiteral("Поз"), QStringLiteral("На указанную позицию"));
  auto* button2 = NewArrowButton(groupBox2, "Button2", QStringLiteral("н"), QStringLiteral("На начало"));
  auto* button3 = NewArrowButton(groupBox2, "Button3", QStringLiteral("к"), QStringLiteral("В конец"));
  auto* lineColumn = new QVBoxLayout(groupBox2);
  auto* lineRow = new QHBoxLayout;
  lineRow->addWidget(edit1_, 1);
  lineRow->addWidget(button1);
  lineColumn->addLayout(lineRow);
  auto* edgeRow = NewTightRow();
  edgeRow->addWidget(button2);
  edgeRow->addWidget(button3);
  edgeRow->addStretch(1);
  lineColumn->addLayout(edgeRow);
  moves->addWidget(groupBox2);

  groupBox3_ = new QGroupBox(QStringLiteral("Блок"), this);
  groupBox3_->setObjectName(QStringLiteral("GroupBox3"));
  edit17_ = new TNumberEdit(QStringLiteral("Edit17"), QStringLiteral("UpDown10"), 0, 32767, 0, groupBox3_);
  auto* button30 = NewArrowButton(groupBox3_, "Button30", QStringLiteral("<"), QStringLiteral("На предыдущий блок"));
  auto* button31 = NewArrowButton(groupBox3_, "Button31", QStringLiteral(">"), QStringLiteral("На следующий блок"));
  auto* button32 = NewArrowButton(groupBox3_, "Button32", QStringLiteral("№:"), QStringLiteral("На блок с заданным номером"));
  auto* button33 = NewArrowButton(groupBox3_, "Button33", QStringLiteral("<"),
                                  QStringLiteral("На предыдущий блок с заданным номером"));
  auto* button34 = NewArrowButton(groupBox3_, "Button34", QStringLiteral(">"),
                                  QStringLiteral("На следующий блок с заданным номером"));
  auto* blockColumn = new QVBoxLayout(groupBox3_);
  auto* numberRow = new QHBoxLayout;
  numberRow->addWidget(button32);
  numberRow->addWidget(edit17_, 1);
  auto* numberArrows = NewTightRow();
  numberArrows->addWidget(button33);
  numberArrows->addWidget(button34);
  numberRow->addLayout(numberArrows);
  blockColumn->addLayout(numberRow);
  auto* blockArrows = NewTightRow();
  blockArrows->addWidget(button30);
  blockArrows->addWidget(button31);
  blockArrows->addStretch(1);
  blockColumn->addLayout(blockArrows);
  moves->addWidget(groupBox3_);
  column->addLayout(moves);

  // Time.
  groupBox4_ = new QGroupBox(QStringLiteral("Время"), this);
  groupBox4_->setObjectName(QStringLiteral("GroupBox4"));
  dateTimePicker1_ = new QTimeEdit(QTime(0, 0, 0), groupBox4_);
  dateTimePicker1_->setObjectName(QStringLiteral("DateTimePicker1"));
  dateTimePicker1_->setDisplayFormat(QStringLiteral("H:mm:ss"));
  checkBox6_ = NewCheckBox(groupBox4_, "CheckBox6", QStringLiteral("Cек"),
                           QStringLiteral("Учитывать секунды при переходе"), false);
  checkBox1_ = NewCheckBox(groupBox4_, "CheckBox1", QStringLiteral("Ближ."),
                           QStringLiteral("При переходах на время будет переходить на наиболее близкое время к заданному, "
                                          "если заданного не найдено"),
                           false);
  auto* button5 = NewArrowButton(groupBox4_, "Button5", QStringLiteral("T"), QStringLiteral("Перейти на заданное время"));
  auto* button6 = NewArrowButton(groupBox4_, "Button6", QStringLiteral("<"),
                                 QStringLiteral("Перейти на пердыдущее заданное время"));
  auto* button7 = NewArrowButton(groupBox4_, "Button7", QStringLiteral(">"),
                                 QStringLiteral("Перейти на следующее заданное время"));
  auto* timeRow = new QHBoxLayout(groupBox4_);
  timeRow->addWidget(dateTimePicker1_, 1);
  auto* timeButtons = NewTightRow();
  for (QPushButton* b : {button5, button6, button7}) timeButtons->addWidget(b);
  timeRow->addLayout(timeButtons);
  timeRow->addWidget(checkBox6_);
  timeRow->addWidget(checkBox1_);
  column->addWidget(groupBox4_);

  // Options and "X".
  checkBox2_ = NewCheckBox(this, "CheckBox2", QStringLiteral("Автозакрытие"),
                           QStringLiteral("Закрывать окно автоматически после успешного перехода"), false);
  checkBox3_ = NewCheckBox(this, "CheckBox3", QStringLiteral("Доступный текст"),
                           QStringLiteral("Разрешить редактировние текста при открытом окне перехода"), false);
  checkBox4_ = NewCheckBox(this, "CheckBox4", QStringLiteral("Окно"), QStringLiteral("Запоминать позицию окна"), false);
  checkBox5_ = NewCheckBox(this, "CheckBox5", QStringLiteral("Ошибки"),
                           QStringLiteral("Выводить сообщения об ошибках при попытках некорректного перехода"), true);
  auto* button4 = NewArrowButton(this, "Button4", QStringLiteral("X"), QStringLiteral("Закрыть"));
  auto* options = new QGridLayout;
  options->addWidget(checkBox2_, 0, 0);
  options->addWidget(checkBox3_, 0, 1);
  options->addWidget(checkBox4_, 1, 0);
  options->addWidget(checkBox5_, 1, 1);
  options->addWidget(button4, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
  options->setColumnStretch(2, 1);
  column->addLayout(options);

  connect(button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  connect(button5, &QPushButton::clicked, this, [this] { Button5Click(); });
  connect(button6, &QPushButton::clicked, this, [this] { Button6Click(); });
  connect(button7, &QPushButton::clicked, this, [this] { Button7Click(); });
  connect(button30, &QPushButton::clicked, this, [this] { Button30Click(); });
  connect(button31, &QPushButton::clicked, this, [this] { Button31Click(); });
  connect(button32, &QPushButton::clicked, this, [this] { Button32Click(); });
  connect(button33, &QPushButton::clicked, this, [this] { Button33Click(); });
  connect(button34, &QPushButton::clicked, this, [this] { Button34Click(); });
  connect(checkBox3_, &QCheckBox::clicked, this, [this] { CheckBox3Click(); });
  connect(checkBox6_, &QCheckBox::toggled, this, [this] {
    StoreValues();
    ShowTime();
  });
  connect(dateTimePicker1_, &QTimeEdit::timeChanged, this, [this] {
    StoreValues();
    ShowTime();
  });
  for (QCheckBox* box : {checkBox1_, checkBox2_, checkBox4_, checkBox5_}) {
    connect(box, &QCheckBox::toggled, this, [this] { StoreValues(); });
  }
  connect(edit1_, &TNumberEdit::Changed, this, [this] { StoreValues(); });
  connect(edit17_, &TNumberEdit::Changed, this, [this] { StoreValues(); });
}

void TGoForm::LoadValues() {
  checkBox3Tag_ = 0;
  loading_ = true;
  edit1_->SetPosition(values_.line);
  edit17_->SetPosition(values_.block);
  dateTimePicker1_->setTime(QTime::fromMSecsSinceStartOfDay(values_.time % 86400000));
  checkBox1_->setChecked(values_.nearest);
  checkBox2_->setChecked(values_.autoClose);
  checkBox3_->setChecked(values_.canText);
  checkBox4_->setChecked(values_.keepPosition);
  checkBox5_->setChecked(values_.showErrors);
  checkBox6_->setChecked(values_.seconds);
  loading_ = false;
  StoreValues();
  ShowTime();
  checkBox3Tag_ = 1;
}

void TGoForm::StoreValues() {
  if (loading_) return;
  values_.line = edit1_->Position();
  values_.block = edit17_->Position();
  values_.time = dateTimePicker1_->time().msecsSinceStartOfDay() / 1000 * 1000;
  values_.nearest = checkBox1_->isChecked();
  values_.autoClose = checkBox2_->isChecked();
  values_.canText = checkBox3_->isChecked();
  values_.keepPosition = checkBox4_->isChecked();
  values_.showErrors = checkBox5_->isChecked();
  values_.seconds = checkBox6_->isChecked();
}

void TGoForm::setstart() {
  // SetFrmPos: a stored place when "Окно" keeps it, else a fixed place of the screen.
  const QScreen* where = parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen();
  if (where) {
    const QRect area = where->availableGeometry();
    const int width = sizeHint().width();
    if (!values_.keepPosition) {
      const FramePos p = SetFrmPos(area.width(), area.height(), x(), y(), width, false);
      move(area.x() + p.left, area.y() + p.top);
    } else if (values_.left != kGoFormNoPosition || values_.top != kGoFormNoPosition) {
      const FramePos p = SetFrmPos(area.width(), area.height(), values_.left - area.x(), values_.top - area.y(),
                                   width, true);
      move(area.x() + p.left, area.y() + p.top);
    }
  }
  setInfo();
  modeSwitch_ = false;
  ShowTime();
}

void TGoForm::GoFormSp() {
  for (;;) {
    modeSwitch_ = false;
    if (checkBox3_->isChecked()) break;
    SetDialogWindowStyle(this, windowTitle(), false);
    modalRun_ = true;
    exec();
    modalRun_ = false;
    if (!modeSwitch_) return;
  }
  SetDialogWindowStyle(this, windowTitle(), true);
  setModal(false);
  show();
  raise();
  activateWindow();
}

void TGoForm::CheckBox3Click() {
  StoreValues();
  if (checkBox3Tag_ == 0) return;
  modeSwitch_ = true;
  if (modalRun_) {
    // GoFormSp shows the dialog again, modeless.
    done(1);
    return;
  }
  close();
  QApplication::processEvents();
  GoFormSp();
}

void TGoForm::setInfo() {
  const GoInfo info = GoPositionInfo(editor_);
  label4_->setText(QString::fromStdString(info.line));
  label6_->setText(QString::fromStdString(info.block));
  label8_->setText(QString::fromStdString(info.blockNumber));
  groupBox3_->setEnabled(info.blockGroup);
  if (info.setStatus) emit StatusFields(QString::fromStdString(info.status1), QString::fromStdString(info.status2));
}

void TGoForm::ShowTime() {
  groupBox4_->setTitle(QString::fromStdString(
      GoTimeCaption(dateTimePicker1_->time().msecsSinceStartOfDay(), checkBox6_->isChecked())));
}

void TGoForm::SetMemoPos(int line) {
  SetMemoCaretLine(editor_.edit, line);
  if (checkBox2_->isChecked()) {
    close();
    QApplication::processEvents();
    editor_.host.SetStatus();
    editor_.FocusEditor();
    return;
  }
  // The status update refreshes the position display while the dialog is visible.
  editor_.host.SetStatus();
  if (checkBox3_->isChecked()) editor_.FocusEditor();
}

void TGoForm::GoShowError(const std::string& message) {
  if (message.empty()) return;
  TellGoError(editor_, message, checkBox5_->isChecked());
}

void TGoForm::Move(GoBusyTag& sender, const GoRequest& request) {
  StoreValues();
  int line = 0;
  std::string message;
  if (RunGoMove(editor_, sender, request, line, message)) {
    SetMemoPos(line);
  } else {
    // The first and last line have no message: their failure has beeped already.
    GoShowError(message);
  }
}

void TGoForm::Button1Click() {
  GoBusyTag unguarded;
  Move(unguarded, {GoMove::Line, edit1_->Position()});
}
void TGoForm::Button2Click() { Move(tag2_, {GoMove::FirstLine}); }
void TGoForm::Button3Click() { Move(tag3_, {GoMove::LastLine}); }
void TGoForm::Button30Click() { Move(tag30_, {GoMove::PrevBlock}); }
void TGoForm::Button31Click() { Move(tag31_, {GoMove::NextBlock}); }

void TGoForm::GoBlcstr(GoMode mode, GoBusyTag& sender) { Move(sender, {GoMove::Block, edit17_->Position(), mode}); }
void TGoForm::Button32Click() { GoBlcstr(GoMode::FromTop, tag32_); }
void TGoForm::Button33Click() { GoBlcstr(GoMode::Before, tag33_); }
void TGoForm::Button34Click() { GoBlcstr(GoMode::After, tag34_); }

void TGoForm::GoTimeStr(GoMode mode, GoBusyTag& sender) {
  Move(sender, {GoMove::Time, dateTimePicker1_->time().msecsSinceStartOfDay(), mode, checkBox1_->isChecked(),
                checkBox6_->isChecked()});
}
void TGoForm::Button5Click() { GoTimeStr(GoMode::FromTop, tag5_); }
void TGoForm::Button6Click() { GoTimeStr(GoMode::Before, tag6_); }
void TGoForm::Button7Click() { GoTimeStr(GoMode::After, tag7_); }

void TGoForm::Button4Click() {
  if (modalRun_) {
    done(1);
  } else {
    close();
  }
}

void TGoForm::Closed() {
  values_.left = x();
  values_.top = y();
}

}  // namespace quillet
