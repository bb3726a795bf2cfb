#include "table/form.h"

#include <algorithm>

namespace nablo {

namespace {

// The controls' indices in the order of their names, for a binary search by name.
constexpr auto byName = [] {
    std::array<std::size_t, windowDesign.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return windowDesign[a].name < windowDesign[b].name;
    });
    return order;
}();

constexpr bool namesAreUnique()
{
    for (std::size_t i = 1; i < byName.size(); ++i)
        if (windowDesign[byName[i - 1]].name == windowDesign[byName[i]].name)
            return false;
    return true;
}
static_assert(namesAreUnique(), "a name finds one control");

} // namespace

Form1::Form1(Platform& platform) : platform_(&platform)
{
    controls_.reserve(windowDesign.size());
    for (const ControlDesign& design : windowDesign)
        controls_.emplace_back(design);
}

void Form1::restore(const Form1& original)
{
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].revision() != original.controls_[i].revision())
            controls_[i] = original.controls_[i];
    USED = original.USED;
    HAND = original.HAND;
    CANPLAY = original.CANPLAY;
    PAY = original.PAY;
    RNDNUM = original.RNDNUM;
    TOPCARD = original.TOPCARD;
    SECONDDECK = original.SECONDDECK;
    PLAYED = original.PLAYED;
}

Control* Form1::find(std::string_view name)
{
    const auto it =
        std::lower_bound(byName.begin(), byName.end(), name, [](std::size_t i, std::string_view n) {
            return windowDesign[i].name < n;
        });
    return it != byName.end() && windowDesign[*it].name == name ? &controls_[*it] : nullptr;
}

const Control* Form1::find(std::string_view name) const
{
    return const_cast<Form1*>(this)->find(name);
}

} // namespace nablo
