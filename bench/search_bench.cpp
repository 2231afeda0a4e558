// Find, replace and go-to in the editor widget (QtEditControl over MemoWidget, offscreen) on a
// text of 100 000 blocks:
// - "Найти далее" for a text that does not occur: one whole pass from the top, then the box;
// - "Заменить всё" of a word that occurs once in every block: the replacement of the text
//   alone, and the whole command until the new text is shown;
// - a time with "Ближ." from the top to the last block, and a block by number near the end,
//   each until the caret stands on its line.
// The whole-text read of the widget, which a search needs once, is shown on its own.
//
// Usage: search_bench [BLOCKS]   (default 100000; QT_QPA_PLATFORM=offscreen when unset)
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bench_text.h"
#include "core/editor.h"
#include "core/editor_routines.h"
#include "core/go_to.h"
#include "core/replace.h"
#include "core/text_search.h"
#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_edit_control.h"

using namespace quillet;
using Clock = std::chrono::steady_clock;

namespace {

// Answers every box with its first button, counting them.
class CountingPrompt : public IPrompt {
 public:
  Answer Ask(MsgKind, Buttons buttons, const std::string&) override {
    ++boxes;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  }
  void Beep() override {}
  int boxes = 0;
};

class NullSink : public IMessageSink {
 public:
  void ShowMess(const std::string&, MsgKind, bool) override {}
  void SetMessLikeLast(const std::string&, MsgKind) override {}
  void ClearMess() override {}
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The generated text with "Штурман: " before the first text line of every block.
std::string WithWordInEveryBlock(const std::string& srt) {
  const std::string word = cp1251::FromUtf8Lenient("Штурман: ");
  std::string out;
  out.reserve(srt.size() + srt.size() / 8);
  size_t from = 0;
  bool afterTime = false;
  while (from < srt.size()) {
    const size_t cr = srt.find("\r\n", from);
    const std::string_view line(srt.data() + from, cr - from);
    if (afterTime) out += word;
    out.append(line);
    out += "\r\n";
    afterTime = line.find(" --> ") != std::string_view::npos;
    from = cr + 2;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  BuildCaseTable();
  const int blocks = argc > 1 ? std::atoi(argv[1]) : 100000;

  MemoWidget memo;
  memo.resize(800, 600);
  memo.show();
  QtEditControl& edit = memo.Edit();
  CountingPrompt prompt;
  NullSink sink;
  EditorHost host;
  EditorContext context(edit, prompt, sink, host);
  Editor& editor = context.editor();
  edit.SetChangeHandler([&] {
    context.lines().MarkStale();
    context.format().MarkNeedsDetection();
  });

  const std::string srt = bench::GenerateSrt(blocks);
  edit.SetText(srt);
  app.processEvents();
  std::printf("text: %d blocks, %zu characters\n", blocks, srt.size());
  bool ok = true;

  // An edit undone at once: the same text, but the next read has to take it from the widget.
  const auto touch = [&] {
    edit.SetSel(edit.TextLength(), 0);
    edit.ReplaceSel(" ", true);
    edit.Undo();
    app.processEvents();
  };
  // A search right after an edit reads the whole text from the widget; a repeated one over the
  // unchanged text ("Найти далее" again, the next go-to) finds it kept.
  const auto measure = [&](const char* what, const char* target, auto&& fn) {
    const double afterEdit = bench::BestMsAfter(5, touch, fn);
    const double repeated = bench::BestMs(5, fn);
    std::printf("%s: %.1f ms after an edit, %.1f ms repeated%s\n", what, afterEdit, repeated, target);
  };
  const double readMs = bench::BestMsAfter(5, touch, [&] { (void)edit.Text(); });
  std::printf("the widget's whole text read after an edit: %.1f ms\n", readMs);

  // "Найти далее" from the top for a text that is not there: one pass, then the OK box.
  const std::string missing = cp1251::FromUtf8Lenient("Сокровище");
  for (bool caseSensitive : {false, true}) {
    measure(caseSensitive ? "\"Найти далее\", not found (case counts)" : "\"Найти далее\", not found (case ignored)",
            " (target <= 30 ms)", [&] {
              edit.SetSel(0, 0);
              prompt.boxes = 0;
              DialogFindText(editor, missing, true, caseSensitive);
              app.processEvents();
            });
    if (prompt.boxes != 1 || edit.SelLength() != 0) ok = false;
  }

  // A time with "Ближ." later than every block: the whole text is looked at, the last block wins.
  const int32_t lastStart = (blocks - 1) * 3000 + 500;
  const int32_t wanted = lastStart - lastStart % 1000 + 5000;
  int line = -1;
  std::string message;
  GoBusyTag tag;
  measure("time with \"Ближ.\" from the top to the last block", " (target <= 30 ms)", [&] {
    SetMemoCaretLine(edit, 0);
    if (!FindTime(editor, tag, wanted, line, GoMode::FromTop, true, true, message)) ok = false;
    GoToLine(editor, line);
    app.processEvents();
  });
  if (edit.LineText(line).find(" --> ") == std::string::npos) ok = false;

  const int number = blocks - 10;
  const std::string blockWhat = "block " + std::to_string(number) + " by number from the top";
  measure(blockWhat.c_str(), " (target <= 30 ms)", [&] {
    SetMemoCaretLine(edit, 0);
    if (!FindBlockByNumber(editor, tag, number, line, GoMode::FromTop, message)) ok = false;
    GoToLine(editor, line);
    app.processEvents();
  });
  if (edit.LineText(line) != std::to_string(number)) ok = false;

  // "Заменить всё" of a word in every block.
  const std::string marked = WithWordInEveryBlock(srt);
  const std::string what = cp1251::FromUtf8Lenient("штурман");
  const std::string with = cp1251::FromUtf8Lenient("Капитан");
  int count = 0;
  std::string replaced;
  const double coreMs = bench::BestMs(5, [&] { count = ReplaceAllText(marked, what, with, false, replaced); });
  if (count != blocks) ok = false;
  std::printf("\"Заменить всё\", %d occurrences: the replacement %.1f ms (target <= 100 ms)\n", count, coreMs);
  double shownMs = 1e300;
  for (int repeat = 0; repeat < 2; ++repeat) {
    edit.SetText(marked);
    app.processEvents();
    FullUndo undo;
    const auto t0 = Clock::now();
    if (!ReplaceAllInEditor(editor, what, with, false, undo, &count) || count != blocks) ok = false;
    app.processEvents();
    shownMs = std::min(shownMs, Ms(Clock::now() - t0));
  }
  std::printf("\"Заменить всё\" in the editor until the new text is shown: %.0f ms\n", shownMs);
  if (!ok) std::printf("FAILED: a result was not the expected one\n");
  return ok ? 0 : 1;
}
