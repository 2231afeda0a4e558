// Fakes of the platform interfaces, and an editor wired together from them.
#pragma once

#include <deque>
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

  // Answers given in order; when the script runs out, boxes with one button answer Ok, Yes/No
  // boxes No and all others Cancel.
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
    return openResult;
  }
  std::string DocumentsFolder() const override { return documents; }
  std::vector<std::string> opened;
  bool openResult = true;
  std::string documents;
};

class FakeHost : public EditorHost {
 public:
  void SetStatus() override { ++statusRefreshes; }
  void ResetErrorSearch() override { ++errorSearchResets; }
  FindErrSettings ReadFindErrSettings() const override { return findErr; }
  int statusRefreshes = 0;
  int errorSearchResets = 0;
  FindErrSettings findErr;
};

// An editor with fakes for everything; text given as Windows-1251 bytes.
struct TestEditor {
  FakeClipboard clipboard;
  FakeEditControl edit{&clipboard};
  EditorLines lines{edit};
  TextFormatTracker format{lines};
  ScriptedPrompt prompt;
  RecordingMessageSink messages;
  FakeHost host;
  Editor editor{edit, lines, format, prompt, messages, host};

  TestEditor();
  explicit TestEditor(std::string_view text) : TestEditor() { edit.SetText(text); }
  int changes = 0;
};

// "а" + "б" in UTF-8 to Windows-1251, for writing Cyrillic test texts readably.
std::string Ansi(std::string_view utf8);
std::string Utf8(std::string_view ansi);
// Lines joined with CR LF.
std::string Lines(std::initializer_list<std::string_view> lines);

}  // namespace quillet::testing
