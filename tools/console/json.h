#pragma once

#include "table/colour.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace nablo::console {

// An event of the console: one JSON object, its keys in the order they are given.
using Event = nlohmann::ordered_json;

// The event as one line of JSON Lines, its text in UTF-8 as it is.
std::string line(const Event& event);
// A JSON string literal of UTF-8 text.
std::string quoted(std::string_view text);
Event rgbArray(Rgb colour);
// The shortest decimal text that reads back as the same double ("9", not "9.0"); null for NaN.
// The library writes doubles its own way, so events with doubles compose their text with this.
std::string number(double value);

} // namespace nablo::console
