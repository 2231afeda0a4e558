#include "storage/settings.h"

#include <cmath>

#include "core/constants.h"
#include "core/text_utils.h"
#include "platform/codepage.h"

namespace quillet {

// ---- the message pane's height ----

int MessPaneHeightLimit(int screenHeight) {
  return static_cast<int>(std::lround(screenHeight / kMessPaneScreenPart));
}

int MessPaneStartHeight(int stored, int screenHeight) {
  if (stored <= 0) return screenHeight / 12;
  const int limit = MessPaneHeightLimit(screenHeight);
  return stored > limit ? limit : stored;
}

// ---- the table ----

namespace {

// The accessor of a field of StoredSettings, as a plain function.
#define FIELD(member) +[](StoredSettings& s) -> auto& { return s.member; }

using K = SettingKind;
using R = SettingRule;
using H = LoadHandler;

const SettingRow kTable[] = {
    {"LastOpenFile", K::String, R::Plain, FIELD(lastOpenFile), H::None, "TDocument::LastOpenFile"},
    {"LastSaveFile", K::String, R::Plain, FIELD(lastSaveFile), H::None, "TDocument::LastSaveFile"},
    {"LastInsertFile", K::String, R::Plain, FIELD(lastInsertFile), H::None, "TDocument::LastInsertFile"},
    {"LastOpenFilterType", K::Integer, R::Plain, FIELD(lastOpenFilterType), H::None, "TDocument::LastOpenFilterType"},
    {"LastSaveFilterType", K::Integer, R::Plain, FIELD(lastSaveFilterType), H::None, "TDocument::LastSaveFilterType"},
    {"Repl_MemWhat", K::String, R::AnsiBlankEmpty, FIELD(replace.memWhat), H::None, "TReplform: remembered search text"},
    {"Repl_MemWith", K::String, R::AnsiBlankEmpty, FIELD(replace.memWith), H::None, "TReplform: remembered replacement text"},
    {"Repl_What", K::String, R::AnsiBlankEmpty, FIELD(replace.what), H::None, "TReplform \"Что:\" (Edit1)"},
    {"Repl_With", K::String, R::AnsiBlankEmpty, FIELD(replace.with), H::None, "TReplform \"Чем:\" (Edit2)"},
    {"GoFrm_FLeft", K::Integer, R::Plain, FIELD(goForm.left), H::None, "TGoForm left edge (-1000: where it is)"},
    {"GoFrm_FTop", K::Integer, R::Plain, FIELD(goForm.top), H::None, "TGoForm top edge (-1000: where it is)"},
    {"GoFrm_AutoClose", K::Boolean, R::Plain, FIELD(goForm.autoClose), H::None, "TGoForm \"Автозакрытие\" (CheckBox2)"},
    {"GoFrm_CanText", K::Boolean, R::Plain, FIELD(goForm.canText), H::None, "TGoForm \"Доступный текст\" (CheckBox3)"},
    {"GoFrm_ErrMess", K::Boolean, R::Plain, FIELD(goForm.errMess), H::None, "TGoForm \"Ошибки\" (CheckBox5)"},
    {"GoFrm_Win", K::Boolean, R::Plain, FIELD(goForm.win), H::None, "TGoForm \"Окно\" (CheckBox4)"},
    {"GoFrm_Pos", K::Integer, R::Plain, FIELD(goForm.pos), H::None, "TGoForm \"Строка\" line (UpDown1)"},
    {"GoFrm_BlcStr", K::Integer, R::Plain, FIELD(goForm.blcStr), H::None, "TGoForm \"Блок\" block (UpDown10)"},
    {"GoFrm_NearT", K::Boolean, R::Plain, FIELD(goForm.nearT), H::None, "TGoForm \"Ближ.\" (CheckBox1)"},
    {"GoFrm_UseSec", K::Boolean, R::Plain, FIELD(goForm.useSec), H::None, "TGoForm \"Cек\" (CheckBox6)"},
    {"GoFrm_Time", K::Integer, R::Plain, FIELD(goForm.timeMs), H::GoFormLoaded, "TGoForm DateTimePicker1"},
    {"SaveWindow", K::Boolean, R::Plain, FIELD(saveWindow), H::None, "TMainOptForm1 \"Запоминать позицию\" (CheckBox1)"},
    {"ShowHints", K::Boolean, R::Plain, FIELD(showHints), H::None, "TMainOptForm1 \"Показывать подсказки\" (CheckBox4)"},
    {"Ext_doAsk", K::Boolean, R::Plain, FIELD(extDoAsk), H::None, "TMainOptForm1 \"Подтв.\" (CheckBox2)"},
    {"Ext_doColor", K::Boolean, R::Plain, FIELD(extDoColor), H::None, "TMainOptForm1 \"Цвет\" (CheckBox3)"},
    {"MaxFileSize", K::Integer, R::Plain, FIELD(options.maxFileSizeKb), H::None, "MaxFileSize (TMainOptForm1 UpDown1)"},
    {"Show_Panel", K::Boolean, R::Plain, FIELD(showPanel), H::None, "TMainOptForm1 \"Показывть при запуске\" (CheckBox5)"},
    {"SaveLast", K::Boolean, R::Plain, FIELD(options.saveLast), H::None, "TMainOptForm1 \"Сохранять предыдущий\" (CheckBox6)"},
    {"SaveLastAdd", K::String, R::TrimOnSave, FIELD(options.saveLastAdd), H::None, "TMainOptForm1 \"Имя +\" (Edit3)"},
    {"AutoConv", K::Byte, R::KonvType, FIELD(options.konvType), H::None, "TMainOptForm1 GetKonvType / SetKonvType"},
    {"Diap_Rem", K::Boolean, R::Plain, FIELD(options.diapRem), H::None, "TMainOptForm1 \"Запоминать\" (CheckBox7)"},
    {"Diap_Clr", K::Boolean, R::Plain, FIELD(options.diapClr), H::None, "TMainOptForm1 \"Выделять\" (CheckBox8)"},
    {"Diap_Values", K::Integer, R::RangeMemory, {}, H::SetDiapColor, "panel block range Start (UpDown3), End (UpDown4)"},
    {"Oper_ind", K::Integer, R::Plain, FIELD(operInd), H::SetOperatePanel, "panel operation list (ComboBox1)"},
    {"OP_FErr_Dlit", K::Boolean, R::Plain, FIELD(findErr.minDurationOn), H::None, "error search \"Длит <, ms\" (CheckBox4)"},
    {"OP_FErr_DlitVal", K::Integer, R::Plain, FIELD(findErr.minDuration), H::CheckBox4Click, "error search UpDown6"},
    {"OP_FErr_DlitBig", K::Boolean, R::Plain, FIELD(findErr.maxDurationOn), H::None, "error search \"Длит >, sec\" (CheckBox12)"},
    {"OP_FErr_DlitBigV", K::Integer, R::Plain, FIELD(findErr.maxDurationSec), H::CheckBox12Click, "error search UpDown13"},
    {"OP_FErr_CrosT", K::Boolean, R::Plain, FIELD(findErr.overlapsOn), H::None, "error search \"Пересечения времени\" (CheckBox5)"},
    {"OP_FErr_StrNum", K::Boolean, R::Plain, FIELD(findErr.maxLinesOn), H::CheckBox9Click, "error search \"Строк >\" (CheckBox9)"},
    {"OP_FErr_StrNumVal", K::Integer, R::Plain, FIELD(findErr.maxLines), H::None, "error search UpDown12"},
    {"OP_FErr_Symb", K::Boolean, R::Plain, FIELD(findErr.specialOn), H::None, "error search \"Спец символы\" (CheckBox14)"},
    {"OP_FErr_Symb_S", K::String, R::AnsiText, FIELD(findErr.specialList), H::CheckBox14Click, "error search Edit14"},
    {"OP_FErr_Struct", K::Boolean, R::Plain, FIELD(findErr.structureOn), H::None, "error search \"Ошибки структуры\" (CheckBox11)"},
    {"OP_FErr_EBlc", K::Boolean, R::Plain, FIELD(findErr.emptyBlocksOn), H::None, "error search \"Пустые блоки\" (CheckBox15)"},
    {"OP_FErr_CrosB", K::Boolean, R::Plain, FIELD(findErr.numberingOn), H::CheckBox5Click, "error search \"Пересечения блоков\" (CheckBox16)"},
    {"Op_Edt_Sfnd", K::String, R::AnsiText, FIELD(editGroup.findText), H::None, "editing group \"Пск\" (Edit9)"},
    {"Op_Edt_Srep", K::String, R::AnsiText, FIELD(editGroup.replaceText), H::None, "editing group \"Зам\" (Edit10)"},
    {"Op_Edt_GoVisbl", K::Boolean, R::Plain, FIELD(editGroup.goVisible), H::SetFullOpEditPanel, "editing group go-to section (Button16 \"X\" visible)"},
    {"OP_Edt_GoStr", K::Word, R::Plain, FIELD(editGroup.goLine), H::None, "editing group \"Поз:\" (UpDown7)"},
    {"OP_Edt_GoBlc", K::Word, R::Plain, FIELD(editGroup.goBlock), H::None, "editing group \"Блк:\" (UpDown10)"},
    {"OP_Edt_Time", K::Integer, R::Plain, FIELD(editGroup.timeMs), H::None, "editing group DateTimePicker1"},
    {"OP_Edt_UseSec", K::Boolean, R::Plain, FIELD(editGroup.useSec), H::None, "editing group \"Cек\" (CheckBox6)"},
    {"OP_Edt_NearT", K::Boolean, R::Plain, FIELD(editGroup.nearT), H::None, "editing group \"Ближ.\" (CheckBox7)"},
    {"OP_Edt_ErrMess", K::Boolean, R::Plain, FIELD(editGroup.errMess), H::None, "editing group \"Ошибки\" (CheckBox10)"},
    {"Op_Norm_Renum", K::Boolean, R::Plain, FIELD(normalize.renumber), H::None, "normalization \"Перенумерация\" (CheckBox13)"},
    {"Op_Norm_RSpace", K::Boolean, R::Plain, FIELD(normalize.rightBlanks), H::None, "normalization \"Пробелы справа\" (CheckBox17)"},
    {"Op_Norm_Strs", K::Boolean, R::Plain, FIELD(normalize.surplusLines), H::CheckBox13Click, "normalization \"Лишние строки\" (CheckBox18)"},
    {"Op_WideT_ms", K::Boolean, R::Plain, FIELD(stretch.unitMs), H::None, "stretch \"ms\" (RadioButton1); \"0,01ms\" (RadioButton2) the opposite"},
    {"Op_WideT_frombeg", K::Boolean, R::Plain, FIELD(stretch.fromStart), H::None, "stretch \"От начала\" (CheckBox3)"},
    {"Op_WideT_MoveEnds", K::Boolean, R::Plain, FIELD(stretch.moveEnds), H::None, "stretch \"Смещать конечные\" (CheckBox1)"},
    {"Op_WideT_DoDlit", K::Boolean, R::Plain, FIELD(stretch.stretchDurations), H::None, "stretch \"Растягивать длительн.\" (CheckBox2)"},
    {"ShowHints", K::Boolean, R::Plain, FIELD(showHints), H::None, "TMainOptForm1 \"Показывать подсказки\" (CheckBox4), again"},
    {"SpMessWin", K::Byte, R::Plain, FIELD(messWinMode), H::None, "message window placement (SwitchMessWin)"},
    {"SpMessWinLast", K::Byte, R::Plain, FIELD(messWinLastMode), H::SetMessWin, "message window: placement to return to"},
    {"Panel_Vsbl", K::Boolean, R::Plain, FIELD(panelVsbl), H::None, "operations panel visible at close (start-up mark)"},
    {"Panels_Visbled", K::Boolean, R::ReadWithoutShowPanel, FIELD(panelsVisbled), H::SetOpPanelVisible, "operations panel at start (read only)"},
    {"FormHeight", K::Integer, R::WindowBound, FIELD(window.height), H::None, "main window height"},
    {"FormWidth", K::Integer, R::WindowBound, FIELD(window.width), H::None, "main window width"},
    {"FormLeft", K::Integer, R::WindowBound, FIELD(window.left), H::None, "main window left"},
    {"FormTop", K::Integer, R::WindowBound, FIELD(window.top), H::None, "main window top"},
    {"FormState", K::Integer, R::WindowBound, FIELD(window.state), H::SetWindowBounds, "main window state"},
    {"FormMsPanSize", K::Integer, R::PaneHeight, FIELD(messPaneHeight), H::SetMessPaneHeight, "message pane height (Panel4)"},
    {"FontEdit", K::Look, R::Plain, FIELD(fontEdit), H::None, "editor look, editing mode"},
    {"FontNoEdit", K::Look, R::Plain, FIELD(fontNoEdit), H::None, "editor look, read-only mode"},
    {"FontEditName", K::String, R::Plain, FIELD(fontEditName), H::SetMemo1Font, "editor font name"},
    {"FontMess", K::Look, R::Plain, FIELD(fontMess), H::None, "message pane look"},
    {"FontMessName", K::String, R::Plain, FIELD(fontMessName), H::SetMessLook, "message pane font name"},
};

#undef FIELD

template <class Accessor>
auto& Field(const SettingRow& row, StoredSettings& s) {
  return std::get<Accessor>(row.target)(s);
}

// The main window's bounds by the rules of the start-up (W and H the screen's size).
WindowBounds ReadWindowBounds(const SettingsKey& key, ScreenSize screen) {
  const int W = screen.width, H = screen.height;
  const auto round = [](double v) { return static_cast<int32_t>(std::lround(v)); };
  WindowBounds b;
  const int32_t defHeight = round(H / 1.662);
  b.height = key.ReadInteger("FormHeight", defHeight);
  if (b.height >= H || b.height < 1) b.height = defHeight;
  const int32_t defWidth = round(W / 1.2);
  b.width = key.ReadInteger("FormWidth", defWidth);
  if (b.width >= W || b.width < 1) b.width = defWidth;

  int32_t defLeft = (W - b.width) / 2;
  if (defLeft < 0 || defLeft > round(W / 1.2)) defLeft = W / 8;
  b.left = key.ReadInteger("FormLeft", defLeft);
  if ((b.left < 0 && static_cast<int64_t>(b.width) + b.left < 150) || b.left > round(W / 1.2)) b.left = defLeft;

  int32_t defTop = (H - b.height) / 2;
  if (defTop < 0 || defTop > H / 2) defTop = H / 5;
  b.top = key.ReadInteger("FormTop", defTop);
  if (b.top < 0 || b.top > round(H / 1.32)) b.top = defTop;

  b.state = key.ReadInteger("FormState", kWindowNormal);
  if (b.state != kWindowMinimized && b.state != kWindowMaximized) b.state = kWindowNormal;
  return b;
}

void LoadRow(const SettingRow& row, const SettingsKey& key, ScreenSize screen, LoadedSettings& out) {
  StoredSettings& v = out.values;
  switch (row.rule) {
    case R::RangeMemory:
      if (v.options.diapRem) {
        const auto range = static_cast<uint32_t>(key.ReadInteger(row.name, MakeLongSp(v.rangeStart, v.rangeEnd)));
        v.rangeStart = static_cast<uint16_t>(range >> 16);
        v.rangeEnd = static_cast<uint16_t>(range & 0xFFFF);
      }
      return;
    case R::ReadWithoutShowPanel:
      if (!v.showPanel) Field<StoredField::Bool>(row, v) = key.ReadBool(row.name, Field<StoredField::Bool>(row, v));
      out.panelVisible = v.showPanel || v.panelsVisbled;
      return;
    case R::WindowBound:
      // The five bounds are read together, at the first of them.
      if (v.saveWindow && std::string_view(row.name) == "FormHeight") v.window = ReadWindowBounds(key, screen);
      return;
    case R::PaneHeight:
      Field<StoredField::Int>(row, v) = MessPaneStartHeight(key.ReadInteger(row.name, 0), screen.height);
      return;
    case R::KonvType: {
      int32_t& type = Field<StoredField::Int>(row, v);
      const uint8_t stored = key.ReadByte(row.name, static_cast<uint8_t>(type));
      type = stored == 1 || stored == 2 ? stored : 0;
      return;
    }
    case R::AnsiText:
    case R::AnsiBlankEmpty: {
      // 1251 text goes through UTF-8 and back unchanged, the default included.
      std::string& text = Field<StoredField::String>(row, v);
      text = cp1251::FromUtf8Lenient(key.ReadString(row.name, cp1251::ToUtf8(text)));
      if (row.rule == R::AnsiBlankEmpty) text = EmptyIfBlank(text);
      return;
    }
    case R::Plain:
    case R::TrimOnSave:
      break;
  }
  switch (row.kind) {
    case K::String: {
      std::string& text = Field<StoredField::String>(row, v);
      text = key.ReadString(row.name, text);
      break;
    }
    case K::Integer: {
      int32_t& n = Field<StoredField::Int>(row, v);
      n = key.ReadInteger(row.name, n);
      break;
    }
    case K::Boolean: {
      bool& b = Field<StoredField::Bool>(row, v);
      b = key.ReadBool(row.name, b);
      break;
    }
    case K::Byte: {
      uint8_t& b = Field<StoredField::Byte>(row, v);
      b = key.ReadByte(row.name, b);
      break;
    }
    case K::Word: {
      uint16_t& w = Field<StoredField::Word>(row, v);
      w = key.ReadWord(row.name, w);
      break;
    }
    case K::Look: {
      TFontAppearance& look = Field<StoredField::Look>(row, v);
      if (const auto bytes = key.ReadBinary(row.name, TFontAppearance::kPackedSize)) {
        if (const auto stored = TFontAppearance::Unpack(*bytes)) look = *stored;
      }
      break;
    }
  }
}

bool SaveRow(const SettingRow& row, StoredSettings& v, SettingsKey& key) {
  switch (row.rule) {
    case R::RangeMemory:
      return key.WriteInteger(row.name, MakeLongSp(v.rangeStart, v.rangeEnd));
    case R::ReadWithoutShowPanel:
      return true;
    case R::WindowBound:
      if (!v.saveWindow) return true;
      break;
    case R::KonvType: {
      const int32_t type = Field<StoredField::Int>(row, v);
      return key.WriteByte(row.name, static_cast<uint8_t>(type == 1 || type == 2 ? type : 0));
    }
    case R::AnsiText:
    case R::AnsiBlankEmpty: {
      const std::string& text = Field<StoredField::String>(row, v);
      return key.WriteString(row.name, cp1251::ToUtf8(row.rule == R::AnsiBlankEmpty ? EmptyIfBlank(text) : text));
    }
    case R::TrimOnSave:
      return key.WriteString(row.name, TrimmedView(Field<StoredField::String>(row, v)));
    case R::Plain:
    case R::PaneHeight:
      break;
  }
  switch (row.kind) {
    case K::String:
      return key.WriteString(row.name, Field<StoredField::String>(row, v));
    case K::Integer:
      return key.WriteInteger(row.name, Field<StoredField::Int>(row, v));
    case K::Boolean:
      return key.WriteBool(row.name, Field<StoredField::Bool>(row, v));
    case K::Byte:
      return key.WriteByte(row.name, Field<StoredField::Byte>(row, v));
    case K::Word:
      return key.WriteWord(row.name, Field<StoredField::Word>(row, v));
    case K::Look: {
      const auto packed = Field<StoredField::Look>(row, v).Pack();
      return key.WriteBinary(row.name, std::string_view(reinterpret_cast<const char*>(packed.data()), packed.size()));
    }
  }
  return false;
}

}  // namespace

std::span<const SettingRow> SettingsTable() { return kTable; }

LoadedSettings RegLoadOptions(ISettingsStore& store, ScreenSize screen) {
  const SettingsKey key(store, SettingsRoot::CurrentUser, RegKeyProgram);
  LoadedSettings out;
  for (const SettingRow& row : kTable) {
    LoadRow(row, key, screen, out);
    if (row.after == H::None) continue;
    if (row.after == H::SetWindowBounds && !out.values.saveWindow) continue;
    out.handlers.push_back(row.after);
  }
  return out;
}

bool RegSaveOptions(const StoredSettings& values, ISettingsStore& store) {
  SettingsKey key(store, SettingsRoot::CurrentUser, RegKeyProgram);
  StoredSettings v = values;
  bool ok = true;
  for (const SettingRow& row : kTable) {
    if (!SaveRow(row, v, key)) {
      ok = false;
      break;
    }
  }
  // What was written before a failure is kept.
  return store.Flush() && ok;
}

}  // namespace quillet
