#include "storage/ext_commands.h"

#include <algorithm>

#include "core/text_utils.h"

namespace quillet {
namespace {

const std::string DQ = "\"";

// "Внимание! Расширение "e" уже зарегистровано на программу "name"" (or "другую программу").
std::string OwnerText(TExtData& data, const std::string& ext) {
  const std::string handler = data.Desktop().GetExtHandler(ext).name;
  const std::string owner =
      !handler.empty() && handler != "*" ? "программу " + DQ + handler + DQ : std::string("другую программу");
  return "Внимание! Расширение " + DQ + ext + DQ + " уже зарегистровано на " + owner;
}

enum class Verdict { Register, Skip, Stop };

// A question whose "to all" answers hold for the rows that follow.
Verdict AskOrRemembered(IPrompt& prompt, std::optional<Answer>& remembered, bool more, const std::string& text) {
  if (remembered) return *remembered == Answer::YesToAll ? Verdict::Register : Verdict::Skip;
  const Answer a = prompt.Ask(MsgKind::Warning, more ? Buttons::YesNoCancelNoToAllYesToAll : Buttons::YesNo, text);
  if (a == Answer::Cancel) return Verdict::Stop;
  if (a == Answer::YesToAll || a == Answer::NoToAll) remembered = a;
  return a == Answer::Yes || a == Answer::YesToAll ? Verdict::Register : Verdict::Skip;
}

size_t CountChars(std::string_view utf8) {
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

KeyFilterResult FilterExtKey(int textLength, bool hasSelection, char32_t key) {
  const bool refused = key < 128 && RefusedExtChars.find(static_cast<char>(key)) != std::string_view::npos;
  if (refused || (textLength >= MaxExtLength && key != 8 && !hasSelection)) return {0, true};
  return {key, false};
}

ExtTextResult CleanExtText(std::string_view utf8) {
  ExtTextResult r;
  for (char c : utf8) {
    if (RefusedExtChars.find(c) == std::string_view::npos && static_cast<unsigned char>(c) >= 32) r.text += c;
  }
  // Cut after the last whole character that fits.
  size_t chars = 0;
  for (size_t i = 0; i < r.text.size(); ++i) {
    if ((r.text[i] & 0xC0) != 0x80 && ++chars > static_cast<size_t>(MaxExtLength)) {
      r.text.erase(i);
      break;
    }
  }
  r.beep = r.text != utf8;
  return r;
}

bool CanAddExt(const TExtData& data, std::string_view text) {
  const std::string_view ext = TrimmedView(text);
  return IsValidExt(ext) && CountChars(ext) <= static_cast<size_t>(MaxExtLength) && data.Find(ext) < 0;
}

int AddExt(TExtData& data, std::string_view text) {
  if (!CanAddExt(data, text)) return -1;
  const size_t index = data.Add(std::string(TrimmedView(text)));
  data.UpdateState(index, HandlerSource::Desktop);
  return static_cast<int>(index);
}

std::optional<uint32_t> RowMarkColor(const TExtDataItem& item, bool doColor) {
  if (item.Registered) return 0xFF0000;
  if (!doColor) return std::nullopt;
  if (!item.Allowed) return 0x0000FF;
  if (!item.Desirable) return 0x00FFFF;
  return std::nullopt;
}

RegButtonStates GetRegButtons(const TExtData& data, const std::vector<size_t>& rows) {
  RegButtonStates s;
  for (size_t row : rows) {
    (data.Item(row).Registered ? s.unreg : s.reg) = true;
  }
  return s;
}

bool DeleteExts(TExtData& data, IPrompt& prompt, std::vector<size_t> rows, bool ask) {
  if (rows.empty()) return false;
  if (ask) {
    const std::string text = std::string("Вы уверены, что хотите удалить выбранн") +
                             (rows.size() == 1 ? "ое расширение" : "ые расширения") +
                             " из списка расширений, используемых редактором?";
    if (prompt.Ask(MsgKind::Warning, Buttons::YesNo, text) != Answer::Yes) return false;
  }
  // Last to first, so that the indexes still to come stay where they are.
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  bool withdrawn = false;
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) withdrawn = data.Delete(*it) || withdrawn;
  if (withdrawn) data.Desktop().NotifyAssociationsChanged();
  return true;
}

void RegisterExts(TExtData& data, IPrompt& prompt, const std::vector<size_t>& rows, bool ask) {
  std::optional<Answer> otherAnswer, undesirableAnswer;
  bool skipForbidden = false;
  for (size_t k = 0; k < rows.size(); ++k) {
    const size_t row = rows[k];
    data.UpdateState(row, HandlerSource::Desktop);
    const TExtDataItem item = data.Item(row);
    if (item.Registered) continue;
    const bool more = std::any_of(rows.begin() + static_cast<std::ptrdiff_t>(k) + 1, rows.end(),
                                  [&](size_t r) { return !data.Item(r).Registered; });
    Verdict verdict = Verdict::Register;
    if (!item.Allowed && item.HasOther) {
      verdict = Verdict::Skip;
      if (!skipForbidden) {
        std::string text = OwnerText(data, item.Ext) +
                           " и имеет специфическое расширение, не являющееся расширением текстовых файлов. "
                           "Редактор не будет производить регистрацию данного расширения на себя.";
        if (more) text += " Продолжить регистрацию других выбранных расширений?";
        const Answer a = prompt.Ask(MsgKind::Warning, more ? Buttons::YesNoYesToAll : Buttons::Ok, text);
        if (more && a != Answer::Yes && a != Answer::YesToAll) break;
        if (a == Answer::YesToAll) skipForbidden = true;
      }
    } else if (item.Desirable) {
      if (item.HasOther && ask) {
        verdict = AskOrRemembered(prompt, otherAnswer, more,
                                  OwnerText(data, item.Ext) + ". Всё равно хотите зарегистрировать расширение?");
      }
    } else if (item.HasOther || ask) {
      verdict = AskOrRemembered(prompt, undesirableAnswer, more,
                                "Внимание! Расширение " + DQ + item.Ext + DQ +
                                    " является специфическим для файлов определённого типа. Его регистрация на "
                                    "программу Редактора нежелательна. Всё равно хотите его зарегистрировать?");
    }
    if (verdict == Verdict::Stop) break;
    if (verdict == Verdict::Register) data.Register(row);
  }
  data.Desktop().NotifyAssociationsChanged();
}

void UnregisterExts(TExtData& data, IPrompt& prompt, const std::vector<size_t>& rows, bool ask) {
  std::vector<size_t> registered;
  for (size_t row : rows) {
    data.UpdateState(row, HandlerSource::Desktop);
    if (data.Item(row).Registered) registered.push_back(row);
  }
  if (registered.empty()) return;
  if (ask) {
    const std::string which = registered.size() == 1 ? "файлов типа " + DQ + data.Item(registered[0]).Ext + DQ
                                                     : std::string("файлов указанных типов");
    if (prompt.Ask(MsgKind::Warning, Buttons::YesNo,
                   "Вы уверены, что хотите отменить регистрацию " + which + " на программу Редактора?") !=
        Answer::Yes) {
      return;
    }
  }
  for (size_t row : registered) data.Unregister(row);
  data.Desktop().NotifyAssociationsChanged();
}

}  // namespace quillet
