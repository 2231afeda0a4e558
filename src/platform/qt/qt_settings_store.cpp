#include "platform/qt/qt_settings_store.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <cerrno>
#endif

namespace quillet {

struct QtSettingsStore::RootFile {
  bool opened = false;
  std::unique_ptr<QSettings> settings;  // null: the root is empty and read-only
};

namespace {

// The name under which a key's unnamed (default) value is kept.
const QString kDefaultValueName = QStringLiteral("@");

// The QSettings group of a key path; nothing when a key name holds "/".
std::optional<QString> GroupOf(std::string_view key) {
  QStringList parts;
  for (const std::string& part : SplitKeyPath(key)) {
    if (!IsValidStoreName(part)) return std::nullopt;
    parts << QString::fromStdString(part);
  }
  return parts.join(QLatin1Char('/'));
}

std::optional<QString> ValueKey(std::string_view key, std::string_view name) {
  const auto group = GroupOf(key);
  if (!group || !IsValidStoreName(name)) return std::nullopt;
  const QString valueName = name.empty() ? kDefaultValueName : QString::fromUtf8(name.data(), name.size());
  return group->isEmpty() ? valueName : *group + QLatin1Char('/') + valueName;
}

// ---- the INI form ----
//
// One section per key: "[SOFTWARE\Tannford\Quillet]", then "name=value" lines. Names are
// written with "%" + two hexadecimal digits for "%", "=", "[", "]", ";", "#", "\", "/" and
// control characters, and for a blank at either end; values keep every character but "\" and
// control characters, which are written "\\", "\n", "\r", "\t" or "\x" + two digits. A file
// must be UTF-8 text without control characters but tab and line breaks, and must end with a
// line break, so that a file cut short is never taken for a whole one.

bool NameCharNeedsEscape(QChar c, bool atEnd) {
  const char16_t u = c.unicode();
  return u < 32 || u == '%' || u == '=' || u == '[' || u == ']' || u == ';' || u == '#' || u == '\\' ||
         u == '/' || (atEnd && u == ' ');
}

QString EscapeName(const QString& name) {
  QString out;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const QChar c = name[i];
    if (NameCharNeedsEscape(c, i == 0 || i == name.size() - 1)) {
      out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    } else {
      out += c;
    }
  }
  return out;
}

// The character written as two hexadecimal digits at text[at], or nothing.
std::optional<QChar> HexChar(QStringView text, qsizetype at) {
  if (at < 0 || at + 2 > text.size()) return std::nullopt;
  char16_t code = 0;
  for (qsizetype k = at; k < at + 2; ++k) {
    const char16_t c = text[k].unicode();
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    code = static_cast<char16_t>(code * 16 + digit);
  }
  return QChar(code);
}

std::optional<QString> UnescapeName(QStringView text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != QLatin1Char('%')) {
      out += text[i];
      continue;
    }
    const auto c = HexChar(text, i + 1);
    if (!c) return std::nullopt;
    out += *c;
    i += 2;
  }
  return out;
}

QString EscapeValue(const QString& value) {
  QString out;
  for (const QChar c : value) {
    switch (c.unicode()) {
      case '\\': out += QStringLiteral("\\\\"); break;
      case '\n': out += QStringLiteral("\\n"); break;
      case '\r': out += QStringLiteral("\\r"); break;
      case '\t': out += QStringLiteral("\\t"); break;
      default:
        if (c.unicode() < 32) {
          out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::optional<QString> UnescapeValue(QStringView text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != QLatin1Char('\\')) {
      out += text[i];
      continue;
    }
    if (++i >= text.size()) return std::nullopt;
    switch (text[i].unicode()) {
      case '\\': out += QLatin1Char('\\'); break;
      case 'n': out += QLatin1Char('\n'); break;
      case 'r': out += QLatin1Char('\r'); break;
      case 't': out += QLatin1Char('\t'); break;
      case 'x': {
        const auto c = HexChar(text, i + 1);
        if (!c) return std::nullopt;
        out += *c;
        i += 2;
        break;
      }
      default:
        return std::nullopt;
    }
  }
  return out;
}

// Parses the INI form into the map of QSettings keys ("SOFTWARE/Tannford/Quillet/AutoConv").
bool ParseIni(const QByteArray& bytes, QSettings::SettingsMap& map) {
  if (bytes.isEmpty()) return true;
  if (!bytes.endsWith('\n')) return false;
  QStringDecoder decoder(QStringDecoder::Utf8);
  const QString text = decoder(bytes);
  if (decoder.hasError()) return false;
  QString section;
  for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    for (const QChar c : line) {
      if (c.unicode() < 32 && c != QLatin1Char('\t')) return false;
    }
    const QStringView trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'))) continue;
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
      QStringList parts;
      for (QStringView part : trimmed.mid(1, trimmed.size() - 2).split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        const auto name = UnescapeName(part);
        if (!name) return false;
        parts << *name;
      }
      section = parts.join(QLatin1Char('/'));
      continue;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0) return false;
    const auto name = UnescapeName(line.left(eq).trimmed());
    const auto value = UnescapeValue(line.mid(eq + 1));
    if (!name || name->isEmpty() || !value) return false;
    map.insert(section.isEmpty() ? *name : section + QLatin1Char('/') + *name, *value);
  }
  return true;
}

bool ReadIni(QIODevice& device, QSettings::SettingsMap& map) { return ParseIni(device.readAll(), map); }

// Writes the INI form and makes sure every byte reached the file: a write that fails must not
// let QSettings put a short file in place of the old one.
bool WriteIni(QIODevice& device, const QSettings::SettingsMap& map) {
  QMap<QString, QStringList> sections;
  for (auto it = map.cbegin(); it != map.cend(); ++it) {
    const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
    QStringList path = it.key().left(slash < 0 ? 0 : slash).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (QString& part : path) part = EscapeName(part);
    sections[path.join(QLatin1Char('\\'))] << EscapeName(it.key().mid(slash + 1)) + QLatin1Char('=') +
                                                  EscapeValue(it.value().toString());
  }
  QString text;
  for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    if (!it.key().isEmpty()) text += QLatin1Char('[') + it.key() + QStringLiteral("]\n");
    for (const QString& line : it.value()) text += line + QLatin1Char('\n');
  }
  const QByteArray bytes = text.toUtf8();
  if (device.write(bytes) != bytes.size()) return false;
  if (auto* file = qobject_cast<QFileDevice*>(&device)) {
    if (!file->flush()) return false;
#ifdef Q_OS_UNIX
    if (file->handle() >= 0 && ::fsync(file->handle()) != 0 && errno != EINVAL && errno != EROFS) return false;
#endif
  }
  return true;
}

QSettings::Format IniForm() {
  static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("ini"), ReadIni, WriteIni);
  return format;
}

// Whether the file at path can be read and parsed; a missing file can.
bool Readable(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return true;
  if (!info.isFile()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  QSettings::SettingsMap map;
  return ParseIni(bytes, map);
}

// Renames path to the first free name of "<path>.bad", "<path>.bad2", ...; the new name, or
// nothing when it could not be renamed.
std::optional<QString> KeepAside(const QString& path) {
  for (int n = 1; n < 1000; ++n) {
    const QString target = path + QStringLiteral(".bad") + (n == 1 ? QString() : QString::number(n));
    const QFileInfo info(target);
    if (info.exists() || info.isSymLink()) continue;
    if (QDir().rename(path, target)) return target;
    if (!QFileInfo::exists(target)) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

QtSettingsStore::QtSettingsStore(std::string folder) : folder_(std::move(folder)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::DefaultFolder() {
  return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tannford"))
      .toStdString();
}

std::string QtSettingsStore::FilePath(SettingsRoot root) const {
  return folder_ + (root == SettingsRoot::CurrentUser ? "/Quillet.ini" : "/Quillet-LocalMachine.ini");
}

QtSettingsStore::RootFile& QtSettingsStore::Open(SettingsRoot root) const {
  auto& slot = roots_[root == SettingsRoot::CurrentUser ? 0 : 1];
  if (!slot) slot = std::make_unique<RootFile>();
  RootFile& file = *slot;
  if (file.opened) return file;
  file.opened = true;
  const QString path = QString::fromStdString(FilePath(root));
  if (!Readable(path)) {
    const auto aside = KeepAside(path);
    if (!aside) return file;
    keptAside_.push_back(aside->toStdString());
  }
  file.settings = std::make_unique<QSettings>(path, IniForm());
  file.settings->setAtomicSyncRequired(true);
  if (file.settings->status() != QSettings::NoError) {
    // Read it as QSettings does and still failed: put it aside unchanged, start empty.
    file.settings.reset();
    const auto aside = KeepAside(path);
    if (!aside) return file;
    keptAside_.push_back(aside->toStdString());
    file.settings = std::make_unique<QSettings>(path, IniForm());
    file.settings->setAtomicSyncRequired(true);
  }
  return file;
}

std::optional<StoredValue> QtSettingsStore::Read(SettingsRoot root, std::string_view key,
                                                 std::string_view name) const {
  QSettings* settings = Open(root).settings.get();
  const auto qkey = ValueKey(key, name);
  if (!settings || !qkey) return std::nullopt;
  const QVariant v = settings->value(*qkey);
  if (!v.isValid()) return std::nullopt;
  if (v.typeId() == QMetaType::QByteArray) return StoredValue::Binary(v.toByteArray().toStdString());
  // An unquoted value with commas comes back as a list.
  if (v.typeId() == QMetaType::QStringList) return ValueFromText(v.toStringList().join(QLatin1Char(',')).toStdString());
  if (!v.canConvert<QString>()) return std::nullopt;
  return ValueFromText(v.toString().toStdString());
}

bool QtSettingsStore::Write(SettingsRoot root, std::string_view key, std::string_view name, const StoredValue& value) {
  QSettings* settings = Open(root).settings.get();
  const auto qkey = ValueKey(key, name);
  if (!settings || !qkey) return false;
  settings->setValue(*qkey, QString::fromStdString(ValueToText(value)));
  return true;
}

bool QtSettingsStore::DeleteValue(SettingsRoot root, std::string_view key, std::string_view name) {
  QSettings* settings = Open(root).settings.get();
  const auto qkey = ValueKey(key, name);
  if (!qkey) return false;
  if (settings) settings->remove(*qkey);
  return !Read(root, key, name).has_value();
}

bool QtSettingsStore::DeleteKey(SettingsRoot root, std::string_view key) {
  QSettings* settings = Open(root).settings.get();
  const auto group = GroupOf(key);
  if (!group) return false;
  if (settings) {
    if (group->isEmpty()) {
      settings->clear();
    } else {
      settings->remove(*group);
    }
  }
  return group->isEmpty() ? SubKeys(root, key).empty() && ValueNames(root, key).empty() : !KeyExists(root, key);
}

bool QtSettingsStore::KeyExists(SettingsRoot root, std::string_view key) const {
  const auto group = GroupOf(key);
  if (!group) return false;
  if (group->isEmpty()) return true;
  return !SubKeys(root, key).empty() || !ValueNames(root, key).empty();
}

std::vector<std::string> QtSettingsStore::SubKeys(SettingsRoot root, std::string_view key) const {
  std::vector<std::string> names;
  QSettings* settings = Open(root).settings.get();
  const auto group = GroupOf(key);
  if (!settings || !group) return names;
  settings->beginGroup(*group);
  for (const QString& name : settings->childGroups()) names.push_back(name.toStdString());
  settings->endGroup();
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> QtSettingsStore::ValueNames(SettingsRoot root, std::string_view key) const {
  std::vector<std::string> names;
  QSettings* settings = Open(root).settings.get();
  const auto group = GroupOf(key);
  if (!settings || !group) return names;
  settings->beginGroup(*group);
  for (const QString& name : settings->childKeys()) {
    names.push_back(name == kDefaultValueName ? std::string() : name.toStdString());
  }
  settings->endGroup();
  std::sort(names.begin(), names.end());
  return names;
}

bool QtSettingsStore::Flush() {
  bool ok = true;
  for (const auto& slot : roots_) {
    if (!slot || !slot->settings) continue;
    if (!QDir().mkpath(QString::fromStdString(folder_))) ok = false;
    slot->settings->sync();
    if (slot->settings->status() != QSettings::NoError) ok = false;
  }
  return ok;
}

}  // namespace quillet
