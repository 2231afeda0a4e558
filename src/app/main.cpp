// The editor: creates the main window and runs the event loop.
#include <QApplication>

#include "ui/main/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return quillet::RunEditor(app);
}
