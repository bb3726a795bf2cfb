#pragma once

#include "table/form.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace nablo::testing {

// Table rows print as their names in test listings.
template <typename Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

inline std::string rgb(Rgb c)
{
    return "(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

// A betting button is usable (enabled and yellow) or unusable (disabled and grey); anything else
// is a fault of its own.
inline std::string look(const Control& button)
{
    if (button.enabled() && button.backColor() == colour::yellow)
        return "usable";
    if (!button.enabled() && button.backColor() == colour::grey)
        return "unusable";
    return std::string(button.enabled() ? "enabled" : "disabled") + " but "
           + rgb(button.backColor());
}

// Everything a click could change: every attribute of every control and every form variable.
struct Snapshot {
    struct Item {
        std::string name, caption, picture;
        Rgb fore, back;
        bool enabled;
        bool operator==(const Item&) const = default;
    };
    std::vector<Item> controls;
    std::array<std::int16_t, 53> used;
    std::array<std::int16_t, 6> hand, canplay;
    std::int32_t pay;
    std::int16_t rndnum, topcard, seconddeck, played;

    explicit Snapshot(Form1& form)
        : used(form.USED), hand(form.HAND), canplay(form.CANPLAY), pay(form.PAY),
          rndnum(form.RNDNUM), topcard(form.TOPCARD), seconddeck(form.SECONDDECK),
          played(form.PLAYED)
    {
        for (const Control& c : form.controls())
            controls.push_back({std::string(c.name()), c.caption(), c.picture(), c.foreColor(),
                                c.backColor(), c.enabled()});
    }
    bool operator==(const Snapshot&) const = default;
};

// Names the first difference, so that a failure says what changed.
inline std::string difference(const Snapshot& a, const Snapshot& b)
{
    for (std::size_t i = 0; i < a.controls.size(); ++i) {
        const auto& x = a.controls[i];
        const auto& y = b.controls[i];
        if (!(x == y))
            return x.name + ": caption \"" + x.caption + "\" -> \"" + y.caption + "\", fore "
                   + rgb(x.fore) + " -> " + rgb(y.fore) + ", back " + rgb(x.back) + " -> "
                   + rgb(y.back) + ", enabled " + std::to_string(x.enabled) + " -> "
                   + std::to_string(y.enabled) + ", picture \"" + x.picture + "\" -> \"" + y.picture
                   + "\"";
    }
    if (a.used != b.used || a.hand != b.hand || a.canplay != b.canplay)
        return "USED, HAND or CANPLAY";
    if (a.pay != b.pay || a.rndnum != b.rndnum || a.topcard != b.topcard
        || a.seconddeck != b.seconddeck || a.played != b.played)
        return "PAY, RNDNUM, TOPCARD, SECONDDECK or PLAYED";
    return "";
}

} // namespace nablo::testing
