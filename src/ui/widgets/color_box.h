// The colour list of the look dialogs: a drop-down list of the custom entry, the standard, the
// extended and the system colours, each with a swatch and a readable name. Choosing the custom
// entry from the open list asks a colour dialog for its colour.
#pragma once

#include <QComboBox>

#include <cstdint>
#include <vector>

#include "core/color_names.h"

namespace quillet {

class IColorDialog;

class TColorBox : public QComboBox {
  Q_OBJECT

 public:
  explicit TColorBox(QWidget* parent = nullptr);

  // The dialog the custom entry asks; without one the custom entry keeps its colour.
  void SetColorDialog(IColorDialog* dialog) { dialog_ = dialog; }

  // The colour value of the chosen entry.
  uint32_t Selected() const;
  // Chooses the entry of that colour value (the custom entry only when no other has it); a
  // value no entry has becomes the custom entry's colour. Not a choice of the user: no signal.
  void SetSelected(uint32_t value);

  // The Russian names (see core/color_names.h); without byName the window colour is chosen
  // afterwards.
  void TranslateColorNames(bool byName);

  const std::vector<ColorEntry>& Entries() const { return entries_; }

  void hidePopup() override;

 signals:
  // The user chose a colour (also the custom one, once its dialog said OK).
  void ColorChanged(uint32_t value);

 private:
  void Choose(int index, bool fromList);
  void ShowEntry(int index);

  std::vector<ColorEntry> entries_;
  IColorDialog* dialog_ = nullptr;
  int chosen_ = -1;           // the entry chosen last, for a custom colour dialog that is cancelled
  bool listClosing_ = false;  // the open list is closing: what it activates was picked in it
};

// A colour list named name whose custom entry asks dialog.
TColorBox* NewColorBox(QWidget* parent, const char* name, IColorDialog& dialog);

}  // namespace quillet
