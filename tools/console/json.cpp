#include "json.h"

#include <charconv>
#include <cmath>

namespace nablo::console {

std::string line(const Event& event)
{
    return event.dump(-1, ' ', false, Event::error_handler_t::replace) + "\n";
}

std::string quoted(std::string_view text)
{
    return Event(text).dump(-1, ' ', false, Event::error_handler_t::replace);
}

Event rgbArray(Rgb colour) { return Event::array({colour.r, colour.g, colour.b}); }

std::string number(double value)
{
    if (!std::isfinite(value))
        return "null";
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end);
}

} // namespace nablo::console
