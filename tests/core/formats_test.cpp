#include "core/formats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fakes.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::Lines;
using testing::TestEditor;

// ---- detection -----------------------------------------------------------------------------

const std::string kEventFormat =
    "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text";
const std::string kSsaEventFormat =
    "Format: Marked, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text";
const std::string kDialogue = "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,Hi";
const std::string kTime = "00:00:01,000 --> 00:00:02,000";

std::string Script(const std::string& head, const std::string& styles, const std::string& format,
                   const std::string& events = kDialogue) {
  return head + Lines({"[Script Info]", "ScriptType: v4.00+", "", styles,
                       "Format: Name, Fontname, Fontsize", "Style: Default,Arial,20", "", "[Events]", format,
                       events, ""});
}

const std::string kSrt = Lines({"1", kTime, "Hi", "", "2", "00:00:03,000 --> 00:00:04,000", "There", ""});

TEST(DetectFormatOf, Table) {
  // n blocks whose time line has a bad hour, then a good block.
  auto afterBadArrows = [](int n) {
    std::string t;
    for (int i = 0; i < n; ++i) t += Lines({"1", "xx:00:01,000 --> 00:00:02,000", ""}) + "\r\n";
    return t + Lines({"6", kTime, "Hi"});
  };
  const std::string fits(5119 - 17, 'x');  // the arrow must end within the first 5119 characters
  struct Case { const char* what; std::string text; TextFormat expected; };
  const std::vector<Case> cases = {
      {"empty", "", TextFormat::Unknown},
      {"plain words", "Just some words\r\nand more", TextFormat::Unknown},
      {"ASS by its styles header", Script("", "[V4+ Styles]", kSsaEventFormat), TextFormat::Ass},
      {"ASS by Layer in the format line", Script("", "[V4 Styles]", kEventFormat), TextFormat::Ass},
      {"ASS by [V4 Styles+]", Script("", "[V4 Styles+]", kSsaEventFormat), TextFormat::Ass},
      {"SSA", Script("", "[V4 Styles]", kSsaEventFormat), TextFormat::Ssa},
      {"Layer without a styles section", Lines({"[Script Info]", "Title: x", "", "[Events]", kEventFormat, kDialogue}),
       TextFormat::Ass},
      {"after a UTF-8 mark", Script("\xEF\xBB\xBF", "[V4+ Styles]", kEventFormat), TextFormat::Ass},
      {"after a blank line", Script("\r\n", "[V4 Styles]", kSsaEventFormat), TextFormat::Ssa},
      {"header at position 7", Script("123456", "[V4+ Styles]", kEventFormat), TextFormat::Ass},
      {"header at position 8", Script("1234567", "[V4+ Styles]", kEventFormat), TextFormat::Unknown},
      {"no Dialogue line", Script("", "[V4+ Styles]", kEventFormat, "Comment: 0,0:00:01.00,0:00:02.00,,,0,0,0,,x"),
       TextFormat::Unknown},
      {"Dialogue right after [Events]", Lines({"[Script Info]", "x", "[Events]", kDialogue}), TextFormat::Unknown},
      // More than six characters after "[Events]" hide the format line; the styles then decide.
      {"format line not right after [Events]",
       Lines({"[Script Info]", "", "[V4 Styles]", "", "[Events] ;events", kEventFormat, kDialogue}), TextFormat::Ssa},
      {"SRT", kSrt, TextFormat::Srt},
      {"SRT after text", "Some header text\r\n\r\n" + kSrt, TextFormat::Srt},
      {"time line first (arrow at 13)", Lines({kTime, "Hi"}), TextFormat::Unknown},
      {"time line with a dot", Lines({"1", "00:00:01.000 --> 00:00:02,000", "Hi"}), TextFormat::Unknown},
      {"good sixth arrow", afterBadArrows(5), TextFormat::Unknown},  // only five arrows are looked at
      {"good fifth arrow", afterBadArrows(4), TextFormat::Srt},
      {"arrow ending at 5119", fits + kTime, TextFormat::Srt},
      {"arrow ending at 5120", fits + "x" + kTime, TextFormat::Unknown},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectFormatOf(c.text), c.expected) << c.what;
}

TEST(TextFormatTracker, SrtStaysUntilEmptiedAndLabelFollows) {
  TestEditor t(kSrt);
  std::vector<std::string> labels;
  t.format.SetLabelHandler([&](const std::string& s) { labels.push_back(s); });
  EXPECT_EQ(t.format.GetTextFormat(), TextFormat::Srt);
  EXPECT_FALSE(t.format.NeedsDetection());

  t.edit.SetText("1\r\nno time line any more");
  EXPECT_TRUE(t.format.NeedsDetection());
  EXPECT_EQ(t.format.GetTextFormat(), TextFormat::Srt);

  t.edit.SetText(Script("", "[V4 Styles]", kSsaEventFormat));
  EXPECT_EQ(t.format.GetTextFormat(), TextFormat::Ssa);
  t.edit.SetText("");
  EXPECT_EQ(t.format.GetTextFormat(), TextFormat::Unknown);
  EXPECT_EQ(labels, (std::vector<std::string>{"SRT", "SRT", "SSA", "???"}));

  // Without update nothing of the tracker changes.
  EXPECT_EQ(t.format.DetectTextFormat(kSrt, false), TextFormat::Srt);
  EXPECT_EQ(t.format.Current(), TextFormat::Unknown);
  EXPECT_EQ(labels.size(), 4u);

  // A script is read whole: its events start far beyond what the SRT rule looks at.
  std::string text = Lines({"[Script Info]", "ScriptType: v4.00+", "[V4+ Styles]"}) + "\r\n";
  for (int i = 0; i < 400; ++i) text += "Style: S" + std::to_string(i) + ",Arial,20,&H00FFFFFF\r\n";
  t.edit.SetText(text + Lines({"", "[Events]", kEventFormat, kDialogue}));
  ASSERT_GT(t.edit.Text().size(), 6000u);
  EXPECT_EQ(t.format.GetTextFormat(), TextFormat::Ass);
}

// ---- conversion pieces ---------------------------------------------------------------------

TEST(PadNumber, Table) {
  struct Case { const char* piece; int width; bool ok; const char* out; };
  const Case cases[] = {
      {"0", 2, true, "00"}, {"007", 2, true, "07"}, {"123", 2, false, ""}, {"50", 3, true, "050"},
      {"", 2, false, ""},   {"1a", 2, false, ""},   {"-1", 2, false, ""},  {"99999999999999999999", 2, false, ""},
  };
  for (const Case& c : cases) {
    std::string out = "unchanged";
    EXPECT_EQ(PadNumber(c.piece, c.width, out), c.ok) << c.piece;
    if (c.ok) {
      EXPECT_EQ(out, c.out) << c.piece;
    }
  }
}

TEST(ConvertAssTime, Table) {
  const std::pair<std::string, std::string> cases[] = {  // the start and end time read; empty: failure
      {"Dialogue: 0,0:00:01.50,0:00:03.00,Default,,0,0,0,,Hi", "00:00:01,500 00:00:03,000"},
      {"Dialogue: 0,1:02:03.04,10:20:30.99,Default,,0,0,0,,Hi", "01:02:03,040 10:20:30,990"},
      // The fraction is the leading digits of the milliseconds.
      {"Dialogue: 0,0:00:01.5,0:00:02.123,S,,0,0,0,,Hi", "00:00:01,500 00:00:02,123"},
      {"Dialogue: Marked=0,0:00:01.00,0:00:02.00,S,,0,0,0,,Hi", "00:00:01,000 00:00:02,000"},
      {"Dialogue: 0,100:00:01.00,0:00:02.00,S,,0,0,0,,Hi", ""},
      {"Dialogue: 0,0:00:01.1234,0:00:02.00,S,,0,0,0,,Hi", ""},
      {"Dialogue: 0,0:00:01.00,0:00:02,S,,0,0,0,,Hi", ""},  // no dot in the end time
      {"Dialogue: 0,0:0x:01.00,0:00:02.00,S,,0,0,0,,Hi", ""},
      {"Dialogue: no fields", ""},
      {"", ""},
  };
  for (const auto& [line, times] : cases) {
    int p = 1;
    std::string start, end;
    const bool ok = ConvertAssTime(p, line, start) && ConvertAssTime(p, line, end);
    EXPECT_EQ(ok, !times.empty()) << line;
    if (ok) {
      EXPECT_EQ(start + " " + end, times) << line;
    }
  }
}

TEST(CleanAssText, Table) {
  const std::string head = "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,";
  const std::pair<std::string, std::string> cases[] = {
      {"{\\i1}Hi\\Nthere", "Hi\r\nthere"},
      {"Hi\\n   there", "Hi\r\nthere"},  // blanks after a break go
      {"\\NHi\\N\\n", "Hi"},
      {"Hi {\\i0}", "Hi"},
      {"Hello, world", "Hello, world"},  // commas of the text stay
      {"{\\i1}a{\\i0} b {\\b1}c{\\b0}", "a b c"},
      {"x{unclosed\\Ny", "x{unclosed\\Ny"},  // nothing closes the group: left as it is
      {"a}b{c\\Nd", "a}b{c\\Nd"},
      {"{\\pos(10,20)}", ""},
      {Ansi("{\\c&H00FF00&}Привет\\Nмир"), Ansi("Привет\r\nмир")},
      {"", ""},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(CleanAssText(head + text), expected) << text;
  EXPECT_EQ(CleanAssText("Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0"), "");  // eight commas
}

// ---- whole scripts ---------------------------------------------------------------------------

const std::string kAssScript = Lines({
    "[Script Info]",
    "; Script generated by hand; no dialogue here",
    "ScriptType: v4.00+",
    "",
    "[V4+ Styles]",
    "Format: Name, Fontname, Fontsize, PrimaryColour",
    "Style: Default,Arial,20,&H00FFFFFF",
    "",
    "[Events]",
    "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text",
    "Dialogue: 0,0:00:01.50,0:00:03.00,Default,,0,0,0,,{\\i1}Hi\\Nthere",
    "Comment: 0,0:00:03.00,0:00:04.00,Default,,0,0,0,,not shown",
    "!: Dialogue: 0,0:00:03.00,0:00:04.00,Default,,0,0,0,,commented out",
    "// Dialogue: 0,0:00:03.00,0:00:04.00,Default,,0,0,0,,commented out",
    "Dialogue: 0,0:00:04.00,0:00:05.25,Default,,0,0,0,,{\\an8}" + Ansi("Второй\\nблок"),
    "Dialogue: 1,100:00:00.00,100:00:01.00,Default,,0,0,0,,too late",
    "Dialogue: 0,0:00:06.00,0:00:07.00,Default,,0,0,0",  // too few commas
    "Dialogue: 0,0:00:08.00,0:00:09.00,Default,,0,0,0,,{\\fad(100,100)}",
    "Dialogue: 0,0:01:00.00,0:01:02.00,Default,,0,0,0,,Last line",  // no line break after it
});
const std::string kAssReport = "Конвертация из ass в srt: Блоков добавлено: 3, ошибок при конвертации: 3";

TEST(ConvertAssEvents, AssScript) {
  const SrtConversion r = ConvertAssEvents(kAssScript);
  EXPECT_EQ(r.blocks, 3);
  EXPECT_EQ(r.errors, 3);  // hours of three digits, too few commas, only tags
  EXPECT_EQ(r.srt, Lines({"1", "00:00:01,500 --> 00:00:03,000", "Hi", "there", "",
                          "2", "00:00:04,000 --> 00:00:05,250", Ansi("Второй"), Ansi("блок"), "",
                          "3", "00:01:00,000 --> 00:01:02,000", "Last line", "", ""}));
  EXPECT_EQ(ConvertReportText("ass", r), kAssReport);
  EXPECT_EQ(ConvertReportKind(r), MsgKind::Warning);

  testing::RecordingMessageSink sink;
  EXPECT_EQ(ConvertToSrt(kAssScript, "ass", sink), r.srt);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, MsgKind::Warning);
}

TEST(ConvertAssEvents, SsaScriptAndTheWordInsideALine) {
  const std::string ssa = Lines({
      "[Script Info]",
      "ScriptType: v4.00",
      "[V4 Styles]",
      "Format: Name, Fontname, Fontsize",
      "Style: Default,Tahoma,24",
      "[Events]",
      "Format: Marked, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text",
      "Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default,NTP,0000,0000,0000,!Effect,One",
      // A Comment line whose text holds the word: the word starts an event line of its own,
      // which has no times.
      "Comment: 0,0:00:02.00,0:00:03.00,Default,,0,0,0,,the dialogue goes on",
      "dialogue: Marked=0,0:00:03.00,0:00:04.00,Default,NTP,0000,0000,0000,!Effect,Two",
      "",
  });
  EXPECT_EQ(DetectFormatOf(ssa), TextFormat::Ssa);
  const SrtConversion r = ConvertAssEvents(ssa);
  EXPECT_EQ(std::make_pair(r.blocks, r.errors), std::make_pair(2, 1));
  EXPECT_EQ(r.srt, Lines({"1", kTime, "One", "", "2", "00:00:03,000 --> 00:00:04,000", "Two", "", ""}));
}

TEST(ConvertAssEvents, NothingToConvert) {
  for (const std::string& text : {std::string(), std::string("Dialogue"), std::string("; Dialogue in a comment")}) {
    EXPECT_TRUE(ConvertAssEvents(text).srt.empty());
  }
  const SrtConversion none = ConvertAssEvents("no events");
  EXPECT_EQ(ConvertReportText("ssa", none), "Конвертация из ssa в srt: Блоков добавлено: 0, ошибок при конвертации: 0");
  EXPECT_EQ(ConvertReportKind(none), MsgKind::Information);
}

// ---- the conversion command ------------------------------------------------------------------

// Runs the command on text, the editor unfocused, with the selection 5..8 when select; the
// converted callback checks it is called outside the update bracket.
struct ConvertRun {
  ConvertRun(const std::string& text, bool select) : t(text) {
    t.edit.ClearFocus();
    if (select) t.edit.SetSel(5, 3);
    ConvertEditorText(t.editor, TextFormat::Srt, [this] {
      ++converted;
      EXPECT_EQ(t.edit.UpdateDepth(), 0);
    });
    EXPECT_EQ(t.prompt.beeps, 1);
    EXPECT_TRUE(t.edit.Focused());
  }
  TestEditor t;
  int converted = 0;
};

TEST(ConvertEditorText, NothingToDo) {
  struct Case { std::string text; std::string message; };  // message empty: none
  const std::vector<Case> cases = {
      {"  short \r\n\r\n   ", ""},
      {"Some text that is no subtitles", "Формат текста не удалось определить. Невозможно выполнить конвертацию!"},
      {kSrt, "Текст уже имеет формат субтитров SRT. Опреация отменена!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ConvertRun run(c.text, false);
    EXPECT_EQ(run.t.edit.Text(), c.text);
    EXPECT_FALSE(run.t.edit.CanUndo());
    EXPECT_EQ(run.converted + run.t.host.errorSearchResets, 0);
    ASSERT_EQ(run.t.messages.messages.size(), c.message.empty() ? 0u : 1u);
    if (!c.message.empty()) {
      EXPECT_EQ(run.t.messages.messages[0].text, c.message);
      EXPECT_EQ(run.t.messages.messages[0].kind, MsgKind::Information);
    }
  }
}

TEST(ConvertEditorText, ConvertsAsOneUndoableEdit) {
  const std::string badSsa = Script("", "[V4 Styles]", kSsaEventFormat, "Dialogue: Marked=0,bad,times,,,,,,,,x");
  struct Case { std::string text, result; TextFormat format; std::string report; };
  const std::vector<Case> cases = {
      {kAssScript, ConvertAssEvents(kAssScript).srt, TextFormat::Srt, kAssReport},
      {badSsa, "", TextFormat::Unknown, "Конвертация из ssa в srt: Блоков добавлено: 0, ошибок при конвертации: 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.report);
    ConvertRun run(c.text, true);
    EXPECT_EQ(run.t.edit.Text(), c.result);  // an empty result empties the editor
    EXPECT_EQ(std::make_pair(run.converted, run.t.host.errorSearchResets), std::make_pair(1, 1));
    EXPECT_EQ(run.t.format.Current(), c.format);
    EXPECT_FALSE(run.t.format.NeedsDetection());
    ASSERT_EQ(run.t.messages.messages.size(), 1u);
    EXPECT_EQ(run.t.messages.messages[0].text, c.report);
    run.t.edit.Undo();
    EXPECT_EQ(run.t.edit.Text(), c.text);
    EXPECT_FALSE(run.t.edit.CanUndo());
  }
}

}  // namespace
}  // namespace quillet
