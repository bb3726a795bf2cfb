#pragma once

#include "table/platform.h"

#include <charconv>
#include <cstdint>
#include <iosfwd>
#include <limits>
#include <string>
#include <vector>

namespace nablo {
class Form1;
}

namespace nablo::console {

// What the script runner reads from a line's words and writes of the table: a bad word throws
// BadLine, whose message names what was wrong.
struct BadLine {
    std::string message;
};

// The longest line a script may have, in bytes without its end.
inline constexpr std::size_t maxLineBytes = 64 * 1024;

enum class LineRead { Line, End, TooLong };

// Reads the next line into line, without its end. Reads no more of a line than one byte past
// maxLineBytes, so that endless input without a line end takes no more memory than that.
LineRead readLine(std::istream& in, std::string& line);

// A line's words, split at spaces; "" stands for an empty word.
std::vector<std::string> tokens(const std::string& line);

// A whole number of Int's range, or BadLine naming `what`.
template <typename Int>
Int integer(const std::string& text, const std::string& what)
{
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()
        || value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        throw BadLine{what + " must be a whole number from "
                      + std::to_string(std::numeric_limits<Int>::min()) + " to "
                      + std::to_string(std::numeric_limits<Int>::max()) + ", not \"" + text + "\""};
    return static_cast<Int>(value);
}

float randomValue(const std::string& text);
Answer answerValue(const std::string& text);
void expectCount(const std::vector<std::string>& words, std::size_t count,
                 const std::string& usage);

// A form variable by name, with its range: "PLAYED", "HAND(3)", "USED(52)".
struct Variable {
    std::int16_t* small = nullptr;
    std::int32_t* large = nullptr;
};

Variable variable(Form1& form, const std::string& name);

// Every control and form variable as one JSON line.
std::string dump(const Form1& form);

} // namespace nablo::console
