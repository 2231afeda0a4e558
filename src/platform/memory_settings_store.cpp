#include "platform/memory_settings_store.h"

#include <functional>

namespace quillet {
namespace {

size_t RootIndex(SettingsRoot root) { return root == SettingsRoot::CurrentUser ? 0 : 1; }

}  // namespace

const MemorySettingsStore::Node* MemorySettingsStore::Find(SettingsRoot root, std::string_view key) const {
  const Node* node = &roots_[RootIndex(root)];
  for (const std::string& part : SplitKeyPath(key)) {
    const auto it = node->subkeys.find(part);
    if (it == node->subkeys.end()) return nullptr;
    node = &it->second;
  }
  return node;
}

MemorySettingsStore::Node& MemorySettingsStore::Make(SettingsRoot root, std::string_view key) {
  Node* node = &roots_[RootIndex(root)];
  for (const std::string& part : SplitKeyPath(key)) node = &node->subkeys[part];
  return *node;
}

void MemorySettingsStore::Prune(SettingsRoot root, std::string_view key) {
  const std::function<bool(Node&, const std::vector<std::string>&, size_t)> prune =
      [&prune](Node& node, const std::vector<std::string>& parts, size_t i) {
        if (i < parts.size()) {
          const auto it = node.subkeys.find(parts[i]);
          if (it != node.subkeys.end() && prune(it->second, parts, i + 1)) node.subkeys.erase(it);
        }
        return node.values.empty() && node.subkeys.empty();
      };
  prune(roots_[RootIndex(root)], SplitKeyPath(key), 0);
}

std::optional<StoredValue> MemorySettingsStore::Read(SettingsRoot root, std::string_view key,
                                                     std::string_view name) const {
  const Node* node = Find(root, key);
  if (!node) return std::nullopt;
  const auto it = node->values.find(name);
  if (it == node->values.end()) return std::nullopt;
  return it->second;
}

bool MemorySettingsStore::Write(SettingsRoot root, std::string_view key, std::string_view name,
                                const StoredValue& value) {
  if (!IsValidStoreName(name)) return false;
  Make(root, key).values[std::string(name)] = value;
  return true;
}

bool MemorySettingsStore::DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) {
  const Node* node = Find(root, key);
  if (!node) return true;
  const auto it = node->values.find(name);
  if (it == node->values.end()) return true;
  Make(root, key).values.erase(std::string(name));
  Prune(root, key);
  return true;
}

bool MemorySettingsStore::DeleteKey(SettingsRoot root, std::string_view key) {
  if (!Find(root, key)) return true;
  Node& node = Make(root, key);
  node.values.clear();
  node.subkeys.clear();
  Prune(root, key);
  return true;
}

bool MemorySettingsStore::KeyExists(SettingsRoot root, std::string_view key) const {
  const Node* node = Find(root, key);
  return node && (SplitKeyPath(key).empty() || !node->values.empty() || !node->subkeys.empty());
}

std::vector<std::string> MemorySettingsStore::SubKeys(SettingsRoot root, std::string_view key) const {
  std::vector<std::string> names;
  if (const Node* node = Find(root, key)) {
    for (const auto& [name, child] : node->subkeys) names.push_back(name);
  }
  return names;
}

std::vector<std::string> MemorySettingsStore::ValueNames(SettingsRoot root, std::string_view key) const {
  std::vector<std::string> names;
  if (const Node* node = Find(root, key)) {
    for (const auto& [name, value] : node->values) names.push_back(name);
  }
  return names;
}

}  // namespace quillet
