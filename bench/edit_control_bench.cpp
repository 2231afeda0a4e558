// Costs of the editor widget's edit-control model on a full-size subtitle text (100 000
// blocks, about 8.6 M characters): what a whole-text operation, a walk over the lines, the
// status bar and one keystroke cost.
#include <QApplication>
#include <QTest>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bench/bench_text.h"
#include "core/editor_lines.h"
#include "core/editor_routines.h"
#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_edit_control.h"

using namespace quillet;
using quillet::bench::BestMs;

namespace {

// A fixed sequence of pseudo-random numbers, so that runs compare.
struct Lcg {
  uint64_t state = 12345;
  int Next(int bound) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state >> 33) % static_cast<uint64_t>(bound));
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  MemoWidget memo;
  memo.resize(800, 600);
  memo.show();
  QApplication::processEvents();
  QtEditControl& edit = memo.Edit();

  // The main window's change handler: the line list goes stale and the status bar asks the
  // caret's line, column, and the cached figures.
  quillet::EditorLines lines(edit);
  int64_t sink = 0;
  int changeCalls = 0;
  edit.SetChangeHandler([&] {
    ++changeCalls;
    lines.MarkStale();
    quillet::LinesUse use(lines);
    const quillet::CaretPos caret = quillet::GetMemoCaret(edit);
    sink += caret.line + caret.column + lines.CachedLineCount() + lines.CachedTextLength();
    sink += static_cast<int64_t>(lines.Get(caret.line).size());
  });

  const std::string text = quillet::bench::GenerateSrt(100000);
  std::printf("Text: %zu characters, 100000 blocks\n", text.size());

  std::printf("SetText: %.0f ms\n", BestMs(2, [&] { edit.SetText(text); }));
  std::printf("TextLength: %d, LineCount: %d\n", edit.TextLength(), edit.LineCount());
  if (edit.TextLength() != static_cast<int>(text.size())) std::printf("MISMATCH of the length\n");

  std::string back;
  // The first read after a change converts the document; later ones find the text kept.
  const double firstRead = BestMs(1, [&] { back = edit.Text(); });
  std::printf("Text(): %.0f ms after a change, %.1f ms while unchanged\n", firstRead,
              BestMs(3, [&] { back = edit.Text(); }));
  if (back != text) std::printf("MISMATCH of the text\n");

  const int lineCount = edit.LineCount();
  std::printf("LineText walk over %d lines: %.0f ms\n", lineCount, BestMs(3, [&] {
                for (int i = 0; i < lineCount; ++i) sink += static_cast<int64_t>(edit.LineText(i).size());
              }));

  constexpr int kCalls = 100000;
  Lcg rng;
  std::vector<int> indexes(kCalls), lineNumbers(kCalls);
  for (int i = 0; i < kCalls; ++i) {
    indexes[i] = rng.Next(edit.TextLength() + 1);
    lineNumbers[i] = rng.Next(lineCount);
  }
  const double fromChar = BestMs(3, [&] {
    for (int i : indexes) sink += edit.LineFromChar(i);
  });
  std::printf("LineFromChar: %.2f us per call (random index)\n", fromChar * 1000 / kCalls);
  const double index = BestMs(3, [&] {
    for (int l : lineNumbers) sink += edit.LineIndex(l);
  });
  std::printf("LineIndex: %.2f us per call (random line)\n", index * 1000 / kCalls);
  const double caretLine = BestMs(3, [&] {
    for (int i = 0; i < kCalls; ++i) sink += edit.LineIndex(-1);
  });
  std::printf("LineIndex(-1): %.2f us per call\n", caretLine * 1000 / kCalls);

  // One typed character at the end, with the change handler above.
  edit.SetSel(edit.TextLength(), 0);
  edit.ScrollCaret();
  memo.setFocus();
  QApplication::processEvents();
  constexpr int kKeys = 50;
  const int lengthBefore = edit.TextLength();
  const int changesBefore = changeCalls;
  double total = 0, worst = 0;
  for (int k = 0; k < kKeys; ++k) {
    const auto t0 = std::chrono::steady_clock::now();
    QTest::keyClick(&memo, Qt::Key_A);
    const std::chrono::duration<double, std::milli> d = std::chrono::steady_clock::now() - t0;
    total += d.count();
    if (d.count() > worst) worst = d.count();
  }
  std::printf("Typed character at the end: %.2f ms average, %.2f ms worst of %d\n", total / kKeys, worst,
              kKeys);
  if (edit.TextLength() != lengthBefore + kKeys || changeCalls != changesBefore + kKeys) std::printf("MISMATCH of the typing\n");
  const double paint = BestMs(3, [&] { memo.viewport()->repaint(); });
  std::printf("Repaint of the view: %.2f ms\n", paint);

  // The whole-text replacement of the conversion and "replace all": one undoable edit.
  std::printf("ReplaceSel of the whole text (undoable): %.0f ms\n", BestMs(1, [&] {
                edit.SetSel(0, edit.TextLength());
                edit.ReplaceSel(text, true);
              }));
  std::printf("Undo of it: %.0f ms\n", BestMs(1, [&] { edit.Undo(); }));
  std::printf("(%lld)\n", static_cast<long long>(sink % 10));
  return 0;
}
