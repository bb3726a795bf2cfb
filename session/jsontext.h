#pragma once

#include <nlohmann/json_fwd.hpp>

#include <string>
#include <string_view>

namespace nablo {

// A JSON value whose objects keep their keys in the order they were set. Its users include
// <nlohmann/json.hpp>; this header leaves it out, so that quoted() on a std::string does not
// meet std::quoted of <iomanip>, which that header brings along.
using Json = nlohmann::ordered_json;

// Text as a JSON string, quotes included; bytes that are not UTF-8 become U+FFFD.
std::string quoted(std::string_view text);

// A number with exactly `decimals` digits after the point, as "%.*f" writes it ("0.950000"
// where the library would write "0.95"). Only jsonText() writes it as a number.
Json fixed(double value, int decimals);

// The value as compact JSON text: strings as quoted() writes them, fixed() numbers as given.
std::string jsonText(const Json& value);

} // namespace nablo
