// The values of the navigation and search controls that live for the whole run: the find,
// replace and go-to dialogs' fields and options, and the editing group's go-to section and find
// row. The session owns one instance; the dialogs and the panel work on its parts, and the
// settings store saves and loads it.
#pragma once

#include "core/find_row.h"
#include "core/go_dialog.h"
#include "core/go_to.h"
#include "core/replace.h"

namespace quillet {

struct NavigationValues {
  FindDialogValues find;
  ReplaceDialogValues replace;
  GoDialogValues go;
  EditGroupGoValues editGroupGo;
  FindRowValues findRow;
};

}  // namespace quillet
