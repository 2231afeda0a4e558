// The open and save dialogs of the platform.
#pragma once

#include <string>

namespace quillet {

struct FileDialogRequest {
  // Entries as "label|patterns|label|patterns...", patterns joined by ";" (*.srt;*.ass).
  std::string filter;
  // The entry chosen at first, from 1.
  int filterIndex = 1;
  // The folder shown at first (UTF-8 path) and the name in the name field.
  std::string folder;
  std::string fileName;
};

struct FileDialogResult {
  std::string path;     // full path of the chosen file (UTF-8)
  int filterIndex = 1;  // the entry in use when the user chose, from 1
};

class IFileDialogs {
 public:
  virtual ~IFileDialogs() = default;
  // False when the user cancelled. The open dialog also accepts the name of a file that does
  // not exist; the save dialog adds no extension and does not ask before an existing file.
  virtual bool OpenFileDialog(const FileDialogRequest& request, FileDialogResult& result) = 0;
  virtual bool SaveFileDialog(const FileDialogRequest& request, FileDialogResult& result) = 0;
};

}  // namespace quillet
