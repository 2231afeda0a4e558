// The message look dialog TMessOptForm ("Настрока шрифта окна сообщений"): the font and the
// colours of the message pane, shown on a sample; OK gives the look back, Cancel nothing.
#pragma once

#include <QDialog>

#include <string>

#include "core/font_appearance.h"
#include "platform/edit_control.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace quillet {

class IColorDialog;
class IFontDialog;
class TColorBox;

class TMessOptForm : public QDialog {
  Q_OBJECT

 public:
  TMessOptForm(IFontDialog& fontDialog, IColorDialog& colorDialog, QWidget* parent = nullptr);

  // SetStart: the lists choose the look's colours, the sample takes the look and the font
  // name, the labels show the name and the look's size.
  void SetStart(const TFontAppearance& look, const std::string& fontName);
  // BitBtn1Click's record: the sample's font with the lists' colours, the sample's font name.
  void GetLook(TFontAppearance& look, std::string& fontName) const;
  // "Настроить вид": SetStart, modal, centred on the screen; on OK the look and the name take
  // the dialog's choice and the answer is true; on Cancel they stay as they were.
  bool Execute(TFontAppearance& look, std::string& fontName);

  // "Сменить шрифт": the font dialog (fonts of the code page only), preset with the sample's
  // font; on OK the sample takes the chosen font and the labels show its name and size.
  void BitBtn3Click();

  const TextLook& SampleLook() const { return sampleLook_; }

 private:
  void ShowSample();

  IFontDialog& fontDialog_;
  TextLook sampleLook_;

  QTextEdit* richEdit1_ = nullptr;
  QPushButton* bitBtn3_ = nullptr;
  QLabel* fontName_ = nullptr;
  QLabel* fontSize_ = nullptr;
  TColorBox* colorBox1_ = nullptr;
  TColorBox* colorBox2_ = nullptr;
  QPushButton* bitBtn1_ = nullptr;
  QPushButton* bitBtn2_ = nullptr;
};

}  // namespace quillet
