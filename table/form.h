#pragma once

#include "table/control.h"
#include "table/design.h"
#include "table/platform.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace nablo {

namespace detail {
template <std::size_t N>
consteval std::array<std::size_t, N> indices(const char* const (&names)[N])
{
    std::array<std::size_t, N> result{};
    for (std::size_t i = 0; i < N; ++i)
        result[i] = designIndex(names[i]);
    return result;
}
} // namespace detail

// The game window as a model: the 116 controls with their design values, and the form
// variables that the game procedures share. Copying a form copies the whole table; the copy
// uses the same platform.
class Form1 {
public:
    explicit Form1(Platform& platform);

    Platform& platform() const { return *platform_; }
    void setPlatform(Platform& platform) { platform_ = &platform; }

    // Makes this form, a copy of original that has been played on since, equal to original
    // again, copying only the controls that changed (their revision differs) and every form
    // variable; it keeps its platform. Original must not have changed since the copy. Cheaper
    // than a new copy for the many continuations of one table.
    void restore(const Form1& original);

    // Every control in stacking order, back to front.
    std::span<Control> controls() { return controls_; }
    std::span<const Control> controls() const { return controls_; }

    // The control of that name, or nullptr.
    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;

    Control& COINS() { return at<designIndex("COINS")>(); }
    Control& TEN() { return at<designIndex("TEN")>(); }
    Control& BET() { return at<designIndex("BET")>(); }
    Control& RepertBet() { return at<designIndex("RepertBet")>(); }
    Control& START() { return at<designIndex("START")>(); }
    Control& Image1() { return at<designIndex("Image1")>(); }
    const Control& COINS() const { return at<designIndex("COINS")>(); }
    const Control& TEN() const { return at<designIndex("TEN")>(); }
    const Control& BET() const { return at<designIndex("BET")>(); }
    const Control& RepertBet() const { return at<designIndex("RepertBet")>(); }
    const Control& START() const { return at<designIndex("START")>(); }
    const Control& Image1() const { return at<designIndex("Image1")>(); }

    // Numbered controls, k from 1.
    Control& CARD(int k) { return controls_[cardIndex[k - 1]]; }
    const Control& CARD(int k) const { return controls_[cardIndex[k - 1]]; }
    Control& SEL(int k) { return controls_[selIndex[k - 1]]; }
    const Control& SEL(int k) const { return controls_[selIndex[k - 1]]; }
    Control& CPAY(int k) { return controls_[cpayIndex[k - 1]]; }
    const Control& CPAY(int k) const { return controls_[cpayIndex[k - 1]]; }
    Control& BPAY(int k) { return controls_[bpayIndex[k - 1]]; }
    const Control& BPAY(int k) const { return controls_[bpayIndex[k - 1]]; }
    Control& HIT(int k) { return controls_[hitIndex[k - 1]]; }
    const Control& HIT(int k) const { return controls_[hitIndex[k - 1]]; }
    // Row label beside CPAY(k): Label2 ("2nd 52 CARDS") .. Label9 ("10-13 CARDS").
    Control& tierLabel(int k) { return controls_[tierLabelIndex[k - 1]]; }
    const Control& tierLabel(int k) const { return controls_[tierLabelIndex[k - 1]]; }
    // Row label beside BPAY(k): Label12 ("ROYAL FLUSH") .. Label16 ("FLUSH").
    Control& bonusLabel(int k) { return controls_[bonusLabelIndex[k - 1]]; }
    const Control& bonusLabel(int k) const { return controls_[bonusLabelIndex[k - 1]]; }
    // Rank label of the card board for a card code 1..52 (D1 .. C13).
    Control& rankLabel(int code) { return controls_[rankIndex[code - 1]]; }
    const Control& rankLabel(int code) const { return controls_[rankIndex[code - 1]]; }

    // Form variables. Arrays are indexed from 1, as the game counts; element 0 is unused.
    std::array<std::int16_t, 53> USED{};   // card code -> -1 when drawn in this pass
    std::array<std::int16_t, 6> HAND{};    // slot -> card code, 0 for an empty slot
    std::array<std::int16_t, 6> CANPLAY{}; // slot -> -1 when a click may place its card
    std::int32_t PAY = 0;
    std::int16_t RNDNUM = 0;
    std::int16_t TOPCARD = 0;
    std::int16_t SECONDDECK = 0;
    std::int16_t PLAYED = 0;
    // A new form variable must also be copied by restore().

private:
    template <std::size_t Index>
    Control& at()
    {
        return controls_[Index];
    }
    template <std::size_t Index>
    const Control& at() const
    {
        return controls_[Index];
    }

    static constexpr auto cardIndex =
        detail::indices({"CARD1", "CARD2", "CARD3", "CARD4", "CARD5"});
    static constexpr auto selIndex = detail::indices({"SEL1", "SEL2", "SEL3", "SEL4", "SEL5"});
    static constexpr auto cpayIndex =
        detail::indices({"CPAY1", "CPAY2", "CPAY3", "CPAY4", "CPAY5", "CPAY6", "CPAY7"});
    static constexpr auto bpayIndex =
        detail::indices({"BPAY1", "BPAY2", "BPAY3", "BPAY4", "BPAY5"});
    static constexpr auto hitIndex = detail::indices({"HIT1", "HIT2", "HIT3", "HIT4", "HIT5"});
    static constexpr auto tierLabelIndex =
        detail::indices({"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label9"});
    static constexpr auto bonusLabelIndex =
        detail::indices({"Label12", "Label13", "Label14", "Label15", "Label16"});
    static constexpr auto rankIndex = detail::indices(
        {"D1", "D2", "D3", "D4", "D5", "D6", "D7", "D8", "D9", "D10", "D11", "D12", "D13",
         "S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8", "S9", "S10", "S11", "S12", "S13",
         "H1", "H2", "H3", "H4", "H5", "H6", "H7", "H8", "H9", "H10", "H11", "H12", "H13",
         "C1", "C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10", "C11", "C12", "C13"});

    Platform* platform_;
    std::vector<Control> controls_;
};

} // namespace nablo
