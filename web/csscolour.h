#pragma once

#include "table/colour.h"

#include <string>

namespace nablo::web {

// A colour as CSS writes it: "#rrggbb".
std::string cssColour(Rgb colour);

} // namespace nablo::web
