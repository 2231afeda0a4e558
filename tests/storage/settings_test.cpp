// The settings table with its load and save rules, over the in-memory store.
#include "storage/settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/constants.h"
#include "platform/memory_settings_store.h"
#include "support/settings_samples.h"

namespace quillet {
namespace {

using testing::Ansi;
using testing::NonDefaultSettings;
using testing::ShowValue;

constexpr ScreenSize kScreen{1024, 768};

StoredValue T(const char* utf8) { return StoredValue::Text(utf8); }
StoredValue N(int32_t n) { return StoredValue::Number(n); }
StoredValue B(std::string bytes) { return StoredValue::Binary(std::move(bytes)); }

// A look as 28 bytes: seven little-endian fields.
StoredValue Look(uint32_t font, uint32_t back) {
  std::string bytes;
  for (uint32_t field : {font, back, 1u, static_cast<uint32_t>(-13), 0u, 8u, 0u}) {
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((field >> (8 * i)) & 0xFF);
  }
  return B(bytes);
}

std::optional<StoredValue> Stored(const MemorySettingsStore& store, const char* name) {
  return store.Read(SettingsRoot::CurrentUser, RegKeyProgram, name);
}

void Put(MemorySettingsStore& store, const char* name, StoredValue value) {
  store.Write(SettingsRoot::CurrentUser, RegKeyProgram, name, std::move(value));
}

TEST(SettingsTable, FirstStartWritesEveryDefaultInTheTablesOrder) {
  struct Row { const char* name; std::optional<StoredValue> written; };
  const std::optional<StoredValue> none;
  const Row expected[] = {
      {"LastOpenFile", T("")}, {"LastSaveFile", T("")}, {"LastInsertFile", T("")},
      {"LastOpenFilterType", N(1)}, {"LastSaveFilterType", N(1)},
      {"Repl_MemWhat", T("")}, {"Repl_MemWith", T("")}, {"Repl_What", T("")}, {"Repl_With", T("")},
      {"GoFrm_FLeft", N(-1000)}, {"GoFrm_FTop", N(-1000)}, {"GoFrm_AutoClose", N(0)}, {"GoFrm_CanText", N(0)},
      {"GoFrm_ErrMess", N(1)}, {"GoFrm_Win", N(0)}, {"GoFrm_Pos", N(0)}, {"GoFrm_BlcStr", N(0)},
      {"GoFrm_NearT", N(0)}, {"GoFrm_UseSec", N(0)}, {"GoFrm_Time", N(0)},
      {"SaveWindow", N(0)}, {"ShowHints", N(1)}, {"Ext_doAsk", N(1)}, {"Ext_doColor", N(0)},
      {"MaxFileSize", N(512)}, {"Show_Panel", N(1)}, {"SaveLast", N(0)}, {"SaveLastAdd", T("_before")},
      {"AutoConv", B(std::string(1, '\0'))}, {"Diap_Rem", N(0)}, {"Diap_Clr", N(0)}, {"Diap_Values", N(0)},
      {"Oper_ind", N(0)},
      {"OP_FErr_Dlit", N(1)}, {"OP_FErr_DlitVal", N(500)}, {"OP_FErr_DlitBig", N(0)}, {"OP_FErr_DlitBigV", N(20)},
      {"OP_FErr_CrosT", N(1)}, {"OP_FErr_StrNum", N(0)}, {"OP_FErr_StrNumVal", N(2)}, {"OP_FErr_Symb", N(0)},
      {"OP_FErr_Symb_S", T("[,],{,},<i>,/,\\")}, {"OP_FErr_Struct", N(1)}, {"OP_FErr_EBlc", N(0)},
      {"OP_FErr_CrosB", N(0)},
      {"Op_Edt_Sfnd", T("")}, {"Op_Edt_Srep", T("")}, {"Op_Edt_GoVisbl", N(1)},
      {"OP_Edt_GoStr", B(std::string("\1\0", 2))}, {"OP_Edt_GoBlc", B(std::string("\0\0", 2))},
      {"OP_Edt_Time", N(0)}, {"OP_Edt_UseSec", N(0)}, {"OP_Edt_NearT", N(0)}, {"OP_Edt_ErrMess", N(1)},
      {"Op_Norm_Renum", N(1)}, {"Op_Norm_RSpace", N(1)}, {"Op_Norm_Strs", N(0)},
      {"Op_WideT_ms", N(1)}, {"Op_WideT_frombeg", N(1)}, {"Op_WideT_MoveEnds", N(1)}, {"Op_WideT_DoDlit", N(0)},
      {"ShowHints", N(1)}, {"SpMessWin", B("\3")}, {"SpMessWinLast", B("\3")}, {"Panel_Vsbl", N(1)},
      {"Panels_Visbled", none},
      {"FormHeight", none}, {"FormWidth", none}, {"FormLeft", none}, {"FormTop", none}, {"FormState", none},
      {"FormMsPanSize", N(64)},
      {"FontEdit", Look(0xFF000008, 0xFF000005)}, {"FontNoEdit", Look(0xFF000008, 0xFF00001E)},
      {"FontEditName", T("Lucida Console")},
      {"FontMess", Look(0x00800000, 0x00FFEFBD)}, {"FontMessName", T("MS Sans Serif")},
  };
  MemorySettingsStore empty, saved;
  const LoadedSettings loaded = RegLoadOptions(empty, kScreen);
  EXPECT_TRUE(loaded.panelVisible);
  ASSERT_TRUE(RegSaveOptions(loaded.values, saved));
  EXPECT_EQ(saved.flushes, 1);

  const auto table = SettingsTable();
  ASSERT_EQ(table.size(), std::size(expected));
  for (size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_STREQ(table[i].name, expected[i].name);
    EXPECT_EQ(Stored(saved, expected[i].name), expected[i].written);
  }
  EXPECT_EQ(saved.ValueNames(SettingsRoot::CurrentUser, RegKeyProgram).size(), table.size() - 7);  // "ShowHints" once
}

TEST(SettingsTable, EveryValueComesBackAfterAClose) {
  const StoredSettings set = NonDefaultSettings();
  const StoredSettings defaults;
  MemorySettingsStore store;
  ASSERT_TRUE(RegSaveOptions(set, store));
  const LoadedSettings loaded = RegLoadOptions(store, {1920, 1080});
  for (const SettingRow& row : SettingsTable()) {
    SCOPED_TRACE(row.name);
    if (row.rule == SettingRule::ReadWithoutShowPanel) continue;  // never written
    if (row.rule != SettingRule::WindowBound) {
      EXPECT_NE(ShowValue(row, set), ShowValue(row, defaults));
    }
    EXPECT_EQ(ShowValue(row, loaded.values), ShowValue(row, set));
  }
  EXPECT_EQ(loaded.values.window, set.window);
  EXPECT_EQ(std::tuple(loaded.values.rangeStart, loaded.values.rangeEnd), std::tuple(3, 32000));
  EXPECT_TRUE(loaded.panelVisible);  // "Panels_Visbled" is missing, so true
}

TEST(SettingsTable, HandlersFollowTheirValues) {
  using H = LoadHandler;
  const std::vector<H> head = {H::GoFormLoaded,    H::SetDiapColor,       H::SetOperatePanel, H::CheckBox4Click,
                               H::CheckBox12Click, H::CheckBox9Click,     H::CheckBox14Click, H::CheckBox5Click,
                               H::SetFullOpEditPanel, H::CheckBox13Click, H::SetMessWin,      H::SetOpPanelVisible};
  const std::vector<H> tail = {H::SetMessPaneHeight, H::SetMemo1Font, H::SetMessLook};
  std::vector<H> always = head, withBounds = head;
  withBounds.push_back(H::SetWindowBounds);
  always.insert(always.end(), tail.begin(), tail.end());
  withBounds.insert(withBounds.end(), tail.begin(), tail.end());
  MemorySettingsStore store;
  EXPECT_EQ(RegLoadOptions(store, kScreen).handlers, always);
  Put(store, "SaveWindow", N(1));
  EXPECT_EQ(RegLoadOptions(store, kScreen).handlers, withBounds);
}

TEST(SettingsTable, LoadRules) {
  struct Case {
    const char* what;
    std::vector<std::pair<const char*, StoredValue>> stored;
    std::function<std::string(const LoadedSettings&)> show;
    std::string expected;
    ScreenSize screen = kScreen;
  };
  const auto bounds = [](const LoadedSettings& l) {
    const WindowBounds& w = l.values.window;
    return std::to_string(w.height) + " " + std::to_string(w.width) + " " + std::to_string(w.left) + " " +
           std::to_string(w.top) + " " + std::to_string(w.state);
  };
  const auto pane = [](const LoadedSettings& l) { return std::to_string(l.values.messPaneHeight); };
  const auto goLeft = [](const LoadedSettings& l) { return std::to_string(l.values.goForm.left); };
  const auto range = [](const LoadedSettings& l) {
    return std::to_string(l.values.rangeStart) + "-" + std::to_string(l.values.rangeEnd);
  };
  const auto panel = [](const LoadedSettings& l) { return std::string(l.panelVisible ? "shown" : "hidden"); };
  const auto konv = [](const LoadedSettings& l) { return std::to_string(l.values.options.konvType); };
  const auto on = std::pair{"SaveWindow", N(1)};
  // Screen 1024 x 768: default height round(768 / 1.662) = 462, width round(1024 / 1.2) = 853,
  // left (1024 - width) div 2, top (768 - height) div 2.
  const Case cases[] = {
      {"GoFrm_FLeft -1000 stays", {{"GoFrm_FLeft", N(-1000)}}, goLeft, "-1000"},
      {"GoFrm_FLeft -5 moves", {{"GoFrm_FLeft", N(-5)}}, goLeft, "-5"},
      {"bounds off", {{"FormWidth", N(800)}, {"FormState", N(2)}}, bounds, "0 0 0 0 0"},
      {"bounds defaults", {on}, bounds, "462 853 85 153 0"},
      {"FormWidth = W", {on, {"FormWidth", N(1024)}}, bounds, "462 853 85 153 0"},
      {"FormWidth below W", {on, {"FormWidth", N(1023)}}, bounds, "462 1023 0 153 0"},
      {"FormHeight = H", {on, {"FormHeight", N(768)}, {"FormTop", N(10)}}, bounds, "462 853 85 10 0"},
      {"FormHeight 0", {on, {"FormHeight", N(0)}}, bounds, "462 853 85 153 0"},
      {"FormLeft -100 of 800", {on, {"FormWidth", N(800)}, {"FormLeft", N(-100)}}, bounds, "462 800 -100 153 0"},
      {"FormLeft -700 of 800", {on, {"FormWidth", N(800)}, {"FormLeft", N(-700)}}, bounds, "462 800 112 153 0"},
      {"FormLeft -650 of 800", {on, {"FormWidth", N(800)}, {"FormLeft", N(-650)}}, bounds, "462 800 -650 153 0"},
      {"FormLeft beyond W/1.2", {on, {"FormLeft", N(854)}}, bounds, "462 853 85 153 0"},
      {"FormTop limits", {on, {"FormTop", N(582)}, {"FormState", N(2)}}, bounds, "462 853 85 582 2"},
      {"FormTop beyond", {on, {"FormTop", N(583)}, {"FormState", N(1)}}, bounds, "462 853 85 153 1"},
      {"FormTop negative", {on, {"FormTop", N(-1)}, {"FormState", N(3)}}, bounds, "462 853 85 153 0"},
      // Screen height 769: a window 1 high centres at (769 - 1) div 2 = 769 div 2, which is kept.
      {"default top at H div 2", {on, {"FormHeight", N(1)}}, bounds, "1 853 85 384 0", ScreenSize{1024, 769}},
      {"FormMsPanSize 10000", {{"FormMsPanSize", N(10000)}}, pane, "219"},
      {"FormMsPanSize missing", {}, pane, "64"},
      {"FormMsPanSize 0", {{"FormMsPanSize", N(0)}}, pane, "64"},
      {"FormMsPanSize 219", {{"FormMsPanSize", N(219)}}, pane, "219"},
      {"FormMsPanSize text", {{"FormMsPanSize", T("100")}}, pane, "64"},
      {"Diap_Values without Diap_Rem", {{"Diap_Values", N(5 * 65536 + 9)}}, range, "0-0"},
      {"Diap_Values with Diap_Rem", {{"Diap_Rem", N(1)}, {"Diap_Values", N(5 * 65536 + 9)}}, range, "5-9"},
      {"Panels_Visbled with Show_Panel", {{"Panels_Visbled", N(0)}}, panel, "shown"},
      {"Panels_Visbled without Show_Panel", {{"Show_Panel", N(0)}, {"Panels_Visbled", N(0)}}, panel, "hidden"},
      {"Panels_Visbled missing", {{"Show_Panel", N(0)}}, panel, "shown"},
      {"AutoConv 2", {{"AutoConv", B("\2")}}, konv, "2"},
      {"AutoConv 7", {{"AutoConv", B("\7")}}, konv, "0"},
      {"AutoConv as a number", {{"AutoConv", N(1)}}, konv, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MemorySettingsStore store;
    for (const auto& [name, value] : c.stored) Put(store, name, value);
    EXPECT_EQ(c.show(RegLoadOptions(store, c.screen)), c.expected);
  }
}

TEST(SettingsTable, TextsAndLooksFallBackToTheirDefaults) {
  MemorySettingsStore store;
  Put(store, "FontMess", B(std::string(27, '\x11')));
  Put(store, "FontEdit", B(std::string(29, '\x11')));
  Put(store, "FontNoEdit", T("look"));
  Put(store, "Repl_What", T("  \t "));
  Put(store, "Repl_With", T(" с "));
  Put(store, "OP_FErr_Symb_S", T("«,»"));
  Put(store, "MaxFileSize", T("800"));
  Put(store, "ShowHints", B("\1"));
  const StoredSettings v = RegLoadOptions(store, kScreen).values;
  EXPECT_EQ(v.fontMess, MessLookDefault());
  EXPECT_EQ(v.fontMess.fontColor, 0x00800000u);
  EXPECT_EQ(v.fontMess.backColor, 0x00FFEFBDu);
  EXPECT_EQ(v.fontEdit, EditLookDefault());
  EXPECT_EQ(v.fontNoEdit, NoEditLookDefault());
  EXPECT_EQ(v.replace.what, "");
  EXPECT_EQ(v.replace.with, Ansi(" с "));
  EXPECT_EQ(v.findErr.specialList, Ansi("«,»"));
  EXPECT_EQ(v.options.maxFileSizeKb, 512);
  EXPECT_TRUE(v.showHints);
}

TEST(SettingsTable, SaveRules) {
  MemorySettingsStore store;
  Put(store, "FormWidth", N(1234));
  Put(store, "FormState", N(2));
  Put(store, "Panels_Visbled", N(0));
  StoredSettings s;
  s.replace.what = "   ";
  s.replace.memWith = Ansi(" что ");
  s.options.saveLastAdd = " \t_old ";
  s.options.konvType = 9;
  s.rangeStart = 12;
  s.rangeEnd = 345;
  s.window = {500, 600, 7, 8, kWindowMaximized};
  ASSERT_TRUE(RegSaveOptions(s, store));
  EXPECT_EQ(Stored(store, "Repl_What"), T(""));
  EXPECT_EQ(Stored(store, "Repl_MemWith"), T(" что "));
  EXPECT_EQ(Stored(store, "SaveLastAdd"), T("_old"));
  EXPECT_EQ(Stored(store, "AutoConv"), B(std::string(1, '\0')));
  // The range is written although "Запоминать" is off.
  EXPECT_EQ(Stored(store, "Diap_Values"), N(12 * 65536 + 345));
  // Without "SaveWindow" the bounds stay as they were; "Panels_Visbled" is never written.
  EXPECT_EQ(Stored(store, "FormWidth"), N(1234));
  EXPECT_EQ(Stored(store, "FormState"), N(2));
  EXPECT_EQ(Stored(store, "FormHeight"), std::nullopt);
  EXPECT_EQ(Stored(store, "Panels_Visbled"), N(0));

  s.saveWindow = true;
  ASSERT_TRUE(RegSaveOptions(s, store));
  for (const auto& [name, value] : {std::pair{"FormHeight", 500}, {"FormWidth", 600}, {"FormLeft", 7},
                                    {"FormTop", 8}, {"FormState", 2}}) {
    EXPECT_EQ(Stored(store, name), N(value)) << name;
  }
}

// A store that refuses one value.
class RefusingStore : public MemorySettingsStore {
 public:
  explicit RefusingStore(std::string refused) : refused_(std::move(refused)) {}
  bool Write(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override {
    if (name == refused_) return false;
    return MemorySettingsStore::Write(root, key, name, value);
  }

 private:
  std::string refused_;
};

TEST(SettingsTable, AFailedWriteEndsTheSaveThere) {
  RefusingStore store("Oper_ind");
  Put(store, "OP_FErr_DlitVal", N(777));
  StoredSettings s;
  s.options.maxFileSizeKb = 100;
  EXPECT_FALSE(RegSaveOptions(s, store));
  EXPECT_EQ(store.flushes, 1);  // what was written before is kept
  EXPECT_EQ(Stored(store, "MaxFileSize"), N(100));
  EXPECT_EQ(Stored(store, "Diap_Values"), N(0));
  EXPECT_EQ(Stored(store, "Oper_ind"), std::nullopt);
  EXPECT_EQ(Stored(store, "OP_FErr_DlitVal"), N(777));
  EXPECT_EQ(Stored(store, "FontMessName"), std::nullopt);
}

TEST(MessPaneHeight, OneLimitForStartAndSplitter) {
  EXPECT_EQ(kMessPaneScreenPart, 3.5);
  const std::tuple<int, int, int> cases[] = {
      // stored, screen height, start height
      {10000, 768, 219}, {0, 768, 64}, {-4, 768, 64}, {219, 768, 219}, {220, 768, 219},
      {10000, 1080, 309}, {309, 1080, 309}, {301, 1050, 300},
  };
  for (const auto& [stored, screen, start] : cases) {
    EXPECT_EQ(MessPaneStartHeight(stored, screen), start) << stored << " " << screen;
  }
  EXPECT_EQ(MessPaneHeightLimit(1080), 309);  // 308.57 rounded
  EXPECT_EQ(MessPaneHeightLimit(1082), 309);  // 309.14
}

}  // namespace
}  // namespace quillet
