// A scripted stand-in for the open and save dialogs: records each request and answers with
// the next scripted choice (or Cancel when the script has run out).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

namespace quillet::testing {

class FakeFileDialogs : public IFileDialogs {
 public:
  struct Shown {
    bool save;
    FileDialogRequest request;
  };

  // The user picks path; filterIndex 0 keeps the entry the dialog showed first.
  void Choose(std::string path, int filterIndex = 0) { script_.push_back(Choice{std::move(path), filterIndex}); }
  void Cancel() { script_.push_back(std::nullopt); }

  bool OpenFileDialog(const FileDialogRequest& request, FileDialogResult& result) override {
    return Answer(false, request, result);
  }
  bool SaveFileDialog(const FileDialogRequest& request, FileDialogResult& result) override {
    return Answer(true, request, result);
  }

  std::vector<Shown> shown;

 private:
  struct Choice {
    std::string path;
    int filterIndex;
  };
  bool Answer(bool save, const FileDialogRequest& request, FileDialogResult& result) {
    shown.push_back({save, request});
    if (script_.empty()) return false;
    const std::optional<Choice> next = script_.front();
    script_.pop_front();
    if (!next) return false;
    result.path = next->path;
    result.filterIndex = next->filterIndex == 0 ? request.filterIndex : next->filterIndex;
    return true;
  }
  std::deque<std::optional<Choice>> script_;
};

}  // namespace quillet::testing
