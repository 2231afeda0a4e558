// The "Редактирование" group of the operations panel (GroupBox6): the find and replace rows,
// the five editing buttons, and the go-to section that collapses under its divider. It only
// asks: every button is a signal that the panel hands to the commands.
#pragma once

#include <QGroupBox>

#include <vector>

#include "session/commands.h"
#include "storage/settings.h"
#include "ui/widgets/widget_utils.h"

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class QVBoxLayout;

namespace quillet {

class TNumberEdit;

class TEditGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit TEditGroup(QWidget* parent = nullptr);
  void SetBeep(const BeepFn& beep);

  // "отм" active when the editor can undo; "выр", "коп" and "удл" when it has a selection.
  void SetEditButtons(bool canUndo, bool hasSelection);
  // "вст" active while the clipboard holds text.
  void SetPasteActive(bool active);
  // The find row's buttons: enabled, bold and the current direction underlined as look says.
  void SetFindRowLook(const FindRowLook& look);
  // What the find row and the go-to section hold now.
  FindRowValues FindValues() const;
  EditGroupGoValues GoValues() const;
  // Shows (full) or collapses the go-to section; each way only from the other state.
  void SetFullOpEditPanel(bool full);
  bool FullOpEditPanel() const;

  QPushButton* EditButton(int i) const { return editButtons_[i]; }  // BitBtn7 … BitBtn11

  // The stored values of the find row and the go-to section (the section's visibility is set
  // by SetFullOpEditPanel): into the controls, and back.
  void LoadValues(const EditGroupSettings& values);
  void ReadValues(EditGroupSettings& values) const;

 signals:
  void UndoRequested();
  void CutRequested();
  void CopyRequested();
  void PasteRequested();
  void DeleteRequested();
  // The section was shown or collapsed: the panel takes the new height.
  void SectionToggled();
  void GoRequested(GoButton button);
  void FindRequested(FindRowButton button);
  // A right-button press on "<" (prev) or ">".
  void DirectionRequested(bool prev);
  // Enter in "Пск" or "Зам"; prevEnabled tells whether "<" is enabled.
  void EnterPressed(bool prevEnabled);
  void SearchTextChanged();

 private:
  void BuildFindRows(QVBoxLayout* column);
  void BuildGoSection(QVBoxLayout* column);

  QLineEdit* edit9_ = nullptr;   // the text to find
  QLineEdit* edit10_ = nullptr;  // the replacement
  QPushButton* button3_ = nullptr;
  QPushButton* button6_ = nullptr;
  QPushButton* button7_ = nullptr;
  QPushButton* button8_ = nullptr;
  QPushButton* button14_ = nullptr;
  QCheckBox* checkBox8_ = nullptr;
  QPushButton* editButtons_[5] = {};
  QFrame* bevel6_ = nullptr;
  QPushButton* button17_ = nullptr;  // "V"
  QWidget* goSection_ = nullptr;
  QPushButton* button16_ = nullptr;  // "X"
  TNumberEdit* edit11_ = nullptr;    // "поз:"
  TNumberEdit* edit17_ = nullptr;    // "№:"
  QTimeEdit* picker_ = nullptr;
  QCheckBox* checkBox6_ = nullptr;   // "Cек"
  QCheckBox* checkBox7_ = nullptr;   // "Ближ."
  QCheckBox* checkBox10_ = nullptr;  // "Ошибки"
  std::vector<TNumberEdit*> fields_;
};

}  // namespace quillet
