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

#include "core/editor.h"
#include "core/editor_routines.h"
#include "core/find_err.h"
#include "core/normalize.h"
#include "core/time_shift.h"
#include "core/time_stretch.h"
#include "platform/clipboard.h"
#include "platform/codepage.h"
#include "storage/document.h"
#include "ui/widgets/button_look.h"
#include "ui/panel/convert_group.h"
#include "core/edit_commands.h"
#include "ui/panel/find_err_group.h"
#include "ui/panel/normalize_group.h"
#include "ui/widgets/number_field.h"
#include "ui/panel/panel_logic.h"
#include "ui/panel/shift_group.h"
#include "ui/panel/stretch_group.h"
#include "ui/widgets/widget_utils.h"

namespace quillet {

namespace {

QFrame* NewDivider(QWidget* parent, const char* name) {
  auto* line = new QFrame(parent);
  line->setObjectName(QString::fromLatin1(name));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  if (name) label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

// A button of the editing group's narrow rows: just as wide as its caption, never squeezed.
QPushButton* NewSmallButton(QWidget* parent, const char* name, const QString& caption,
                            const QString& hint) {
  QPushButton* button = NewButton(parent, name, caption, hint);
  const int textWidth = button->fontMetrics().horizontalAdvance(caption);
  button->setFixedWidth(std::max(22, textWidth + 12));
  return button;
}

QHBoxLayout* NewRow() {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  return row;
}

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

void SetBoldUnderline(QWidget* w, bool bold, bool underline) {
  QFont f = w->font();
  if (f.bold() == bold && f.underline() == underline) return;
  f.setBold(bold);
  f.setUnderline(underline);
  w->setFont(f);
}

}  // namespace

struct TOperatePanel::Impl : public QObject, public IFindErrGroupHost {
  Impl(TOperatePanel& panel, Editor& editor, TDocument& document, IClipboard& clipboard)
      : panel(panel), editor(editor), document(document), clipboard(clipboard) {}

  // ---- IFindErrGroupHost ----
  int LineCount() const override { return editor.lines.CachedLineCount(); }
  int CaretLine() const override { return GetMemoCaret(editor.edit).line; }
  bool CanContinue() const override { return findErr && findErr->canContinue; }
  void SetSettingsDirty() override {
    if (findErr) findErr->settingsDirty = true;
  }

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
  void BuildEditGroup();
  void Wire();

  void ComboBox1Enter() { tag.Enter(comboBox1->currentIndex()); }
  void ComboBox1Exit() { tag.Exit(); }
  void ComboBox1Change(int index) {
    if (tag.Change(index)) panel.SetOperatePanel(index, std::string());
  }

  QWidget* GroupOf(OperationGroup group) const;
  void ShowOperation(int index);
  void SetDiapEdits(bool showRange);
  // Panel5 takes the height its visible controls need.
  void FitPanel5();
  void SetOpEditFndBtns(bool enable);

  void RunEditCommand(bool (*command)(IEditControl&));
  void PasteClick();

  TOperatePanel& panel;
  Editor& editor;
  TDocument& document;
  IClipboard& clipboard;
  TFindErr* findErr = nullptr;
  OperationListTag tag;
  bool findBackward = false;  // the find row's direction

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

  TNormalizeGroup* normalizeGroup = nullptr;
  TFindErrGroup* findErrGroup = nullptr;
  TShiftGroup* shiftGroup = nullptr;
  TStretchGroup* stretchGroup = nullptr;
  TConvertGroup* convertGroup = nullptr;

  // Editing group.
  QGroupBox* groupBox6 = nullptr;
  QLineEdit* edit9 = nullptr;
  QLineEdit* edit10 = nullptr;
  QPushButton* button3 = nullptr;
  QPushButton* button6 = nullptr;
  QPushButton* button7 = nullptr;
  QPushButton* button8 = nullptr;
  QPushButton* button14 = nullptr;
  QCheckBox* checkBox8 = nullptr;
  QPushButton* bitBtn7 = nullptr;
  QPushButton* bitBtn8 = nullptr;
  QPushButton* bitBtn9 = nullptr;
  QPushButton* bitBtn10 = nullptr;
  QPushButton* bitBtn11 = nullptr;
  QFrame* bevel6 = nullptr;
  QPushButton* button17 = nullptr;  // "V"
  QWidget* goSection = nullptr;
  QPushButton* button16 = nullptr;  // "X"
  std::vector<TNumberEdit*> goFields;
  std::vector<TNumberEdit*> allFields;
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

  normalizeGroup = new TNormalizeGroup(panel5);
  findErrGroup = new TFindErrGroup(panel5);
  shiftGroup = new TShiftGroup(panel5);
  stretchGroup = new TStretchGroup(panel5);
  convertGroup = new TConvertGroup(panel5);
  BuildEditGroup();
  for (QWidget* group : {static_cast<QWidget*>(groupBox6), static_cast<QWidget*>(normalizeGroup),
                         static_cast<QWidget*>(findErrGroup), static_cast<QWidget*>(shiftGroup),
                         static_cast<QWidget*>(stretchGroup), static_cast<QWidget*>(convertGroup)}) {
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
  allFields.push_back(edit3);
  allFields.push_back(edit4);
}

void TOperatePanel::Impl::BuildEditGroup() {
  groupBox6 = new QGroupBox(QStringLiteral("Редактирование"), panel5);
  groupBox6->setObjectName(QStringLiteral("GroupBox6"));
  auto* column = NewGroupColumn(groupBox6);

  // Find and replace rows.
  edit9 = new QLineEdit(groupBox6);
  edit9->setObjectName(QStringLiteral("Edit9"));
  edit10 = new QLineEdit(groupBox6);
  edit10->setObjectName(QStringLiteral("Edit10"));
  button3 = NewSmallButton(groupBox6, "Button3", QStringLiteral("<"), QStringLiteral("Предыдущее"));
  button6 = NewSmallButton(groupBox6, "Button6", QStringLiteral(">"), QStringLiteral("Следующее"));
  button7 = NewSmallButton(groupBox6, "Button7", QStringLiteral("н"), QStringLiteral("Сначала"));
  button8 = NewSmallButton(groupBox6, "Button8", QStringLiteral("к"), QStringLiteral("С конца"));
  button14 = NewSmallButton(groupBox6, "Button14", QStringLiteral("зам"), QStringLiteral("Заменить"));
  checkBox8 = NewCheckBox(groupBox6, "CheckBox8", QStringLiteral("рег"),
                          QStringLiteral("С учётом регистра"), false);
  QLabel* findLabel = NewLabel(groupBox6, nullptr, QStringLiteral("Пск"));
  findLabel->setBuddy(edit9);
  QLabel* replaceLabel = NewLabel(groupBox6, nullptr, QStringLiteral("Зам"));
  replaceLabel->setBuddy(edit10);
  QHBoxLayout* findRow = NewRow();
  findRow->addWidget(findLabel);
  findRow->addWidget(edit9, 1);
  for (QPushButton* b : {button3, button6, button7, button8}) findRow->addWidget(b);
  column->addLayout(findRow);
  QHBoxLayout* replaceRow = NewRow();
  replaceRow->addWidget(replaceLabel);
  replaceRow->addWidget(edit10, 1);
  replaceRow->addWidget(button14);
  replaceRow->addWidget(checkBox8);
  column->addLayout(replaceRow);
  // Find and replace are not part of this version: the row is there, switched off.
  for (QWidget* w : std::initializer_list<QWidget*>{findLabel, replaceLabel, edit9, edit10, button3,
                                                    button6, button7, button8, button14, checkBox8}) {
    w->setEnabled(false);
  }

  column->addWidget(NewDivider(groupBox6, "Bevel7"));

  // The editing buttons: always enabled, their look tells whether they would do anything.
  bitBtn7 = NewSmallButton(groupBox6, "BitBtn7", QStringLiteral("отм"), QStringLiteral("Отменить"));
  bitBtn8 = NewSmallButton(groupBox6, "BitBtn8", QStringLiteral("выр"), QStringLiteral("Вырезать"));
  bitBtn9 = NewSmallButton(groupBox6, "BitBtn9", QStringLiteral("коп"), QStringLiteral("Копировать"));
  bitBtn10 = NewSmallButton(groupBox6, "BitBtn10", QStringLiteral("вст"), QStringLiteral("Вставить"));
  bitBtn11 = NewSmallButton(groupBox6, "BitBtn11", QStringLiteral("удл"), QStringLiteral("Удалить"));
  QHBoxLayout* editRow = NewRow();
  for (QPushButton* b : {bitBtn7, bitBtn8, bitBtn9, bitBtn10, bitBtn11}) {
    MakeCompact(b);
    b->setMaximumWidth(QWIDGETSIZE_MAX);
    b->setFocusPolicy(Qt::NoFocus);
    // A new button counts as inactive but still has the plain text colour: give it the whole
    // inactive look.
    SetBitBtnActive(b, true);
    SetBitBtnActive(b, false);
    editRow->addWidget(b);
  }
  column->addLayout(editRow);

  // The divider of the go-to section with "V" at its right end.
  bevel6 = NewDivider(groupBox6, "Bevel6");
  button17 = NewSmallButton(groupBox6, "Button17", QStringLiteral("V"),
                            QStringLiteral("Показать секцию перехода"));
  QHBoxLayout* dividerRow = NewRow();
  dividerRow->addWidget(bevel6, 1);
  dividerRow->addWidget(button17);
  column->addLayout(dividerRow);
  button17->hide();

  // The go-to section.
  goSection = new QWidget(groupBox6);
  auto* goColumn = new QVBoxLayout(goSection);
  goColumn->setContentsMargins(0, 0, 0, 0);
  goColumn->setSpacing(3);

  auto* button22 = NewSmallButton(goSection, "Button22", QStringLiteral("н"), QStringLiteral("На начало"));
  auto* button23 = NewSmallButton(goSection, "Button23", QStringLiteral("к"), QStringLiteral("В конец"));
  auto* button24 = NewSmallButton(goSection, "Button24", QStringLiteral("поз:"),
                                  QStringLiteral("На строку с указанной позицией в тексте"));
  auto* edit11 = new TNumberEdit(QStringLiteral("Edit11"), QStringLiteral("UpDown7"), 1, 32767, 1, goSection);
  QHBoxLayout* lineRow = NewRow();
  for (QWidget* w : std::initializer_list<QWidget*>{button22, button23, button24}) lineRow->addWidget(w);
  lineRow->addWidget(edit11);
  lineRow->addStretch(1);
  goColumn->addLayout(lineRow);

  auto* button30 = NewSmallButton(goSection, "Button30", QStringLiteral("<"), QStringLiteral("На предыдущий блок"));
  auto* button31 = NewSmallButton(goSection, "Button31", QStringLiteral(">"), QStringLiteral("На следующий блок"));
  auto* button32 = NewSmallButton(goSection, "Button32", QStringLiteral("№:"), QStringLiteral("На блок с заданным номером"));
  auto* edit17 = new TNumberEdit(QStringLiteral("Edit17"), QStringLiteral("UpDown10"), 0, 32767, 0, goSection);
  QHBoxLayout* blockRow = NewRow();
  for (QWidget* w : std::initializer_list<QWidget*>{button30, button31, button32}) blockRow->addWidget(w);
  blockRow->addWidget(edit17);
  blockRow->addStretch(1);
  goColumn->addLayout(blockRow);

  auto* button10 = NewSmallButton(goSection, "Button10", QStringLiteral("<"),
                                  QStringLiteral("Перейти на пердыдущее заданное время"));
  auto* button11 = NewSmallButton(goSection, "Button11", QStringLiteral(">"),
                                  QStringLiteral("Перейти на следующее заданное время"));
  auto* button9 = NewSmallButton(goSection, "Button9", QStringLiteral("T"), QStringLiteral("Перейти на заданное время"));
  auto* picker = new QTimeEdit(QTime(0, 0, 0), goSection);
  picker->setObjectName(QStringLiteral("DateTimePicker1"));
  picker->setDisplayFormat(QStringLiteral("H:mm:ss"));
  QHBoxLayout* timeRow = NewRow();
  for (QWidget* w : std::initializer_list<QWidget*>{button10, button11, button9}) timeRow->addWidget(w);
  timeRow->addWidget(picker, 1);
  goColumn->addLayout(timeRow);

  auto* checkBox7 = NewCheckBox(goSection, "CheckBox7", QStringLiteral("Ближ."),
                                QStringLiteral("При переходах на время будет переходить на наиболее близкое время к заданному, если заданного не найдено"),
                                false);
  auto* checkBox6 = NewCheckBox(goSection, "CheckBox6", QStringLiteral("Cек"),
                                QStringLiteral("Задавать время включая секунды"), false);
  QHBoxLayout* optionRow = NewRow();
  optionRow->addWidget(checkBox7);
  optionRow->addWidget(checkBox6);
  optionRow->addStretch(1);
  goColumn->addLayout(optionRow);

  auto* checkBox10 = NewCheckBox(goSection, "CheckBox10", QStringLiteral("Ошибки"),
                                 QStringLiteral("Выводить сообщение об ошибке при попытке некорректного перехода"),
                                 true);
  button16 = NewSmallButton(goSection, "Button16", QStringLiteral("X"), QStringLiteral("Скрыть секцию перехода"));
  QHBoxLayout* lastRow = NewRow();
  lastRow->addWidget(checkBox10);
  lastRow->addStretch(1);
  lastRow->addWidget(button16);
  goColumn->addLayout(lastRow);
  column->addWidget(goSection);

  // The moves are not part of this version: only the section's own "X" works.
  for (QWidget* w : std::initializer_list<QWidget*>{button22, button23, button24, edit11, button30, button31,
                                                    button32, edit17, button10, button11, button9, picker,
                                                    checkBox7, checkBox6, checkBox10}) {
    w->setEnabled(false);
  }
  goFields = {edit11, edit17};
  allFields.push_back(edit11);
  allFields.push_back(edit17);
}

void TOperatePanel::Impl::Wire() {
  findErrGroup->SetHost(this);
  connect(comboBox1, &QComboBox::activated, this, [this](int index) { ComboBox1Change(index); });

  connect(findErrGroup, &TFindErrGroup::FindFromStartRequested, this, [this] {
    if (findErr) findErr->FindFromStart();
  });
  connect(findErrGroup, &TFindErrGroup::FindNextRequested, this, [this] {
    if (findErr) findErr->FindNext();
  });
  connect(findErrGroup, &TFindErrGroup::FindFromLineRequested, this, [this](int line) {
    if (findErr) findErr->FindFromLine(line);
  });

  connect(normalizeGroup, &TNormalizeGroup::NormalizeRequested, this, [this] {
    const TNormalizeGroup::Options o = normalizeGroup->ReadOptions();
    NormalizeOptions options;
    options.renumber = o.renumber;
    options.rightBlanks = o.rightBlanks;
    options.surplusLines = o.surplusLines;
    TNormalizeGroup* group = normalizeGroup;
    DoNormallize(editor, false, options, [group](bool running) { group->SetRunning(running); });
  });

  auto shift = [this](bool add) {
    ShiftTiming(editor, add, panel.RangeStart(), panel.RangeEnd(), shiftGroup->Seconds(),
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
    StretchTiming(editor, input);
  };
  connect(stretchGroup, &TStretchGroup::StretchRequested, this, [stretch] { stretch(true); });
  connect(stretchGroup, &TStretchGroup::CompressRequested, this, [stretch] { stretch(false); });

  connect(convertGroup, &TConvertGroup::ConvertRequested, this,
          [this] { document.ConvertEditorText(TextFormat::Srt); });
  connect(convertGroup, &TConvertGroup::RefreshRequested, this, [this] { editor.format.GetTextFormat(); });
  TConvertGroup* convert = convertGroup;
  editor.format.SetLabelHandler(
      [convert](const std::string& utf8Name) { convert->SetFormatText(QString::fromStdString(utf8Name)); });

  connect(bitBtn7, &QPushButton::clicked, this, [this] { RunEditCommand(&EditUndo); });
  connect(bitBtn8, &QPushButton::clicked, this, [this] { RunEditCommand(&EditCut); });
  connect(bitBtn9, &QPushButton::clicked, this, [this] { RunEditCommand(&EditCopy); });
  connect(bitBtn10, &QPushButton::clicked, this, [this] { PasteClick(); });
  connect(bitBtn11, &QPushButton::clicked, this, [this] { RunEditCommand(&EditDelete); });
  connect(button16, &QPushButton::clicked, this, [this] { panel.SetFullOpEditPanel(false); });
  connect(button17, &QPushButton::clicked, this, [this] { panel.SetFullOpEditPanel(true); });
}

QWidget* TOperatePanel::Impl::GroupOf(OperationGroup group) const {
  switch (group) {
    case OperationGroup::Edit: return groupBox6;
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
  for (QWidget* group : {static_cast<QWidget*>(groupBox6), static_cast<QWidget*>(normalizeGroup),
                         static_cast<QWidget*>(findErrGroup), static_cast<QWidget*>(shiftGroup),
                         static_cast<QWidget*>(stretchGroup), static_cast<QWidget*>(convertGroup)}) {
    if (group != shown) group->hide();
  }
  if (shown) shown->show();
  SetDiapEdits(view.showRange);

  switch (view.group) {
    case OperationGroup::Edit:
      SetOpEditFndBtns(editor.edit.TextLength() >= 1);
      panel.SetEditButSp();
      panel.SetPasteActive(clipboard.HasText());
      break;
    case OperationGroup::FindErr:
      findErrGroup->SetFindErrButs(true);
      break;
    case OperationGroup::Convert:
      convertGroup->SetFormat(editor.format.GetTextFormat());
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
  InvalidateAll(goSection->layout());
  goSection->updateGeometry();
  InvalidateAll(groupBox6->layout());
  groupBox6->updateGeometry();
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

void TOperatePanel::Impl::SetOpEditFndBtns(bool enable) {
  const FindRowLook look = FindRowLookFor(enable, cp1251::FromUtf8Lenient(edit9->text().toStdString()), findBackward);
  for (QPushButton* b : {button3, button6, button7, button8, button14}) b->setEnabled(look.enabled);
  SetBoldUnderline(button3, look.bold, look.underlinePrev);
  SetBoldUnderline(button6, look.bold, look.underlineNext);
}

void TOperatePanel::Impl::RunEditCommand(bool (*command)(IEditControl&)) {
  command(editor.edit);
  panel.SetEditButSp();
  editor.FocusEditor();
}

void TOperatePanel::Impl::PasteClick() {
  EditPaste(editor.edit, clipboard);
  panel.SetEditButSp();
  editor.FocusEditor();
}

// ---- TOperatePanel ----

TOperatePanel::TOperatePanel(Editor& editor, TDocument& document, IClipboard& clipboard,
                             QWidget* parent)
    : QWidget(parent), d_(new Impl(*this, editor, document, clipboard)) {
  setObjectName(QStringLiteral("Panel1"));
  setFixedWidth(230);
  d_->Build();
  d_->Wire();
  d_->ShowOperation(0);
}

TOperatePanel::~TOperatePanel() {
  d_->editor.format.SetLabelHandler({});
  d_->findErrGroup->SetHost(nullptr);
  delete d_;
}

void TOperatePanel::SetFindErr(TFindErr* findErr) {
  d_->findErr = findErr;
  if (findErr) findErr->settingsDirty = true;
}

TFindErrGroup& TOperatePanel::FindErrGroup() { return *d_->findErrGroup; }
TNormalizeGroup& TOperatePanel::NormalizeGroup() { return *d_->normalizeGroup; }
TShiftGroup& TOperatePanel::ShiftGroup() { return *d_->shiftGroup; }
TStretchGroup& TOperatePanel::StretchGroup() { return *d_->stretchGroup; }
TConvertGroup& TOperatePanel::ConvertGroup() { return *d_->convertGroup; }
QWidget* TOperatePanel::Panel6() const { return d_->panel6; }

void TOperatePanel::SetOperatePanel(int index, const std::string& utf8Name) {
  if (!d_->tag.HasFocus()) {
    const int chosen = ChooseOperationIndex(OperationItems(), index, QString::fromStdString(utf8Name));
    d_->comboBox1->setCurrentIndex(chosen);
  }
  d_->ShowOperation(d_->comboBox1->currentIndex());
}

int TOperatePanel::OperationIndex() const { return d_->comboBox1->currentIndex(); }
bool TOperatePanel::OperationListHasFocus() const { return d_->tag.HasFocus(); }

void TOperatePanel::OnTextChanged() {
  if (!isHidden() && OperationIndex() == 1) d_->SetOpEditFndBtns(d_->editor.edit.TextLength() >= 1);
}

void TOperatePanel::SetEditButSp() {
  const IEditControl& edit = d_->editor.edit;
  const bool selection = edit.SelLength() > 0;
  SetBitBtnActive(d_->bitBtn7, edit.CanUndo());
  SetBitBtnActive(d_->bitBtn8, selection);
  SetBitBtnActive(d_->bitBtn9, selection);
  SetBitBtnActive(d_->bitBtn11, selection);
}

bool TOperatePanel::EditGroupVisible() const { return !d_->groupBox6->isHidden(); }
void TOperatePanel::SetPasteActive(bool active) { SetBitBtnActive(d_->bitBtn10, active); }

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

void TOperatePanel::SetFullOpEditPanel(bool full) {
  // Each way only from the other state: "V" shows exactly while the section is collapsed.
  const bool collapsed = !d_->button17->isHidden();
  if (full == collapsed) {
    d_->bevel6->setVisible(full);
    d_->goSection->setVisible(full);
    d_->button17->setVisible(!full);
    d_->FitPanel5();
  }
}

bool TOperatePanel::FullOpEditPanel() const { return d_->button17->isHidden(); }

void TOperatePanel::SetBeep(const BeepFn& beep) {
  for (TNumberEdit* field : d_->allFields) field->SetBeep(beep);
  d_->findErrGroup->SetBeep(beep);
  d_->shiftGroup->SetBeep(beep);
  d_->stretchGroup->SetBeep(beep);
}

}  // namespace quillet
