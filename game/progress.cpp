#include "game/progress.h"

#include "deck/draw.h"
#include "game/bonus.h"
#include "game/messages.h"
#include "game/reset.h"
#include "game/rows.h"
#include "game/state.h"
#include "table/board.h"
#include "table/errors.h"
#include "table/form.h"
#include "table/numbers.h"
#include "wager/payout.h"

namespace nablo {

namespace {

// Tier rows by pay-table row: CPAY2 "27-28 CARDS" .. CPAY7 "10-13 CARDS".
void enterTier(Form1& form, int row)
{
    if (row < 7)
        showRowNormal(form.tierLabel(row + 1), form.CPAY(row + 1));
    showRowLit(form.tierLabel(row), form.CPAY(row));
}

void beginSecondPass(Form1& form)
{
    form.SECONDDECK = -1;
    form.platform().playSound("wav\\twice.wav");
    for (std::int16_t code = 1; code <= 52; ++code) {
        form.USED[code] = 0;
        Color_Change(form, code, "SHIRO");
    }
    form.PLAYED = 0;
    for (int k = 1; k <= 5; ++k)
        CardChange(form, form.CARD(k));
    for (int k = 1; k <= 5; ++k)
        Color_Change(form, form.HAND[k], "KI");
    B_CHECK(form);
}

} // namespace

std::int16_t S_CHECK(Form1& form)
{
    std::int16_t result = 0;
    if (form.SECONDDECK == 0) {
        const int played = form.PLAYED;
        switch (played) {
        case 10:
        case 14:
        case 18:
        case 22:
        case 25:
        case 27:
            form.platform().playSound("wav\\bonus.wav");
            break;
        default:
            break;
        }
        if (played >= 10 && played <= 13)
            enterTier(form, 7);
        else if (played >= 14 && played <= 17)
            enterTier(form, 6);
        else if (played >= 18 && played <= 21)
            enterTier(form, 5);
        else if (played >= 22 && played <= 24)
            enterTier(form, 4);
        else if (played >= 25 && played <= 26)
            enterTier(form, 3);
        else if (played >= 27 && played <= 28)
            enterTier(form, 2);
        else if (played == 52) {
            beginSecondPass(form);
            result = 1;
        }
        return result;
    }

    if (readNumber(form.TEN()) != 104)
        return 0;
    showRowNormal(form.tierLabel(2), form.CPAY(2));
    showRowLit(form.tierLabel(1), form.CPAY(1));
    PAYOUT(form);
    form.platform().gameEnded(gameOutcome(form, GameEnding::AllCardsPlaced));
    if (form.platform().showMessage(congratulationBox(form.PAY)) == Answer::No)
        endProgram();
    INITGAME(form);
    return 1;
}

} // namespace nablo
