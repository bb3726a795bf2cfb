#include "game/invariants.h"

#include "game/state.h"
#include "table/errors.h"
#include "table/form.h"
#include "table/numbers.h"

#include <cmath>

namespace nablo {

namespace {

bool isWholeNumber(const std::string& text, double& value)
{
    try {
        value = toNumber(text);
    } catch (const RunTimeError&) {
        return false;
    }
    return std::nearbyint(value) == value;
}

using Failures = std::vector<std::string>;

void checkSlotsAndDeck(const Form1& form, Failures& broken)
{
    for (int k = 1; k <= 5; ++k) {
        const int code = form.HAND[k];
        if (code < 0 || code > 52) {
            broken.push_back("HAND(" + std::to_string(k) + ") holds " + std::to_string(code));
            continue;
        }
        if (code != 0 && form.USED[code] != -1)
            broken.push_back("card " + std::to_string(code) + " in slot " + std::to_string(k)
                             + " is not marked drawn");
        for (int j = k + 1; j <= 5; ++j)
            if (code != 0 && form.HAND[j] == code)
                broken.push_back("slots " + std::to_string(k) + " and " + std::to_string(j)
                                 + " hold the same card");
        if (form.CANPLAY[k] != -1 && form.CANPLAY[k] != 0)
            broken.push_back("CANPLAY(" + std::to_string(k) + ") is "
                             + std::to_string(form.CANPLAY[k]));
    }
    for (int code = 1; code <= 52; ++code)
        if (form.USED[code] != -1 && form.USED[code] != 0)
            broken.push_back("USED(" + std::to_string(code) + ") is "
                             + std::to_string(form.USED[code]));
}

// The value of a numeric caption, noting when it is not a whole number of at least 0.
double checkedNumber(const Control& c, Failures& broken)
{
    double value = 0;
    if (!isWholeNumber(c.caption(), value))
        broken.push_back(std::string(c.name()) + " shows \"" + c.caption()
                         + "\", not a whole number");
    else if (value < 0)
        broken.push_back(std::string(c.name()) + " is negative");
    return value;
}

void checkNumbers(const Form1& form, Failures& broken)
{
    checkedNumber(form.COINS(), broken);
    for (int k = 1; k <= 7; ++k)
        checkedNumber(form.CPAY(k), broken);
    for (int k = 1; k <= 5; ++k) {
        checkedNumber(form.BPAY(k), broken);
        checkedNumber(form.HIT(k), broken);
    }
    const double ten = checkedNumber(form.TEN(), broken);
    const double expectedTen = form.SECONDDECK != 0 ? 52 + form.PLAYED : form.PLAYED;
    if (ten != expectedTen)
        broken.push_back("TEN shows " + form.TEN().caption() + " with PLAYED "
                         + std::to_string(form.PLAYED)
                         + (form.SECONDDECK != 0 ? " in the second pass" : " in the first pass"));
    if (form.PLAYED < 0 || form.PLAYED > 52)
        broken.push_back("PLAYED is " + std::to_string(form.PLAYED));
}

void checkButtons(const Form1& form, Failures& broken)
{
    // A button is usable (enabled and yellow) or not (disabled and grey), never half of each.
    for (const Control* button : {&form.BET(), &form.RepertBet(), &form.START()}) {
        const bool usable = button->enabled() && button->backColor() == colour::yellow;
        const bool unusable = !button->enabled() && button->backColor() == colour::grey;
        if (!usable && !unusable)
            broken.push_back(std::string(button->name()) + " is half usable");
    }
    // The slots take clicks all together, and only in play.
    const bool slotsOn = form.CARD(1).enabled();
    for (int k = 2; k <= 5; ++k)
        if (form.CARD(k).enabled() != slotsOn)
            broken.push_back("the slots are not all in the same state");
    if (slotsOn && !isInPlay(form))
        broken.push_back("a betting button is usable during play");
}

} // namespace

std::vector<std::string> invariantViolations(const Form1& form)
{
    Failures broken;
    checkSlotsAndDeck(form, broken);
    checkNumbers(form, broken);
    checkButtons(form, broken);
    return broken;
}

} // namespace nablo
