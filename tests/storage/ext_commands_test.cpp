// The commands of the file-type group over a fake desktop and a scripted prompt: the "Новый:"
// rules, "+", and every question, remembered answer and warning of "-", "Рег+" and "Рег-".
#include "storage/ext_commands.h"

#include <gtest/gtest.h>

#include <numeric>

#include "core/constants.h"
#include "platform/memory_settings_store.h"
#include "support/desktop_fakes.h"
#include "support/fakes.h"

namespace quillet {
namespace {

using testing::ScriptedPrompt;

constexpr const char* kOtherTail = ". Всё равно хотите зарегистрировать расширение?";

std::string Owner(const std::string& ext, const std::string& owner) {
  return "Внимание! Расширение \"" + ext + "\" уже зарегистровано на " + owner;
}
std::string Forbidden(const std::string& ext, const std::string& owner, bool more) {
  return Owner(ext, owner) +
         " и имеет специфическое расширение, не являющееся расширением текстовых файлов. Редактор не будет "
         "производить регистрацию данного расширения на себя." +
         (more ? " Продолжить регистрацию других выбранных расширений?" : "");
}
std::string Undesirable(const std::string& ext) {
  return "Внимание! Расширение \"" + ext +
         "\" является специфическим для файлов определённого типа. Его регистрация на программу Редактора "
         "нежелательна. Всё равно хотите его зарегистрировать?";
}

class ExtCommandsTest : public ::testing::Test {
 protected:
  void Load(const std::string& list, std::map<std::string, std::string> handlers) {
    desktop.handlers = std::move(handlers);
    data.LoadFromString(list);
  }
  // The extensions registered here, in list order.
  std::string Registered() {
    std::string s;
    for (const TExtDataItem& item : data.Items()) {
      if (desktop.handlers[testing::LowerAscii(item.Ext)] == "quillet") s += item.Ext + " ";
    }
    return s;
  }
  std::vector<std::pair<Buttons, std::string>> Asked() const {
    std::vector<std::pair<Buttons, std::string>> asked;
    for (const auto& q : prompt.questions) {
      EXPECT_EQ(q.kind, MsgKind::Warning) << q.text;
      asked.emplace_back(q.buttons, q.text);
    }
    return asked;
  }

  MemorySettingsStore store;
  testing::FakeDesktop desktop;
  TExtData data{store, desktop};
  ScriptedPrompt prompt;
};

TEST(ExtField, KeysAndTextOfNewRefuseWhatCannotBeAnExtension) {
  for (char c : std::string("<>\"*./:?\\|")) {
    const KeyFilterResult r = FilterExtKey(0, false, static_cast<char32_t>(c));
    EXPECT_EQ(std::make_pair(r.key, r.beep), std::make_pair(char32_t{0}, true)) << c;
  }
  const struct {
    int length;
    bool selection;
    char32_t key;
    bool passes;
  } keys[] = {{0, false, U'a', true},   {31, false, U'ж', true}, {32, false, U'a', false}, {40, false, U'a', false},
              {32, false, 8, true},     {32, true, U'a', true},  {32, false, U'.', false}, {5, false, U'-', true}};
  for (const auto& k : keys) {
    const KeyFilterResult r = FilterExtKey(k.length, k.selection, k.key);
    EXPECT_EQ(std::make_pair(r.key != 0, r.beep), std::make_pair(k.passes, !k.passes)) << k.length << " " << int(k.key);
  }
  const struct {
    std::string in, out;
    bool beep;
  } texts[] = {{"srt", "srt", false},
               {"s.r/t|", "srt", true},
               {std::string(40, 'a'), std::string(32, 'a'), true},
               {"ж" + std::string(31, 'b') + "жж", "ж" + std::string(31, 'b'), true},
               {std::string(32, 'a'), std::string(32, 'a'), false}};
  for (const auto& t : texts) {
    const ExtTextResult r = CleanExtText(t.in);
    EXPECT_EQ(std::make_pair(r.text, r.beep), std::make_pair(t.out, t.beep)) << t.in;
  }
}

TEST_F(ExtCommandsTest, PlusAddsATrimmedNewExtensionOnly) {
  Load("srt.ass", {{"sub", "vlc"}});
  for (const char* text : {"srt", " SRT ", "  ", "", "s.t"}) EXPECT_FALSE(CanAddExt(data, text)) << text;
  EXPECT_EQ(AddExt(data, "Srt"), -1);
  EXPECT_TRUE(CanAddExt(data, " sub "));
  EXPECT_EQ(AddExt(data, " sub "), 2);
  EXPECT_EQ(data.Item(2).Ext, "sub");
  EXPECT_TRUE(data.Item(2).HasOther);  // its state was read
  EXPECT_TRUE(data.Modified());
}

TEST_F(ExtCommandsTest, RowMarksAndRegisterButtonsFollowTheStates) {
  Load("srt.mp3.txt.ass", {{"srt", "quillet"}, {"mp3", "vlc"}});
  const struct {
    size_t row;
    std::optional<uint32_t> plain, coloured;
  } marks[] = {{0, 0xFF0000, 0xFF0000}, {1, std::nullopt, 0x0000FF}, {2, std::nullopt, 0x00FFFF}, {3, std::nullopt, std::nullopt}};
  for (const auto& m : marks) {
    EXPECT_EQ(RowMarkColor(data.Item(m.row), false), m.plain) << m.row;
    EXPECT_EQ(RowMarkColor(data.Item(m.row), true), m.coloured) << m.row;
  }
  const auto buttons = [&](std::vector<size_t> rows) {
    const RegButtonStates s = GetRegButtons(data, rows);
    return std::make_pair(s.reg, s.unreg);
  };
  EXPECT_EQ(buttons({}), std::make_pair(false, false));
  EXPECT_EQ(buttons({0}), std::make_pair(false, true));
  EXPECT_EQ(buttons({1, 3}), std::make_pair(true, false));
  EXPECT_EQ(buttons({0, 3}), std::make_pair(true, true));
}

TEST_F(ExtCommandsTest, TxtOwnedByAnotherProgramAsksTheUndesirableQuestion) {
  Load("txt", {{"txt", "gedit"}});
  RegisterExts(data, prompt, {0}, true);  // the script is empty: No
  EXPECT_EQ(Asked(), (std::vector<std::pair<Buttons, std::string>>{{Buttons::YesNo, Undesirable("txt")}}));
  EXPECT_EQ(Registered(), "");
  EXPECT_EQ(desktop.notifications, 1);

  prompt.Script({Answer::Yes});
  RegisterExts(data, prompt, {0}, true);
  EXPECT_EQ(Registered(), "txt ");
  // Without "Подтв." and without another program it is registered without a word; with one,
  // the question still comes.
  for (const bool other : {false, true}) {
    Load("txt", {{"txt", other ? "gedit" : ""}});
    prompt.questions.clear();
    RegisterExts(data, prompt, {0}, false);
    EXPECT_EQ(prompt.questions.size(), other ? 1u : 0u);
    EXPECT_EQ(Registered(), other ? "" : "txt ");
  }
}

TEST_F(ExtCommandsTest, Mp3OwnedByAPlayerIsNeverRegistered) {
  const std::map<std::string, std::string> owners = {{"mp3", "vlc"}, {"avi", "*"}};
  const std::string vlc = "программу \"vlc\"";
  const struct {
    std::string list;
    std::vector<Answer> script;
    std::pair<Buttons, std::string> asked;
    std::string registered;
  } cases[] = {
      {"mp3", {}, {Buttons::Ok, Forbidden("mp3", vlc, false)}, ""},
      // With more rows: Yes to all passes over the next forbidden one without a word; No stops.
      {"mp3.avi.srt", {Answer::YesToAll}, {Buttons::YesNoYesToAll, Forbidden("mp3", vlc, true)}, "srt "},
      {"avi.mp3.ssa", {Answer::No}, {Buttons::YesNoYesToAll, Forbidden("avi", "другую программу", true)}, ""},
  };
  for (const auto& c : cases) {
    Load(c.list, owners);
    prompt.questions.clear();
    for (Answer a : c.script) prompt.Script({a});
    std::vector<size_t> rows(data.Count());
    std::iota(rows.begin(), rows.end(), size_t{0});
    RegisterExts(data, prompt, rows, true);
    EXPECT_EQ(Asked(), (std::vector<std::pair<Buttons, std::string>>{c.asked}));
    EXPECT_EQ(Registered(), c.registered);
  }
  EXPECT_EQ(desktop.notifications, 3);
  EXPECT_EQ(desktop.log.size(), 1u);  // srt only
}

TEST_F(ExtCommandsTest, AnotherProgramsExtensionsAskWithRememberedAnswers) {
  const std::string list = "srt.ass.sub.ssa.txt";
  const std::map<std::string, std::string> owners = {{"srt", "vlc"}, {"ass", "*"}, {"sub", "mpv"}, {"txt", "gedit"}};
  const std::vector<size_t> all = {0, 1, 2, 3, 4};
  const auto many = Buttons::YesNoCancelNoToAllYesToAll;
  const std::string srtQ = Owner("srt", "программу \"vlc\"") + kOtherTail;
  const std::string assQ = Owner("ass", "другую программу") + kOtherTail;
  const std::string subQ = Owner("sub", "программу \"mpv\"") + kOtherTail;
  const struct {
    std::vector<Answer> script;
    std::vector<std::pair<Buttons, std::string>> asked;
    std::string registered;
  } cases[] = {
      // Yes to all holds for the other program's rows, not for the undesirable one.
      {{Answer::YesToAll, Answer::No},
       {{many, srtQ}, {Buttons::YesNo, Undesirable("txt")}},
       "srt ass sub ssa "},
      {{Answer::No, Answer::NoToAll, Answer::Yes}, {{many, srtQ}, {many, assQ}, {Buttons::YesNo, Undesirable("txt")}}, "ssa txt "},
      {{Answer::Yes, Answer::No, Answer::Yes}, {{many, srtQ}, {many, assQ}, {many, subQ}, {Buttons::YesNo, Undesirable("txt")}}, "srt sub ssa "},
      // Cancel stops the whole command.
      {{Answer::Yes, Answer::Cancel}, {{many, srtQ}, {many, assQ}}, "srt "},
  };
  for (const auto& c : cases) {
    Load(list, owners);
    prompt.questions.clear();
    for (Answer a : c.script) prompt.Script({a});
    RegisterExts(data, prompt, all, true);
    EXPECT_EQ(Asked(), c.asked);
    EXPECT_EQ(Registered(), c.registered);
  }
  // Without "Подтв." another program's extension is taken over without a question.
  Load(list, owners);
  prompt.questions.clear();
  RegisterExts(data, prompt, {0, 1}, false);
  EXPECT_TRUE(prompt.questions.empty());
  EXPECT_EQ(Registered(), "srt ass ");
  // Rows registered already are passed over, and so are they when "more" is decided.
  prompt.Script({Answer::Yes});
  RegisterExts(data, prompt, {0, 1, 2}, true);
  EXPECT_EQ(Asked(), (std::vector<std::pair<Buttons, std::string>>{{Buttons::YesNo, subQ}}));
}

TEST_F(ExtCommandsTest, WithdrawingAsksOnceAndPutsBackTheOtherProgram) {
  Load("srt.ass.ssa", {{"srt", "vlc"}, {"ass", "quillet"}});
  prompt.Script({Answer::Yes});
  RegisterExts(data, prompt, {0}, true);
  ASSERT_EQ(Registered(), "srt ass ");

  prompt.questions.clear();
  UnregisterExts(data, prompt, {1, 2}, true);  // No
  EXPECT_EQ(Asked(), (std::vector<std::pair<Buttons, std::string>>{
                         {Buttons::YesNo,
                          "Вы уверены, что хотите отменить регистрацию файлов типа \"ass\" на программу Редактора?"}}));
  EXPECT_EQ(Registered(), "srt ass ");

  prompt.questions.clear();
  prompt.Script({Answer::Yes});
  const int notifications = desktop.notifications;
  UnregisterExts(data, prompt, {0, 1, 2}, true);
  EXPECT_EQ(Asked(), (std::vector<std::pair<Buttons, std::string>>{
                         {Buttons::YesNo,
                          "Вы уверены, что хотите отменить регистрацию файлов указанных типов на программу Редактора?"}}));
  EXPECT_EQ(Registered(), "");
  EXPECT_EQ(desktop.handlers["srt"], "vlc");
  EXPECT_TRUE(data.Item(0).HasOther);
  EXPECT_EQ(desktop.notifications, notifications + 1);
  // Nothing registered: no question, nothing told.
  prompt.questions.clear();
  UnregisterExts(data, prompt, {0, 1, 2}, true);
  EXPECT_TRUE(prompt.questions.empty());
  EXPECT_EQ(desktop.notifications, notifications + 1);
}

TEST_F(ExtCommandsTest, MinusAsksAndWithdrawsARegistrationBeforeTheRowGoes) {
  Load("srt.ass.ssa", {{"ass", "quillet"}});
  EXPECT_FALSE(DeleteExts(data, prompt, {}, true));
  EXPECT_FALSE(DeleteExts(data, prompt, {1}, true));  // No
  EXPECT_FALSE(DeleteExts(data, prompt, {0, 2}, true));
  EXPECT_EQ(Asked(),
            (std::vector<std::pair<Buttons, std::string>>{
                {Buttons::YesNo, "Вы уверены, что хотите удалить выбранное расширение из списка расширений, используемых редактором?"},
                {Buttons::YesNo, "Вы уверены, что хотите удалить выбранные расширения из списка расширений, используемых редактором?"}}));
  EXPECT_EQ(data.Count(), 3u);

  prompt.Script({Answer::Yes});
  EXPECT_TRUE(DeleteExts(data, prompt, {2, 1}, true));
  EXPECT_EQ(data.Count(), 1u);
  EXPECT_EQ(data.Item(0).Ext, "srt");
  EXPECT_EQ(desktop.log, (std::vector<std::string>{"dissociate ass"}));
  EXPECT_EQ(desktop.notifications, 1);
  prompt.questions.clear();
  EXPECT_TRUE(DeleteExts(data, prompt, {0}, false));
  EXPECT_TRUE(prompt.questions.empty());
  EXPECT_EQ(data.Count(), 0u);
}

}  // namespace
}  // namespace quillet
