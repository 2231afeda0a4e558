#include "storage/ext_data.h"

#include <algorithm>

#include "core/constants.h"
#include "core/text_utils.h"
#include "platform/codepage.h"
#include "storage/file_names.h"

namespace quillet {
namespace {

// The sort key of a name without regard to letter case: every letter of the code page in its
// lower-case form.
std::string FoldedKey(std::string_view utf8) {
  std::string key = cp1251::FromUtf8Lenient(utf8);
  for (char& c : key) {
    const auto b = static_cast<unsigned char>(c);
    c = static_cast<char>(std::max(b, OppositeCase(b)));
  }
  return key;
}

}  // namespace

bool ExtInList(std::string_view list, std::string_view ext) {
  const std::string dotted = "." + cp1251::FromUtf8Lenient(ext) + ".";
  return PosTextFrom(dotted, cp1251::FromUtf8Lenient(list), 1) != 0;
}

bool IsValidExt(std::string_view ext) {
  if (ext.empty()) return false;
  return std::none_of(ext.begin(), ext.end(), [](char c) {
    return static_cast<unsigned char>(c) < 32 || c == 127 || RefusedExtChars.find(c) != std::string_view::npos;
  });
}

TExtData::TExtData(ISettingsStore& store, IDesktopAssociations& desktop) : store_(store), desktop_(desktop) {}

void TExtData::Load() {
  const SettingsKey key(store_, SettingsRoot::CurrentUser, RegKeyProgram);
  extIconFile_ = key.ReadString(ExtIconFileValue, "");
  LoadFromString(key.ReadString(ExtDataStrValue, DefaultExtList));
}

void TExtData::LoadFromString(std::string_view s) {
  items_.clear();
  bool skipped = false;
  size_t pos = 0;
  while (pos < s.size()) {
    const size_t dot = s.find('.', pos);
    const size_t end = dot == std::string_view::npos ? s.size() : dot;
    const std::string ext(s.substr(pos, end - pos));
    pos = end + 1;
    if (ext.empty()) continue;  // the dots around the default list, or a run of them
    // A name twice, or one that cannot be an extension (a value written by hand), goes.
    if (!IsValidExt(ext) || Find(ext) >= 0) {
      skipped = true;
      continue;
    }
    items_.push_back(TExtDataItem{ext});
    UpdateState(items_.size() - 1, HandlerSource::Desktop);
  }
  modified_ = skipped;
}

bool TExtData::Save() {
  SettingsKey key(store_, SettingsRoot::CurrentUser, RegKeyProgram);
  const bool ok = key.WriteString(ExtDataStrValue, ListString(false)) &&
                  key.WriteString(ExtIconFileValue, extIconFile_) && store_.Flush();
  if (ok) modified_ = false;
  return ok;
}

void TExtData::RefreshStates() {
  for (size_t i = items_.size(); i-- > 0;) UpdateState(i, HandlerSource::Desktop);
}

void TExtData::PruneBackups() {
  const std::string lastExt = NormalizeKeyPath(RegKeyLastExt);
  for (const std::string& name : store_.SubKeys(SettingsRoot::LocalMachine, lastExt)) {
    const bool registered = std::any_of(items_.begin(), items_.end(), [&](const TExtDataItem& item) {
      return item.Registered && SameFileName(item.Ext, name);
    });
    if (!registered) store_.DeleteKey(SettingsRoot::LocalMachine, JoinKeyPath(lastExt, name));
  }
  // A key of the store lives only while it holds a value or a subkey, so no empty key is left
  // behind under RegKeyMaker.
}

int TExtData::Find(std::string_view e) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (SameFileName(items_[i].Ext, e)) return static_cast<int>(i);
  }
  return -1;
}

size_t TExtData::Add(const std::string& e) {
  items_.push_back(TExtDataItem{e});
  modified_ = true;
  return items_.size() - 1;
}

bool TExtData::Delete(size_t index) {
  UpdateState(index, HandlerSource::Desktop);
  const std::string ext = items_.at(index).Ext;
  const bool registered = items_[index].Registered;
  if (registered) UnregisterExt(desktop_, store_, ext, JoinKeyPath(RegKeyLastExt, ext));
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  modified_ = true;
  return registered;
}

std::string TExtData::ListString(bool registeredOnly) const {
  std::vector<std::pair<std::string, const std::string*>> keyed;
  for (const TExtDataItem& item : items_) {
    if (!registeredOnly || item.Registered) keyed.emplace_back(FoldedKey(item.Ext), &item.Ext);
  }
  std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first < b.first : *a.second < *b.second;
  });
  std::string s;
  for (const auto& [key, ext] : keyed) {
    if (!s.empty()) s += '.';
    s += *ext;
  }
  return s;
}

void TExtData::UpdateState(size_t index, HandlerSource source) {
  TExtDataItem& item = items_.at(index);
  std::string handler;
  if (source == HandlerSource::Desktop) handler = desktop_.GetExtHandler(item.Ext).name;
  if (source == HandlerSource::ThisProgram) handler = desktop_.ProgramName();
  const std::string own = desktop_.ProgramName();
  if (!own.empty() && SameFileName(handler, own)) {
    item.Registered = true;
    item.HasOther = false;
    item.Allowed = true;
    item.Desirable = true;
  } else {
    item.Registered = false;
    item.HasOther = !handler.empty();
    item.Allowed = !ExtInList(ForbiddenExtList, item.Ext);
    item.Desirable = !ExtInList(UndesirableExtList, item.Ext);
  }
}

bool TExtData::Register(size_t index) {
  const TExtDataItem& item = items_.at(index);
  const bool ok = RegisterExt(desktop_, store_, item.Ext, desktop_.ProgramPath(),
                              item.HasOther ? RegKeyLastExt : "", std::string());
  UpdateState(index, ok ? HandlerSource::ThisProgram : HandlerSource::Desktop);
  return ok;
}

bool TExtData::Unregister(size_t index) {
  const std::string ext = items_.at(index).Ext;
  const bool ok = UnregisterExt(desktop_, store_, ext, JoinKeyPath(RegKeyLastExt, ext));
  UpdateState(index, HandlerSource::Desktop);
  return ok;
}

// ---- registration ----

bool RegisterExt(IDesktopAssociations& desktop, ISettingsStore& store, const std::string& ext,
                 const std::string& programPath, const std::string& backupPath, const std::string& iconFile) {
  if (!IsValidExt(ext)) return false;
  if (!backupPath.empty()) {
    if (const auto kept = desktop.ReadAssociation(ext)) {
      const std::string key = JoinKeyPath(backupPath, ext);
      // An older copy goes first; when it cannot, no copy is written. The copy is made durable
      // before the association changes; one that cannot be is not left half written.
      if (store.DeleteKey(SettingsRoot::LocalMachine, key) &&
          !(WriteKeyTree(store, SettingsRoot::LocalMachine, key, *kept) && store.Flush())) {
        store.DeleteKey(SettingsRoot::LocalMachine, key);
      }
    }
  }
  return desktop.Associate(ext, programPath, iconFile);
}

bool UnregisterExt(IDesktopAssociations& desktop, ISettingsStore& store, const std::string& ext,
                   const std::string& backupPath) {
  if (!IsValidExt(ext) || !desktop.Dissociate(ext)) return false;
  if (const auto kept = ReadKeyTree(store, SettingsRoot::LocalMachine, backupPath)) {
    // The copy goes only once the other program's association is back.
    if (desktop.RestoreAssociation(ext, *kept) && store.DeleteKey(SettingsRoot::LocalMachine, backupPath)) {
      store.Flush();
    }
  }
  return true;
}

}  // namespace quillet
