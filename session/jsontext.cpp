#include "session/jsontext.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace nablo {

std::string quoted(std::string_view text)
{
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The digits travel as a binary value: no text or number read or set elsewhere is one, so
// nothing else is ever written bare.
Json fixed(double value, int decimals)
{
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return Json::binary(Json::binary_t::container_type(text, text + length));
}

namespace {

void write(const Json& value, std::string& out)
{
    switch (value.type()) {
    case Json::value_t::object: {
        out += '{';
        for (auto item = value.begin(); item != value.end(); ++item) {
            out += (item == value.begin() ? "" : ",") + nablo::quoted(item.key()) + ":";
            write(item.value(), out);
        }
        out += '}';
        break;
    }
    case Json::value_t::array:
        out += '[';
        for (auto item = value.begin(); item != value.end(); ++item) {
            if (item != value.begin())
                out += ',';
            write(*item, out);
        }
        out += ']';
        break;
    case Json::value_t::binary:
        out.append(value.get_binary().begin(), value.get_binary().end());
        break;
    default: out += value.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
}

} // namespace

std::string jsonText(const Json& value)
{
    std::string out;
    write(value, out);
    return out;
}

} // namespace nablo
