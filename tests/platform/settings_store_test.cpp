// The typed settings store over the in-memory store: the readers' kind and length checks,
// key paths, key trees and the text form of values.
#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/memory_settings_store.h"

namespace quillet {
namespace {

constexpr auto kUser = SettingsRoot::CurrentUser;
constexpr auto kMachine = SettingsRoot::LocalMachine;

TEST(SettingsKey, ReadersGiveTheDefaultForAnotherKindOrLength) {
  MemorySettingsStore store;
  SettingsKey key(store, kUser, "\\SOFTWARE\\Tannford\\Quillet");
  store.Write(kUser, "SOFTWARE\\Tannford\\Quillet", "text", StoredValue::Text("пример"));
  store.Write(kUser, "SOFTWARE\\Tannford\\Quillet", "number", StoredValue::Number(-7));
  const std::pair<const char*, std::string> binaries[] = {
      {"b0", ""}, {"b1", "\x05"}, {"b2", std::string("\x34\x12", 2)}, {"b3", "abc"}};
  for (const auto& [name, bytes] : binaries) key.WriteBinary(name, bytes);

  struct Case { const char* name; std::string text; int32_t integer; bool boolean; int byte; int word; };
  const Case cases[] = {
      {"text", "пример", 99, true, 99, 999},
      {"number", "def", -7, true, 99, 999},
      {"b0", "def", 99, true, 99, 999},
      {"b1", "def", 99, true, 5, 999},
      {"b2", "def", 99, true, 99, 0x1234},
      {"b3", "def", 99, true, 99, 999},
      {"missing", "def", 99, true, 99, 999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(key.ReadString(c.name, "def"), c.text);
    EXPECT_EQ(key.ReadInteger(c.name, 99), c.integer);
    EXPECT_EQ(key.ReadBool(c.name, true), c.boolean);
    EXPECT_EQ(key.ReadByte(c.name, 99), c.byte);
    EXPECT_EQ(key.ReadWord(c.name, 999), c.word);
  }
  EXPECT_EQ(key.ReadBinary("b3", 3), "abc");
  EXPECT_EQ(key.ReadBinary("b3", 2), std::nullopt);

  // Booleans are numbers written 0 or 1 and read true when not 0.
  key.WriteBool("flag", true);
  EXPECT_EQ(store.Read(kUser, "SOFTWARE\\Tannford\\Quillet", "flag"), StoredValue::Number(1));
  key.WriteInteger("flag", 0);
  EXPECT_FALSE(key.ReadBool("flag", true));
  key.WriteWord("w", 0xABCD);
  EXPECT_EQ(key.ReadBinary("w", 2), std::string("\xCD\xAB", 2));
}

TEST(SettingsStore, KeyPathsAndKeysThatExistOnlyWithContent) {
  EXPECT_EQ(NormalizeKeyPath("\\\\SOFTWARE\\\\Tannford\\"), "SOFTWARE\\Tannford");
  EXPECT_EQ(JoinKeyPath("\\SOFTWARE\\", "\\Tannford\\Quillet"), "SOFTWARE\\Tannford\\Quillet");

  MemorySettingsStore store;
  EXPECT_TRUE(store.KeyExists(kUser, ""));
  EXPECT_FALSE(store.KeyExists(kUser, "A"));
  EXPECT_TRUE(store.Write(kUser, "\\A\\B\\", "v", StoredValue::Number(1)));
  EXPECT_FALSE(store.Write(kUser, "A", "x/y", StoredValue::Number(1)));
  EXPECT_TRUE(store.KeyExists(kUser, "A"));
  EXPECT_FALSE(store.KeyExists(kMachine, "A"));
  EXPECT_EQ(store.SubKeys(kUser, "A"), std::vector<std::string>{"B"});
  EXPECT_TRUE(store.DeleteValue(kUser, "A\\B", "v"));
  EXPECT_FALSE(store.KeyExists(kUser, "A"));
}

TEST(SettingsStore, KeysAreCopiedAndDeletedWithEverythingBelow) {
  MemorySettingsStore store;
  store.Write(kUser, "Classes\\.srt", "", StoredValue::Text("srtfile"));
  store.Write(kUser, "Classes\\.srt\\OpenWithList\\a", "x", StoredValue::Binary(std::string("\0\1", 2)));
  store.Write(kUser, "Classes\\.srt", "n", StoredValue::Number(3));
  ASSERT_TRUE(CopyKey(store, kUser, "Classes\\.srt", kMachine, "SOFTWARE\\Tannford\\Quillet\\LastExt\\srt"));
  EXPECT_EQ(ReadKeyTree(store, kUser, "Classes\\.srt"),
            ReadKeyTree(store, kMachine, "\\SOFTWARE\\Tannford\\Quillet\\LastExt\\srt\\"));
  EXPECT_EQ(store.ValueNames(kMachine, "SOFTWARE\\Tannford\\Quillet\\LastExt\\srt"), (std::vector<std::string>{"", "n"}));

  EXPECT_TRUE(store.DeleteKey(kUser, "Classes\\.srt"));
  EXPECT_FALSE(store.KeyExists(kUser, "Classes"));
  EXPECT_FALSE(CopyKey(store, kUser, "Classes\\.srt", kMachine, "X"));
  EXPECT_TRUE(store.KeyExists(kMachine, "SOFTWARE\\Tannford\\Quillet\\LastExt\\srt\\OpenWithList\\a"));
}

TEST(SettingsStore, TextFormKeepsEveryKind) {
  const StoredValue values[] = {
      StoredValue::Number(0),
      StoredValue::Number(-1),
      StoredValue::Number(INT32_MIN),
      StoredValue::Binary(""),
      StoredValue::Binary(std::string("\0\xff\x10", 3)),
      StoredValue::Text(""),
      StoredValue::Text("dword:00000001"),
      StoredValue::Text("hex:01"),
      StoredValue::Text("sz:x"),
      StoredValue::Text("dword"),
      StoredValue::Text("[,],{,},<i>,/,\\"),
  };
  for (const StoredValue& v : values) {
    SCOPED_TRACE(ValueToText(v));
    EXPECT_EQ(ValueFromText(ValueToText(v)), v);
  }
  EXPECT_EQ(ValueToText(StoredValue::Number(-1)), "dword:ffffffff");
  EXPECT_EQ(ValueToText(StoredValue::Binary("\x01\xab")), "hex:01,ab");
  // Forms that do not parse stay text.
  for (const char* text : {"dword:1", "dword:0000000g", "hex:1", "hex:01;02", "hex:01,"}) {
    EXPECT_EQ(ValueFromText(text), StoredValue::Text(text)) << text;
  }
}

}  // namespace
}  // namespace quillet
