// The settings the program keeps between runs: StoredSettings holds every stored value while
// the program runs, SettingsTable() lists them in the order in which they are read at start
// and written at close (name, kind, rule, target field, handler to run after loading, and the
// control or object that shows the value), and RegLoadOptions / RegSaveOptions move them
// between the settings store and the struct.
//
// The default of every value is the initial value of its field in StoredSettings, which takes
// it from the structs the rest of the program uses (FindErrSettings, ProgramOptions,
// NormalizeOptions, the looks of core/font_appearance.h), so there is one place for each.
//
// Applying a load to the windows: put every field into its control (see the owner column of
// the table), then run LoadedSettings::handlers in their order. A value whose window does not
// exist yet simply stays in the struct and is written back unchanged at close.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/find_err_settings.h"
#include "core/font_appearance.h"
#include "core/normalize.h"
#include "platform/settings_store.h"
#include "storage/options.h"

namespace quillet {

// ---- the message pane's height ----

// The pane is at most the screen height / 3.5 high: at start, and when the splitter is dragged.
inline constexpr double kMessPaneScreenPart = 3.5;
// round(screen height / 3.5).
int MessPaneHeightLimit(int screenHeight);
// The height the pane starts with: a stored height of 0 or less gives screen height div 12,
// one above the limit gives the limit.
int MessPaneStartHeight(int stored, int screenHeight);

// "GoFrm_FLeft" / "GoFrm_FTop" of this value leave the go-to dialog at its designed place.
inline constexpr int32_t kGoFormPlaceKept = -1000;

// ---- the struct of stored values ----

// The replace dialog TReplform (Windows-1251 texts; blank text counts as empty).
struct ReplaceSettings {
  std::string memWhat;  // "Repl_MemWhat": the remembered search text
  std::string memWith;  // "Repl_MemWith": the remembered replacement text
  std::string what;     // "Repl_What": "Что:" (Edit1)
  std::string with;     // "Repl_With": "Чем:" (Edit2)
};

// The go-to dialog TGoForm.
struct GoFormSettings {
  int32_t left = kGoFormPlaceKept;  // "GoFrm_FLeft": left edge
  int32_t top = kGoFormPlaceKept;   // "GoFrm_FTop": top edge
  bool autoClose = false;           // "GoFrm_AutoClose": "Автозакрытие" (CheckBox2)
  bool canText = false;             // "GoFrm_CanText": "Доступный текст" (CheckBox3)
  bool errMess = true;              // "GoFrm_ErrMess": "Ошибки" (CheckBox5)
  bool win = false;                 // "GoFrm_Win": "Окно" (CheckBox4)
  int32_t pos = 0;                  // "GoFrm_Pos": line field of "Строка" (UpDown1)
  int32_t blcStr = 0;               // "GoFrm_BlcStr": block field of "Блок" (UpDown10)
  bool nearT = false;               // "GoFrm_NearT": "Ближ." (CheckBox1)
  bool useSec = false;              // "GoFrm_UseSec": "Cек" (CheckBox6)
  int32_t timeMs = 0;               // "GoFrm_Time": DateTimePicker1 (MsToDateTime / DateTimeToMs)
};

// The editing group of the operations panel.
struct EditGroupSettings {
  std::string findText;     // "Op_Edt_Sfnd": "Пск" (Edit9), Windows-1251
  std::string replaceText;  // "Op_Edt_Srep": "Зам" (Edit10), Windows-1251
  bool goVisible = true;    // "Op_Edt_GoVisbl": the go-to section shown (SetFullOpEditPanel);
                            // saved from the visibility of its hide button "X" (Button16)
  uint16_t goLine = 1;      // "OP_Edt_GoStr": "Поз:" (UpDown7)
  uint16_t goBlock = 0;     // "OP_Edt_GoBlc": "Блк:" (UpDown10)
  int32_t timeMs = 0;       // "OP_Edt_Time": DateTimePicker1, as "GoFrm_Time"
  bool useSec = false;      // "OP_Edt_UseSec": "Cек" (CheckBox6)
  bool nearT = false;       // "OP_Edt_NearT": "Ближ." (CheckBox7)
  bool errMess = true;      // "OP_Edt_ErrMess": "Ошибки" (CheckBox10)
};

// The stored options of the stretch group (the rate itself is not stored).
struct StretchOptions {
  bool unitMs = true;             // "Op_WideT_ms": "ms" (RadioButton1); "0,01ms" (RadioButton2) the opposite
  bool fromStart = true;          // "Op_WideT_frombeg": "От начала" (CheckBox3)
  bool moveEnds = true;           // "Op_WideT_MoveEnds": "Смещать конечные" (CheckBox1)
  bool stretchDurations = false;  // "Op_WideT_DoDlit": "Растягивать длительн." (CheckBox2)
};

// Window states of "FormState".
enum WindowStateValue : int32_t { kWindowNormal = 0, kWindowMinimized = 1, kWindowMaximized = 2 };

// The main window's bounds: read and written only with "Запоминать позицию" ("SaveWindow").
// For a minimized or maximized window the rectangle to save is the restored one.
struct WindowBounds {
  int32_t height = 0;                // "FormHeight"
  int32_t width = 0;                 // "FormWidth"
  int32_t left = 0;                  // "FormLeft"
  int32_t top = 0;                   // "FormTop"
  int32_t state = kWindowNormal;     // "FormState"
  bool operator==(const WindowBounds&) const = default;
};

struct StoredSettings {
  // The document (TDocument): the last files and filter choices of the file dialogs.
  std::string lastOpenFile;          // "LastOpenFile" (UTF-8 path)
  std::string lastSaveFile;          // "LastSaveFile"
  std::string lastInsertFile;        // "LastInsertFile"
  int32_t lastOpenFilterType = 1;    // "LastOpenFilterType"
  int32_t lastSaveFilterType = 1;    // "LastSaveFilterType"

  ReplaceSettings replace;
  GoFormSettings goForm;

  // The program options dialog TMainOptForm1.
  bool saveWindow = false;  // "SaveWindow": "Запоминать позицию" (CheckBox1)
  bool showHints = true;    // "ShowHints": "Показывать подсказки" (CheckBox4)
  bool extDoAsk = true;     // "Ext_doAsk": "Подтв." (CheckBox2)
  bool extDoColor = false;  // "Ext_doColor": "Цвет" (CheckBox3)
  bool showPanel = true;    // "Show_Panel": "Показывть при запуске" (CheckBox5)
  // "MaxFileSize" (MaxFileSize, UpDown1), "SaveLast" (CheckBox6), "SaveLastAdd" ("Имя +", Edit3),
  // "AutoConv" (GetKonvType / SetKonvType), "Diap_Rem" ("Запоминать", CheckBox7), "Diap_Clr"
  // ("Выделять", CheckBox8).
  ProgramOptions options;

  // The operations panel.
  uint16_t rangeStart = 0;  // "Diap_Values" high word: Start (UpDown3)
  uint16_t rangeEnd = 0;    // "Diap_Values" low word: End (UpDown4)
  int32_t operInd = 0;      // "Oper_ind": the chosen operation (ComboBox1's index)
  FindErrSettings findErr;  // "OP_FErr_...": the error search group
  EditGroupSettings editGroup;
  NormalizeOptions normalize;  // "Op_Norm_...": "Перенумерация" (CheckBox13), "Пробелы справа"
                               // (CheckBox17), "Лишние строки" (CheckBox18)
  StretchOptions stretch;

  // The message window and the main window.
  uint8_t messWinMode = 3;      // "SpMessWin": placement, 3 "Системное" (SwitchMessWin)
  uint8_t messWinLastMode = 3;  // "SpMessWinLast": the placement to return to
  bool panelVsbl = true;        // "Panel_Vsbl": the operations panel was visible at close
  bool panelsVisbled = true;    // "Panels_Visbled": read only when "Show_Panel" is off; never written
  WindowBounds window;          // "FormHeight", "FormWidth", "FormLeft", "FormTop", "FormState"
  int32_t messPaneHeight = 0;   // "FormMsPanSize": the message pane's height (Panel4), pixels

  TFontAppearance fontEdit = EditLookDefault();      // "FontEdit": the editor in editing mode
  TFontAppearance fontNoEdit = NoEditLookDefault();  // "FontNoEdit": the editor in read-only mode
  std::string fontEditName = DefaultEditFontName;    // "FontEditName": both editor looks (UTF-8)
  TFontAppearance fontMess = MessLookDefault();      // "FontMess": the message pane
  std::string fontMessName = DefaultMessFontName;    // "FontMessName"
};

// ---- the table ----

enum class SettingKind : uint8_t { String, Integer, Boolean, Byte, Word, Look };

// What a row does beyond reading its value into the target and writing it back.
enum class SettingRule : uint8_t {
  Plain,
  AnsiText,         // the target holds Windows-1251 text (the store holds UTF-8)
  AnsiBlankEmpty,   // as AnsiText, and text of blanks only counts as empty, both ways
  TrimOnSave,       // written with blanks trimmed from both ends
  KonvType,         // 1 and 2 are kept; any other stored value gives 0 ("Автоматически")
  RangeMemory,      // read only when "Diap_Rem" is on, always written; Start * 65536 + End
  ReadWithoutShowPanel,  // read only when "Show_Panel" is off; never written
  WindowBound,      // read and written only when "SaveWindow" is on, by the bounds rules
  PaneHeight,       // clamped by MessPaneStartHeight on loading
};

// The window's routines a load asks for, in the order they fall due. Each runs after all
// fields are in their controls.
enum class LoadHandler : uint8_t {
  None,
  GoFormLoaded,        // the go-to dialog's "Доступный текст" (CheckBox3) tag := 1: its values are loaded
  SetDiapColor,        // the range fields' colour from "Выделять"
  SetOperatePanel,     // SetOperatePanel (operInd, empty name)
  CheckBox4Click,      // error search "Длит <, ms"
  CheckBox12Click,     // error search "Длит >, sec"
  CheckBox9Click,      // error search "Строк >"
  CheckBox14Click,     // error search "Спец символы"
  CheckBox5Click,      // error search "Пересечения времени"
  SetFullOpEditPanel,  // the editing group's go-to section shown or hidden (editGroup.goVisible)
  CheckBox13Click,     // normalization
  SetMessWin,          // SwitchMessWin (messWinMode, temporary = false), then the last placement
                       // := messWinLastMode
  SetOpPanelVisible,   // SetOpPanelVisible (LoadedSettings::panelVisible)
  SetWindowBounds,     // height, width, left, top, then the state (only with "SaveWindow")
  SetMessPaneHeight,   // the pane's height := messPaneHeight
  SetMemo1Font,        // the editor's look and font name
  SetMessLook,         // the message pane's look and font name
};

// Accessors of the target fields, one type per kind of field.
struct StoredField {
  using String = std::string& (*)(StoredSettings&);
  using Int = int32_t& (*)(StoredSettings&);
  using Bool = bool& (*)(StoredSettings&);
  using Byte = uint8_t& (*)(StoredSettings&);
  using Word = uint16_t& (*)(StoredSettings&);
  using Look = TFontAppearance& (*)(StoredSettings&);
  using Any = std::variant<std::monostate, String, Int, Bool, Byte, Word, Look>;
};

struct SettingRow {
  const char* name;
  SettingKind kind;
  SettingRule rule;
  StoredField::Any target;  // monostate: the rule reaches its fields itself
  LoadHandler after;
  const char* owner;        // the control or object that holds the value while the program runs
};

// Every stored value in the order of loading and saving ("ShowHints" comes twice).
std::span<const SettingRow> SettingsTable();

// ---- load and save ----

struct ScreenSize {
  int width = 0;
  int height = 0;
};

struct LoadedSettings {
  StoredSettings values;
  // Whether the operations panel is shown after loading: always with "Show_Panel", else when
  // "Panels_Visbled" is true. (Hiding it because it was hidden at the last close, "Panel_Vsbl",
  // is the start-up's business afterwards.)
  bool panelVisible = true;
  std::vector<LoadHandler> handlers;
};

// Reads every value of the table from "\SOFTWARE\Tannford\Quillet" of the current user's root;
// a missing key or value, or one of another kind or length, gives the default, without a word.
LoadedSettings RegLoadOptions(ISettingsStore& store, ScreenSize screen);

// Writes every value of the table but the read-only one; the bounds only with "SaveWindow".
// Stops at the first value that cannot be written. True when everything was written and made
// durable.
bool RegSaveOptions(const StoredSettings& values, ISettingsStore& store);

}  // namespace quillet
