// The system clipboard.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillet {

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  virtual bool HasText() const = 0;
  virtual std::string Text() const = 0;            // Windows-1251, CR LF
  virtual void SetText(const std::string& ansi) = 0;
  // Files copied in a file manager (full local paths, UTF-8).
  virtual std::vector<std::string> Files() const = 0;
  // Called on every change of the clipboard's contents.
  void SetChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

 protected:
  void NotifyChange() {
    if (onChange_) onChange_();
  }

 private:
  std::function<void()> onChange_;
};

}  // namespace quillet
