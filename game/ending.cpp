#include "game/ending.h"

#include "deck/cards.h"
#include "game/messages.h"
#include "game/reset.h"
#include "game/state.h"
#include "table/errors.h"
#include "table/form.h"
#include "table/numbers.h"
#include "wager/payout.h"

namespace nablo {

bool isSlotMarked(const Form1& form, int k) { return form.SEL(k).foreColor() == colour::yellow; }

void L_CHECK(Form1& form)
{
    int blocked = 0;
    for (int k = 1; k <= 5; ++k) {
        if (D_CHECK(form, form.HAND[k]) != 0) {
            form.SEL(k).setForeColor(colour::yellow);
            form.CANPLAY[k] = -1;
        } else {
            form.SEL(k).setForeColor(colour::black);
            form.CANPLAY[k] = 0;
            ++blocked;
        }
    }
    if (blocked < 5)
        return;

    PAYOUT(form);
    Platform& platform = form.platform();
    const bool outOfCredits = readNumber(form.COINS()) == 0 && form.PAY == 0;
    platform.gameEnded(
        gameOutcome(form, outOfCredits ? GameEnding::OutOfCredits : GameEnding::NoPlayableCard));
    if (outOfCredits) {
        platform.showMessage(outOfCreditsPayBox(form.PAY));
        platform.showMessage(outOfCreditsEndBox());
        endProgram();
    }
    if (platform.showMessage(gameOverBox(form.PAY)) == Answer::No)
        endProgram();
    INITGAME(form);
}

} // namespace nablo
