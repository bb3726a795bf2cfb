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
#include "wager/tiers.h"

namespace nablo {

namespace {

// Lights a first-pass tier row and puts the row below it back to normal.
void enterTier(Form1& form, int row)
{
    if (row < firstPassBands.front().row)
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
    if (form.SECONDDECK == 0) {
        const int played = form.PLAYED;
        if (tierEntered(played) != 0)
            form.platform().playSound("wav\\bonus.wav");
        if (const int row = bandRow(played)) {
            enterTier(form, row);
            return 0;
        }
        if (played != cardsPerPass)
            return 0;
        beginSecondPass(form);
        return 1;
    }

    if (readNumber(form.TEN()) != 2 * cardsPerPass)
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
