// What the tests of the whole-text operations share: an editor whose edit control can be made
// to fail, and short ways to read what the prompt and the message window were told.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "support/fakes.h"

namespace quillet::testing {

// An edit control that throws when line failLine is read or, when failSetText is on, when its
// whole text is set: the failures an operation's guard must catch.
class FailingEditControl : public FakeEditControl {
 public:
  std::string LineText(int line) const override {
    if (line == failLine) throw std::runtime_error("line read failed");
    return FakeEditControl::LineText(line);
  }
  void SetText(std::string_view ansi) override {
    if (failSetText) throw std::runtime_error("text set failed");
    FakeEditControl::SetText(ansi);
  }
  int failLine = -1;
  bool failSetText = false;
};

struct FailingEditor {
  FailingEditControl edit;
  EditorLines lines{edit};
  TextFormatTracker format{lines};
  ScriptedPrompt prompt;
  RecordingMessageSink messages;
  FakeHost host;
  Editor editor{edit, lines, format, prompt, messages, host};

  explicit FailingEditor(std::string_view text) {
    edit.SetChangeHandler([this] {
      lines.MarkStale();
      format.MarkNeedsDetection();
    });
    edit.SetText(text);
  }
};

// The texts of all questions asked, in order.
inline std::vector<std::string> QuestionTexts(const ScriptedPrompt& prompt) {
  std::vector<std::string> texts;
  for (const auto& q : prompt.questions) texts.push_back(q.text);
  return texts;
}

// The texts of all messages given to the message window, in order.
inline std::vector<std::string> MessageTexts(const RecordingMessageSink& sink) {
  std::vector<std::string> texts;
  for (const auto& m : sink.messages) texts.push_back(m.text);
  return texts;
}

}  // namespace quillet::testing
