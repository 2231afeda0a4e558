#include "storage/document.h"

#include "core/constants.h"
#include "core/whole_text_ops.h"
#include "core/text_utils.h"
#include "storage/file_names.h"
#include "storage/file_text.h"

namespace quillet {
namespace {

const std::string DQ = "\"";

bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::string TrimBlanks(const std::string& s) { return std::string(TrimmedView(s)); }

// The caret to the start, nothing selected, in view.
void CaretToStart(IEditControl& edit) {
  edit.SetSel(0, 0);
  edit.ScrollCaret();
}

}  // namespace

std::string MakeCopyFileName(const std::string& folder, const std::string& base, int number, const std::string& ext) {
  return folder + base + "_[копия][" + IntToStrZ(number, 3) + "]" + ext;
}

std::string PreviousVersionName(const std::string& fileName, const std::string& suffix) {
  return ChangeFileExt(fileName, suffix + ExtractFileExt(fileName));
}

std::string ChooseClipboardFile(const std::vector<std::string>& clipboardFiles, const std::string& openedFile,
                                int32_t maxFileSizeKb, const ExtensionList& extensions, const IFileSystem& fs) {
  if (clipboardFiles.size() != 1) return {};
  const std::string& file = clipboardFiles.front();
  if (file.empty() || SameFileName(file, openedFile)) return {};
  const FileStat st = fs.Stat(file);
  if (st.kind != FileKind::Regular) return {};
  if (st.size > static_cast<int64_t>(maxFileSizeKb) * 1024) return {};
  const std::string ext = ExtractFileExt(file);
  if (ext.empty()) return {};
  if (SameAscii(ext, ".srt") || ExtensionListHas(extensions, ext.substr(1))) return file;
  return {};
}

std::string OpenClipboardFileCaption(const std::string& file) {
  return "Открыть файл " + DQ + ExtractFileName(file) + DQ;
}

std::string InsertClipboardFileCaption(const std::string& file) {
  return "Вставить из " + DQ + ExtractFileName(file) + DQ;
}

TDocument::TDocument(Editor& editor, IFileSystem& fs, IFileDialogs& dialogs, IShell& shell, ProgramOptions& options,
                     const ExtensionList& extensions)
    : editor_(editor), fs_(fs), dialogs_(dialogs), shell_(shell), options_(options), extensions_(extensions) {}

std::string TDocument::DocumentsFolder() const { return shell_.DocumentsFolder(); }

std::string TDocument::DialogFolder(const std::string& path) const {
  const std::string folder = ExtractFilePath(path);
  if (!folder.empty() && fs_.Stat(folder).kind == FileKind::Folder) return folder;
  return DocumentsFolder();
}

std::string TDocument::Caption() const { return openedFile_.empty() ? std::string(MainCaption) : openedFile_; }

void TDocument::UpdateCaption() { editor_.host.CaptionChanged(Caption()); }

void TDocument::Adopt(const std::string& file) {
  openedFile_ = file;
  textModified_ = false;
  UpdateCaption();
}

bool TDocument::GetTextFromFile(const std::string& fileName, std::string& text) {
  lastRead_ = TextReadInfo();
  return quillet::GetTextFromFile(fs_, editor_.prompt, fileName, options_.maxFileSizeKb, text, &lastRead_);
}

void TDocument::ReportReplacedChars(const std::string& fileName) {
  if (lastRead_.replaced > 0) {
    editor_.messages.ShowMess(ReplacedCharsMessage(ExtractFileName(fileName), lastRead_.replaced), MsgKind::Warning,
                              false);
  }
}

bool TDocument::ChooseFileToRead(const std::string& startName, std::string& chosen) {
  const FileFilter filter = BuildFileFilter(extensions_);
  FileDialogRequest request;
  request.filter = filter.text;
  request.filterIndex = ChooseFilterIndex(filter.kinds, memory_.lastOpenFilterType, startName, filter.text);
  request.folder = DialogFolder(startName);
  request.fileName = ExtractFileName(startName);
  FileDialogResult result;
  if (!dialogs_.OpenFileDialog(request, result)) return false;
  memory_.lastOpenFilterType = FilterIndexToType(filter.kinds, result.filterIndex);
  chosen = result.path;
  return true;
}

bool TDocument::OpenFromFile(const std::string& fileName) {
  if (!AskForSave()) return false;
  if (!fileName.empty() && fs_.Stat(fileName).kind == FileKind::Regular) {
    memory_.lastOpenFile = fileName;
  } else {
    std::string chosen;
    if (!ChooseFileToRead(memory_.lastOpenFile, chosen)) return false;
    memory_.lastOpenFile = chosen;
  }

  std::string text;
  if (!GetTextFromFile(memory_.lastOpenFile, text)) {
    editor_.prompt.Beep();
    return false;
  }

  // ASS and SSA may be converted on the way in.
  TextFormat format = TextFormat::Unknown;
  bool convert = false;
  if (options_.konvType != 2) {
    format = editor_.format.DetectTextFormat(text, false);
    if (format == TextFormat::Ass || format == TextFormat::Ssa) {
      const std::string ext = ExtractFileExt(memory_.lastOpenFile);
      const bool extensionMatches = !ext.empty() && SameAscii(ext.substr(1), FormatName(format, false));
      std::string question;
      if (extensionMatches) {
        if (options_.konvType == 0) convert = true;
        else question = "Внимание! Открываемый файл имеет расширение " + DQ + ext + DQ +
                        ". Хотите сконвертировать его содержимое в формат srt?";
      } else {
        question = "Внимание! Содержимое открываемого файла " + DQ + ExtractFileName(memory_.lastOpenFile) + DQ +
                   " опознано как субтитры формата " + DQ + FormatName(format, false) + DQ +
                   ". Хотите сконвертировать его содержимое в формат srt?";
      }
      if (!question.empty()) {
        switch (editor_.prompt.Ask(MsgKind::Confirmation, Buttons::YesNoCancel, question)) {
          case Answer::Yes: convert = true; break;
          case Answer::No: break;
          default: return false;
        }
      }
    }
  }

  IEditControl& edit = editor_.edit;
  editor_.messages.ClearMess();
  ReportReplacedChars(memory_.lastOpenFile);
  if (!convert) {
    edit.SetText(text);
    textModified_ = false;
  } else {
    // The text as read first, so that one undo brings it back.
    const ops::EditUpdate update(edit);
    edit.SetText(text);
    textModified_ = false;
    const std::string srt = ConvertToSrt(text, FormatName(format, true), editor_.messages);
    edit.SetSel(0, edit.TextLength());
    edit.ReplaceSel(srt, true);
  }

  openedFile_ = memory_.lastOpenFile;
  readEncoding_ = lastRead_.encoding;
  editor_.host.ResetErrorSearch();
  srtExtConfirmed_ = false;
  editor_.format.GetTextFormat();
  CaretToStart(edit);
  editor_.host.SetStatus();
  UpdateCaption();
  editor_.prompt.Beep();
  return true;
}

bool TDocument::SaveToFileSp(const std::string& fileName, bool keepPrevious, bool asCopy) {
  std::string name = fileName;
  if (asCopy && !openedFile_.empty()) {
    const std::string ext = ExtractFileExt(openedFile_);
    const std::string base = ExtractBaseName(openedFile_);
    const std::string folder = ExtractFilePath(openedFile_);
    int n = 1;
    while (n < 1000000 && fs_.Stat(MakeCopyFileName(folder, base, n, ext)).kind != FileKind::Missing) ++n;
    name = MakeCopyFileName(folder, base, n, ext);
  }

  if (name.empty() || asCopy) {
    const std::string& start = name.empty() ? memory_.lastSaveFile : name;
    const FileFilter filter = BuildFileFilter(extensions_);
    FileDialogRequest request;
    request.filter = filter.text;
    request.fileName = ExtractFileName(start);
    request.folder = DialogFolder(start);
    request.filterIndex = ChooseFilterIndex(filter.kinds, memory_.lastSaveFilterType, request.fileName, filter.text);
    FileDialogResult result;
    if (!dialogs_.SaveFileDialog(request, result)) return false;
    memory_.lastSaveFilterType = FilterIndexToType(filter.kinds, result.filterIndex);
    memory_.lastSaveFile = result.path;
  } else {
    memory_.lastSaveFile = name;
  }

  // The previous version stays on under the suffixed name.
  std::string keepOldAs;
  if (keepPrevious && fs_.Stat(memory_.lastSaveFile).kind == FileKind::Regular) {
    std::string suffix = TrimBlanks(options_.saveLastAdd);
    if (suffix.empty()) {
      suffix = "_before";
      options_.saveLastAdd = suffix;
    }
    keepOldAs = PreviousVersionName(memory_.lastSaveFile, suffix);
  }

  // The new content takes the old one's place only once it is wholly on the disk.
  std::string error;
  if (!fs_.ReplaceFile(memory_.lastSaveFile, editor_.edit.Text(), keepOldAs, error)) {
    lastWriteError_ = error.empty() ? std::string("?") : error;
    editor_.messages.SetMessLikeLast("Сбой при поптыке сохранения файла " + DQ + memory_.lastSaveFile + DQ + ".",
                                     MsgKind::Error);
    editor_.prompt.Ask(MsgKind::Error, Buttons::Ok, lastWriteError_);
    return false;
  }
  lastWriteError_.clear();

  if (!asCopy) {
    openedFile_ = memory_.lastSaveFile;
    UpdateCaption();
    textModified_ = false;
  }
  editor_.prompt.Beep();
  return true;
}

bool TDocument::SaveOpend() {
  std::string name = openedFile_;
  const std::string ext = ExtractFileExt(name);
  if (!name.empty() && !srtExtConfirmed_ && !SameAscii(ext, ".srt") &&
      editor_.format.GetTextFormat() == TextFormat::Srt) {
    const std::string tail = ext.empty() || ext == "." ? " не имеет расширения" : "имеет расширение, отличное от";
    const std::string question = "Вы пытаетесь сохранить текст субтитров в файл " + DQ + ExtractFileName(name) + DQ +
                                 " имя которого " + tail + " " + DQ + ".srt" + DQ +
                                 ". Всё равно хотите выполнить сохранение именно в этот файл?";
    switch (editor_.prompt.Ask(MsgKind::Confirmation, Buttons::YesNoCancel, question)) {
      case Answer::Yes:
        srtExtConfirmed_ = true;
        break;
      case Answer::No:
        memory_.lastSaveFile = ChangeFileExt(name, ".srt");
        name.clear();
        break;
      default:
        // Nothing was saved: a caller about to discard the text must not take this as done.
        return false;
    }
  }
  return SaveToFileSp(name, options_.saveLast, false);
}

bool TDocument::AskForSave() {
  if (!textModified_) return true;
  std::string question = "Текст был изменён. Сохранить изменения";
  if (!openedFile_.empty()) {
    question += " в файл " + ExtractFileName(openedFile_);
  } else if (RightTrimmedLength(editor_.edit.Text()) == 0) {
    return true;
  }
  question += "?";
  switch (editor_.prompt.Ask(MsgKind::Warning, Buttons::YesNoCancel, question)) {
    case Answer::No:
      return true;
    case Answer::Yes:
      return openedFile_.empty() ? SaveToFileSp(std::string(), options_.saveLast, false) : SaveOpend();
    default:
      return false;
  }
}

bool TDocument::OpenFromCommandLine(const std::string& argument) {
  if (argument.empty() || fs_.Stat(argument).kind != FileKind::Regular) return false;
  return OpenFromFile(fs_.AbsolutePath(argument));
}

bool TDocument::SetFormFileMenu(const std::vector<std::string>& clipboardFiles) {
  clipboardFile_ = ChooseClipboardFile(clipboardFiles, openedFile_, options_.maxFileSizeKb, extensions_, fs_);
  return !clipboardFile_.empty();
}

void TDocument::ConvertEditorText(TextFormat target) {
  quillet::ConvertEditorText(editor_, target);
}

bool TDocument::OpenClipboardFile() {
  if (clipboardFile_.empty() || fs_.Stat(clipboardFile_).kind != FileKind::Regular) return false;
  return OpenFromFile(clipboardFile_);
}

bool TDocument::SaveAs() {
  if (!openedFile_.empty() && fs_.Stat(openedFile_).kind == FileKind::Regular) memory_.lastSaveFile = openedFile_;
  return SaveToFileSp(std::string(), false, false);
}

void TDocument::InsertText(const std::string& text) {
  editor_.edit.ReplaceSel(text, true);
  editor_.host.SetStatus();
}

bool TDocument::InsertFromFile() {
  const std::string start = memory_.lastInsertFile.empty() ? memory_.lastOpenFile : memory_.lastInsertFile;
  std::string chosen;
  if (!ChooseFileToRead(start, chosen)) return false;
  std::string text;
  if (!GetTextFromFile(chosen, text)) return false;
  memory_.lastInsertFile = chosen;
  InsertText(text);
  ReportReplacedChars(chosen);
  return true;
}

bool TDocument::InsertClipboardFile() {
  if (clipboardFile_.empty()) return false;
  if (editor_.prompt.Ask(MsgKind::Confirmation, Buttons::YesCancel,
                         "Вы уверены, что хотите вставить текст из файла " + DQ + ExtractFileName(clipboardFile_) + DQ +
                             " в текущую позицию?") == Answer::Cancel) {
    return false;
  }
  std::string text;
  if (!GetTextFromFile(clipboardFile_, text)) return false;
  memory_.lastInsertFile = clipboardFile_;
  InsertText(text);
  ReportReplacedChars(clipboardFile_);
  return true;
}

}  // namespace quillet
