// The editor widget as the benchmarks use it: the widget (offscreen) with its line list and
// text format, wired as the main window wires them, and a message window that forgets.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "core/editor.h"
#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_edit_control.h"

namespace quillet::bench {

class NullSink : public IMessageSink {
 public:
  void ShowMess(const std::string&, MsgKind, bool) override {}
  void SetMessLikeLast(const std::string&, MsgKind) override {}
  void ClearMess() override {}
};

struct WidgetEditor {
  WidgetEditor(IPrompt& prompt, IMessageSink& sink) : editor{edit, lines, format, prompt, sink, host} {
    memo.resize(800, 600);
    memo.show();
    OnChange({});
  }
  // Every change of the text marks the line list and the format stale, then runs also.
  void OnChange(std::function<void()> also) {
    edit.SetChangeHandler([this, also = std::move(also)] {
      lines.MarkStale();
      format.MarkNeedsDetection();
      if (also) also();
    });
  }

  MemoWidget memo;
  QtEditControl& edit = memo.Edit();
  EditorLines lines{edit};
  TextFormatTracker format{lines};
  EditorHost host;
  Editor editor;
};

}  // namespace quillet::bench
