// The message window of the main window: where the outcome of every operation goes.
//
// A message is shown in the pane below or above the text, in the lower part of the operations
// panel, in a system box, or held back until the user asks for it. The last message is always
// remembered with its kind and time so that it can be repeated. TMessageWindow decides all of
// that; IMessageView only puts its decisions on the screen, so tests drive it with a fake view.
#pragma once

#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "platform/message_sink.h"
#include "platform/prompt.h"

namespace quillet {

// Placements of the "Окно сообщений" submenu (stored as a byte).
enum MessPlacement : uint8_t {
  kMessBelow = 0,   // "Снизу"
  kMessAbove = 1,   // "Сверху"
  kMessRight = 2,   // "Справа": under the operations panel
  kMessSystem = 3,  // "Системное": a modal box
  kMessOff = 4,     // "Отключить": held back
};

// Images of the message indicator.
inline constexpr int kImageMessError = 18;
inline constexpr int kImageMessOther = 19;

// Hints of the indicator.
inline constexpr const char* HintShowMess = "Показать сообщение";
inline constexpr const char* HintHideMessWin = "Скрыть окно сообщений";
inline constexpr const char* HintPutOutMess = "Погасить сообщение";

// Captions of the repeat entry of the "Правка" menu.
inline constexpr const char* CaptionShowMess = "Показать сообщение";
inline constexpr const char* CaptionRepeatMess = "Повторить сообщение";

// The screen side of the message window. Every call states the new state of one element; the
// window never reads the screen back except for the operations panel, which it does not own.
class IMessageView {
 public:
  virtual ~IMessageView() = default;
  // The pane's own visibility (it is on screen only when its container is).
  virtual void SetPaneVisible(bool visible) = 0;
  // Panel4 (the pane's place beside the text) together with its splitter.
  virtual void SetPanel4Visible(bool visible) = 0;
  // Panel4 above (true) or below the text panel.
  virtual void PlacePanel4(bool onTop) = 0;
  // The pane into Panel6 of the operations panel (true) or into Panel4.
  virtual void MovePane(bool toPanel6) = 0;
  virtual void SetPaneText(const std::string& utf8Text) = 0;
  virtual void SetIndicatorVisible(bool visible) = 0;
  virtual void SetIndicatorImage(int image) = 0;
  virtual void SetIndicatorHint(const std::string& utf8Hint) = 0;
  // The radio item of the placement becomes checked.
  virtual void CheckPlacement(int placement) = 0;
  virtual bool OpPanelVisible() const = 0;
};

class TMessageWindow : public IMessageSink {
 public:
  // The window starts with placement "Снизу", last placement "Системное", the pane hidden
  // and no message. prompt shows the system boxes and sounds the beep.
  TMessageWindow(IMessageView& view, IPrompt& prompt, IClock& clock);

  // ---- IMessageSink ----
  void ShowMess(const std::string& utf8Text, MsgKind kind, bool again = false) override;
  void SetMessLikeLast(const std::string& utf8Text, MsgKind kind) override;
  void ClearMess() override;

  // ---- placement ----
  // Changes the placement; temporary from "Отключить" leaves the setting itself alone.
  void SwitchMessWin(int mode, bool temporary);
  void SetMessWinVisible(bool show);
  void ExchMessPanelsSp(bool onTop);
  void SetTlBtn3Img(MsgKind kind);

  // ---- user commands ----
  void ToolButton3Click();  // the indicator
  void N53Click();          // "Правка" ▸ "Повтор сообщения"
  // Caption and enabling of "Повтор сообщения", as the "Правка" menu shows them.
  std::string RepeatCaption() const;
  bool RepeatEnabled() const;

  // ---- the operations panel ----
  // Whether the pane sits in the panel and shows there: taken before the panel is hidden.
  bool PaneShownInOpPanel() const;
  // After the panel was shown or hidden; shownBefore is PaneShownInOpPanel() taken before.
  void OpPanelVisibilityChanged(bool show, bool shownBefore);

  // ---- state ----
  uint8_t MessWinMode() const { return mode_; }
  uint8_t MessWinLastMode() const { return lastMode_; }
  // The stored last placement; a value of 4 or more is kept (a repeat then uses the box).
  void SetMessWinLastMode(uint8_t mode) { lastMode_ = mode; }
  bool MessWinShown() const { return shown_; }
  const std::string& LastMess() const { return lastMess_; }
  MsgKind LastMessKind() const { return lastKind_; }
  int64_t LastMessTime() const { return lastTime_; }
  bool MessDelayed() const { return delayed_; }

  // What the screen holds now, as the window put it there.
  bool PaneVisible() const { return paneVisible_; }
  bool Panel4Visible() const { return panel4Visible_; }
  bool Panel4OnTop() const { return panel4OnTop_; }
  bool PaneInPanel6() const { return paneInPanel6_; }
  const std::string& PaneText() const { return paneText_; }
  bool IndicatorVisible() const { return indicatorVisible_; }
  int IndicatorImage() const { return indicatorImage_; }
  const std::string& IndicatorHint() const { return indicatorHint_; }

 private:
  void SetPaneVisible(bool visible);
  void SetPanel4Visible(bool visible);
  void SetPaneText(const std::string& text);
  void SetIndicatorVisible(bool visible);
  void SetIndicatorHint(const char* hint);
  void MovePane(bool toPanel6, bool visible);
  void SystemBox(const std::string& text, MsgKind kind);
  bool PaneOnScreenForLikeLast() const;

  IMessageView& view_;
  IPrompt& prompt_;
  IClock& clock_;

  uint8_t mode_ = kMessBelow;
  uint8_t lastMode_ = kMessSystem;
  bool shown_ = false;
  std::string lastMess_;
  MsgKind lastKind_ = MsgKind::Information;
  int64_t lastTime_ = 0;
  bool delayed_ = false;

  bool paneVisible_ = false;
  bool panel4Visible_ = false;
  bool panel4OnTop_ = false;
  bool paneInPanel6_ = false;
  std::string paneText_;
  bool indicatorVisible_ = false;
  int indicatorImage_ = kImageMessOther;
  std::string indicatorHint_;
};

// Height of the message pane: a stored height of 0 or less becomes the screen height / 12, one
// above the screen height / 3.5 becomes that limit.
int StartPaneHeight(int stored, int screenHeight);
// The limit of a drag of the splitter: the screen height / 3.5, rounded.
int MaxPaneHeight(int screenHeight);
// Smallest height a drag can make (the pane cannot be shrunk further once it is this low).
inline constexpr int kMinPaneHeight = 28;
// Whether a drag of the splitter from current to proposed is accepted.
bool AcceptPaneHeight(int current, int proposed, int screenHeight);

}  // namespace quillet
