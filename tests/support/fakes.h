// Fakes of the platform interfaces, and an editor wired together from them.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/editor.h"
#include "platform/clipboard.h"
#include "platform/memory_edit_control.h"
#include "platform/message_sink.h"
#include "platform/prompt.h"
#include "platform/shell.h"

namespace quillet::testing {

class FakeClipboard : public IClipboard {
 public:
  bool HasText() const override { return hasText_; }
  std::string Text() const override { return text_; }
  void SetText(const std::string& ansi) override {
    text_ = ansi;
    hasText_ = true;
    NotifyChange();
  }
  std::vector<std::string> Files() const override { return files_; }
  void SetFiles(std::vector<std::string> files) {
    files_ = std::move(files);
    NotifyChange();
  }
  void Clear() {
    text_.clear();
    hasText_ = false;
    files_.clear();
    NotifyChange();
  }

 private:
  bool hasText_ = false;
  std::string text_;
  std::vector<std::string> files_;
};

// The in-memory edit control, counting what tests want to know.
class FakeEditControl : public MemoryEditControl {
 public:
  explicit FakeEditControl(IClipboard* clipboard = nullptr) : MemoryEditControl(clipboard) {}
};

// Records every question with its kind and buttons and answers from a script.
class ScriptedPrompt : public IPrompt {
 public:
  struct Question {
    MsgKind kind;
    Buttons buttons;
    std::string text;
  };
  Answer Ask(MsgKind kind, Buttons buttons, const std::string& text) override;
  void Beep() override { ++beeps; }

  // Answers given in order; when the script runs out, a box answers as when it is closed:
  // Ok with one button, No without Cancel, else Cancel.
  void Script(std::initializer_list<Answer> answers) { answers_.insert(answers_.end(), answers); }

  std::vector<Question> questions;
  int beeps = 0;

 private:
  std::deque<Answer> answers_;
};

class RecordingMessageSink : public IMessageSink {
 public:
  struct Message {
    std::string text;
    MsgKind kind;
    bool again;
    bool likeLast;
  };
  void ShowMess(const std::string& text, MsgKind kind, bool again) override {
    messages.push_back({text, kind, again, false});
  }
  void SetMessLikeLast(const std::string& text, MsgKind kind) override {
    messages.push_back({text, kind, false, true});
  }
  void ClearMess() override { ++clears; }

  std::vector<Message> messages;
  int clears = 0;
};

class FakeShell : public IShell {
 public:
  bool OpenDocument(const std::string& path, bool maximized) override {
    opened.push_back(path);
    maximizedAt.push_back(maximized);
    return openResult;
  }
  std::string DocumentsFolder() const override { return documents; }
  std::vector<std::string> opened;
  std::vector<bool> maximizedAt;  // the window state asked for each of them
  bool openResult = true;
  std::string documents;
};

// Records what the editor's models tell the program around them.
class FakeHost : public EditorHost {
 public:
  void SetStatus() override { ++statusRefreshes; }
  void ResetErrorSearch() override { ++errorSearchResets; }
  FindErrSettings ReadFindErrSettings() const override { return findErr; }
  void FindErrNextEnabled(bool enabled) override { nextEnabled.push_back(enabled); }
  void NormalizeRunning(bool running) override { normalizeRunning.push_back(running); }
  void FormatNameChanged(const std::string& name) override { formatNames.push_back(name); }
  void TextConverted() override {
    ++conversions;
    if (onConverted) onConverted();
  }
  void CaptionChanged(const std::string& caption) override { captions.push_back(caption); }
  int statusRefreshes = 0;
  int errorSearchResets = 0;
  FindErrSettings findErr;
  std::vector<bool> nextEnabled;
  std::vector<bool> normalizeRunning;
  std::vector<std::string> formatNames;
  int conversions = 0;
  std::function<void()> onConverted;  // runs at each conversion, after the count
  std::vector<std::string> captions;
};

// An editor with fakes for everything; text given as Windows-1251 bytes.
struct TestEditor {
  FakeClipboard clipboard;
  FakeEditControl edit{&clipboard};
  ScriptedPrompt prompt;
  RecordingMessageSink messages;
  FakeHost host;
  EditorContext context{edit, prompt, messages, host};
  EditorLines& lines = context.lines();
  TextFormatTracker& format = context.format();
  Editor& editor = context.editor();

  TestEditor();
  explicit TestEditor(std::string_view text) : TestEditor() { edit.SetText(text); }
  int changes = 0;
};

// "а" + "б" in UTF-8 to Windows-1251, for writing Cyrillic test texts readably.
std::string Ansi(std::string_view utf8);
std::string Utf8(std::string_view ansi);
// Text as the bytes of a UTF-16 file without a mark, little- or big-endian.
std::string Utf16Bytes(std::u16string_view text, bool bigEndian = false);
// Lines joined with CR LF.
std::string Lines(std::initializer_list<std::string_view> lines);

}  // namespace quillet::testing
