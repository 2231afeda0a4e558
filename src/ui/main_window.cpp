#include "ui/main_window.h"

#include <QApplication>
#include <QMainWindow>

#include "core/constants.h"

namespace quillet {

int RunEditor(QApplication& app) {
  QMainWindow window;
  window.setWindowTitle(QString::fromUtf8(MainCaption));
  window.show();
  return app.exec();
}

}  // namespace quillet
