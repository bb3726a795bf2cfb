#include "json.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>

namespace nablo::console {

std::string quoted(std::string_view text)
{
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string rgbArray(Rgb colour)
{
    return nlohmann::json::array({colour.r, colour.g, colour.b}).dump();
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
