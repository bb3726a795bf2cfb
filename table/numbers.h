#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nablo {

class Control;

// Numeric captions hold decimal text and are the store of the game's numbers.

// Reads text as a number; throws RunTimeError ("Type mismatch") when it is not one.
double toNumber(std::string_view text);

// Decimal text of a number: a whole number without a decimal point or separators ("100000").
std::string numberText(double value);

// Writes numberText(value) into text and returns its length.
inline constexpr std::size_t maxNumberText = 64;
std::size_t formatNumber(double value, char (&text)[maxNumberText]);

// Conversions that round to the nearest whole number, a half to the even neighbour, and throw
// RunTimeError ("Overflow") when the result does not fit.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

double readNumber(const Control& control);
void writeNumber(Control& control, double value);

} // namespace nablo
