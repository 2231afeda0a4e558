#pragma once

class QApplication;

namespace quillet {

// Creates the windows in their order, opens the file named by the first argument, runs the loop.
int RunEditor(QApplication& app);

}  // namespace quillet
