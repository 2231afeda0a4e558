// The whole-text operations in the editor widget (QtEditControl over MemoWidget, offscreen) on
// a text of 100 000 blocks (the timing operations on the widest range the panel takes, 1 to
// 32000): for each, the time from the user's Yes to the new text shown (the
// replacement, the caret and view put back, the events that repaint), and the whole run from
// the button to the end (structure check, walk, question and replacement).
//
// Usage: ops_editor_bench [BLOCKS]   (default 100000; QT_QPA_PLATFORM=offscreen when unset)
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "bench/bench_text.h"
#include "core/editor.h"
#include "core/mirror.h"
#include "core/normalize.h"
#include "core/time_shift.h"
#include "core/time_stretch.h"
#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_edit_control.h"

using namespace quillet;
using Clock = std::chrono::steady_clock;

namespace {

// Answers every question Yes and notes when it did.
class YesPrompt : public IPrompt {
 public:
  Answer Ask(MsgKind, Buttons buttons, const std::string& text) override {
    if (buttons == Buttons::Ok) {
      std::printf("  unexpected box: %s\n", text.c_str());
      failed = true;
      return Answer::Ok;
    }
    ++questions;
    yesAt = Clock::now();
    return Answer::Yes;
  }
  void Beep() override {}
  Clock::time_point yesAt;
  int questions = 0;
  bool failed = false;
};

class CountingSink : public IMessageSink {
 public:
  void ShowMess(const std::string& text, MsgKind, bool) override { last = text; }
  void SetMessLikeLast(const std::string& text, MsgKind) override { last = text; }
  void ClearMess() override {}
  std::string last;
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  BuildCaseTable();
  const int blocks = argc > 1 ? std::atoi(argv[1]) : 100000;

  // Every other block number off by one and a blank after every text line, so that the
  // normalization has work to do.
  std::string srt = bench::GenerateSrt(blocks);
  std::string messy;
  messy.reserve(srt.size() + srt.size() / 8);
  {
    size_t from = 0;
    int line = 0;
    while (from < srt.size()) {
      const size_t cr = srt.find("\r\n", from);
      std::string_view l(srt.data() + from, cr - from);
      messy.append(l);
      if (line % 5 == 2) messy += ' ';
      messy += "\r\n";
      from = cr + 2;
      ++line;
    }
  }

  MemoWidget memo;
  memo.resize(800, 600);
  memo.show();
  QtEditControl& edit = memo.Edit();
  YesPrompt prompt;
  CountingSink sink;
  EditorHost host;
  EditorContext context(edit, prompt, sink, host);
  EditorLines& lines = context.lines();
  TextFormatTracker& format = context.format();
  Editor& editor = context.editor();
  edit.SetChangeHandler([&] {
    lines.MarkStale();
    format.MarkNeedsDetection();
  });

  std::printf("text: %d blocks, %zu characters\n", blocks, srt.size());
  struct Op {
    const char* name;
    const std::string* text;
    std::function<void()> run;
  } ops[] = {
      {"ShiftTiming (+1,5 s, blocks 1-32000)", &srt, [&] { ShiftTiming(editor, true, 1, 32000, 1, 500); }},
      {"StretchTiming (2 ms/s, blocks 1-32000, the rest following)", &srt,
       [&] {
         StretchInput in;
         in.rate = 2;
         in.first = 1;
         in.last = 32000;
         StretchTiming(editor, in);
       }},
      {"DoNormallize (panel defaults)", &messy, [&] { DoNormallize(editor, false, NormalizeOptions{}); }},
      {"Reflect", &srt, [&] { Reflect(editor); }},
  };
  bool ok = true;
  for (const auto& op : ops) {
    double bestShown = 1e300, bestWhole = 1e300;
    for (int repeat = 0; repeat < 2; ++repeat) {
      edit.SetText(*op.text);
      edit.SetSel(static_cast<int>(op.text->size() / 2), 0);
      edit.ScrollCaret();
      app.processEvents();
      const std::string before = edit.Text();
      prompt.questions = 0;
      const auto t0 = Clock::now();
      op.run();
      app.processEvents();  // the repaint of the new text
      const auto t1 = Clock::now();
      const bool changed = prompt.questions == 1 && edit.TextLength() > 0 && edit.Text() != before;
      if (!changed || prompt.failed) {
        std::printf("  %s: FAILED (%s)\n", op.name, sink.last.c_str());
        ok = false;
      }
      bestShown = std::min(bestShown, Ms(t1 - prompt.yesAt));
      bestWhole = std::min(bestWhole, Ms(t1 - t0));
    }
    std::printf("%s: Yes to the new text shown %.0f ms; whole run %.0f ms\n", op.name, bestShown, bestWhole);
  }
  return ok ? 0 : 1;
}
