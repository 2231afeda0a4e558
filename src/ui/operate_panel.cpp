#include "ui/operate_panel.h"

#include "ui/find_err_group.h"

namespace quillet {

struct TOperatePanel::Impl {
  Editor* editor = nullptr;
  TDocument* document = nullptr;
  IClipboard* clipboard = nullptr;
  TFindErr* findErr = nullptr;
  TFindErrGroup* findErrGroup = nullptr;
  QWidget* panel6 = nullptr;
};

TOperatePanel::TOperatePanel(Editor& editor, TDocument& document, IClipboard& clipboard,
                             QWidget* parent)
    : QWidget(parent), d_(new Impl) {
  setObjectName("Panel1");
  setFixedWidth(230);
  d_->editor = &editor;
  d_->document = &document;
  d_->clipboard = &clipboard;
  d_->findErrGroup = new TFindErrGroup(this);
  d_->panel6 = new QWidget(this);
  d_->panel6->setObjectName("Panel6");
}

TOperatePanel::~TOperatePanel() { delete d_; }

void TOperatePanel::SetFindErr(TFindErr* findErr) { d_->findErr = findErr; }
TFindErrGroup& TOperatePanel::FindErrGroup() { return *d_->findErrGroup; }
QWidget* TOperatePanel::Panel6() const { return d_->panel6; }
void TOperatePanel::SetOperatePanel(int, const std::string&) {}
int TOperatePanel::OperationIndex() const { return 0; }
bool TOperatePanel::OperationListHasFocus() const { return false; }
void TOperatePanel::OnTextChanged() {}
void TOperatePanel::SetEditButSp() {}
bool TOperatePanel::EditGroupVisible() const { return false; }
void TOperatePanel::SetPasteActive(bool) {}
int TOperatePanel::RangeStart() const { return 0; }
int TOperatePanel::RangeEnd() const { return 0; }

}  // namespace quillet
