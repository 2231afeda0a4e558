// The font and colour dialogs: Qt's own dialogs (the same on every desktop), preset with and
// read back into the program's looks and colour values.
#pragma once

#include <functional>

#include "platform/look_dialogs.h"

class QColorDialog;
class QFontDialog;
class QWidget;

namespace quillet {

class QtLookDialogs : public IFontDialog, public IColorDialog {
 public:
  static constexpr const char* kFontDialogName = "QuilletFontDialog";
  static constexpr const char* kColorDialogName = "QuilletColorDialog";

  explicit QtLookDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  bool ChooseFont(TextLook& look, bool ansiOnly) override;
  bool ChooseColor(uint32_t& value) override;

  // Run with the dialog right before it is shown (tests answer it from here).
  void SetBeforeShowFont(std::function<void(QFontDialog&)> hook) { beforeFont_ = std::move(hook); }
  void SetBeforeShowColor(std::function<void(QColorDialog&)> hook) { beforeColor_ = std::move(hook); }

 private:
  QWidget* parent_;
  std::function<void(QFontDialog&)> beforeFont_;
  std::function<void(QColorDialog&)> beforeColor_;
};

}  // namespace quillet
