#include "table/numbers.h"

#include "table/control.h"
#include "table/errors.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace nablo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

template <typename Int>
Int roundToInt(double value)
{
    if (std::isnan(value))
        throw RunTimeError("Overflow: NaN does not convert to a whole number");
    // The default rounding mode rounds a half to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min())
        || rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        throw RunTimeError("Overflow: " + numberText(value) + " does not fit a "
                           + std::to_string(sizeof(Int) * 8) + "-bit integer");
    return static_cast<Int>(rounded);
}

} // namespace

double toNumber(std::string_view text)
{
    std::string_view t = text;
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back()))
        t.remove_suffix(1);
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size() || !std::isfinite(value))
        throw RunTimeError("Type mismatch: \"" + std::string(text) + "\" is not a number");
    return value;
}

std::size_t formatNumber(double value, char (&text)[maxNumberText])
{
    if (value == 0) {
        text[0] = '0'; // no "-0"
        return 1;
    }
    const bool whole =
        std::fabs(value) < 1e15 && static_cast<double>(static_cast<long long>(value)) == value;
    const auto [end, ec] = whole ? std::to_chars(text, text + maxNumberText, static_cast<long long>(value))
                                 : std::to_chars(text, text + maxNumberText, value);
    return static_cast<std::size_t>(end - text);
}

std::string numberText(double value)
{
    char text[maxNumberText];
    return std::string(text, formatNumber(value, text));
}

std::int16_t toInt16(double value) { return roundToInt<std::int16_t>(value); }
std::int32_t toInt32(double value) { return roundToInt<std::int32_t>(value); }

double readNumber(const Control& control)
{
    if (const double* number = control.knownNumber())
        return *number;
    try {
        const double number = toNumber(control.caption());
        control.noteNumber(number);
        return number;
    } catch (const RunTimeError& e) {
        throw RunTimeError(std::string(e.what()) + " (caption of " + std::string(control.name())
                           + ")");
    }
}

void writeNumber(Control& control, double value)
{
    if (std::isfinite(value))
        control.setNumber(value);
    else
        control.setCaption(numberText(value));
}

} // namespace nablo
