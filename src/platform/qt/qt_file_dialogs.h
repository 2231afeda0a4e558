// The open and save dialogs: Qt's own file dialog (the same on every desktop), fed with the
// program's "label|patterns" filter text.
#pragma once

#include <QStringList>

#include <functional>

#include "platform/file_dialogs.h"

class QFileDialog;
class QWidget;

namespace quillet {

class QtFileDialogs : public IFileDialogs {
 public:
  static constexpr const char* kDialogName = "QuilletFileDialog";

  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  bool OpenFileDialog(const FileDialogRequest& request, FileDialogResult& result) override;
  bool SaveFileDialog(const FileDialogRequest& request, FileDialogResult& result) override;

  // The entries of a filter text as Qt's name filters: the label keeps its words, and the
  // patterns in its brackets are separated by blanks, which is how Qt reads them
  // ("Файлы srt (*.srt)|*.srt|Все файлы (*.*)|*.*" gives "Файлы srt (*.srt)", "Все файлы (*.*)").
  static QStringList NameFilters(const std::string& filter);

  // Runs with the dialog right before it is shown (tests answer it from here).
  void SetBeforeShow(std::function<void(QFileDialog&)> hook) { beforeShow_ = std::move(hook); }

 private:
  bool Run(bool save, const FileDialogRequest& request, FileDialogResult& result);

  QWidget* parent_;
  std::function<void(QFileDialog&)> beforeShow_;
};

}  // namespace quillet
