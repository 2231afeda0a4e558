#include "cli/rule_options.h"

#include "platform/codepage.h"

namespace quillet::cli {

std::optional<int32_t> ParseNumber(std::string_view text, int32_t min, int32_t max) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < min || value > max) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<bool> ParseRuleOption(const std::string& arg, FindErrSettings& settings, std::string& error) {
  struct NumberOption {
    const char* name;
    bool FindErrSettings::*on;
    int32_t FindErrSettings::*value;
    int32_t min;
    int32_t max;
  };
  const NumberOption numbers[] = {
      {"min-duration", &FindErrSettings::minDurationOn, &FindErrSettings::minDuration, 1, 10000},
      {"max-duration", &FindErrSettings::maxDurationOn, &FindErrSettings::maxDurationSec, 1, 10000},
      {"max-lines", &FindErrSettings::maxLinesOn, &FindErrSettings::maxLines, 0, 32767},
  };
  struct SwitchOption {
    const char* name;
    bool FindErrSettings::*on;
  };
  const SwitchOption switches[] = {
      {"overlaps", &FindErrSettings::overlapsOn},
      {"structure", &FindErrSettings::structureOn},
      {"empty-blocks", &FindErrSettings::emptyBlocksOn},
      {"numbering", &FindErrSettings::numberingOn},
      {"special", &FindErrSettings::specialOn},
      {"min-duration", &FindErrSettings::minDurationOn},
      {"max-duration", &FindErrSettings::maxDurationOn},
      {"max-lines", &FindErrSettings::maxLinesOn},
  };
  if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) return std::nullopt;
  const std::string_view body = std::string_view(arg).substr(2);
  const size_t eq = body.find('=');
  const std::string_view name = body.substr(0, eq);

  if (eq != std::string_view::npos) {
    const std::string_view value = body.substr(eq + 1);
    if (name == "special") {
      std::string ansi;
      if (!cp1251::FromUtf8(value, ansi) && !value.empty()) {
        error = "--special: the list is not valid UTF-8";
        return false;
      }
      settings.specialOn = true;
      settings.specialList = ansi;
      return true;
    }
    for (const auto& o : numbers) {
      if (name != o.name) continue;
      const auto n = ParseNumber(value, o.min, o.max);
      if (!n) {
        error = "--" + std::string(o.name) + " must be a whole number from " + std::to_string(o.min) + " to " +
                std::to_string(o.max) + " (got '" + std::string(value) + "')";
        return false;
      }
      settings.*o.on = true;
      settings.*o.value = *n;
      return true;
    }
    return std::nullopt;
  }

  bool known = false;
  for (const auto& o : switches) {
    if (name == o.name) {
      settings.*o.on = true;
      known = true;
    } else if (name.size() > 3 && name.substr(0, 3) == "no-" && name.substr(3) == o.name) {
      settings.*o.on = false;
      known = true;
    }
  }
  if (!known) return std::nullopt;
  return true;
}

}  // namespace quillet::cli
