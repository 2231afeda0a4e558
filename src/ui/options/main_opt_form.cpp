#include "ui/options/main_opt_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/widgets/dialog_utils.h"
#include "ui/widgets/number_field.h"

namespace quillet {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The size field holds at most four digits.
constexpr int kSizeDigits = 4;
// A large size limit shows in red (colour value 0x0000FF).
const QColor kLargeSizeColor(0xFF, 0x00, 0x00);

QGroupBox* NewGroup(QWidget* parent, const char* name, const char* caption) {
  auto* group = new QGroupBox(U(caption), parent);
  group->setObjectName(QLatin1String(name));
  return group;
}

QRadioButton* NewRadio(QWidget* parent, const char* name, const char* caption, const char* hint) {
  auto* radio = new QRadioButton(U(caption), parent);
  radio->setObjectName(QLatin1String(name));
  radio->setToolTip(U(hint));
  return radio;
}

}  // namespace

TMainOptForm1::TMainOptForm1(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("MainOptForm1"));
  setWindowTitle(U("Настройки программы"));

  // The file types (built elsewhere) at the left, the other groups in two columns beside.
  extGroupPlace_ = new QWidget(this);
  extGroupPlace_->setObjectName(QStringLiteral("ExtGroupPlace"));
  auto* placeLayout = new QVBoxLayout(extGroupPlace_);
  placeLayout->setContentsMargins(0, 0, 0, 0);
  extGroupPlace_->setMinimumSize(220, 280);

  QGroupBox* window = NewGroup(this, "GroupBox1", "Окно");
  checkBox1_ = NewCheckBox(window, "CheckBox1", U("Запоминать позицию"),
                           U("Запоминать позицию и размеры окна редактора"), false);
  checkBox4_ = NewCheckBox(window, "CheckBox4", U("Показывать подсказки"),
                           U("Разрешает всплывающие подсказки, подобные этой"), true);
  QVBoxLayout* windowColumn = NewGroupColumn(window);
  windowColumn->addWidget(checkBox1_);
  windowColumn->addWidget(checkBox4_);

  QGroupBox* size = NewGroup(this, "GroupBox2", "Размер файлов");
  edit2_ = new TNumberEdit(QStringLiteral("Edit2"), QStringLiteral("UpDown1"), kSizeMin, kSizeMax,
                           ProgramOptions().maxFileSizeKb, size, kSizeDigits);
  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(NewLabel(size, "Label1", U("Max, Кб:")));
  sizeRow->addWidget(edit2_);
  sizeRow->addStretch(1);
  NewGroupColumn(size)->addLayout(sizeRow);

  QGroupBox* panel = NewGroup(this, "GroupBox3", "Панель операций");
  checkBox5_ = NewCheckBox(panel, "CheckBox5", U("Показывть при запуске"),
                           U("Указывает, делать ли видимой панель операций при запуске программы, если при "
                             "последнем её закрытии отображение панели было отключено"),
                           true);
  NewGroupColumn(panel)->addWidget(checkBox5_);

  QGroupBox* saving = NewGroup(this, "GroupBox4", "Сохранение:");
  checkBox6_ = NewCheckBox(saving, "CheckBox6", U("Сохранять предыдущий"),
                           U("При сохранении файла его предыдущая версия будет перименована, а не перезаписана"),
                           false);
  edit3_ = new QLineEdit(saving);
  edit3_->setObjectName(QStringLiteral("Edit3"));
  edit3_->setToolTip(U("Будет добавлено к имени предыдущей версии файла"));
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(NewLabel(saving, "Label2", U("Имя +")));
  nameRow->addWidget(edit3_, 1);
  QVBoxLayout* savingColumn = NewGroupColumn(saving);
  savingColumn->addWidget(checkBox6_);
  savingColumn->addLayout(nameRow);

  QGroupBox* conversion = NewGroup(this, "GroupBox5", "Конвертация");
  radioButton1_ = NewRadio(conversion, "RadioButton1", "Автоматически",
                           "При открытии субтитров конвертировать их в srt-формат автоматически");
  radioButton2_ = NewRadio(conversion, "RadioButton2", "Спрашивать",
                           "При открытии субтитров спрашивать, следует ли сконвертировать их в srt-формат");
  radioButton3_ = NewRadio(conversion, "RadioButton3", "Не конвертировать", "Не конвертировать субтитры при их открытии");
  radioButton1_->setChecked(true);
  QVBoxLayout* conversionColumn = NewGroupColumn(conversion);
  for (QRadioButton* radio : {radioButton1_, radioButton2_, radioButton3_}) conversionColumn->addWidget(radio);

  QGroupBox* range = NewGroup(this, "GroupBox6", "Диапазон");
  checkBox7_ = NewCheckBox(range, "CheckBox7", U("Запоминать"),
                           U("Диапазон блоков, заданый в секции настрокий диапазонов, будет запоминаться и "
                             "восстанавливаться при  следующем запуске программы"),
                           false);
  checkBox8_ = NewCheckBox(range, "CheckBox8", U("Выделять"), U("Поля секции настроки диапазонов будут выделены цветом"),
                           false);
  QVBoxLayout* rangeColumn = NewGroupColumn(range);
  rangeColumn->addWidget(checkBox7_);
  rangeColumn->addWidget(checkBox8_);

  auto* left = new QVBoxLayout;
  for (QGroupBox* group : {window, size, panel, range}) left->addWidget(group);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  for (QGroupBox* group : {saving, conversion}) right->addWidget(group);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(extGroupPlace_, 1);
  columns->addLayout(left);
  columns->addLayout(right);

  auto* column = new QVBoxLayout(this);
  column->addLayout(columns);
  AddOkCancelRow(this, column, bitBtn1_, "BitBtn1");
  column->setSizeConstraint(QLayout::SetFixedSize);

  // What acts at once: the rest of the program reads these options.
  connect(checkBox4_, &QCheckBox::toggled, this, &TMainOptForm1::ShowHintsChanged);
  connect(checkBox6_, &QCheckBox::toggled, this, [this](bool on) { options_->saveLast = on; });
  connect(edit3_, &QLineEdit::textChanged, this, [this](const QString& text) { options_->saveLastAdd = text.toStdString(); });
  for (QRadioButton* radio : {radioButton1_, radioButton2_, radioButton3_}) {
    connect(radio, &QRadioButton::toggled, this, [this](bool on) {
      if (on) options_->konvType = GetKonvType();
    });
  }
  connect(checkBox7_, &QCheckBox::toggled, this, [this](bool on) { options_->diapRem = on; });
  connect(checkBox8_, &QCheckBox::toggled, this, [this](bool on) { options_->diapClr = on; });
  // The size field: its look follows every change, its lower limit applies on leaving.
  connect(edit2_, &TNumberEdit::Changed, this, &TMainOptForm1::SizeLook);
  edit2_->Edit()->installEventFilter(this);

  LoadControls();
}

void TMainOptForm1::Bind(ProgramOptions* options) {
  options_ = options != nullptr ? options : &own_;
  LoadControls();
}

void TMainOptForm1::LoadControls() {
  const ProgramOptions o = *options_;
  checkBox6_->setChecked(o.saveLast);
  edit3_->setText(QString::fromStdString(o.saveLastAdd));
  SetKonvType(o.konvType);
  checkBox7_->setChecked(o.diapRem);
  checkBox8_->setChecked(o.diapClr);
  edit2_->SetPosition(o.maxFileSizeKb);
  SizeLook();
}

void TMainOptForm1::SetValues(const MainOptValues& values) {
  checkBox1_->setChecked(values.saveWindow);
  checkBox4_->setChecked(values.showHints);
  checkBox5_->setChecked(values.showPanel);
  *options_ = values.options;
  LoadControls();
}

MainOptValues TMainOptForm1::Values() const {
  return MainOptValues{checkBox1_->isChecked(), checkBox4_->isChecked(), checkBox5_->isChecked(), *options_};
}

int TMainOptForm1::GetKonvType() const {
  if (radioButton1_->isChecked()) return 0;
  return radioButton2_->isChecked() ? 1 : 2;
}

void TMainOptForm1::SetKonvType(int type) {
  (type == 1 ? radioButton2_ : type == 2 ? radioButton3_ : radioButton1_)->setChecked(true);
  options_->konvType = GetKonvType();
}

void TMainOptForm1::SetExtGroup(QWidget* group) {
  QLayout* layout = extGroupPlace_->layout();
  while (QLayoutItem* item = layout->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  extGroupPlace_->setMinimumSize(0, 0);
  if (group != nullptr) layout->addWidget(group);
}

void TMainOptForm1::Execute() {
  emit Preparing();
  // A save may have put the default name back into "Имя +" meanwhile.
  LoadControls();
  exec();
}

void TMainOptForm1::SetBeep(const BeepFn& beep) { edit2_->SetBeep(beep); }

void TMainOptForm1::accept() {
  // OK with the keyboard does not leave the field first: its lower limit applies here too.
  SizeLeft();
  options_->maxFileSizeKb = edit2_->Position();
  QDialog::accept();
}

void TMainOptForm1::reject() {}

void TMainOptForm1::done(int result) {
  emit Closing();
  QDialog::done(result);
}

bool TMainOptForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit2_->Edit() && event->type() == QEvent::FocusOut) {
    // Leaving the field, not the window or for a menu.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) SizeLeft();
  }
  return QDialog::eventFilter(watched, event);
}

void TMainOptForm1::SizeLook() {
  QLineEdit* edit = edit2_->Edit();
  const bool large = edit->text().toInt() >= kSizeLarge;
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, large ? kLargeSizeColor : QApplication::palette(edit).color(QPalette::Text));
  edit->setPalette(palette);
  QFont font = edit->font();
  font.setBold(large);
  edit->setFont(font);
}

void TMainOptForm1::SizeLeft() {
  if (edit2_->Edit()->text().toInt() < kSizeLeftMin) edit2_->SetPosition(kSizeLeftMin);
}

}  // namespace quillet
