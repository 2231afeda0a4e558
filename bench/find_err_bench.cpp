// Figures of the error search over a generated 100 000-block text with errors sprinkled through
// it: a whole `quillet-cli check` process, the search in process, the error statistics per
// megabyte, and one ">" press after an edit near the end (the re-synchronisation).
//
// Usage: find_err_bench [path of quillet-cli]; by default the one built beside this program.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_text.h"
#include "core/editor.h"
#include "core/error_stats.h"
#include "core/find_err.h"
#include "platform/memory_edit_control.h"

using namespace quillet;

namespace {

// The generated text with an error every few hundred blocks: a too short block, text outside
// blocks, a bad time line, two blocks glued together.
std::string TextWithErrors(int blocks, int& errors) {
  const std::string clean = bench::GenerateSrt(blocks);
  std::vector<std::string> lines;
  for (size_t start = 0;;) {
    const size_t cr = clean.find("\r\n", start);
    if (cr == std::string::npos) break;
    lines.push_back(clean.substr(start, cr - start));
    start = cr + 2;
  }
  std::string text;
  text.reserve(clean.size() + 4096);
  int block = 0;
  errors = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i];
    const bool timeLine = line.find(" --> ") != std::string::npos;
    if (timeLine) {
      ++block;
      if (block % 701 == 0) {
        line.replace(17, 12, line.substr(0, 9) + "100");  // 100 ms or less: too short
        ++errors;
      } else if (block % 1303 == 0) {
        line.erase(27, 1);  // two-digit milliseconds
        ++errors;
      }
    }
    // Glue block 997·k to the one before: drop the blank line that separates them.
    if (line.empty() && i + 1 < lines.size() && (block + 1) % 997 == 0 && block > 0) {
      ++errors;
      continue;
    }
    text += line + "\r\n";
    if (line.empty() && block % 1511 == 0 && block > 0) {
      text += cp1251::FromUtf8Lenient("Текст вне блоков") + "\r\n\r\n";
      ++errors;
    }
  }
  return text;
}

std::string CliPath(int argc, char** argv) {
  if (argc > 1) return argv[1];
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string dir = n > 0 ? std::string(self, n) : std::string(argv[0]);
  dir = dir.substr(0, dir.find_last_of('/'));
  return dir + "/../src/quillet-cli";
}

struct NullSink : IMessageSink {
  void ShowMess(const std::string&, MsgKind kind, bool) override { errors += kind == MsgKind::Error; }
  void SetMessLikeLast(const std::string&, MsgKind) override {}
  void ClearMess() override {}
  int errors = 0;
};
struct QuietPrompt : IPrompt {
  Answer Ask(MsgKind, Buttons, const std::string&) override { return Answer::Ok; }
  void Beep() override {}
};

}  // namespace

int main(int argc, char** argv) {
  BuildCaseTable();
  int planted = 0;
  const std::string text = TextWithErrors(100000, planted);
  const double mb = text.size() / 1048576.0;
  std::printf("text: %zu characters (%.2f MB), %d errors planted\n", text.size(), mb, planted);

  // A whole quillet-cli check process.
  const std::string path = "/tmp/find_err_bench_" + std::to_string(getpid()) + ".srt";
  std::ofstream(path, std::ios::binary) << text;
  const std::string cli = CliPath(argc, argv);
  const std::string cmd = "'" + cli + "' check '" + path + "' >/dev/null 2>&1";
  int status = 0;
  const double cliMs = bench::BestMs(3, [&] { status = std::system(cmd.c_str()); });
  std::remove(path.c_str());
  if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
    std::printf("quillet-cli check failed (%s)\n", cli.c_str());
    return 1;
  }
  std::printf("quillet-cli check process: %.0f ms (%.1f MB/s)\n", cliMs, mb / (cliMs / 1000));

  // The same search in process, as the CLI runs it.
  MemoryEditControl edit;
  QuietPrompt prompt;
  NullSink sink;
  EditorHost host;
  EditorContext context(edit, prompt, sink, host);
  EditorLines& lines = context.lines();
  edit.SetText(text);
  TFindErr* engine = nullptr;
  edit.SetChangeHandler([&] {
    lines.MarkStale();
    if (engine) engine->OnTextChanged();
  });
  TFindErr search(context.editor());
  engine = &search;
  const double scanMs = bench::BestMs(3, [&] {
    sink.errors = 0;
    search.FindFromStart();
    while (search.CanContinue()) search.FindNext();
  });
  std::printf("search from the top to the end in process: %.0f ms, %d errors shown (%.1f MB/s)\n", scanMs,
              sink.errors, mb / (scanMs / 1000));

  TReporter r;
  const double statsMs = bench::BestMs(3, [&] { CollectErrorStats(r, lines, 500, 20000); });
  std::printf("CollectErrorStats: %.1f ms per MB (%.0f ms, %d errors, %d blocks)\n", statsMs / mb, statsMs,
              r.errorCount, r.blockCount);

  // ">" after an edit near the end, while stopped on an error there: a trailing blank added
  // (no change for the search: the whole scanned part is compared, then the walk goes on), and
  // a changed line (compared up to it, then the walk runs again from the top).
  const int nearEnd = edit.LineCount() - 3000;
  auto pressAfterEdit = [&](bool realChange) {
    double best = 1e300;
    for (int k = 0; k < 3; ++k) {
      search.FindFromLine(nearEnd);
      const int stop = search.Current();
      edit.SetSel(realChange ? edit.LineIndex(stop - 1) : edit.LineIndex(stop) - 2, 0);
      edit.ReplaceSel(realChange ? "x" : " ", true);
      const auto t0 = std::chrono::steady_clock::now();
      search.FindNext();
      const std::chrono::duration<double, std::milli> d = std::chrono::steady_clock::now() - t0;
      if (d.count() < best) best = d.count();
      edit.Undo();
    }
    return best;
  };
  std::printf("\">\" after a trailing blank near the end (resynchronisation): %.1f ms\n", pressAfterEdit(false));
  std::printf("\">\" after a changed line near the end (rescan from the top): %.1f ms\n", pressAfterEdit(true));
  return 0;
}
