// The text of a desktop key file (groups of "key=value" lines under "[Group]" headers, as
// desktop entries and the mimeapps.list files that choose applications per file type are),
// read and changed one entry at a time so that every other byte stays as it was: an entry
// added and taken away again leaves the text exactly as before.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Groups of mimeapps.list.
inline constexpr std::string_view kDefaultApplications = "Default Applications";
inline constexpr std::string_view kAddedAssociations = "Added Associations";
inline constexpr std::string_view kRemovedAssociations = "Removed Associations";
// The main group of a desktop entry.
inline constexpr std::string_view kDesktopEntryGroup = "Desktop Entry";

class KeyFileText {
 public:
  explicit KeyFileText(std::string_view text = {});

  std::string Text() const;

  // The value of type's entry in the group as it stands after "=" (blanks included), or
  // nothing. The first entry counts when a type is listed twice.
  std::optional<std::string> Entry(std::string_view group, std::string_view type) const;
  // Makes value the entry's value: the line keeps what stands up to its "="; a new entry goes
  // after the last line of the group that is not blank, a new group at the end of the text.
  void SetEntry(std::string_view group, std::string_view type, std::string_view value);
  // Removes the entry's line. A group that this leaves without any line loses its header too.
  void RemoveEntry(std::string_view group, std::string_view type);

 private:
  struct Found {
    size_t line = 0;  // index into lines_
    size_t eq = 0;    // position of "=" in the line
  };
  std::optional<Found> Find(std::string_view group, std::string_view type) const;

  // The text split at "\n"; a text that ends with "\n" ends with an empty line.
  std::vector<std::string> lines_;
};

// The items of a list value ("a.desktop;b.desktop;"): split at ";", blanks trimmed, empty ones
// dropped.
std::vector<std::string> SplitKeyFileList(std::string_view value);

}  // namespace quillet
