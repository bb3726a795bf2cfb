#pragma once

#include "table/colour.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace nablo::console {

// An event of the console: one JSON object, its keys in the order they are given.
using Event = nlohmann::ordered_json;

// The event as one line of JSON Lines, its text in UTF-8 as it is but for control characters.
std::string line(const Event& event);
// The text with every control character written as \u00NN and every byte that is not part of
// UTF-8 as \xNN, so that nothing printed can steer a terminal. In JSON text, where the library
// leaves only DEL and the C1 controls unescaped, and only inside strings, the result is JSON too.
std::string printable(std::string_view text);
Event rgbArray(Rgb colour);
// The shortest decimal text that reads back as the same double ("9", not "9.0"); null for NaN.
// The library writes doubles its own way, so events with doubles compose their text with this.
std::string number(double value);

} // namespace nablo::console
