// What the tests of the whole-text operations share: an editor whose edit control can be made
// to fail, and the checks of an applied run.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
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
  EditorLines lines{edit};
  TextFormatTracker format{lines};
  ScriptedPrompt prompt;
  RecordingMessageSink messages;
  FakeHost host;
  Editor editor{edit, lines, format, prompt, messages, host};

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

inline std::vector<std::string> MessageTexts(const RecordingMessageSink& sink) {
  std::vector<std::string> texts;
  for (const auto& m : sink.messages) texts.push_back(m.text);
  return texts;
}

// A run whose last question (report + " Применить изменения?", Yes and Cancel) was answered
// Yes: the new text is in, cannot be undone, the report was recorded like the last message,
// the editor has the focus and the line-list bracket is closed.
inline void ExpectApplied(TestEditor& t, const std::string& report, const std::string& after, MsgKind kind,
                          const std::string& name) {
  ASSERT_FALSE(t.prompt.questions.empty()) << name;
  EXPECT_EQ(t.prompt.questions.back().text, report + " Применить изменения?") << name;
  EXPECT_EQ(t.prompt.questions.back().kind, MsgKind::Confirmation) << name;
  EXPECT_EQ(t.prompt.questions.back().buttons, Buttons::YesCancel) << name;
  EXPECT_EQ(t.edit.Text(), after) << name;
  EXPECT_FALSE(t.edit.CanUndo()) << name;
  ASSERT_EQ(t.messages.messages.size(), 1u) << name;
  EXPECT_EQ(t.messages.messages[0].text, report) << name;
  EXPECT_EQ(t.messages.messages[0].kind, kind) << name;
  EXPECT_TRUE(t.messages.messages[0].likeLast) << name;
  EXPECT_TRUE(t.edit.Focused()) << name;
  EXPECT_EQ(t.lines.UseCount(), 0) << name;
}

// The failure guard's box (OK, error) closed the run and the text stayed as it was.
inline void ExpectFailureBox(FailingEditor& f, const std::string& text, const std::string& box) {
  ASSERT_FALSE(f.prompt.questions.empty()) << box;
  EXPECT_EQ(f.prompt.questions.back().text, box);
  EXPECT_EQ(f.prompt.questions.back().kind, MsgKind::Error);
  EXPECT_EQ(f.prompt.questions.back().buttons, Buttons::Ok);
  f.edit.failLine = -1;
  EXPECT_EQ(f.edit.Text(), text) << box;
  EXPECT_TRUE(f.messages.messages.empty()) << box;
  EXPECT_EQ(f.lines.UseCount(), 0) << box;
}

}  // namespace quillet::testing
