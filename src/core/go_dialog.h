// What the go-to dialog needs apart from its window: its values, its position display, its
// placement on the screen and the caption of its time group.
#pragma once

#include <cstdint>
#include <string>

#include "core/editor.h"

namespace quillet {

// The values of the go-to dialog, kept between openings and stored between runs ("GoFrm_...").
inline constexpr int kGoFormNoPosition = -1000;  // no stored left / top: the position is left alone
struct GoDialogValues {
  int left = kGoFormNoPosition;   // "GoFrm_FLeft"
  int top = kGoFormNoPosition;    // "GoFrm_FTop"
  bool autoClose = false;         // "Автозакрытие" ("GoFrm_AutoClose")
  bool canText = false;           // "Доступный текст" ("GoFrm_CanText")
  bool showErrors = true;         // "Ошибки" ("GoFrm_ErrMess")
  bool keepPosition = false;      // "Окно" ("GoFrm_Win")
  int line = 1;                   // "Строка" ("GoFrm_Pos"), 1 to 32767
  int block = 0;                  // "Блок" ("GoFrm_BlcStr"), 0 to 32767
  bool nearest = false;           // "Ближ." ("GoFrm_NearT")
  bool seconds = false;           // "Cек" ("GoFrm_UseSec")
  int32_t time = 0;               // the picker's time of day, whole-second ms ("GoFrm_Time")
};

// The position display of the dialog (setInfo) and the status bar fields it fills.
struct GoInfo {
  std::string line;         // "Стр:"
  std::string block;        // "Блок:"
  std::string blockNumber;  // "Блок №:"
  bool blockGroup = false;  // the "Блок" group is enabled
  bool setStatus = false;   // the status bar's block and time fields take status1 / status2
  std::string status1, status2;
};
GoInfo GoPositionInfo(Editor& editor);

// SetFrmPos: where the dialog goes on a screen of width x height. With keepPosition the stored
// left is only pulled back so that enough of the dialog stays on the screen; otherwise the
// dialog goes to a fixed place of the screen.
struct FramePos {
  int left = 0;
  int top = 0;
};
FramePos SetFrmPos(int screenWidth, int screenHeight, int left, int top, int width, bool keepPosition);

// "Время: " + the picker's time as h:mm, or h:mm:ss with seconds (ShowTime).
std::string GoTimeCaption(int32_t pickerMs, bool withSeconds);

}  // namespace quillet
