#include "web/csscolour.h"

#include <cstdio>

namespace nablo::web {

std::string cssColour(Rgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return text;
}

} // namespace nablo::web
