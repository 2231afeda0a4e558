#include "ui/options/post_opt_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/look_dialogs.h"
#include "ui/widgets/color_box.h"
#include "ui/widgets/dialog_utils.h"
#include "ui/widgets/widget_utils.h"

namespace quillet {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The samples: an empty line, then the word.
const char* const kSampleText = "\n   Пример";
constexpr QSize kSampleSize(190, 64);

QPlainTextEdit* NewSample(QWidget* parent, const char* name) {
  auto* sample = new QPlainTextEdit(parent);
  sample->setObjectName(QLatin1String(name));
  sample->setReadOnly(true);
  sample->setFocusPolicy(Qt::NoFocus);
  sample->setLineWrapMode(QPlainTextEdit::NoWrap);
  sample->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sample->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sample->setFixedSize(kSampleSize);
  sample->setPlainText(U(kSampleText));
  return sample;
}

}  // namespace

TPostOptForm::TPostOptForm(IFontDialog& fontDialog, IColorDialog& colorDialog, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      fontDialog_(fontDialog) {
  setObjectName(QStringLiteral("PostOptForm"));
  setWindowTitle(U("Настройка текста"));

  auto* group = new QGroupBox(U("Шрифт"), this);
  group->setObjectName(QStringLiteral("GroupBox1"));
  const QString readOnlyHint = U("Вид, который будет иметь текст, если включен запрет на его редактирование с клавиатуры");
  QLabel* label1 = NewLabel(group, "Label1", U("В режиме запрещённого ввода"));
  label1->setToolTip(readOnlyHint);
  memo1_ = NewSample(group, "Memo1");
  memo1_->setToolTip(readOnlyHint);
  QLabel* label2 = NewLabel(group, "Label2", U("В режиме редактирования"));
  memo2_ = NewSample(group, "Memo2");
  colorBox2_ = NewColorBox(group, "ColorBox2", colorDialog);
  colorBox3_ = NewColorBox(group, "ColorBox3", colorDialog);
  colorBox4_ = NewColorBox(group, "ColorBox4", colorDialog);
  colorBox5_ = NewColorBox(group, "ColorBox5", colorDialog);
  button2_ = NewButton(group, "Button2", U("Выбрать шрифт"), QString());

  // Two columns, one per look: caption, sample, "Цвет" and "Фон".
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);
  struct Column {
    QLabel* caption;
    QPlainTextEdit* sample;
    const char* textLabel;
    TColorBox* text;
    const char* backLabel;
    TColorBox* back;
  };
  const Column columns[] = {{label1, memo1_, "Label3", colorBox2_, "Label4", colorBox3_},
                            {label2, memo2_, "Label5", colorBox4_, "Label6", colorBox5_}};
  int x = 0;
  for (const Column& c : columns) {
    grid->addWidget(c.caption, 0, x, 1, 2);
    grid->addWidget(c.sample, 1, x, 1, 2);
    grid->addWidget(NewLabel(group, c.textLabel, U("Цвет")), 2, x);
    grid->addWidget(c.text, 2, x + 1);
    grid->addWidget(NewLabel(group, c.backLabel, U("Фон")), 3, x);
    grid->addWidget(c.back, 3, x + 1);
    x += 3;
  }
  grid->setColumnMinimumWidth(2, 12);
  grid->addWidget(button2_, 4, 0, 1, 5, Qt::AlignHCenter);

  auto* column = new QVBoxLayout(this);
  column->addWidget(group);
  AddOkCancelRow(this, column, bitBtn1_, "BitBtn1", &bitBtn2_, "BitBtn2");
  column->setSizeConstraint(QLayout::SetFixedSize);

  // FormCreate: the Russian names by position, the window colour chosen.
  for (TColorBox* box : {colorBox2_, colorBox3_, colorBox4_, colorBox5_}) box->TranslateColorNames(false);

  // A colour chosen recolours its sample at once.
  connect(colorBox2_, &TColorBox::ColorChanged, this, [this](uint32_t v) { memo1Look_.fontColor = v; ShowSamples(); });
  connect(colorBox3_, &TColorBox::ColorChanged, this, [this](uint32_t v) { memo1Look_.backColor = v; ShowSamples(); });
  connect(colorBox4_, &TColorBox::ColorChanged, this, [this](uint32_t v) { memo2Look_.fontColor = v; ShowSamples(); });
  connect(colorBox5_, &TColorBox::ColorChanged, this, [this](uint32_t v) { memo2Look_.backColor = v; ShowSamples(); });
  connect(button2_, &QPushButton::clicked, this, &TPostOptForm::Button2Click);

  SetStart(EditLookDefault(), NoEditLookDefault(), DefaultEditFontName);
}

void TPostOptForm::ShowSamples() {
  ShowLook(memo1_, memo1Look_);
  ShowLook(memo2_, memo2Look_);
}

void TPostOptForm::SetStart(const TFontAppearance& editLook, const TFontAppearance& noEditLook,
                            const std::string& fontName) {
  colorBox2_->SetSelected(noEditLook.fontColor);
  colorBox4_->SetSelected(editLook.fontColor);
  colorBox3_->SetSelected(noEditLook.backColor);
  colorBox5_->SetSelected(editLook.backColor);
  memo2Look_ = editLook.ToLook(fontName);
  memo1Look_ = noEditLook.ToLook(fontName);
  ShowSamples();
}

void TPostOptForm::GetLooks(TFontAppearance& editLook, TFontAppearance& noEditLook, std::string& fontName) const {
  noEditLook.ReadFont(memo1Look_);
  editLook.ReadFont(memo2Look_);
  noEditLook.backColor = colorBox3_->Selected();
  noEditLook.fontColor = colorBox2_->Selected();
  editLook.backColor = colorBox5_->Selected();
  editLook.fontColor = colorBox4_->Selected();
  fontName = memo1Look_.fontName;
}

bool TPostOptForm::Execute(TFontAppearance& editLook, TFontAppearance& noEditLook, std::string& fontName) {
  SetStart(editLook, noEditLook, fontName);
  adjustSize();
  CenterOnScreen(this);
  if (exec() != QDialog::Accepted) return false;
  GetLooks(editLook, noEditLook, fontName);
  return true;
}

void TPostOptForm::Button2Click() {
  TextLook chosen = memo1Look_;
  if (!fontDialog_.ChooseFont(chosen, false)) return;
  TakeFont(memo1Look_, chosen);
  TakeFont(memo2Look_, chosen);
  ShowSamples();
}

}  // namespace quillet
