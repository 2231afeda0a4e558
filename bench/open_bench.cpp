// The time to open an 8 000 KB SRT file in the editor: the document's open routine reading the
// file into the editor widget (QtEditControl over MemoWidget, offscreen), with its parts: the
// read and decoding alone, and setting the widget's text alone. Also an 8 000 KB ASS file opened
// with the conversion.
//
// Usage: open_bench   (QT_QPA_PLATFORM=offscreen is set when no platform is given)
#include <QApplication>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/bench_text.h"
#include "core/editor.h"
#include "platform/file_dialogs.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/memo_widget.h"
#include "platform/qt/qt_edit_control.h"
#include "storage/document.h"
#include "storage/file_text.h"

using namespace quillet;

namespace {

class YesPrompt : public IPrompt {
 public:
  Answer Ask(MsgKind, Buttons buttons, const std::string&) override {
    return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
  }
  void Beep() override {}
};

class NoSink : public IMessageSink {
 public:
  void ShowMess(const std::string&, MsgKind, bool) override {}
  void SetMessLikeLast(const std::string&, MsgKind) override {}
  void ClearMess() override {}
};

class NoShell : public IShell {
 public:
  bool OpenDocument(const std::string&, bool) override { return false; }
  std::string DocumentsFolder() const override { return {}; }
};

class NoDialogs : public IFileDialogs {
 public:
  bool OpenFileDialog(const FileDialogRequest&, FileDialogResult&) override { return false; }
  bool SaveFileDialog(const FileDialogRequest&, FileDialogResult&) override { return false; }
};

// The generated SRT cut at a block boundary to at most `bytes`.
std::string SrtOfSize(size_t bytes) {
  std::string text = bench::GenerateSrt(static_cast<int>(bytes / 80));
  const size_t cut = text.rfind("\r\n\r\n", bytes - 4);
  text.resize(cut == std::string::npos ? 0 : cut + 4);
  return text;
}

// An ASS script of about `bytes` with the same lines as events.
std::string AssOfSize(size_t bytes) {
  std::string text =
      "[Script Info]\r\nScriptType: v4.00+\r\n\r\n[V4+ Styles]\r\nFormat: Name, Fontname\r\nStyle: Default,Arial\r\n"
      "\r\n[Events]\r\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\r\n";
  const std::string line =
      cp1251::FromUtf8Lenient("Dialogue: 0,0:01:02.50,0:01:04.00,Default,,0,0,0,,{\\i1}Я думаю,{\\i0} нам пора\\Nидти дальше.\r\n");
  while (text.size() + line.size() <= bytes) text += line;
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  BuildCaseTable();

  const size_t size = 8000 * 1024;
  const std::string srt = SrtOfSize(size);
  const std::string ass = AssOfSize(size);
  char folder[] = "/tmp/quillet_open_bench_XXXXXX";
  if (!::mkdtemp(folder)) return 1;
  const std::string srtPath = std::string(folder) + "/big.srt";
  const std::string assPath = std::string(folder) + "/big.ass";
  std::ofstream(srtPath, std::ios::binary) << srt;
  std::ofstream(assPath, std::ios::binary) << ass;

  MemoWidget memo;
  memo.resize(800, 600);
  memo.show();
  QtEditControl& edit = memo.Edit();
  YesPrompt prompt;
  NoSink sink;
  EditorHost host;
  EditorContext context(edit, prompt, sink, host);
  EditorLines& lines = context.lines();
  TextFormatTracker& format = context.format();
  NoShell shell;
  const ExtensionList extensions = DefaultExtensionList();
  PosixFileSystem fs;
  NoDialogs dialogs;
  ProgramOptions options;
  options.maxFileSizeKb = 8192;
  TDocument doc(context.editor(), fs, dialogs, shell, options, extensions);
  edit.SetChangeHandler([&] {
    lines.MarkStale();
    format.MarkNeedsDetection();
    doc.OnTextChanged();
  });

  std::printf("SRT file: %zu bytes, %d lines\n", srt.size(), static_cast<int>(std::count(srt.begin(), srt.end(), '\n')));
  const double readMs = bench::BestMs(3, [&] {
    std::string text;
    GetTextFromFile(fs, prompt, srtPath, options.maxFileSizeKb, text);
  });
  const double setMs = bench::BestMs(3, [&] { edit.SetText(srt); });
  bool ok = true;
  const double openMs = bench::BestMs(3, [&] {
    doc.Adopt(std::string());
    ok = doc.OpenFromFile(srtPath) && ok;
    app.processEvents();
  });
  const bool same = edit.TextLength() == static_cast<int>(srt.size());
  std::printf("read and decode: %.0f ms\n", readMs);
  std::printf("editor SetText: %.0f ms\n", setMs);
  std::printf("OpenFromFile of the SRT file: %.0f ms (%s)\n", openMs, ok && same ? "loaded" : "FAILED");

  options.konvType = 0;
  int blocks = 0;
  const double convertMs = bench::BestMs(3, [&] {
    doc.Adopt(std::string());
    ok = doc.OpenFromFile(assPath) && ok;
    app.processEvents();
    blocks = edit.LineCount() / 5;
  });
  std::printf("ASS file: %zu bytes; OpenFromFile with the conversion: %.0f ms (%d blocks, %s)\n", ass.size(), convertMs,
              blocks, ok ? "loaded" : "FAILED");

  std::remove(srtPath.c_str());
  std::remove(assPath.c_str());
  ::rmdir(folder);
  return ok && same ? 0 : 1;
}
