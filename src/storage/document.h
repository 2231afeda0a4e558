// The open document of the main window: which file the editor's text belongs to, whether it
// was changed, and the commands of the "Файл" menu and the insert entries of the editor's
// context menu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/editor.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "storage/file_filter.h"
#include "storage/options.h"
#include "storage/text_decoding.h"

namespace quillet {

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

// The file dialogs' memory of the last files and filter types (stored with the settings).
struct DocumentMemory {
  std::string lastOpenFile;
  std::string lastSaveFile;
  std::string lastInsertFile;
  int32_t lastOpenFilterType = 1;
  int32_t lastSaveFilterType = 1;
};

class TDocument {
 public:
  // The caption goes to the editor's host; a failed save's system error is shown in a box;
  // shell gives the documents folder; extensions (the editor file types) feed the filters and
  // the clipboard file offer and must outlive the document.
  TDocument(Editor& editor, IFileSystem& fs, IFileDialogs& dialogs, IShell& shell, ProgramOptions& options,
            const ExtensionList& extensions);

  // ---- state ----
  // The full path the text belongs to; empty without a file.
  const std::string& OpenedFile() const { return openedFile_; }
  bool TextModified() const { return textModified_; }
  // The user agreed to save SRT text under an extension other than ".srt".
  bool SrtExtConfirmed() const { return srtExtConfirmed_; }
  // The file the clipboard offers (SetFormFileMenu), or empty.
  const std::string& ClipboardFile() const { return clipboardFile_; }
  const DocumentMemory& Memory() const { return memory_; }
  void SetMemory(const DocumentMemory& memory) { memory_ = memory; }
  // The caption for the current state.
  std::string Caption() const;
  // The system's text of the last failed write (empty after a successful one).
  const std::string& LastWriteError() const { return lastWriteError_; }
  // The encoding the open document's file was read in (1251 until a file is opened).
  TextEncoding ReadEncoding() const { return readEncoding_; }

  // ---- events ----
  // The editor's change event.
  void OnTextChanged() { textModified_ = true; }
  // The text was converted: the consent to a non-srt extension no longer holds.
  void ForgetSrtExtConsent() { srtExtConfirmed_ = false; }
  // The editor's text is, unmodified, that of file (the caption follows).
  void Adopt(const std::string& file);

  // ---- commands ----
  bool Open() { return OpenFromFile(std::string()); }  // "Открыть"
  bool OpenClipboardFile();                              // "Открыть файл" (the clipboard file)
  bool Save() { return SaveOpend(); }                    // "Сохранить"
  bool SaveAs();                                         // "Сохранить как..."
  bool SaveCopy() { return SaveToFileSp(std::string(), false, true); }  // "Сохранить как копию"
  bool InsertFromFile();                                 // "Вставить из файла"
  bool InsertClipboardFile();                            // "Вставить из" the clipboard file
  // The conversion command of the panel ("Выполнить").
  void ConvertEditorText(TextFormat target);

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

 private:
  std::string DocumentsFolder() const;
  // The folder a dialog starts in: that of path when it exists, else the documents folder.
  std::string DialogFolder(const std::string& path) const;
  // The open dialog over the filter with the last open filter type; updates the memory on a choice.
  bool ChooseFileToRead(const std::string& startName, std::string& chosen);
  void UpdateCaption();
  void InsertText(const std::string& text);
  // The message window's warning when the last read replaced characters the code page lacks.
  void ReportReplacedChars(const std::string& fileName);

  Editor& editor_;
  IFileSystem& fs_;
  IFileDialogs& dialogs_;
  IShell& shell_;
  ProgramOptions& options_;
  const ExtensionList& extensions_;

  std::string openedFile_;
  bool textModified_ = false;
  bool srtExtConfirmed_ = false;
  std::string clipboardFile_;
  DocumentMemory memory_;
  std::string lastWriteError_;
  TextReadInfo lastRead_;  // of the last GetTextFromFile
  TextEncoding readEncoding_ = TextEncoding::Ansi1251;
};

}  // namespace quillet
