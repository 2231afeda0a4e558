// The text look dialog TPostOptForm ("Настройка текста"): the font and the colours of the
// editor in its read-only mode (Memo1, ColorBox2, ColorBox3) and in its editing mode (Memo2,
// ColorBox4, ColorBox5), shown on two samples; one font name for both. OK gives the looks
// back, Cancel nothing.
#pragma once

#include <QDialog>

#include <string>

#include "core/font_appearance.h"
#include "platform/edit_control.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quillet {

class IColorDialog;
class IFontDialog;
class TColorBox;

class TPostOptForm : public QDialog {
  Q_OBJECT

 public:
  TPostOptForm(IFontDialog& fontDialog, IColorDialog& colorDialog, QWidget* parent = nullptr);

  // SetStart: the colour lists and the samples take the two looks and the font name.
  void SetStart(const TFontAppearance& editLook, const TFontAppearance& noEditLook, const std::string& fontName);
  // BitBtn1Click's records: the samples' fonts with the lists' colours, Memo1's font name.
  void GetLooks(TFontAppearance& editLook, TFontAppearance& noEditLook, std::string& fontName) const;
  // "Настройки" ▸ "Шрифт": SetStart, modal, centred on the screen; on OK the three values
  // take the dialog's choice and the answer is true; on Cancel they stay as they were.
  bool Execute(TFontAppearance& editLook, TFontAppearance& noEditLook, std::string& fontName);

  // "Выбрать шрифт": the font dialog, preset with the read-only sample's font; on OK both
  // samples take the chosen font, their colours stay.
  void Button2Click();

  // What the samples show: Memo1 (read-only look) and Memo2 (editing look).
  const TextLook& Memo1Look() const { return memo1Look_; }
  const TextLook& Memo2Look() const { return memo2Look_; }

 private:
  void ShowSamples();

  IFontDialog& fontDialog_;
  TextLook memo1Look_;
  TextLook memo2Look_;

  QPlainTextEdit* memo1_ = nullptr;
  QPlainTextEdit* memo2_ = nullptr;
  TColorBox* colorBox2_ = nullptr;
  TColorBox* colorBox3_ = nullptr;
  TColorBox* colorBox4_ = nullptr;
  TColorBox* colorBox5_ = nullptr;
  QPushButton* button2_ = nullptr;
  QPushButton* bitBtn1_ = nullptr;
  QPushButton* bitBtn2_ = nullptr;
};

}  // namespace quillet
