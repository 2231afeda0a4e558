#include "ui/panel/operate_panel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "core/editor_routines.h"
#include "core/find_err.h"
#include "core/normalize.h"
#include "session/commands.h"
#include "ui/panel/convert_group.h"
#include "ui/panel/edit_group.h"
#include "ui/panel/find_err_group.h"
#include "ui/panel/normalize_group.h"
#include "ui/panel/panel_logic.h"
#include "ui/panel/shift_group.h"
#include "ui/panel/stretch_group.h"
#include "ui/widgets/number_field.h"
#include "ui/widgets/widget_utils.h"

namespace quillet {

namespace {

// Forgets the cached sizes of a layout and of every layout nested in it, so that controls
// just shown or hidden count at once.
void InvalidateAll(QLayout* layout) {
  if (!layout) return;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (QLayout* inner = item->layout()) {
      InvalidateAll(inner);
    } else {
      item->invalidate();
    }
  }
  layout->invalidate();
}

}  // namespace

struct TOperatePanel::Impl : public QObject, public IFindErrGroupHost {
  Impl(TOperatePanel& panel, TSession& session, TCommands& commands)
      : panel(panel), session(session), commands(commands) {}

  // ---- IFindErrGroupHost ----
  int LineCount() const override { return session.lines().CachedLineCount(); }
  int CaretLine() const override { return GetMemoCaret(session.editor().edit).line; }
  bool CanContinue() const override { return session.findErr() && session.findErr()->CanContinue(); }
  void SettingsChanged(const FindErrSettings& settings) override { session.SetFindErrSettings(settings); }

  // The list's focus mark follows the keyboard focus; the list's own popup taking and giving
  // back the focus does not count.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == comboBox1) {
      if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        auto* focus = static_cast<QFocusEvent*>(event);
        if (focus->reason() != Qt::PopupFocusReason) {
          if (event->type() == QEvent::FocusIn) {
            ComboBox1Enter();
          } else {
            ComboBox1Exit();
          }
        }
      }
    }
    return false;
  }

  void Build();
  void BuildRange();
  void Wire();

  void ComboBox1Enter() { tag.Enter(comboBox1->currentIndex()); }
  void ComboBox1Exit() { tag.Exit(); }
  void ComboBox1Change(int index) {
    if (tag.Change(index)) panel.SetOperatePanel(static_cast<OperationGroup>(index), std::string());
  }

  QWidget* GroupOf(OperationGroup group) const;
  void ShowOperation(int index);
  void SetDiapEdits(bool showRange);
  // Panel5 takes the height its visible controls need.
  void FitPanel5();
  // SetOpEditFndBtns (text length >= 1): the find row's buttons follow the text, the search
  // field and the direction.
  void SetOpEditFndBtns() {
    editGroup->SetFindRowLook(
        commands.FindRowButtons(session.editor().edit.TextLength() >= 1, editGroup->FindValues().search));
  }
  // An editing button of the group: the command, the buttons' looks, the focus to the editor.
  void EditButton(bool (TCommands::*command)());

  TOperatePanel& panel;
  TSession& session;
  TCommands& commands;
  OperationListTag tag;

  QWidget* panel5 = nullptr;
  QVBoxLayout* panel5Layout = nullptr;
  QWidget* panel6 = nullptr;
  QComboBox* comboBox1 = nullptr;

  // Block range.
  QLabel* label5 = nullptr;
  QLabel* label3 = nullptr;
  QLabel* label4 = nullptr;
  TNumberEdit* edit3 = nullptr;
  TNumberEdit* edit4 = nullptr;
  QFrame* bevel2 = nullptr;

  TEditGroup* editGroup = nullptr;
  TNormalizeGroup* normalizeGroup = nullptr;
  TFindErrGroup* findErrGroup = nullptr;
  TShiftGroup* shiftGroup = nullptr;
  TStretchGroup* stretchGroup = nullptr;
  TConvertGroup* convertGroup = nullptr;
};

void TOperatePanel::Impl::Build() {
  auto* column = new QVBoxLayout(&panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  panel5 = new QWidget(&panel);
  panel5->setObjectName(QStringLiteral("Panel5"));
  panel5Layout = new QVBoxLayout(panel5);
  // The list's top margin is also the margin under the group.
  panel5Layout->setContentsMargins(4, 8, 4, 8);
  panel5Layout->setSpacing(4);
  panel5Layout->setSizeConstraint(QLayout::SetNoConstraint);

  comboBox1 = new QComboBox(panel5);
  comboBox1->setObjectName(QStringLiteral("ComboBox1"));
  comboBox1->addItems(OperationItems());
  comboBox1->setCurrentIndex(0);
  comboBox1->installEventFilter(this);
  panel5Layout->addWidget(comboBox1);
  panel5Layout->addWidget(NewDivider(panel5, "Bevel1"));

  BuildRange();

  editGroup = new TEditGroup(panel5);
  normalizeGroup = new TNormalizeGroup(panel5);
  findErrGroup = new TFindErrGroup(panel5);
  shiftGroup = new TShiftGroup(panel5);
  stretchGroup = new TStretchGroup(panel5);
  convertGroup = new TConvertGroup(panel5);
  for (int i = 1; i < kOperationCount; ++i) {
    QWidget* group = GroupOf(static_cast<OperationGroup>(i));
    panel5Layout->addWidget(group);
    group->hide();
  }
  panel5Layout->addStretch(1);
  column->addWidget(panel5);

  panel6 = new QWidget(&panel);
  panel6->setObjectName(QStringLiteral("Panel6"));
  auto* panel6Layout = new QVBoxLayout(panel6);
  panel6Layout->setContentsMargins(0, 0, 0, 0);
  panel6Layout->setSpacing(0);
  column->addWidget(panel6, 1);
}

void TOperatePanel::Impl::BuildRange() {
  label5 = NewLabel(panel5, "Label5", QStringLiteral("Диапазон блоков:"));
  label3 = NewLabel(panel5, "Label3", QStringLiteral("Start"));
  label4 = NewLabel(panel5, "Label4", QStringLiteral("End"));
  edit3 = new TNumberEdit(QStringLiteral("Edit3"), QStringLiteral("UpDown3"), 0, 32000, 0, panel5);
  edit3->SetHint(QStringLiteral("Номер начального редактируемого блока"));
  edit4 = new TNumberEdit(QStringLiteral("Edit4"), QStringLiteral("UpDown4"), 0, 32000, 0, panel5);
  edit4->SetHint(QStringLiteral("Номер конечного редактируемого блока"));
  label3->setBuddy(edit3->Edit());
  label4->setBuddy(edit4->Edit());
  bevel2 = NewDivider(panel5, "Bevel2");

  auto* grid = new QGridLayout;
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(3);
  grid->addWidget(label5, 0, 0, 1, 4);
  grid->addWidget(label3, 1, 0);
  grid->addWidget(edit3, 1, 1);
  grid->addWidget(label4, 1, 2);
  grid->addWidget(edit4, 1, 3);
  grid->addWidget(bevel2, 2, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  panel5Layout->addLayout(grid);
}

void TOperatePanel::Impl::Wire() {
  findErrGroup->SetHost(this);
  connect(comboBox1, &QComboBox::activated, this, [this](int index) { ComboBox1Change(index); });

  connect(findErrGroup, &TFindErrGroup::FindFromStartRequested, this, [this] { commands.FindErrFromStart(); });
  connect(findErrGroup, &TFindErrGroup::FindNextRequested, this, [this] { commands.FindErrNext(); });
  connect(findErrGroup, &TFindErrGroup::FindFromLineRequested, this, [this](int) { commands.FindErrFromCaret(); });

  connect(normalizeGroup, &TNormalizeGroup::NormalizeRequested, this, [this] {
    const TNormalizeGroup::Options o = normalizeGroup->ReadOptions();
    NormalizeOptions options;
    options.renumber = o.renumber;
    options.rightBlanks = o.rightBlanks;
    options.surplusLines = o.surplusLines;
    commands.Normalize(options);
  });

  auto shift = [this](bool add) {
    commands.Shift(add, BlockRange{panel.RangeStart(), panel.RangeEnd()}, shiftGroup->Seconds(),
                   shiftGroup->Milliseconds());
  };
  connect(shiftGroup, &TShiftGroup::ShiftAddRequested, this, [shift] { shift(true); });
  connect(shiftGroup, &TShiftGroup::ShiftSubtractRequested, this, [shift] { shift(false); });

  auto stretch = [this](bool later) {
    const TStretchGroup::Options o = stretchGroup->ReadOptions();
    StretchInput input;
    input.stretch = later;
    input.rate = stretchGroup->Rate();
    input.hundredths = !o.unitMs;
    input.fromStart = o.fromStart;
    input.follow = o.moveEnds;
    input.durations = o.stretchDurations;
    input.first = panel.RangeStart();
    input.last = panel.RangeEnd();
    commands.Stretch(input);
  };
  connect(stretchGroup, &TStretchGroup::StretchRequested, this, [stretch] { stretch(true); });
  connect(stretchGroup, &TStretchGroup::CompressRequested, this, [stretch] { stretch(false); });

  connect(convertGroup, &TConvertGroup::ConvertRequested, this, [this] { commands.Convert(); });
  connect(convertGroup, &TConvertGroup::RefreshRequested, this, [this] { commands.RefreshFormat(); });

  connect(editGroup, &TEditGroup::UndoRequested, this, [this] { EditButton(&TCommands::Undo); });
  connect(editGroup, &TEditGroup::CutRequested, this, [this] { EditButton(&TCommands::Cut); });
  connect(editGroup, &TEditGroup::CopyRequested, this, [this] { EditButton(&TCommands::Copy); });
  connect(editGroup, &TEditGroup::PasteRequested, this, [this] { EditButton(&TCommands::Paste); });
  connect(editGroup, &TEditGroup::DeleteRequested, this, [this] { EditButton(&TCommands::Delete); });
  connect(editGroup, &TEditGroup::SectionToggled, this, [this] { FitPanel5(); });
  connect(editGroup, &TEditGroup::GoRequested, this,
          [this](GoButton button) { commands.EditGroupGo(button, editGroup->GoValues()); });
  connect(editGroup, &TEditGroup::FindRequested, this, [this](FindRowButton button) {
    commands.FindRow(button, editGroup->FindValues());
    SetOpEditFndBtns();
  });
  connect(editGroup, &TEditGroup::DirectionRequested, this, [this](bool prev) {
    commands.SetFindRowDirection(prev);
    SetOpEditFndBtns();
  });
  connect(editGroup, &TEditGroup::EnterPressed, this,
          [this](bool prevEnabled) { commands.FindRowEnter(editGroup->FindValues(), prevEnabled); });
  connect(editGroup, &TEditGroup::SearchTextChanged, this, [this] { SetOpEditFndBtns(); });
}

QWidget* TOperatePanel::Impl::GroupOf(OperationGroup group) const {
  switch (group) {
    case OperationGroup::Edit: return editGroup;
    case OperationGroup::Normalize: return normalizeGroup;
    case OperationGroup::FindErr: return findErrGroup;
    case OperationGroup::Shift: return shiftGroup;
    case OperationGroup::Stretch: return stretchGroup;
    case OperationGroup::Convert: return convertGroup;
    case OperationGroup::None: break;
  }
  return nullptr;
}

void TOperatePanel::Impl::ShowOperation(int index) {
  const OperationView view = OperationViewFor(index);
  QWidget* shown = GroupOf(view.group);
  // Hide first, so that the panel never holds two groups at once.
  for (int i = 1; i < kOperationCount; ++i) {
    QWidget* group = GroupOf(static_cast<OperationGroup>(i));
    if (group != shown) group->hide();
  }
  if (shown) shown->show();
  SetDiapEdits(view.showRange);

  switch (view.group) {
    case OperationGroup::Edit:
      SetOpEditFndBtns();
      panel.SetEditButSp();
      panel.SetPasteActive(session.services().clipboard.HasText());
      break;
    case OperationGroup::FindErr:
      findErrGroup->SetFindErrButs(true);
      break;
    case OperationGroup::Convert:
      convertGroup->SetFormat(session.format().GetTextFormat());
      break;
    default:
      break;
  }
}

void TOperatePanel::Impl::SetDiapEdits(bool showRange) {
  for (QWidget* w : std::initializer_list<QWidget*>{label5, label3, label4, edit3, edit4, bevel2}) {
    w->setVisible(showRange);
  }
  FitPanel5();
}

void TOperatePanel::Impl::FitPanel5() {
  // The layouts would learn of shown and hidden controls only on their next posted request;
  // the height is wanted now.
  for (QWidget* w : editGroup->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->layout()) {
      InvalidateAll(w->layout());
      w->updateGeometry();
    }
  }
  InvalidateAll(editGroup->layout());
  editGroup->updateGeometry();
  InvalidateAll(panel5Layout);
  panel5Layout->activate();
  // With a group Panel5 ends the bottom margin below it; without one it ends where the range
  // label starts, just under the list's divider.
  int height = panel5Layout->sizeHint().height();
  if (OperationViewFor(comboBox1->currentIndex()).group == OperationGroup::None) {
    height += panel5Layout->spacing() - panel5Layout->contentsMargins().bottom();
  }
  panel5->setFixedHeight(height);
}

void TOperatePanel::Impl::EditButton(bool (TCommands::*command)()) {
  (commands.*command)();
  panel.SetEditButSp();
  session.editor().FocusEditor();
}

// ---- TOperatePanel ----

TOperatePanel::TOperatePanel(TSession& session, TCommands& commands, QWidget* parent)
    : QWidget(parent), d_(std::make_unique<Impl>(*this, session, commands)) {
  setObjectName(QStringLiteral("Panel1"));
  setFixedWidth(230);
  d_->Build();
  d_->Wire();
  d_->ShowOperation(0);
}

TOperatePanel::~TOperatePanel() { d_->findErrGroup->SetHost(nullptr); }

QWidget* TOperatePanel::Panel6() const { return d_->panel6; }

void TOperatePanel::SetOperatePanel(OperationGroup group, const std::string& utf8Name) {
  if (!d_->tag.HasFocus()) {
    const int chosen = ChooseOperationIndex(OperationItems(), OperationIndex(group), QString::fromStdString(utf8Name));
    d_->comboBox1->setCurrentIndex(chosen);
  }
  d_->ShowOperation(d_->comboBox1->currentIndex());
}

OperationGroup TOperatePanel::Operation() const { return OperationViewFor(d_->comboBox1->currentIndex()).group; }

bool TOperatePanel::Showing(OperationGroup group) const {
  const QWidget* widget = d_->GroupOf(group);
  return widget != nullptr && !widget->isHidden();
}

bool TOperatePanel::OperationListHasFocus() const { return d_->tag.HasFocus(); }

void TOperatePanel::PutSettings(const StoredSettings& v) {
  SetRange(v.rangeStart, v.rangeEnd);
  d_->findErrGroup->LoadSettings(v.findErr);
  d_->editGroup->LoadValues(v.editGroup);
  d_->normalizeGroup->LoadOptions(v.normalize);
  d_->stretchGroup->LoadOptions(v.stretch);
}

void TOperatePanel::CollectSettings(StoredSettings& v) const {
  v.rangeStart = static_cast<uint16_t>(RangeStart());
  v.rangeEnd = static_cast<uint16_t>(RangeEnd());
  v.operInd = d_->comboBox1->currentIndex();
  v.findErr = d_->findErrGroup->ReadSettings();
  d_->editGroup->ReadValues(v.editGroup);
  v.normalize = d_->normalizeGroup->ReadOptions();
  v.stretch = d_->stretchGroup->ReadOptions();
}

void TOperatePanel::RunNormalizeHandlers() { d_->normalizeGroup->CheckBox13Click(); }

void TOperatePanel::LoadFindErrSettings(const FindErrSettings& settings) { d_->findErrGroup->LoadSettings(settings); }
void TOperatePanel::SetFindErrButs(bool enable) { d_->findErrGroup->SetFindErrButs(enable); }
void TOperatePanel::SetFindErrNextEnabled(bool enabled) { d_->findErrGroup->SetNextEnabled(enabled); }
void TOperatePanel::SetNormalizeRunning(bool running) { d_->normalizeGroup->SetRunning(running); }

void TOperatePanel::SetFormatName(const std::string& upperName) {
  d_->convertGroup->SetFormatText(QString::fromStdString(upperName));
}

void TOperatePanel::OnTextChanged() {
  if (!isHidden() && Operation() == OperationGroup::Edit) {
    d_->SetOpEditFndBtns();
  }
}

void TOperatePanel::SetEditButSp() {
  const IEditControl& edit = d_->session.editor().edit;
  d_->editGroup->SetEditButtons(edit.CanUndo(), edit.SelLength() > 0);
}

void TOperatePanel::SetPasteActive(bool active) { d_->editGroup->SetPasteActive(active); }

int TOperatePanel::RangeStart() const { return d_->edit3->Position(); }
int TOperatePanel::RangeEnd() const { return d_->edit4->Position(); }

void TOperatePanel::SetRange(int start, int end) {
  d_->edit3->SetPosition(start);
  d_->edit4->SetPosition(end);
}

void TOperatePanel::SetDiapColor(bool highlight) {
  for (TNumberEdit* field : {d_->edit3, d_->edit4}) {
    QLineEdit* edit = field->Edit();
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, highlight ? QColor(0xFF, 0xFF, 0x00)
                                               : QApplication::palette(edit).color(QPalette::Base));
    edit->setPalette(palette);
  }
}

void TOperatePanel::SetFullOpEditPanel(bool full) { d_->editGroup->SetFullOpEditPanel(full); }
bool TOperatePanel::FullOpEditPanel() const { return d_->editGroup->FullOpEditPanel(); }

void TOperatePanel::SetBeep(const BeepFn& beep) {
  for (TNumberEdit* field : {d_->edit3, d_->edit4}) field->SetBeep(beep);
  d_->editGroup->SetBeep(beep);
  d_->findErrGroup->SetBeep(beep);
  d_->shiftGroup->SetBeep(beep);
  d_->stretchGroup->SetBeep(beep);
}

}  // namespace quillet
