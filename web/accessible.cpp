#include "web/accessible.h"

#include "deck/cards.h"
#include "game/ending.h"
#include "game/rows.h"
#include "table/board.h"
#include "table/form.h"

#include <array>
#include <cctype>
#include <string_view>

namespace nablo {

namespace {

constexpr std::array<std::string_view, 13> rankNames{"ace",  "two",   "three", "four", "five",
                                                     "six",  "seven", "eight", "nine", "ten",
                                                     "jack", "queen", "king"};
// In the order of the card codes: diamonds 1..13, spades 14..26, hearts 27..39, clubs 40..52.
constexpr std::array<std::string_view, 4> suitNames{"diamonds", "spades", "hearts", "clubs"};

// "ROYAL FLUSH" -> "Royal flush"; runs of spaces become one.
std::string sentenceCase(std::string_view caption)
{
    std::string text;
    for (const char c : caption) {
        if (c == ' ' && (text.empty() || text.back() == ' '))
            continue;
        text += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

const Control& named(const Form1& form, const std::string& name) { return *form.find(name); }

AccessibleText cardSlot(const Form1& form, int slot)
{
    std::string name = "Card slot " + std::to_string(slot);
    const int code = form.HAND[static_cast<std::size_t>(slot)];
    const Control& button = named(form, "CARD" + std::to_string(slot));
    if (code == 0 || button.picture().empty())
        return {name, "empty"};
    const bool selectable = button.enabled() && form.CANPLAY[static_cast<std::size_t>(slot)] == -1;
    return {name, cardName(code) + (selectable ? ", selectable" : ", not selectable")};
}

AccessibleText tierRow(const Form1& form, const Control& label, int row)
{
    const Control& amount = named(form, "CPAY" + std::to_string(row));
    std::string value = "pays " + amount.caption();
    if (isRowLit(label, amount))
        value += ", reached";
    return {sentenceCase(label.design().caption), value};
}

AccessibleText bonusRow(const Form1& form, const Control& label, int row)
{
    const std::string k = std::to_string(row);
    const Control& amount = named(form, "BPAY" + k);
    std::string value = "pays " + amount.caption() + ", hits " + named(form, "HIT" + k).caption();
    if (isRowLit(label, amount))
        value += ", showing";
    return {sentenceCase(label.design().caption), value};
}

AccessibleText boardCard(const Form1& form, int code)
{
    switch (boardMark(form, code)) {
    case BoardMark::InSlot: return {cardName(code), "in a slot"};
    case BoardMark::OnPile: return {cardName(code), "on the pile"};
    case BoardMark::Undealt: break;
    }
    return {cardName(code), "not dealt"};
}

// The suit marks and strips of the card board, top row first.
std::string boardRowName(std::string_view name)
{
    static constexpr std::array<std::array<std::string_view, 3>, 4> rows{{
        {"Label19", "Label20", "DIA"},
        {"Label21", "Label22", "SPADE"},
        {"Label23", "Label24", "HEART"},
        {"Label25", "Label26", "CLOVER"},
    }};
    for (std::size_t suit = 0; suit < rows.size(); ++suit) {
        for (std::size_t i = 0; i < rows[suit].size(); ++i) {
            if (rows[suit][i] == name)
                return sentenceCase(suitNames[suit]) + (i < 2 ? "" : " row");
        }
    }
    return {};
}

// The row labels of the two pay tables, top row first.
constexpr std::array<std::string_view, 7> tierLabels{"Label2", "Label3", "Label4", "Label5",
                                                     "Label6", "Label7", "Label9"};
constexpr std::array<std::string_view, 5> bonusLabels{"Label12", "Label13", "Label14", "Label15",
                                                      "Label16"};

// k when name is prefix followed by the number k in 1..count, else 0.
int numbered(std::string_view name, std::string_view prefix, int count)
{
    if (!name.starts_with(prefix))
        return 0;
    const std::string_view digits = name.substr(prefix.size());
    for (int k = 1; k <= count; ++k) {
        if (digits == std::to_string(k))
            return k;
    }
    return 0;
}

template <std::size_t N>
int indexIn(const std::array<std::string_view, N>& names, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

AccessibleText payTableText(const Form1& form, const Control& control)
{
    const std::string_view name = control.name();
    auto tier = [&](int k) {
        return tierRow(form, named(form, std::string(tierLabels[static_cast<std::size_t>(k - 1)])),
                       k);
    };
    auto bonus = [&](int k) {
        return bonusRow(form,
                        named(form, std::string(bonusLabels[static_cast<std::size_t>(k - 1)])), k);
    };
    if (const int k = indexIn(tierLabels, name))
        return tier(k);
    if (const int k = numbered(name, "CPAY", 7))
        return {"Pays for " + lowered(tier(k).name), control.caption()};
    if (const int k = indexIn(bonusLabels, name))
        return bonus(k);
    if (const int k = numbered(name, "BPAY", 5))
        return {"Pays for " + lowered(bonus(k).name), control.caption()};
    if (const int k = numbered(name, "HIT", 5))
        return {"Hits of " + lowered(bonus(k).name), control.caption()};
    return {};
}

} // namespace

std::string cardName(int code)
{
    if (!isCardCode(code))
        return {};
    return std::string(rankNames[static_cast<std::size_t>(rankOf(code) - 1)]) + " of "
           + std::string(suitNames[static_cast<std::size_t>(suitOf(code))]);
}

AccessibleText accessibleText(const Form1& form, const Control& control)
{
    const std::string_view name = control.name();
    if (name == "COINS")
        return {"Credits", control.caption()};
    if (name == "TEN")
        return {"Cards placed", control.caption()};
    if (name == "BET")
        return {"Bet", {}};
    if (name == "RepertBet")
        return {"Bet ten", {}};
    if (name == "START")
        return {"Start", {}};
    if (name == "Image1") {
        const bool shown = !control.picture().empty() && form.TOPCARD != 0;
        return {"Pile", shown ? cardName(form.TOPCARD) : "empty"};
    }
    if (const int k = numbered(name, "CARD", 5))
        return cardSlot(form, k);
    if (const int k = numbered(name, "SEL", 5)) {
        const bool shown = isSlotMarked(form, k);
        return {"Card slot " + std::to_string(k) + " mark",
                shown ? "selectable" : "not selectable"};
    }
    if (AccessibleText row = payTableText(form, control); !row.name.empty())
        return row;
    if (const int code = boardCode(form, control))
        return boardCard(form, code);
    if (std::string row = boardRowName(name); !row.empty())
        return {row, {}};
    // The headings: their caption.
    return {sentenceCase(control.design().caption), {}};
}

} // namespace nablo
