// The toolkit's own texts in Russian: the buttons of the standard dialogs, the file dialog,
// the context menus of line edits (the program's own texts are Russian already).
#pragma once

class QCoreApplication;
class QTranslator;

namespace quillet {

// Loads the toolkit's Russian translation from the system's translations folder and installs
// it on app; the translator must live as long as app uses it. False (nothing installed) where
// the translation is not there.
bool InstallRussianToolkitTexts(QCoreApplication& app, QTranslator& translator);

}  // namespace quillet
