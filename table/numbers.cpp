#include "table/numbers.h"

#include "table/control.h"
#include "table/errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace nablo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Some C++ libraries (the one that comes with the WebAssembly toolchain among them) convert only
// integers with from_chars and to_chars. There, the C library does the work, held to the same
// grammar and the same shortest round-trip text.
#if defined(__cpp_lib_to_chars)
std::from_chars_result parseDouble(const char* first, const char* last, double& value)
{
    return std::from_chars(first, last, value);
}

std::to_chars_result formatDouble(char* first, char* last, double value)
{
    return std::to_chars(first, last, value);
}
#else
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The end of the longest prefix that from_chars reads as a decimal number: an optional minus,
// digits with an optional point, an optional exponent; or "inf", "infinity" or "nan".
const char* decimalEnd(const char* first, const char* last)
{
    const char* p = first;
    if (p != last && *p == '-')
        ++p;
    for (std::string_view word : {"infinity", "inf", "nan"}) {
        if (static_cast<std::size_t>(last - p) >= word.size()
            && std::equal(word.begin(), word.end(), p,
                          [](char w, char c) { return w == (c | 0x20); }))
            return p + word.size();
    }
    const char* digits = p;
    while (p != last && isDigit(*p))
        ++p;
    bool any = p != digits;
    if (p != last && *p == '.') {
        const char* fraction = ++p;
        while (p != last && isDigit(*p))
            ++p;
        any = any || p != fraction;
    }
    if (!any)
        return first;
    if (p != last && (*p == 'e' || *p == 'E')) {
        const char* exponent = p + 1;
        if (exponent != last && (*exponent == '+' || *exponent == '-'))
            ++exponent;
        if (exponent != last && isDigit(*exponent)) {
            p = exponent;
            while (p != last && isDigit(*p))
                ++p;
        }
    }
    return p;
}

std::from_chars_result parseDouble(const char* first, const char* last, double& value)
{
    const char* end = decimalEnd(first, last);
    if (end == first)
        return {first, std::errc::invalid_argument};
    value = std::strtod(std::string(first, end).c_str(), nullptr);
    return {end, std::errc()};
}

std::to_chars_result formatDouble(char* first, char* last, double value)
{
    char text[32];
    int length = 0;
    for (int precision = 1; precision <= 17; ++precision) {
        length = std::snprintf(text, sizeof text, "%.*g", precision, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    if (length > last - first)
        return {last, std::errc::value_too_large};
    return {std::copy(text, text + length, first), std::errc()};
}
#endif

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
    const auto [end, ec] = parseDouble(t.data(), t.data() + t.size(), value);
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
    const auto [end, ec] =
        whole ? std::to_chars(text, text + maxNumberText, static_cast<long long>(value))
              : formatDouble(text, text + maxNumberText, value);
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
