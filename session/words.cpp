#include "session/words.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

namespace nablo {

namespace {
Translator& installed()
{
    static Translator translator;
    return translator;
}

std::string printed(const char* format, double value)
{
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
} // namespace

void setTranslator(Translator translator) { installed() = std::move(translator); }

std::string say(const char* context, const char* text)
{
    return installed() ? installed()(context, text) : std::string(text);
}

std::string language()
{
    //: The code of the language of this translation.
    return say("Words", NABLO_WORD("Words", "en"));
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    const std::vector<std::string_view> values(arguments);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto k = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && k < values.size()) {
            text += values[k];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string creditsText(double value)
{
    return printed(value == std::floor(value) ? "%.0f" : "%.2f", value);
}

std::string oneDecimal(double value) { return printed("%.1f", value); }

std::string twoDecimals(double value) { return printed("%.2f", value); }

std::string capitalised(std::string text)
{
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

} // namespace nablo
