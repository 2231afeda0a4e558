// The editor: builds the platform's services, the windows and the session in their order,
// starts with the file named by the first argument and runs the event loop.
#include <QApplication>
#include <QSessionManager>
#include <QTranslator>

#include "core/constants.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/xdg_associations.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_look_dialogs.h"
#include "platform/qt/qt_mime_database.h"
#include "platform/qt/qt_prompt.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_translations.h"
#include "ui/main/main_window.h"
#include "ui/main/program.h"

int main(int argc, char** argv) {
  using namespace quillet;
  QApplication app(argc, argv);
  QTranslator toolkitTexts;
  InstallRussianToolkitTexts(app, toolkitTexts);
  QtPrompt prompt;
  prompt.SetTitle(MainCaption);
  QtClipboard clipboard;
  QtShell shell;
  QtFileDialogs dialogs;
  PosixFileSystem fs;
  QtClock clock;
  QtSettingsStore store;
  QtLookDialogs lookDialogs;
  QtMimeDatabase mimeDatabase;
  XdgAssociations associations(XdgPaths::FromEnvironment(), mimeDatabase,
                               QCoreApplication::applicationFilePath().toStdString());
  TProgram program(ProgramServices{prompt, clipboard, shell, dialogs, fs, clock, store, &lookDialogs, &lookDialogs,
                                   &associations});
  TQuilletForm& form = program.form();
  prompt.SetParent(&form);
  dialogs.SetParent(&form);
  lookDialogs.SetParent(&form);
  // Logging off or shutting down closes the window the usual way, with the question about
  // unsaved text; Cancel there keeps the session from ending.
  QObject::connect(
      &app, &QGuiApplication::commitDataRequest, &form,
      [&form](QSessionManager& manager) {
        if (!form.EndSession()) manager.cancel();
      },
      Qt::DirectConnection);
  const QStringList arguments = app.arguments();
  program.Start(arguments.size() > 1 ? arguments.at(1).toStdString() : std::string());
  return app.exec();
}
