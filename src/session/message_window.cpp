#include "session/message_window.h"

#include <cmath>
#include <string_view>

namespace quillet {

namespace {

// Blanks and control characters (code 32 or below) cut from both ends. Bytes of multi-byte
// UTF-8 characters are all above 127 and stay.
std::string TrimBlanks(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return std::string(text.substr(begin, end - begin));
}

}  // namespace

TMessageWindow::TMessageWindow(IMessageView& view, IPrompt& prompt, IClock& clock)
    : view_(view), prompt_(prompt), clock_(clock) {
  view_.PlacePanel4(false);
  view_.MovePane(false);
  view_.CheckPlacement(mode_);
  SetMessWinVisible(false);
  SetIndicatorVisible(false);
  view_.SetIndicatorImage(indicatorImage_);
  SetPaneText(std::string());
}

// ---- small setters: the state and the screen change together ----

void TMessageWindow::SetPaneVisible(bool visible) {
  paneVisible_ = visible;
  view_.SetPaneVisible(visible);
}

void TMessageWindow::SetPanel4Visible(bool visible) {
  panel4Visible_ = visible;
  view_.SetPanel4Visible(visible);
}

void TMessageWindow::SetPaneText(const std::string& text) {
  paneText_ = text;
  view_.SetPaneText(text);
}

void TMessageWindow::SetIndicatorVisible(bool visible) {
  indicatorVisible_ = visible;
  view_.SetIndicatorVisible(visible);
}

void TMessageWindow::SetIndicatorHint(const char* hint) {
  indicatorHint_ = hint;
  view_.SetIndicatorHint(indicatorHint_);
}

void TMessageWindow::SetTlBtn3Img(MsgKind kind) {
  indicatorImage_ = kind == MsgKind::Error ? kImageMessError : kImageMessOther;
  view_.SetIndicatorImage(indicatorImage_);
}

void TMessageWindow::MovePane(bool toPanel6, bool visible) {
  if (paneInPanel6_ != toPanel6) {
    // Hidden while it changes parents, so that neither panel flashes it at its old size.
    view_.SetPaneVisible(false);
    paneInPanel6_ = toPanel6;
    view_.MovePane(toPanel6);
  }
  SetPaneVisible(visible);
}

void TMessageWindow::SystemBox(const std::string& text, MsgKind kind) {
  prompt_.Ask(kind, Buttons::Ok, text);
  SetIndicatorVisible(false);
}

// ---- placement ----

void TMessageWindow::SetMessWinVisible(bool show) {
  if (show && mode_ < kMessSystem) {
    SetPaneVisible(true);
    SetPanel4Visible(mode_ < kMessRight);
  } else {
    SetPanel4Visible(false);
    SetPaneVisible(false);
  }
  shown_ = show;
}

void TMessageWindow::ExchMessPanelsSp(bool onTop) {
  if (panel4OnTop_ == onTop) return;
  panel4OnTop_ = onTop;
  view_.PlacePanel4(onTop);
}

void TMessageWindow::SwitchMessWin(int mode, bool temporary) {
  const bool persist = !(temporary && mode_ == kMessOff);
  // Only the five placements have an item; anything else (a damaged stored value) changes
  // nothing.
  mode &= 0x7F;
  if (mode > kMessOff) return;
  if (persist) view_.CheckPlacement(mode);
  if (mode == mode_) return;
  if (persist) {
    if (mode_ < kMessOff) lastMode_ = mode_;
    mode_ = static_cast<uint8_t>(mode);
  }
  switch (mode) {
    case kMessBelow:
    case kMessAbove:
      ExchMessPanelsSp(mode == kMessAbove);
      MovePane(false, paneVisible_);
      SetMessWinVisible(shown_);
      break;
    case kMessRight:
      SetMessWinVisible(shown_);
      MovePane(true, view_.OpPanelVisible() && shown_);
      break;
    default:
      SetMessWinVisible(false);
      break;
  }
  const bool indicator = mode != kMessSystem && (paneVisible_ || delayed_);
  SetIndicatorVisible(indicator);
  if (indicator) {
    if (!paneVisible_) {
      SetIndicatorHint(HintShowMess);
    } else if (paneText_.empty()) {
      SetIndicatorHint(HintHideMessWin);
    } else {
      SetIndicatorHint(HintPutOutMess);
    }
  }
}

// ---- messages ----

void TMessageWindow::ShowMess(const std::string& utf8Text, MsgKind kind, bool again) {
  int m = mode_;
  bool temp = false;
  std::string msg;
  if (again) {
    if (lastMess_.empty()) return;
    msg = std::string(delayed_ ? "Отложенное сообщение" : "Повтор сообщения") + " от " +
          clock_.LongTimeText(lastTime_) + ": " + lastMess_;
    SetTlBtn3Img(lastKind_);
    kind = lastKind_;
    if (m == kMessOff) {
      temp = true;
      m = lastMode_ >= kMessOff ? uint8_t{kMessSystem} : lastMode_;
      SwitchMessWin(m, true);
    }
  } else {
    msg = TrimBlanks(utf8Text);
    if (msg.empty()) return;
    if (mode_ == kMessOff) {
      // Placement off: a pane still on screen from a repeat takes the message.
      if (panel4Visible_) {
        m = panel4OnTop_ ? kMessAbove : kMessBelow;
      } else if (paneInPanel6_ && view_.OpPanelVisible() && paneVisible_) {
        m = kMessRight;
      }
      temp = m != kMessOff;
    }
    SetTlBtn3Img(kind);
    lastMess_ = msg;
    lastKind_ = kind;
    lastTime_ = clock_.Now();
  }
  delayed_ = false;
  SetPaneText(std::string());

  if (m < kMessSystem) {
    if (temp) mode_ = static_cast<uint8_t>(m);
    SetMessWinVisible(true);
    if (temp) mode_ = kMessOff;
    SetIndicatorVisible(true);
    SetIndicatorHint(HintPutOutMess);
    if (!again) msg = clock_.LongTimeText(lastTime_) + ": " + msg;
    if (m == kMessRight && !view_.OpPanelVisible()) {
      // The pane's place is hidden with the panel: the box tells it instead.
      SystemBox(msg, kind);
      SetPaneVisible(false);
    } else {
      SetPaneText(msg);
    }
  } else if (m == kMessSystem) {
    SystemBox(msg, kind);
  } else {
    SetIndicatorVisible(true);
    SetIndicatorHint(HintShowMess);
    delayed_ = true;
    prompt_.Beep();
  }
}

bool TMessageWindow::PaneOnScreenForLikeLast() const {
  return panel4Visible_ || (paneInPanel6_ && view_.OpPanelVisible() && paneVisible_);
}

void TMessageWindow::SetMessLikeLast(const std::string& utf8Text, MsgKind kind) {
  if (utf8Text.empty()) return;
  if (PaneOnScreenForLikeLast()) {
    ShowMess(utf8Text, kind, false);
    return;
  }
  lastMess_ = utf8Text;
  lastTime_ = clock_.Now();
  lastKind_ = kind;
  delayed_ = false;
  SetTlBtn3Img(kind);
  SetIndicatorVisible(false);
}

void TMessageWindow::ClearMess() {
  SetIndicatorVisible(false);
  SetMessWinVisible(false);
  delayed_ = false;
  lastMess_.clear();
  SetPaneText(std::string());
}

// ---- commands ----

void TMessageWindow::ToolButton3Click() {
  if (delayed_) {
    ShowMess(std::string(), lastKind_, true);
  } else {
    SetMessWinVisible(false);
    SetIndicatorVisible(false);
  }
}

void TMessageWindow::N53Click() {
  if (!lastMess_.empty()) ShowMess(std::string(), lastKind_, true);
}

std::string TMessageWindow::RepeatCaption() const { return delayed_ ? CaptionShowMess : CaptionRepeatMess; }

bool TMessageWindow::RepeatEnabled() const {
  if (lastMess_.empty()) return false;
  const bool opPanel = view_.OpPanelVisible();
  switch (mode_) {
    case kMessBelow:
    case kMessAbove:
      return !panel4Visible_;
    case kMessRight:
      return !opPanel || !paneVisible_;
    case kMessSystem:
      return true;
    default:
      return !paneVisible_ || (paneInPanel6_ && !opPanel);
  }
}

bool TMessageWindow::PaneShownInOpPanel() const {
  return paneInPanel6_ && paneVisible_ && view_.OpPanelVisible();
}

void TMessageWindow::OpPanelVisibilityChanged(bool show, bool shownBefore) {
  if (!paneInPanel6_) return;
  if (show) {
    if (paneVisible_) SetIndicatorVisible(true);
  } else if (shownBefore) {
    SetIndicatorVisible(false);
  }
}

// ---- pane height ----

int MaxPaneHeight(int screenHeight) {
  if (screenHeight <= 0) return kMinPaneHeight;
  return static_cast<int>(std::lround(screenHeight / 3.5));
}

int StartPaneHeight(int stored, int screenHeight) {
  if (stored <= 0) return screenHeight > 0 ? screenHeight / 12 : kMinPaneHeight;
  const int limit = static_cast<int>(screenHeight / 3.5);
  return stored > limit ? limit : stored;
}

bool AcceptPaneHeight(int current, int proposed, int screenHeight) {
  if (!(proposed < current || proposed <= MaxPaneHeight(screenHeight))) return false;
  return proposed > current || current > kMinPaneHeight;
}

}  // namespace quillet
