#include "platform/settings_store.h"

namespace quillet {

// ---- key paths ----

std::vector<std::string> SplitKeyPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t pos = 0;
  while (pos < path.size()) {
    const size_t next = path.find('\\', pos);
    const size_t end = next == std::string_view::npos ? path.size() : next;
    if (end > pos) parts.emplace_back(path.substr(pos, end - pos));
    pos = end + 1;
  }
  return parts;
}

std::string NormalizeKeyPath(std::string_view path) {
  std::string out;
  for (const std::string& part : SplitKeyPath(path)) {
    if (!out.empty()) out += '\\';
    out += part;
  }
  return out;
}

std::string JoinKeyPath(std::string_view parent, std::string_view child) {
  std::string out = NormalizeKeyPath(parent);
  const std::string tail = NormalizeKeyPath(child);
  if (!out.empty() && !tail.empty()) out += '\\';
  return out + tail;
}

bool IsValidStoreName(std::string_view name) {
  return name.find('\\') == std::string_view::npos && name.find('/') == std::string_view::npos;
}

// ---- typed access ----

namespace {

std::optional<std::string> BinaryOf(const ISettingsStore& store, SettingsRoot root, const std::string& path,
                                    std::string_view name, size_t length) {
  const auto v = store.Read(root, path, name);
  if (!v || v->kind != StoredKind::Binary || v->bytes.size() != length) return std::nullopt;
  return v->bytes;
}

}  // namespace

std::string SettingsKey::ReadString(std::string_view name, std::string_view def) const {
  const auto v = store_.Read(root_, path_, name);
  return v && v->kind == StoredKind::Text ? v->text : std::string(def);
}

int32_t SettingsKey::ReadInteger(std::string_view name, int32_t def) const {
  const auto v = store_.Read(root_, path_, name);
  return v && v->kind == StoredKind::Number ? v->number : def;
}

bool SettingsKey::ReadBool(std::string_view name, bool def) const {
  const auto v = store_.Read(root_, path_, name);
  return v && v->kind == StoredKind::Number ? v->number != 0 : def;
}

uint8_t SettingsKey::ReadByte(std::string_view name, uint8_t def) const {
  const auto b = BinaryOf(store_, root_, path_, name, 1);
  return b ? static_cast<uint8_t>((*b)[0]) : def;
}

uint16_t SettingsKey::ReadWord(std::string_view name, uint16_t def) const {
  const auto b = BinaryOf(store_, root_, path_, name, 2);
  if (!b) return def;
  return static_cast<uint16_t>(static_cast<uint8_t>((*b)[0]) | (static_cast<uint8_t>((*b)[1]) << 8));
}

std::optional<std::string> SettingsKey::ReadBinary(std::string_view name, size_t length) const {
  return BinaryOf(store_, root_, path_, name, length);
}

bool SettingsKey::WriteString(std::string_view name, std::string_view utf8) {
  return store_.Write(root_, path_, name, StoredValue::Text(std::string(utf8)));
}

bool SettingsKey::WriteInteger(std::string_view name, int32_t value) {
  return store_.Write(root_, path_, name, StoredValue::Number(value));
}

bool SettingsKey::WriteBool(std::string_view name, bool value) { return WriteInteger(name, value ? 1 : 0); }

bool SettingsKey::WriteByte(std::string_view name, uint8_t value) {
  return WriteBinary(name, std::string(1, static_cast<char>(value)));
}

bool SettingsKey::WriteWord(std::string_view name, uint16_t value) {
  const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
  return WriteBinary(name, std::string_view(bytes, 2));
}

bool SettingsKey::WriteBinary(std::string_view name, std::string_view bytes) {
  return store_.Write(root_, path_, name, StoredValue::Binary(std::string(bytes)));
}

// ---- key trees ----

bool KeyTree::operator==(const KeyTree& other) const {
  return values == other.values && subkeys == other.subkeys;
}

std::optional<KeyTree> ReadKeyTree(const ISettingsStore& store, SettingsRoot root, std::string_view key) {
  if (!store.KeyExists(root, key)) return std::nullopt;
  KeyTree tree;
  for (const std::string& name : store.ValueNames(root, key)) {
    if (auto v = store.Read(root, key, name)) tree.values.emplace_back(name, std::move(*v));
  }
  for (const std::string& sub : store.SubKeys(root, key)) {
    if (auto child = ReadKeyTree(store, root, JoinKeyPath(key, sub))) tree.subkeys.push_back({sub, std::move(*child)});
  }
  return tree;
}

bool WriteKeyTree(ISettingsStore& store, SettingsRoot root, std::string_view key, const KeyTree& tree) {
  for (const auto& [name, value] : tree.values) {
    if (!store.Write(root, key, name, value)) return false;
  }
  for (const auto& [name, child] : tree.subkeys) {
    if (!IsValidStoreName(name) || name.empty()) return false;
    if (!WriteKeyTree(store, root, JoinKeyPath(key, name), child)) return false;
  }
  return true;
}

bool CopyKey(ISettingsStore& store, SettingsRoot fromRoot, std::string_view from, SettingsRoot toRoot,
             std::string_view to) {
  const auto tree = ReadKeyTree(store, fromRoot, from);
  return tree && WriteKeyTree(store, toRoot, to, *tree);
}

// ---- text form ----

namespace {

constexpr std::string_view kNumberTag = "dword:";
constexpr std::string_view kBinaryTag = "hex:";
constexpr std::string_view kTextTag = "sz:";

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::optional<int32_t> ParseNumber(std::string_view digits) {
  if (digits.size() != 8) return std::nullopt;
  uint32_t n = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    n = (n << 4) | static_cast<uint32_t>(d);
  }
  return static_cast<int32_t>(n);
}

// "01,ff,20": pairs of hexadecimal digits separated by commas; "" is no bytes.
std::optional<std::string> ParseBytes(std::string_view list) {
  std::string bytes;
  if (list.empty()) return bytes;
  if ((list.size() + 1) % 3 != 0) return std::nullopt;
  for (size_t i = 0; i < list.size(); i += 3) {
    const int hi = HexDigit(list[i]);
    const int lo = HexDigit(list[i + 1]);
    if (hi < 0 || lo < 0 || (i + 2 < list.size() && list[i + 2] != ',')) return std::nullopt;
    bytes += static_cast<char>((hi << 4) | lo);
  }
  return bytes;
}

}  // namespace

std::string ValueToText(const StoredValue& value) {
  static const char* const kHex = "0123456789abcdef";
  switch (value.kind) {
    case StoredKind::Number: {
      std::string s(kNumberTag);
      const uint32_t n = static_cast<uint32_t>(value.number);
      for (int shift = 28; shift >= 0; shift -= 4) s += kHex[(n >> shift) & 0xF];
      return s;
    }
    case StoredKind::Binary: {
      std::string s(kBinaryTag);
      for (size_t i = 0; i < value.bytes.size(); ++i) {
        if (i > 0) s += ',';
        const auto b = static_cast<uint8_t>(value.bytes[i]);
        s += kHex[b >> 4];
        s += kHex[b & 0xF];
      }
      return s;
    }
    case StoredKind::Text:
      break;
  }
  const std::string_view t = value.text;
  if (StartsWith(t, kNumberTag) || StartsWith(t, kBinaryTag) || StartsWith(t, kTextTag)) {
    return std::string(kTextTag) + value.text;
  }
  return value.text;
}

StoredValue ValueFromText(std::string_view text) {
  if (StartsWith(text, kTextTag)) return StoredValue::Text(std::string(text.substr(kTextTag.size())));
  if (StartsWith(text, kNumberTag)) {
    if (const auto n = ParseNumber(text.substr(kNumberTag.size()))) return StoredValue::Number(*n);
  } else if (StartsWith(text, kBinaryTag)) {
    if (auto b = ParseBytes(text.substr(kBinaryTag.size()))) return StoredValue::Binary(std::move(*b));
  }
  return StoredValue::Text(std::string(text));
}

}  // namespace quillet
