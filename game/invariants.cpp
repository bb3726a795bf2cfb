#include "game/invariants.h"

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

} // namespace

std::vector<std::string> invariantViolations(Form1& form)
{
    std::vector<std::string> broken;
    const auto fail = [&broken](std::string what) { broken.push_back(std::move(what)); };

    for (int k = 1; k <= 5; ++k) {
        const int code = form.HAND[k];
        if (code < 0 || code > 52) {
            fail("HAND(" + std::to_string(k) + ") holds " + std::to_string(code));
            continue;
        }
        if (code != 0 && form.USED[code] != -1)
            fail("card " + std::to_string(code) + " in slot " + std::to_string(k) + " is not marked drawn");
        for (int j = k + 1; j <= 5; ++j)
            if (code != 0 && form.HAND[j] == code)
                fail("slots " + std::to_string(k) + " and " + std::to_string(j) + " hold the same card");
        if (form.CANPLAY[k] != -1 && form.CANPLAY[k] != 0)
            fail("CANPLAY(" + std::to_string(k) + ") is " + std::to_string(form.CANPLAY[k]));
    }
    for (int code = 1; code <= 52; ++code)
        if (form.USED[code] != -1 && form.USED[code] != 0)
            fail("USED(" + std::to_string(code) + ") is " + std::to_string(form.USED[code]));

    const auto numeric = [&](Control& c) {
        double value = 0;
        if (!isWholeNumber(c.caption(), value))
            fail(std::string(c.name()) + " shows \"" + c.caption() + "\", not a whole number");
        else if (value < 0)
            fail(std::string(c.name()) + " is negative");
        return value;
    };
    numeric(form.COINS());
    for (int k = 1; k <= 7; ++k)
        numeric(form.CPAY(k));
    for (int k = 1; k <= 5; ++k) {
        numeric(form.BPAY(k));
        numeric(form.HIT(k));
    }
    const double ten = numeric(form.TEN());
    const double expectedTen = form.SECONDDECK != 0 ? 52 + form.PLAYED : form.PLAYED;
    if (ten != expectedTen)
        fail("TEN shows " + form.TEN().caption() + " with PLAYED " + std::to_string(form.PLAYED)
             + (form.SECONDDECK != 0 ? " in the second pass" : " in the first pass"));
    if (form.PLAYED < 0 || form.PLAYED > 52)
        fail("PLAYED is " + std::to_string(form.PLAYED));

    // A button is usable (enabled and yellow) or not (disabled and grey), never half of each.
    for (Control* button : {&form.BET(), &form.RepertBet(), &form.START()}) {
        const bool usable = button->enabled() && button->backColor() == colour::yellow;
        const bool unusable = !button->enabled() && button->backColor() == colour::grey;
        if (!usable && !unusable)
            fail(std::string(button->name()) + " is half usable");
    }
    // In play the three buttons are unusable and the slots enabled; in the betting state the
    // slots are disabled.
    const bool inPlay = form.CARD(1).enabled();
    for (int k = 2; k <= 5; ++k)
        if (form.CARD(k).enabled() != inPlay)
            fail("the slots are not all in the same state");
    if (inPlay && (form.BET().enabled() || form.RepertBet().enabled() || form.START().enabled()))
        fail("a betting button is usable during play");
    return broken;
}

} // namespace nablo
