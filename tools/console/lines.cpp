#include "lines.h"

#include "eventlines.h"
#include "table/form.h"

#include <istream>
#include <sstream>

namespace nablo::console {

LineRead readLine(std::istream& in, std::string& line)
{
    line.clear();
    for (char c; in.get(c);) {
        if (c == '\n')
            return LineRead::Line;
        if (line.size() == maxLineBytes)
            return LineRead::TooLong;
        line += c;
    }
    return line.empty() ? LineRead::End : LineRead::Line;
}

std::vector<std::string> tokens(const std::string& line)
{
    std::vector<std::string> result;
    std::istringstream words(line);
    for (std::string word; words >> word;)
        result.push_back(word == "\"\"" ? std::string() : word);
    return result;
}

float randomValue(const std::string& text)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    const float single = static_cast<float>(value);
    if (ec != std::errc() || end != text.data() + text.size() || !(value >= 0) || !(single < 1))
        throw BadLine{"a random value must be a number 0 <= V < 1, not \"" + text + "\""};
    return single;
}

Answer answerValue(const std::string& text)
{
    if (text == "Yes")
        return Answer::Yes;
    if (text == "No")
        return Answer::No;
    if (text == "OK")
        return Answer::OK;
    throw BadLine{"an answer is Yes, No or OK, not \"" + text + "\""};
}

void expectCount(const std::vector<std::string>& words, std::size_t count, const std::string& usage)
{
    if (words.size() != count)
        throw BadLine{"usage: " + usage};
}

Variable variable(Form1& form, const std::string& name)
{
    const auto open = name.find('(');
    if (open == std::string::npos) {
        if (name == "PAY")
            return {nullptr, &form.PAY};
        if (name == "RNDNUM")
            return {&form.RNDNUM, nullptr};
        if (name == "TOPCARD")
            return {&form.TOPCARD, nullptr};
        if (name == "SECONDDECK")
            return {&form.SECONDDECK, nullptr};
        if (name == "PLAYED")
            return {&form.PLAYED, nullptr};
        return {};
    }
    if (name.back() != ')')
        return {};
    const std::string array = name.substr(0, open);
    const std::string index = name.substr(open + 1, name.size() - open - 2);
    const int limit = array == "USED" ? 52 : 5;
    const int k = integer<std::int16_t>(index, "the index of " + array);
    if (k < 1 || k > limit)
        throw BadLine{"the index of " + array + " runs from 1 to " + std::to_string(limit)};
    if (array == "USED")
        return {&form.USED[k], nullptr};
    if (array == "HAND")
        return {&form.HAND[k], nullptr};
    if (array == "CANPLAY")
        return {&form.CANPLAY[k], nullptr};
    return {};
}

std::string dump(const Form1& form)
{
    Event controls = Event::object();
    for (const Control& c : form.controls())
        controls[c.name()] = {
            {"caption", c.caption()},
            {"fore", rgbArray(c.foreColor())},
            {"back", c.design().transparent ? Event(nullptr) : rgbArray(c.backColor())},
            {"enabled", c.enabled()},
            {"picture", c.picture()}};
    // The arrays from index 1, as the game counts.
    const auto list = [](const auto& values) {
        return Event(std::vector<std::int16_t>(values.begin() + 1, values.end()));
    };
    return line({{"controls", controls},
                 {"vars",
                  {{"USED", list(form.USED)},
                   {"HAND", list(form.HAND)},
                   {"CANPLAY", list(form.CANPLAY)},
                   {"PAY", form.PAY},
                   {"RNDNUM", form.RNDNUM},
                   {"TOPCARD", form.TOPCARD},
                   {"SECONDDECK", form.SECONDDECK},
                   {"PLAYED", form.PLAYED}}}});
}

} // namespace nablo::console
