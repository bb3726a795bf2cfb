#include "session/accessible.h"

#include "deck/cards.h"
#include "game/betting.h"
#include "game/ending.h"
#include "game/rows.h"
#include "session/words.h"
#include "table/board.h"
#include "table/form.h"

#include <array>
#include <cctype>
#include <string_view>
#include <utility>
#include <vector>

namespace nablo {

namespace {

std::string word(const char* text) { return say("Accessibility", text); }

constexpr std::array<const char*, 13> rankNames{
    NABLO_WORD("Accessibility", "ace"),   NABLO_WORD("Accessibility", "two"),
    NABLO_WORD("Accessibility", "three"), NABLO_WORD("Accessibility", "four"),
    NABLO_WORD("Accessibility", "five"),  NABLO_WORD("Accessibility", "six"),
    NABLO_WORD("Accessibility", "seven"), NABLO_WORD("Accessibility", "eight"),
    NABLO_WORD("Accessibility", "nine"),  NABLO_WORD("Accessibility", "ten"),
    NABLO_WORD("Accessibility", "jack"),  NABLO_WORD("Accessibility", "queen"),
    NABLO_WORD("Accessibility", "king")};
// In the order of the card codes: diamonds 1..13, spades 14..26, hearts 27..39, clubs 40..52.
constexpr std::array<const char*, 4> suitNames{
    NABLO_WORD("Accessibility", "diamonds"), NABLO_WORD("Accessibility", "spades"),
    NABLO_WORD("Accessibility", "hearts"), NABLO_WORD("Accessibility", "clubs")};

const char* const selectableWord = NABLO_WORD("Accessibility", "selectable");
const char* const notSelectable = NABLO_WORD("Accessibility", "not selectable");
const char* const emptyWord = NABLO_WORD("Accessibility", "empty");

std::string lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "ROYAL FLUSH" -> "Royal flush"; runs of spaces become one.
std::string sentenceCase(std::string_view caption)
{
    std::string text;
    for (const char c : caption) {
        if (c == ' ' && (text.empty() || text.back() == ' '))
            continue;
        text += c;
    }
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
    return capitalised(lowered(text));
}

AccessibleText boardCard(const Form1& form, int code)
{
    switch (boardMark(form, code)) {
    case BoardMark::InSlot: return {cardName(code), word(NABLO_WORD("Accessibility", "in a slot"))};
    case BoardMark::OnPile:
        return {cardName(code), word(NABLO_WORD("Accessibility", "on the pile"))};
    case BoardMark::Undealt: break;
    }
    return {cardName(code), word(NABLO_WORD("Accessibility", "not dealt"))};
}

// The parts joined two at a time by the pattern, "%1, %2": "a, b, c".
std::string joined(const std::vector<std::string>& parts, const char* pattern)
{
    std::string text;
    for (const std::string& part : parts)
        text = text.empty() ? part : fill(word(pattern), {text, part});
    return text;
}

// The card board as a whole: the cards not yet dealt, by suit, the cards in a slot and how many
// are on the pile. "not dealt yet: diamonds ace, two; clubs king. in a slot: ..."
std::string boardSummary(const Form1& form)
{
    std::array<std::vector<std::string>, 4> undealt;
    std::vector<std::string> inSlot;
    int onPile = 0;
    for (int code = 1; code <= 52; ++code) {
        switch (boardMark(form, code)) {
        case BoardMark::Undealt:
            undealt[static_cast<std::size_t>(suitOf(code))].push_back(
                word(rankNames[static_cast<std::size_t>(rankOf(code) - 1)]));
            break;
        case BoardMark::InSlot: inSlot.push_back(cardName(code)); break;
        case BoardMark::OnPile: ++onPile; break;
        }
    }
    const char* const list = NABLO_WORD("Accessibility", "%1, %2");
    std::vector<std::string> suits;
    for (std::size_t suit = 0; suit < undealt.size(); ++suit) {
        if (!undealt[suit].empty())
            suits.push_back(word(suitNames[suit]) + ' ' + joined(undealt[suit], list));
    }
    std::vector<std::string> parts;
    if (!suits.empty()) {
        parts.push_back(fill(word(NABLO_WORD("Accessibility", "not dealt yet: %1")),
                             {joined(suits, NABLO_WORD("Accessibility", "%1; %2"))}));
    }
    if (!inSlot.empty())
        parts.push_back(
            fill(word(NABLO_WORD("Accessibility", "in a slot: %1")), {joined(inSlot, list)}));
    if (onPile > 0) {
        parts.push_back(fill(onPile == 1
                                 ? word(NABLO_WORD("Accessibility", "%1 card on the pile"))
                                 : word(NABLO_WORD("Accessibility", "%1 cards on the pile")),
                             {std::to_string(onPile)}));
    }
    return joined(parts, NABLO_WORD("Accessibility", "%1. %2"));
}

// The suit marks and strips of the card board, by control name, top row first.
constexpr std::array<std::array<std::string_view, 3>, 4> boardRows{{
    {"Label19", "Label20", "DIA"},
    {"Label21", "Label22", "SPADE"},
    {"Label23", "Label24", "HEART"},
    {"Label25", "Label26", "CLOVER"},
}};

} // namespace

std::string cardName(int code)
{
    if (!isCardCode(code))
        return {};
    return fill(word(NABLO_WORD("Accessibility", "%1 of %2")),
                {word(rankNames[static_cast<std::size_t>(rankOf(code) - 1)]),
                 word(suitNames[static_cast<std::size_t>(suitOf(code))])});
}

std::string notSelectableWord() { return word(notSelectable); }

AccessibleTexts::AccessibleTexts(const Form1& form) : form_(form), places_(form.controls().size())
{
    const std::array<std::pair<std::string_view, Role>, 6> named{{
        {"COINS", Role::Credits},
        {"TEN", Role::CardsPlaced},
        {"BET", Role::Bet},
        {"RepertBet", Role::BetTen},
        {"START", Role::Start},
        {"Image1", Role::Pile},
    }};
    const auto controls = form.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (const auto& [name, role] : named) {
            if (controls[i].name() == name)
                places_[i] = {role, 0};
        }
        for (std::size_t suit = 0; suit < boardRows.size(); ++suit) {
            for (std::size_t k = 0; k < boardRows[suit].size(); ++k) {
                if (boardRows[suit][k] != controls[i].name())
                    continue;
                const Role part = k < 2 ? Role::BoardSuit : Role::BoardRow;
                places_[i] = {suit == 0 && part == Role::BoardRow ? Role::Board : part,
                              static_cast<int>(suit)};
            }
        }
    }
    placeNumbered(&Form1::CARD, 5, Role::CardSlot);
    placeNumbered(&Form1::SEL, 5, Role::SlotMark);
    placeNumbered(&Form1::tierLabel, 7, Role::TierRow);
    placeNumbered(&Form1::CPAY, 7, Role::TierPay);
    placeNumbered(&Form1::bonusLabel, 5, Role::BonusRow);
    placeNumbered(&Form1::BPAY, 5, Role::BonusPay);
    placeNumbered(&Form1::HIT, 5, Role::BonusHits);
    placeNumbered(&Form1::rankLabel, 52, Role::BoardCard);
}

void AccessibleTexts::placeNumbered(const Control& (Form1::*numbered)(int) const, int count,
                                    Role role)
{
    for (int k = 1; k <= count; ++k) {
        const auto index = static_cast<std::size_t>(&(form_.*numbered)(k)-form_.controls().data());
        places_[index] = {role, k};
    }
}

AccessibleText AccessibleTexts::cardSlot(int slot) const
{
    std::string name =
        fill(word(NABLO_WORD("Accessibility", "Card slot %1")), {std::to_string(slot)});
    const int code = form_.HAND[static_cast<std::size_t>(slot)];
    if (code == 0 || form_.CARD(slot).picture().empty())
        return {name, word(emptyWord)};
    const bool selectable =
        form_.CARD(slot).enabled() && form_.CANPLAY[static_cast<std::size_t>(slot)] == -1;
    return {name, fill(word(NABLO_WORD("Accessibility", "%1, %2")),
                       {cardName(code), word(selectable ? selectableWord : notSelectable)})};
}

AccessibleText AccessibleTexts::tierRow(int row) const
{
    const std::string& pay = form_.CPAY(row).caption();
    const bool lit = isRowLit(form_.tierLabel(row), form_.CPAY(row));
    return {sentenceCase(form_.tierLabel(row).design().caption),
            lit ? fill(word(NABLO_WORD("Accessibility", "pays %1, reached")), {pay})
                : fill(word(NABLO_WORD("Accessibility", "pays %1")), {pay})};
}

AccessibleText AccessibleTexts::bonusRow(int row) const
{
    const std::string& pay = form_.BPAY(row).caption();
    const std::string& hits = form_.HIT(row).caption();
    const bool lit = isRowLit(form_.bonusLabel(row), form_.BPAY(row));
    return {sentenceCase(form_.bonusLabel(row).design().caption),
            lit ? fill(word(NABLO_WORD("Accessibility", "pays %1, hits %2, showing")), {pay, hits})
                : fill(word(NABLO_WORD("Accessibility", "pays %1, hits %2")), {pay, hits})};
}

// The rows of the pay tables and their amounts, the slot marks and the board.
AccessibleText AccessibleTexts::numbered(Role role, int k, const Control& control) const
{
    const char* const paysFor = NABLO_WORD("Accessibility", "Pays for %1");
    switch (role) {
    case Role::CardSlot: return cardSlot(k);
    case Role::SlotMark:
        return {fill(word(NABLO_WORD("Accessibility", "Card slot %1 mark")), {std::to_string(k)}),
                word(isSlotMarked(form_, k) ? selectableWord : notSelectable)};
    case Role::TierRow: return tierRow(k);
    case Role::TierPay: return {fill(word(paysFor), {lowered(tierRow(k).name)}), control.caption()};
    case Role::BonusRow: return bonusRow(k);
    case Role::BonusPay:
        return {fill(word(paysFor), {lowered(bonusRow(k).name)}), control.caption()};
    case Role::BonusHits:
        return {fill(word(NABLO_WORD("Accessibility", "Hits of %1")), {lowered(bonusRow(k).name)}),
                control.caption()};
    case Role::BoardCard: return boardCard(form_, k);
    case Role::BoardSuit: return {capitalised(word(suitNames[static_cast<std::size_t>(k)])), {}};
    case Role::BoardRow:
        return {capitalised(fill(word(NABLO_WORD("Accessibility", "%1 row")),
                                 {word(suitNames[static_cast<std::size_t>(k)])})),
                {}};
    default: break;
    }
    // The headings: their caption.
    return {sentenceCase(control.design().caption), {}};
}

AccessibleText AccessibleTexts::text(std::size_t index) const
{
    const Control& control = form_.controls()[index];
    const auto [role, k] = places_[index];
    switch (role) {
    case Role::Credits: return {word(NABLO_WORD("Accessibility", "Credits")), control.caption()};
    case Role::CardsPlaced:
        return {word(NABLO_WORD("Accessibility", "Cards placed")), control.caption()};
    case Role::Bet:
        // The stake on the table shows nowhere else than in the pay tables' amounts.
        return {word(NABLO_WORD("Accessibility", "Bet")),
                fill(word(NABLO_WORD("Accessibility", "stake %1")), {creditsText(stakeOf(form_))})};
    // Said as it reads, so that a voice that names the button finds it.
    case Role::BetTen: return {std::string(control.design().caption), {}};
    case Role::Start: return {word(NABLO_WORD("Accessibility", "Start")), {}};
    case Role::Pile: {
        const bool shown = !control.picture().empty() && form_.TOPCARD != 0;
        return {word(NABLO_WORD("Accessibility", "Pile")),
                shown ? cardName(form_.TOPCARD) : word(emptyWord)};
    }
    case Role::Board: return {word(NABLO_WORD("Accessibility", "Card board")), boardSummary(form_)};
    case Role::BoardCard:
    case Role::BoardSuit:
    case Role::BoardRow: {
        AccessibleText part = numbered(role, k, control);
        part.hidden = true;
        return part;
    }
    default: return numbered(role, k, control);
    }
}

} // namespace nablo
