#include "json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace nablo::console {

std::string quoted(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string rgbArray(Rgb colour)
{
    return "[" + std::to_string(colour.r) + "," + std::to_string(colour.g) + ","
           + std::to_string(colour.b) + "]";
}

std::string number(double value)
{
    if (!std::isfinite(value))
        return "null";
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end);
}

} // namespace nablo::console
