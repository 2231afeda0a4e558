#include "platform/key_file_text.h"

namespace quillet {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// A line without the CR of a CR LF file.
std::string_view Body(std::string_view line) {
  return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

// The name of a group header line ("[Default Applications]"), or nothing.
std::optional<std::string_view> GroupName(std::string_view line) {
  const std::string_view t = Trimmed(Body(line));
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return std::nullopt;
  return t.substr(1, t.size() - 2);
}

bool IsBlank(std::string_view line) { return Trimmed(Body(line)).empty(); }

}  // namespace

KeyFileText::KeyFileText(std::string_view text) {
  size_t pos = 0;
  for (;;) {
    const size_t nl = text.find('\n', pos);
    if (nl == std::string_view::npos) {
      lines_.emplace_back(text.substr(pos));
      break;
    }
    lines_.emplace_back(text.substr(pos, nl - pos));
    pos = nl + 1;
  }
}

std::string KeyFileText::Text() const {
  std::string text;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines_[i];
  }
  return text;
}

std::optional<KeyFileText::Found> KeyFileText::Find(std::string_view group, std::string_view type) const {
  bool inGroup = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view line = Body(lines_[i]);
    if (const auto name = GroupName(line)) {
      inGroup = *name == group;
      continue;
    }
    if (!inGroup || Trimmed(line).substr(0, 1) == "#") continue;
    const size_t eq = line.find('=');
    if (eq != std::string_view::npos && Trimmed(line.substr(0, eq)) == type) return Found{i, eq};
  }
  return std::nullopt;
}

std::optional<std::string> KeyFileText::Entry(std::string_view group, std::string_view type) const {
  const auto found = Find(group, type);
  if (!found) return std::nullopt;
  return std::string(Body(lines_[found->line]).substr(found->eq + 1));
}

void KeyFileText::SetEntry(std::string_view group, std::string_view type, std::string_view value) {
  if (const auto found = Find(group, type)) {
    std::string& line = lines_[found->line];
    const bool cr = Body(line).size() != line.size();
    line = line.substr(0, found->eq + 1) + std::string(value) + (cr ? "\r" : "");
    return;
  }
  const std::string entry = std::string(type) + "=" + std::string(value);
  // The end of the first group of that name: after its last line that is not blank.
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = GroupName(lines_[i]);
    if (!name || *name != group) continue;
    const bool cr = Body(lines_[i]).size() != lines_[i].size();
    size_t last = i;
    for (size_t j = i + 1; j < lines_.size() && !GroupName(lines_[j]); ++j) {
      if (!IsBlank(lines_[j])) last = j;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), entry + (cr ? "\r" : ""));
    return;
  }
  // A new group at the end, before the empty line that the final line break leaves.
  const std::string header = "[" + std::string(group) + "]";
  auto at = lines_.end();
  if (lines_.back().empty()) --at;
  at = lines_.insert(at, header);
  lines_.insert(at + 1, entry);
}

void KeyFileText::RemoveEntry(std::string_view group, std::string_view type) {
  const auto found = Find(group, type);
  if (!found) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(found->line));
  // The group's header is above the removed line; it goes when nothing is left below it.
  size_t header = found->line;
  while (header > 0 && !GroupName(lines_[header - 1])) --header;
  if (header == 0) return;
  const size_t next = found->line;
  const bool empty = next >= lines_.size() || GroupName(lines_[next]) || (next + 1 == lines_.size() && lines_[next].empty());
  if (empty && header == found->line) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header - 1));
  if (lines_.empty()) lines_.emplace_back();
}

std::vector<std::string> SplitKeyFileList(std::string_view value) {
  std::vector<std::string> ids;
  size_t pos = 0;
  while (pos <= value.size()) {
    const size_t semi = value.find(';', pos);
    const size_t end = semi == std::string_view::npos ? value.size() : semi;
    const std::string_view id = Trimmed(value.substr(pos, end - pos));
    if (!id.empty()) ids.emplace_back(id);
    if (semi == std::string_view::npos) break;
    pos = semi + 1;
  }
  return ids;
}

}  // namespace quillet
