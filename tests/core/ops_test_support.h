// What the tests of the whole-text operations share: an editor whose edit control can be made
// to fail, and the checks of an applied run.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "support/fakes.h"

namespace quillet::testing {

// Throws when line failLine or, while failLine is set, the whole text is read; with
// failSetText, when the whole text is set.
class FailingEditControl : public FakeEditControl {
 public:
  std::string LineText(int line) const override {
    if (line == failLine) throw std::runtime_error("line read failed");
    return FakeEditControl::LineText(line);
  }
  std::string Text() const override {
    if (failLine >= 0) throw std::runtime_error("text read failed");
    return FakeEditControl::Text();
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
  ScriptedPrompt prompt;
  RecordingMessageSink messages;
  FakeHost host;
  EditorContext context{edit, prompt, messages, host};
  EditorLines& lines = context.lines();
  TextFormatTracker& format = context.format();
  Editor& editor = context.editor();

  FailingEditor(std::string_view text, int failLine, bool failSetText) {
    edit.SetChangeHandler([this] {
      lines.MarkStale();
      format.MarkNeedsDetection();
    });
    edit.SetText(text);
    edit.failLine = failLine;
    edit.failSetText = failSetText;
  }
};

inline std::vector<std::string> QuestionTexts(const ScriptedPrompt& prompt) {
  std::vector<std::string> texts;
  for (const auto& q : prompt.questions) texts.push_back(q.text);
  return texts;
}

// The last question asked: its text, kind and buttons; empty when none was.
using Asked = std::tuple<std::string, MsgKind, Buttons>;
inline Asked LastAsked(const ScriptedPrompt& prompt) {
  if (prompt.questions.empty()) return {};
  const auto& q = prompt.questions.back();
  return {q.text, q.kind, q.buttons};
}

// Every message recorded: its text, kind and whether it was set like the last one.
using Said = std::tuple<std::string, MsgKind, bool>;
inline std::vector<Said> Messages(const RecordingMessageSink& sink) {
  std::vector<Said> said;
  for (const auto& m : sink.messages) said.emplace_back(m.text, m.kind, m.likeLast);
  return said;
}

// A run whose last question (report + " Применить изменения?", Yes and Cancel) was answered
// Yes: the new text is in, cannot be undone, the report was recorded like the last message,
// the editor has the focus and the line-list bracket is closed.
inline void ExpectApplied(TestEditor& t, const std::string& report, const std::string& after, MsgKind kind,
                          const std::string& name) {
  SCOPED_TRACE(name);
  EXPECT_EQ(LastAsked(t.prompt), Asked(report + " Применить изменения?", MsgKind::Confirmation, Buttons::YesCancel));
  EXPECT_EQ(t.edit.Text(), after);
  EXPECT_FALSE(t.edit.CanUndo());
  EXPECT_EQ(Messages(t.messages), std::vector<Said>{Said(report, kind, true)});
  EXPECT_TRUE(t.edit.Focused());
  EXPECT_EQ(t.lines.UseCount(), 0);
}

// The run ended in a box with OK alone, the text stayed as it was and the line-list bracket
// is closed.
template <class Fixture>
void ExpectBox(Fixture& t, const std::string& text, const std::string& box, MsgKind kind) {
  SCOPED_TRACE(box);
  EXPECT_EQ(LastAsked(t.prompt), Asked(box, kind, Buttons::Ok));
  EXPECT_EQ(t.edit.Text(), text);
  EXPECT_EQ(t.lines.UseCount(), 0);
}

// The failure guard's box (OK, error) closed the run, nothing was recorded.
inline void ExpectFailureBox(FailingEditor& f, const std::string& text, const std::string& box) {
  f.edit.failLine = -1;
  ExpectBox(f, text, box, MsgKind::Error);
  EXPECT_TRUE(f.messages.messages.empty()) << box;
}

}  // namespace quillet::testing
