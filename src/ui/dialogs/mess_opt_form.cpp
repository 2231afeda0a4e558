#include "ui/dialogs/mess_opt_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "platform/look_dialogs.h"
#include "ui/widgets/color_box.h"
#include "ui/widgets/dialog_utils.h"
#include "ui/widgets/widget_utils.h"

namespace quillet {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The sample: an empty line, then the word.
const char* const kSampleText = "\n     Пример";

}  // namespace

TMessOptForm::TMessOptForm(IFontDialog& fontDialog, IColorDialog& colorDialog, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      fontDialog_(fontDialog) {
  setObjectName(QStringLiteral("MessOptForm"));
  setWindowTitle(U("Настрока шрифта окна сообщений"));

  richEdit1_ = new QTextEdit(this);
  richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
  richEdit1_->setReadOnly(true);
  richEdit1_->setAcceptRichText(false);
  richEdit1_->setFocusPolicy(Qt::NoFocus);
  richEdit1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  richEdit1_->setFixedSize(300, 72);

  bitBtn3_ = NewButton(this, "BitBtn3", U("Сменить шрифт"), QString());

  auto* group = new QGroupBox(U("Шрифт"), this);
  group->setObjectName(QStringLiteral("GroupBox1"));
  fontName_ = NewLabel(group, "Label3", QString());
  fontSize_ = NewLabel(group, "Label4", QString());
  auto* fontGrid = new QGridLayout(group);
  fontGrid->addWidget(NewLabel(group, "Label1", U("Имя:")), 0, 0);
  fontGrid->addWidget(fontName_, 0, 1);
  fontGrid->addWidget(NewLabel(group, "Label2", U("Размер:")), 1, 0);
  fontGrid->addWidget(fontSize_, 1, 1);
  fontGrid->setColumnStretch(1, 1);

  colorBox1_ = NewColorBox(this, "ColorBox1", colorDialog);
  colorBox2_ = NewColorBox(this, "ColorBox2", colorDialog);
  auto* colors = new QGridLayout;
  colors->addWidget(NewLabel(this, "Label5", U("Цвет")), 0, 0);
  colors->addWidget(colorBox1_, 0, 1);
  colors->addWidget(NewLabel(this, "Label6", U("Фон")), 1, 0);
  colors->addWidget(colorBox2_, 1, 1);
  colors->setColumnStretch(1, 1);

  auto* right = new QVBoxLayout;
  right->addWidget(bitBtn3_);
  right->addLayout(colors);
  right->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addWidget(group, 1);
  row->addLayout(right, 1);

  auto* column = new QVBoxLayout(this);
  column->addWidget(richEdit1_, 0, Qt::AlignHCenter);
  column->addLayout(row);
  AddOkCancelRow(this, column, bitBtn1_, "BitBtn1", &bitBtn2_, "BitBtn2");
  column->setSizeConstraint(QLayout::SetFixedSize);

  // FormCreate: the Russian names of the entries the table names.
  for (TColorBox* box : {colorBox1_, colorBox2_}) box->TranslateColorNames(true);

  connect(colorBox1_, &TColorBox::ColorChanged, this, [this](uint32_t v) { sampleLook_.fontColor = v; ShowSample(); });
  connect(colorBox2_, &TColorBox::ColorChanged, this, [this](uint32_t v) { sampleLook_.backColor = v; ShowSample(); });
  connect(bitBtn3_, &QPushButton::clicked, this, &TMessOptForm::BitBtn3Click);

  SetStart(MessLookDefault(), DefaultMessFontName);
}

void TMessOptForm::ShowSample() {
  ShowLook(richEdit1_, sampleLook_);
  // The text takes the new look when it is set anew.
  richEdit1_->setPlainText(U(kSampleText));
}

void TMessOptForm::SetStart(const TFontAppearance& look, const std::string& fontName) {
  colorBox1_->SetSelected(look.fontColor);
  colorBox2_->SetSelected(look.backColor);
  sampleLook_ = look.ToLook(fontName);
  ShowSample();
  fontName_->setText(QString::fromStdString(fontName));
  fontSize_->setText(QString::number(look.size));
}

void TMessOptForm::GetLook(TFontAppearance& look, std::string& fontName) const {
  look.ReadFont(sampleLook_);
  look.backColor = colorBox2_->Selected();
  look.fontColor = colorBox1_->Selected();
  fontName = sampleLook_.fontName;
}

bool TMessOptForm::Execute(TFontAppearance& look, std::string& fontName) {
  SetStart(look, fontName);
  adjustSize();
  CenterOnScreen(this);
  if (exec() != QDialog::Accepted) return false;
  GetLook(look, fontName);
  return true;
}

void TMessOptForm::BitBtn3Click() {
  TextLook chosen = sampleLook_;
  if (!fontDialog_.ChooseFont(chosen, true)) return;
  TakeFont(sampleLook_, chosen);
  ShowSample();
  fontName_->setText(QString::fromStdString(chosen.fontName));
  fontSize_->setText(QString::number(chosen.size));
}

}  // namespace quillet
