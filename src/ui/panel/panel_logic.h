// The rules of the operations panel that do not need a window: the operation list, what each
// choice shows and the list's focus mark (the find row's look is in core/find_row.h).
#pragma once

#include <QString>
#include <QStringList>

#include "core/find_row.h"
#include "session/operations.h"

namespace quillet {

// The items of the operation list, in their order (the captions as the user sees them).
QStringList OperationItems();

// The item SetOperatePanel chooses while the list does not have the focus: the item whose
// caption equals name without regard to letter case, else index; an index outside the list
// gives item 0.
int ChooseOperationIndex(const QStringList& items, int index, const QString& name);

// The operation list's tag: -2 while the list does not have the focus, else the index of the
// choice last applied, so that each new choice made while it has the focus is applied once.
class OperationListTag {
 public:
  static constexpr int kNoFocus = -2;
  void Enter(int currentIndex) { tag_ = currentIndex; }
  void Exit() { tag_ = kNoFocus; }
  // A change of the choice: true when it must be applied.
  bool Change(int currentIndex);
  bool HasFocus() const { return tag_ != kNoFocus; }
  int Value() const { return tag_; }

 private:
  int tag_ = kNoFocus;
};

}  // namespace quillet
