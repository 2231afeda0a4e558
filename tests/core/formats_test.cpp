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
      {"ASS by its styles header", Script("", "[V4+ Styles]", kSsaEventFormat), TextFormat::Ass},
      {"ASS by Layer in the format line", Script("", "[V4 Styles]", kEventFormat), TextFormat::Ass},
      {"SSA", Script("", "[V4 Styles]", kSsaEventFormat), TextFormat::Ssa},
      {"ASS by a V4 Styles+ header", Script("", "[V4 Styles+]", kSsaEventFormat), TextFormat::Ass},
      {"Styles+ without V4", Script("", "[V5 Styles+]", kSsaEventFormat), TextFormat::Ssa},
      {"after a UTF-8 mark", Script("\xEF\xBB\xBF", "[V4+ Styles]", kEventFormat), TextFormat::Ass},
      {"header at position 7", Script("123456", "[V4+ Styles]", kEventFormat), TextFormat::Ass},
      {"header at position 8", Script("1234567", "[V4+ Styles]", kEventFormat), TextFormat::Unknown},
      {"no Dialogue line", Script("", "[V4+ Styles]", kEventFormat, "Comment: 0,0:00:01.00,0:00:02.00,,,0,0,0,,x"),
       TextFormat::Unknown},
      {"Dialogue right after [Events]", Lines({"[Script Info]", "x", "[Events]", kDialogue}), TextFormat::Unknown},
      // More than six characters after "[Events]" hide the format line; the styles then decide.
      {"format line not right after [Events]",
       Lines({"[Script Info]", "", "[V4 Styles]", "", "[Events] ;events", kEventFormat, kDialogue}), TextFormat::Ssa},
      {"SRT", kSrt, TextFormat::Srt},
      {"time line first (arrow at 13)", Lines({kTime, "Hi"}), TextFormat::Unknown},
      {"good sixth arrow", afterBadArrows(5), TextFormat::Unknown},  // only five arrows are looked at
      {"good fifth arrow", afterBadArrows(4), TextFormat::Srt},
      {"arrow ending at 5119", fits + kTime, TextFormat::Srt},
      {"arrow ending at 5120", fits + "x" + kTime, TextFormat::Unknown},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectFormatOf(c.text), c.expected) << c.what;
}

TEST(TextFormatTracker, SrtStaysUntilEmptiedAndLabelFollows) {
  TestEditor t(kSrt);
  std::vector<std::string>& labels = t.host.formatNames;
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

TEST(ConvertAssTime, Table) {
  const std::pair<std::string, std::string> cases[] = {  // the start and end time read; empty: failure
      {"Dialogue: 0,0:00:01.50,0:00:03.00,Default,,0,0,0,,Hi", "00:00:01,500 00:00:03,000"},
      {"Dialogue: 0,1:02:03.04,10:20:30.99,Default,,0,0,0,,Hi", "01:02:03,040 10:20:30,990"},
      // The fraction is the leading digits of the milliseconds.
      {"Dialogue: 0,0:00:01.5,0:00:02.123,S,,0,0,0,,Hi", "00:00:01,500 00:00:02,123"},
      // Leading zeros of a field go; one left empty, signed or of many digits fails it.
      {"Dialogue: 0,0:007:01.00,0:00:02.00,S,,0,0,0,,Hi", "00:07:01,000 00:00:02,000"},
      {"Dialogue: 0,0::01.00,0:00:02.00,S,,0,0,0,,Hi", ""},
      {"Dialogue: 0,0:-1:01.00,0:00:02.00,S,,0,0,0,,Hi", ""},
      {"Dialogue: 0,0:00:99999999999999999999.00,0:00:02.00,S,,0,0,0,,Hi", ""},
      {"Dialogue: 0,100:00:01.00,0:00:02.00,S,,0,0,0,,Hi", ""},
      {"Dialogue: 0,0:00:01.1234,0:00:02.00,S,,0,0,0,,Hi", ""},
      {"Dialogue: 0,0:00:01.00,0:00:02,S,,0,0,0,,Hi", ""},  // no dot in the end time
      {"Dialogue: 0,0:0x:01.00,0:00:02.00,S,,0,0,0,,Hi", ""},
      {"", ""},
  };
  for (const auto& [line, times] : cases) {
    int p = 1;
    std::string start, end;
    const bool ok = ConvertAssTime(p, line, start) && ConvertAssTime(p, line, end);
    EXPECT_EQ(ok ? start + " " + end : std::string(), times) << line;
  }
}

TEST(CleanAssText, Table) {
  const std::string head = "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,";
  const std::pair<std::string, std::string> cases[] = {
      {"{\\i1}Hi\\Nthere", "Hi\r\nthere"},
      {"Hi\\n   there", "Hi\r\nthere"},  // blanks after a break go
      {"\\NHi\\N\\n", "Hi"},
      {"Hello, world", "Hello, world"},  // commas of the text stay
      {"x{unclosed\\Ny", "x{unclosed\\Ny"},  // nothing closes the group: left as it is
      {Ansi("{\\c&H00FF00&}Привет\\Nмир"), Ansi("Привет\r\nмир")},
      {"", ""},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(CleanAssText(head + text), expected) << text;
  EXPECT_EQ(CleanAssText("Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0"), "");  // eight commas
}

// No line of a block is left blank: in SRT it would end the block, and the rest of the event
// would stand outside any block or make blocks of its own.
TEST(CleanAssText, BreaksLeaveNoBlankLine) {
  const std::string head = "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,";
  const std::pair<std::string, std::string> cases[] = {
      {"One\\N\\Ntwo", "One\r\ntwo"},
      {"One\\N \\N\\ntwo", "One\r\ntwo"},
      {"One\\N{\\i1}\\Ntwo", "One\r\ntwo"},  // a break left alone by a tag group
      {"One\\N\t\\Ntwo", "One\r\ntwo"},        // a line of a tab is blank
      {" \t\\NOne", "One"},
      {"One\\N{\\i1} {\\i0}", "One"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(CleanAssText(head + text), expected) << text;
  // An event that holds a whole block in its text stays one block.
  EXPECT_EQ(ConvertAssEvents(head + "a\\N\\N2\\N00:00:05,000 --> 00:00:06,000\\Ninjected").srt,
            Lines({"1", "00:00:01,000 --> 00:00:02,000", "a", "2", "00:00:05,000 --> 00:00:06,000", "injected", "", ""}));
}

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

TEST(ConvertAssEvents, AssAndSsaScriptsAndTheWordInsideALine) {
  const SrtConversion r = ConvertAssEvents(kAssScript);
  EXPECT_EQ(std::make_pair(r.blocks, r.errors), std::make_pair(3, 3));  // three-digit hours, few commas, only tags
  EXPECT_EQ(r.srt, Lines({"1", "00:00:01,500 --> 00:00:03,000", "Hi", "there", "",
                          "2", "00:00:04,000 --> 00:00:05,250", Ansi("Второй"), Ansi("блок"), "",
                          "3", "00:01:00,000 --> 00:01:02,000", "Last line", "", ""}));
  EXPECT_EQ(ConvertReportText("ass", r), kAssReport);
  EXPECT_EQ(ConvertReportKind(r), MsgKind::Warning);

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
  const SrtConversion s = ConvertAssEvents(ssa);
  EXPECT_EQ(std::make_pair(s.blocks, s.errors), std::make_pair(2, 1));
  EXPECT_EQ(s.srt, Lines({"1", kTime, "One", "", "2", "00:00:03,000 --> 00:00:04,000", "Two", "", ""}));
}

TEST(ConvertAssEvents, NothingToConvert) {
  for (const std::string& text : {std::string(), std::string("Dialogue"), std::string("; Dialogue in a comment")})
    EXPECT_TRUE(ConvertAssEvents(text).srt.empty()) << text;
  const SrtConversion none = ConvertAssEvents("no events");
  EXPECT_EQ(ConvertReportText("ssa", none), "Конвертация из ssa в srt: Блоков добавлено: 0, ошибок при конвертации: 0");
  EXPECT_EQ(ConvertReportKind(none), MsgKind::Information);
}

// Runs the command on text, the editor unfocused, with the selection 5..8; the converted
// callback checks it is called outside the update bracket.
TEST(ConvertEditorText, ConvertsAsOneUndoableEditOrLeavesTheTextAlone) {
  const std::string badSsa = Script("", "[V4 Styles]", kSsaEventFormat, "Dialogue: Marked=0,bad,times,,,,,,,,x");
  const std::string words = "Some text that is no subtitles";
  struct Case { std::string text, result, message; MsgKind kind; TextFormat format; };  // message empty: none
  const std::vector<Case> cases = {
      {"  short \r\n\r\n   ", "  short \r\n\r\n   ", "", MsgKind::Information, TextFormat::Unknown},
      {"123456789 \r\n", "123456789 \r\n", "", MsgKind::Information, TextFormat::Unknown},  // 9 characters
      {"1234567890 \r\n", "1234567890 \r\n", "Формат текста не удалось определить. Невозможно выполнить конвертацию!",
       MsgKind::Information, TextFormat::Unknown},  // 10 characters
      {words, words, "Формат текста не удалось определить. Невозможно выполнить конвертацию!", MsgKind::Information,
       TextFormat::Unknown},
      {kSrt, kSrt, "Текст уже имеет формат субтитров SRT. Опреация отменена!", MsgKind::Information, TextFormat::Srt},
      {kAssScript, ConvertAssEvents(kAssScript).srt, kAssReport, MsgKind::Warning, TextFormat::Srt},
      // An empty result empties the editor.
      {badSsa, "", "Конвертация из ssa в srt: Блоков добавлено: 0, ошибок при конвертации: 1", MsgKind::Warning,
       TextFormat::Unknown},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TestEditor t(c.text);
    t.edit.ClearFocus();
    t.edit.SetSel(5, 3);
    const int& converted = t.host.conversions;
    t.host.onConverted = [&] { EXPECT_EQ(t.edit.UpdateDepth(), 0); };
    ConvertEditorText(t.editor, TextFormat::Srt);
    const bool changed = c.result != c.text;
    EXPECT_EQ(std::make_tuple(t.edit.Text(), converted, t.host.errorSearchResets, t.prompt.beeps, t.edit.Focused()),
              std::make_tuple(c.result, int(changed), int(changed), 1, true));
    ASSERT_EQ(t.messages.messages.size(), c.message.empty() ? 0u : 1u);
    for (const auto& m : t.messages.messages)
      EXPECT_EQ(std::make_pair(m.text, m.kind), std::make_pair(c.message, c.kind));
    if (!changed) {
      EXPECT_FALSE(t.edit.CanUndo());
      continue;
    }
    EXPECT_EQ(std::make_pair(t.format.Current(), t.format.NeedsDetection()), std::make_pair(c.format, false));
    t.edit.Undo();
    EXPECT_EQ(std::make_pair(t.edit.Text(), t.edit.CanUndo()), std::make_pair(c.text, false));
  }
}

}  // namespace
}  // namespace quillet
