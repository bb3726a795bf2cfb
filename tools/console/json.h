#pragma once

#include "table/colour.h"

#include <string>
#include <string_view>

namespace nablo::console {

// A JSON string literal of UTF-8 text.
std::string quoted(std::string_view text);
std::string rgbArray(Rgb colour);
// The shortest decimal text that reads back as the same double ("9", not "9.0"); null for NaN.
std::string number(double value);

} // namespace nablo::console
