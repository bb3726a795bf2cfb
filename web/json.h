#pragma once

#include "table/colour.h"

#include <string>
#include <string_view>

namespace nablo::web {

// Text as a JSON string, quotes included.
std::string quoted(std::string_view text);

// A colour as CSS writes it: "#rrggbb".
std::string cssColour(Rgb colour);

} // namespace nablo::web
