// The operations of the panel's list, named instead of numbered.
#pragma once

namespace quillet {

// Each operation's value is the index of its item in the operation list.
enum class OperationGroup { None = 0, Edit = 1, Normalize = 2, FindErr = 3, Shift = 4, Stretch = 5, Convert = 6 };

inline constexpr int kOperationCount = 7;

inline int OperationIndex(OperationGroup group) { return static_cast<int>(group); }

struct OperationView {
  OperationGroup group = OperationGroup::None;
  bool showRange = false;  // the block range Start and End above the group
};
// What item index shows; an index outside the list shows nothing.
inline OperationView OperationViewFor(int index) {
  if (index < 1 || index >= kOperationCount) return {};
  const auto group = static_cast<OperationGroup>(index);
  return {group, group == OperationGroup::Shift || group == OperationGroup::Stretch};
}

}  // namespace quillet
