// The open document of the main window: which file the editor's text belongs to, whether it
// was changed, and the commands of the "Файл" menu and the insert entries of the editor's
// context menu.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/editor.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "storage/file_filter.h"
#include "storage/options.h"
#include "storage/text_decoding.h"

namespace quillet {

// What the document needs of the main window besides the editor.
struct DocumentHooks {
  // The window caption: the open file's full path, or the program's caption without a file.
  std::function<void(const std::string& utf8Caption)> setCaption;
  // The user's documents folder (where a dialog starts when its folder is gone).
  std::function<std::string()> documentsFolder;
  // The editor file types; the default list when not set.
  std::function<ExtensionList()> extensions;
  // A save failed: the system's error text, for the box the window shows. The command that
  // asked for the save has been abandoned by then.
  std::function<void(const std::string& systemError)> showSystemError;
};

// The copy name: folder + base + "_[копия][" + 3-digit number + "]" + ext.
std::string MakeCopyFileName(const std::string& folder, const std::string& base, int number, const std::string& ext);

// The name under which the previous version of fileName is kept: the suffix goes before the
// extension (film.srt, "_before" → film_before.srt).
std::string PreviousVersionName(const std::string& fileName, const std::string& suffix);

// The file a shell copy in the clipboard offers to the file menus, or empty: exactly one file,
// not the open one, a plain file within the size limit, with an extension that is ".srt" or in
// the list of editor file types.
std::string ChooseClipboardFile(const std::vector<std::string>& clipboardFiles, const std::string& openedFile,
                                int32_t maxFileSizeKb, const ExtensionList& extensions, const IFileSystem& fs);
// Captions of the two entries that offer it: Открыть файл "name" and Вставить из "name".
std::string OpenClipboardFileCaption(const std::string& file);
std::string InsertClipboardFileCaption(const std::string& file);

class TDocument {
 public:
  TDocument(Editor& editor, IFileSystem& fs, IFileDialogs& dialogs, ProgramOptions& options,
            DocumentHooks hooks = {});

  // ---- state (the Last... fields and the filter memories are stored with the settings) ----
  std::string OpenedFile;      // full path the text belongs to; empty without a file
  std::string LastOpenFile;
  std::string LastSaveFile;
  std::string LastInsertFile;
  int32_t LastOpenFilterType = 1;
  int32_t LastSaveFilterType = 1;
  bool TextModified = false;
  bool SrtExtConfirmed = false;  // consent to save SRT text under another extension
  std::string ClipboardFile;     // the file the clipboard offers (SetFormFileMenu)

  // The editor's change event.
  void TextChanged() { TextModified = true; }

  // ---- routines ----
  // Reads a file with the size limit of the options; messages in modal boxes.
  bool GetTextFromFile(const std::string& fileName, std::string& text);
  // Asks to save changes, lets the user choose when fileName names no existing file, loads
  // the file (offering the conversion of ASS and SSA). True when a file was loaded.
  bool OpenFromFile(const std::string& fileName);
  // The one save routine. True when the text was written. fileName empty: the save dialog.
  bool SaveToFileSp(const std::string& fileName, bool keepPrevious, bool asCopy);
  // Save under OpenedFile (asking once about an extension other than ".srt"), or through the
  // dialog without one. False when nothing was saved.
  bool SaveOpend();
  // True when the caller may discard the text: saved, unmodified, or the user said No.
  bool AskForSave();
  // The file named on the command line, when it is one: opened without a word otherwise.
  bool OpenFromCommandLine(const std::string& argument);
  // The clipboard file check run when the file menu or the context menu opens: sets
  // ClipboardFile (empty when nothing qualifies) and answers whether a file is offered.
  bool SetFormFileMenu(const std::vector<std::string>& clipboardFiles);
  // The conversion command of the panel ("Выполнить").
  void ConvertEditorText(TextFormat target);

  // ---- menu commands ----
  bool N2Click() { return OpenFromFile(std::string()); }  // "Открыть"
  bool N23Click();                                         // "Открыть файл" (the clipboard file)
  bool N4Click() { return SaveOpend(); }                   // "Сохранить"
  bool N5Click();                                          // "Сохранить как..."
  bool N59Click() { return SaveToFileSp(std::string(), false, true); }  // "Сохранить как копию"
  bool MenuItem10Click();                                  // "Вставить из файла"
  bool MenuItem11Click();                                  // "Вставить из" the clipboard file

  // The caption for the current state.
  std::string Caption() const;
  // The system's text of the last failed write (empty after a successful one).
  const std::string& LastWriteError() const { return lastWriteError_; }
  // The encoding the open document's file was read in (1251 until a file is opened).
  TextEncoding ReadEncoding() const { return readEncoding_; }

 private:
  ExtensionList Extensions() const;
  std::string DocumentsFolder() const;
  // The folder a dialog starts in: that of path when it exists, else the documents folder.
  std::string DialogFolder(const std::string& path) const;
  // The open dialog over the filter with LastOpenFilterType; updates the memory on a choice.
  bool ChooseFileToRead(const std::string& startName, std::string& chosen);
  void UpdateCaption();
  void InsertText(const std::string& text);
  // The message window's warning when the last read replaced characters the code page lacks.
  void ReportReplacedChars(const std::string& fileName);

  Editor& editor_;
  IFileSystem& fs_;
  IFileDialogs& dialogs_;
  ProgramOptions& options_;
  DocumentHooks hooks_;
  std::string lastWriteError_;
  TextReadInfo lastRead_;  // of the last GetTextFromFile
  TextEncoding readEncoding_ = TextEncoding::Ansi1251;
};

}  // namespace quillet
