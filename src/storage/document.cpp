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

TDocument::TDocument(Editor& editor, IFileSystem& fs, IFileDialogs& dialogs, ProgramOptions& options,
                     DocumentHooks hooks)
    : editor_(editor), fs_(fs), dialogs_(dialogs), options_(options), hooks_(std::move(hooks)) {}

ExtensionList TDocument::Extensions() const {
  return hooks_.extensions ? hooks_.extensions() : DefaultExtensionList();
}

std::string TDocument::DocumentsFolder() const { return hooks_.documentsFolder ? hooks_.documentsFolder() : std::string(); }

std::string TDocument::DialogFolder(const std::string& path) const {
  const std::string folder = ExtractFilePath(path);
  if (!folder.empty() && fs_.Stat(folder).kind == FileKind::Folder) return folder;
  return DocumentsFolder();
}

std::string TDocument::Caption() const { return OpenedFile.empty() ? std::string(MainCaption) : OpenedFile; }

void TDocument::UpdateCaption() {
  if (hooks_.setCaption) hooks_.setCaption(Caption());
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
  const FileFilter filter = BuildFileFilter(Extensions());
  FileDialogRequest request;
  request.filter = filter.text;
  request.filterIndex = ChooseFilterIndex(filter.kinds, LastOpenFilterType, startName, filter.text);
  request.folder = DialogFolder(startName);
  request.fileName = ExtractFileName(startName);
  FileDialogResult result;
  if (!dialogs_.OpenFileDialog(request, result)) return false;
  LastOpenFilterType = FilterIndexToType(filter.kinds, result.filterIndex);
  chosen = result.path;
  return true;
}

bool TDocument::OpenFromFile(const std::string& fileName) {
  if (!AskForSave()) return false;
  if (!fileName.empty() && fs_.Stat(fileName).kind == FileKind::Regular) {
    LastOpenFile = fileName;
  } else {
    std::string chosen;
    if (!ChooseFileToRead(LastOpenFile, chosen)) return false;
    LastOpenFile = chosen;
  }

  std::string text;
  if (!GetTextFromFile(LastOpenFile, text)) {
    editor_.prompt.Beep();
    return false;
  }

  // ASS and SSA may be converted on the way in.
  TextFormat format = TextFormat::Unknown;
  bool convert = false;
  if (options_.konvType != 2) {
    format = editor_.format.DetectTextFormat(text, false);
    if (format == TextFormat::Ass || format == TextFormat::Ssa) {
      const std::string ext = ExtractFileExt(LastOpenFile);
      const bool extensionMatches = !ext.empty() && SameAscii(ext.substr(1), FormatName(format, false));
      std::string question;
      if (extensionMatches) {
        if (options_.konvType == 0) convert = true;
        else question = "Внимание! Открываемый файл имеет расширение " + DQ + ext + DQ +
                        ". Хотите сконвертировать его содержимое в формат srt?";
      } else {
        question = "Внимание! Содержимое открываемого файла " + DQ + ExtractFileName(LastOpenFile) + DQ +
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
  ReportReplacedChars(LastOpenFile);
  if (!convert) {
    edit.SetText(text);
    TextModified = false;
  } else {
    // The text as read first, so that one undo brings it back.
    const ops::EditUpdate update(edit);
    edit.SetText(text);
    TextModified = false;
    const std::string srt = ConvertToSrt(text, FormatName(format, true), editor_.messages);
    edit.SetSel(0, edit.TextLength());
    edit.ReplaceSel(srt, true);
  }

  OpenedFile = LastOpenFile;
  readEncoding_ = lastRead_.encoding;
  editor_.host.ResetErrorSearch();
  SrtExtConfirmed = false;
  editor_.format.GetTextFormat();
  CaretToStart(edit);
  editor_.host.SetStatus();
  UpdateCaption();
  editor_.prompt.Beep();
  return true;
}

bool TDocument::SaveToFileSp(const std::string& fileName, bool keepPrevious, bool asCopy) {
  std::string name = fileName;
  if (asCopy && !OpenedFile.empty()) {
    const std::string ext = ExtractFileExt(OpenedFile);
    const std::string base = ExtractBaseName(OpenedFile);
    const std::string folder = ExtractFilePath(OpenedFile);
    int n = 1;
    while (n < 1000000 && fs_.Stat(MakeCopyFileName(folder, base, n, ext)).kind != FileKind::Missing) ++n;
    name = MakeCopyFileName(folder, base, n, ext);
  }

  if (name.empty() || asCopy) {
    const std::string& start = name.empty() ? LastSaveFile : name;
    const FileFilter filter = BuildFileFilter(Extensions());
    FileDialogRequest request;
    request.filter = filter.text;
    request.fileName = ExtractFileName(start);
    request.folder = DialogFolder(start);
    request.filterIndex = ChooseFilterIndex(filter.kinds, LastSaveFilterType, request.fileName, filter.text);
    FileDialogResult result;
    if (!dialogs_.SaveFileDialog(request, result)) return false;
    LastSaveFilterType = FilterIndexToType(filter.kinds, result.filterIndex);
    LastSaveFile = result.path;
  } else {
    LastSaveFile = name;
  }

  // The previous version stays on under the suffixed name.
  std::string keepOldAs;
  if (keepPrevious && fs_.Stat(LastSaveFile).kind == FileKind::Regular) {
    std::string suffix = TrimBlanks(options_.saveLastAdd);
    if (suffix.empty()) {
      suffix = "_before";
      options_.saveLastAdd = suffix;
    }
    keepOldAs = PreviousVersionName(LastSaveFile, suffix);
  }

  // The new content takes the old one's place only once it is wholly on the disk.
  std::string error;
  if (!fs_.ReplaceFile(LastSaveFile, editor_.edit.Text(), keepOldAs, error)) {
    lastWriteError_ = error.empty() ? std::string("?") : error;
    editor_.messages.SetMessLikeLast("Сбой при поптыке сохранения файла " + DQ + LastSaveFile + DQ + ".",
                                     MsgKind::Error);
    if (hooks_.showSystemError) hooks_.showSystemError(lastWriteError_);
    return false;
  }
  lastWriteError_.clear();

  if (!asCopy) {
    OpenedFile = LastSaveFile;
    UpdateCaption();
    TextModified = false;
  }
  editor_.prompt.Beep();
  return true;
}

bool TDocument::SaveOpend() {
  std::string name = OpenedFile;
  const std::string ext = ExtractFileExt(name);
  if (!name.empty() && !SrtExtConfirmed && !SameAscii(ext, ".srt") &&
      editor_.format.GetTextFormat() == TextFormat::Srt) {
    const std::string tail = ext.empty() || ext == "." ? " не имеет расширения" : "имеет расширение, отличное от";
    const std::string question = "Вы пытаетесь сохранить текст субтитров в файл " + DQ + ExtractFileName(name) + DQ +
                                 " имя которого " + tail + " " + DQ + ".srt" + DQ +
                                 ". Всё равно хотите выполнить сохранение именно в этот файл?";
    switch (editor_.prompt.Ask(MsgKind::Confirmation, Buttons::YesNoCancel, question)) {
      case Answer::Yes:
        SrtExtConfirmed = true;
        break;
      case Answer::No:
        LastSaveFile = ChangeFileExt(name, ".srt");
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
  if (!TextModified) return true;
  std::string question = "Текст был изменён. Сохранить изменения";
  if (!OpenedFile.empty()) {
    question += " в файл " + ExtractFileName(OpenedFile);
  } else if (RightTrimmedLength(editor_.edit.Text()) == 0) {
    return true;
  }
  question += "?";
  switch (editor_.prompt.Ask(MsgKind::Warning, Buttons::YesNoCancel, question)) {
    case Answer::No:
      return true;
    case Answer::Yes:
      return OpenedFile.empty() ? SaveToFileSp(std::string(), options_.saveLast, false) : SaveOpend();
    default:
      return false;
  }
}

bool TDocument::OpenFromCommandLine(const std::string& argument) {
  if (argument.empty() || fs_.Stat(argument).kind != FileKind::Regular) return false;
  return OpenFromFile(fs_.AbsolutePath(argument));
}

bool TDocument::SetFormFileMenu(const std::vector<std::string>& clipboardFiles) {
  ClipboardFile = ChooseClipboardFile(clipboardFiles, OpenedFile, options_.maxFileSizeKb, Extensions(), fs_);
  return !ClipboardFile.empty();
}

void TDocument::ConvertEditorText(TextFormat target) {
  quillet::ConvertEditorText(editor_, target, [this] { SrtExtConfirmed = false; });
}

bool TDocument::N23Click() {
  if (ClipboardFile.empty() || fs_.Stat(ClipboardFile).kind != FileKind::Regular) return false;
  return OpenFromFile(ClipboardFile);
}

bool TDocument::N5Click() {
  if (!OpenedFile.empty() && fs_.Stat(OpenedFile).kind == FileKind::Regular) LastSaveFile = OpenedFile;
  return SaveToFileSp(std::string(), false, false);
}

void TDocument::InsertText(const std::string& text) {
  editor_.edit.ReplaceSel(text, true);
  editor_.host.SetStatus();
}

bool TDocument::MenuItem10Click() {
  const std::string start = LastInsertFile.empty() ? LastOpenFile : LastInsertFile;
  std::string chosen;
  if (!ChooseFileToRead(start, chosen)) return false;
  std::string text;
  if (!GetTextFromFile(chosen, text)) return false;
  LastInsertFile = chosen;
  InsertText(text);
  ReportReplacedChars(chosen);
  return true;
}

bool TDocument::MenuItem11Click() {
  if (ClipboardFile.empty()) return false;
  if (editor_.prompt.Ask(MsgKind::Confirmation, Buttons::YesCancel,
                         "Вы уверены, что хотите вставить текст из файла " + DQ + ExtractFileName(ClipboardFile) + DQ +
                             " в текущую позицию?") == Answer::Cancel) {
    return false;
  }
  std::string text;
  if (!GetTextFromFile(ClipboardFile, text)) return false;
  LastInsertFile = ClipboardFile;
  InsertText(text);
  ReportReplacedChars(ClipboardFile);
  return true;
}

}  // namespace quillet
