#include "eventlines.h"

#include <charconv>
#include <cmath>

namespace nablo::console {

std::string line(const Event& event)
{
    return printable(event.dump(-1, ' ', false, Event::error_handler_t::replace)) + "\n";
}

std::string printable(std::string_view text)
{
    constexpr char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80                   ? 1
                                   : byte >= 0xC2 && byte < 0xE0 ? 2
                                   : byte >= 0xE0 && byte < 0xF0 ? 3
                                   : byte >= 0xF0 && byte < 0xF5 ? 4
                                                                 : 0;
        bool whole = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; whole && k < length; ++k)
            whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!whole) {
            out += {'\\', 'x', hex[byte >> 4], hex[byte & 15]};
            ++i;
            continue;
        }
        // C0, DEL and the C1 controls U+0080..U+009F (0xC2 0x80..0x9F).
        const unsigned code = length == 2 ? static_cast<unsigned char>(text[i + 1]) : byte;
        if (byte < 0x20 || byte == 0x7F || (byte == 0xC2 && code < 0xA0))
            out += {'\\', 'u', '0', '0', hex[code >> 4], hex[code & 15]};
        else
            out.append(text.substr(i, length));
        i += length;
    }
    return out;
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
