// The operations panel: the column at the right of the main window. Its upper part (Panel5)
// holds the operation list, the line range and the group of the chosen operation; Panel6 below
// is the place the message pane takes when it is put at the right.
#pragma once

#include <QWidget>

#include <string>

class QComboBox;

namespace quillet {

class IClipboard;
class TDocument;
class TFindErr;
class TFindErrGroup;
struct Editor;

class TOperatePanel : public QWidget {
  Q_OBJECT

 public:
  TOperatePanel(Editor& editor, TDocument& document, IClipboard& clipboard,
                QWidget* parent = nullptr);
  ~TOperatePanel() override;

  // The main window creates the error search engine after the panel; not owned.
  void SetFindErr(TFindErr* findErr);
  TFindErrGroup& FindErrGroup();
  // The empty place for the message pane ("Справа").
  QWidget* Panel6() const;

  // Chooses the operation by index (or by its UTF-8 name when the name is not empty).
  void SetOperatePanel(int index, const std::string& utf8Name);
  int OperationIndex() const;
  bool OperationListHasFocus() const;
  // The text of the editor changed.
  void OnTextChanged();
  // The look of the five editing buttons follows the editor's state.
  void SetEditButSp();
  bool EditGroupVisible() const;
  void SetPasteActive(bool active);
  int RangeStart() const;
  int RangeEnd() const;

 private:
  struct Impl;
  Impl* d_ = nullptr;
};

}  // namespace quillet
