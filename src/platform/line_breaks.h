// Line breaks of the text model.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

// CR LF, lone LF and lone CR all become CR LF.
std::string ToCrLf(std::string_view text);
// True when every CR is followed by LF and every LF preceded by CR.
bool IsCrLfOnly(std::string_view text);

}  // namespace quillet
