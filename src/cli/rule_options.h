// The error search rule options of the commands that take them (check, report): each sets a
// check box or a number field of the panel as the user would.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/find_err_settings.h"

namespace quillet::cli {

// A whole number from min to max, digits only.
std::optional<int32_t> ParseNumber(std::string_view text, int32_t min, int32_t max);

// Takes arg ("--name" or "--name=value") when it is a rule option: true when it set the
// settings, false (with the problem in error) when its value is wrong, nothing when arg is no
// rule option.
std::optional<bool> ParseRuleOption(const std::string& arg, FindErrSettings& settings, std::string& error);

}  // namespace quillet::cli
