// A settings store held in memory: the store of the command-line tool's runs and of the tests.
// Keys and values keep the names they were written with (compared exactly).
#pragma once

#include <map>
#include <string>

#include "platform/settings_store.h"

namespace quillet {

class MemorySettingsStore : public ISettingsStore {
 public:
  std::optional<StoredValue> Read(SettingsRoot root, std::string_view key, std::string_view name) const override;
  bool Write(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) override;
  bool DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) override;
  bool DeleteKey(SettingsRoot root, std::string_view key) override;
  bool KeyExists(SettingsRoot root, std::string_view key) const override;
  std::vector<std::string> SubKeys(SettingsRoot root, std::string_view key) const override;
  std::vector<std::string> ValueNames(SettingsRoot root, std::string_view key) const override;
  bool Flush() override {
    ++flushes;
    return true;
  }

  int flushes = 0;

 private:
  struct Node {
    std::map<std::string, StoredValue, std::less<>> values;
    std::map<std::string, Node, std::less<>> subkeys;
  };
  const Node* Find(SettingsRoot root, std::string_view key) const;
  // Creates the key and its parents.
  Node& Make(SettingsRoot root, std::string_view key);
  // Drops keys left without values and subkeys on the way to key.
  void Prune(SettingsRoot root, std::string_view key);

  Node roots_[2];
};

}  // namespace quillet
