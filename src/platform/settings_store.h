// The typed settings store: named values of three stored kinds (text, 32-bit number, binary of
// a given length) under key paths such as "\SOFTWARE\Tannford\Quillet", in two roots: the
// current user's settings, and the local machine's, which keeps the backups of another
// program's file association. The program's own kinds (boolean, byte, word, a look of exactly
// 28 bytes) are read and written through SettingsKey, which checks kind and length and gives
// the caller's default for anything missing or different.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillet {

enum class SettingsRoot { CurrentUser, LocalMachine };

// The kind a value is stored with.
enum class StoredKind : uint8_t { Text, Number, Binary };

struct StoredValue {
  StoredKind kind = StoredKind::Text;
  std::string text;    // Text: UTF-8
  int32_t number = 0;  // Number
  std::string bytes;   // Binary: any length, also 0

  static StoredValue Text(std::string utf8) { return {StoredKind::Text, std::move(utf8), 0, {}}; }
  static StoredValue Number(int32_t n) { return {StoredKind::Number, {}, n, {}}; }
  static StoredValue Binary(std::string data) { return {StoredKind::Binary, {}, 0, std::move(data)}; }
  bool operator==(const StoredValue&) const = default;
};

// Key paths: key names separated by "\"; runs of "\" count as one and a leading or trailing
// "\" is ignored, so "\SOFTWARE\Tannford\" and "SOFTWARE\\Tannford" name the same key. The
// empty path is the root itself. A value name may be empty (the key's default value); names of
// keys and values may not hold "\" or "/".
std::string NormalizeKeyPath(std::string_view path);  // "SOFTWARE\Tannford", no outer "\"
std::vector<std::string> SplitKeyPath(std::string_view path);
std::string JoinKeyPath(std::string_view parent, std::string_view child);
bool IsValidStoreName(std::string_view name);

class ISettingsStore {
 public:
  virtual ~ISettingsStore() = default;

  // The value, or nothing when the key or the value does not exist.
  virtual std::optional<StoredValue> Read(SettingsRoot root, std::string_view key, std::string_view name) const = 0;
  // Writes a value, creating the key and its parents when missing. False when it could not be
  // written (a bad name, a store that cannot be written).
  virtual bool Write(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) = 0;
  // True when the value is gone afterwards (also when it never existed).
  virtual bool DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) = 0;
  // Deletes a key with its values and all its subkeys. True when the key is gone afterwards.
  virtual bool DeleteKey(SettingsRoot root, std::string_view key) = 0;

  // A key exists while it holds a value or a subkey; the root always exists.
  virtual bool KeyExists(SettingsRoot root, std::string_view key) const = 0;
  // Names of the direct subkeys and of the values of a key, sorted; empty for a missing key.
  virtual std::vector<std::string> SubKeys(SettingsRoot root, std::string_view key) const = 0;
  virtual std::vector<std::string> ValueNames(SettingsRoot root, std::string_view key) const = 0;

  // Makes every write so far durable. A store on disk replaces its file as a whole, so a
  // failure leaves the file as it was before. False when that failed.
  virtual bool Flush() = 0;
};

// One key of a store, with the readers and writers of the program's value kinds. Every reader
// answers the caller's default when the value is missing, has another stored kind, or (for
// the binary kinds) another length.
class SettingsKey {
 public:
  SettingsKey(ISettingsStore& store, SettingsRoot root, std::string_view path)
      : store_(store), root_(root), path_(NormalizeKeyPath(path)) {}

  const std::string& Path() const { return path_; }
  bool Exists() const { return store_.KeyExists(root_, path_); }
  bool ValueExists(std::string_view name) const { return store_.Read(root_, path_, name).has_value(); }

  std::string ReadString(std::string_view name, std::string_view def) const;  // UTF-8
  int32_t ReadInteger(std::string_view name, int32_t def) const;
  bool ReadBool(std::string_view name, bool def) const;  // a number; true when not 0
  uint8_t ReadByte(std::string_view name, uint8_t def) const;    // binary of exactly 1 byte
  uint16_t ReadWord(std::string_view name, uint16_t def) const;  // exactly 2 bytes, little-endian
  // A binary value of exactly length bytes, or nothing.
  std::optional<std::string> ReadBinary(std::string_view name, size_t length) const;

  bool WriteString(std::string_view name, std::string_view utf8);
  bool WriteInteger(std::string_view name, int32_t value);
  bool WriteBool(std::string_view name, bool value);  // 0 or 1
  bool WriteByte(std::string_view name, uint8_t value);
  bool WriteWord(std::string_view name, uint16_t value);
  bool WriteBinary(std::string_view name, std::string_view bytes);

 private:
  ISettingsStore& store_;
  SettingsRoot root_;
  std::string path_;
};

struct KeySubtree;

// A key with everything below it, for copying keys between places and roots.
struct KeyTree {
  std::vector<std::pair<std::string, StoredValue>> values;
  // A struct of its own rather than a pair: a pair holding the tree would be instantiated while
  // the tree is still incomplete, which some standard libraries refuse.
  std::vector<KeySubtree> subkeys;
  bool operator==(const KeyTree& other) const;
};

struct KeySubtree {
  std::string name;
  KeyTree tree;
  bool operator==(const KeySubtree&) const = default;
};

// The key with its values and subkeys; nothing when it does not exist.
std::optional<KeyTree> ReadKeyTree(const ISettingsStore& store, SettingsRoot root, std::string_view key);
// Writes a tree under key (merged into what is there). False when a write failed.
bool WriteKeyTree(ISettingsStore& store, SettingsRoot root, std::string_view key, const KeyTree& tree);
// Copies a key with everything below it; false when the source is missing or a write failed.
bool CopyKey(ISettingsStore& store, SettingsRoot fromRoot, std::string_view from, SettingsRoot toRoot,
             std::string_view to);

// The text form of a value for a store that keeps text only: a number as "dword:" with eight
// hexadecimal digits, binary data as "hex:" with comma-separated byte pairs, and text as it
// stands, or behind "sz:" when it would begin like one of the three forms. Text that does not
// parse as a number or binary value is text.
std::string ValueToText(const StoredValue& value);
StoredValue ValueFromText(std::string_view text);

}  // namespace quillet
