#include "game/start.h"

#include "deck/draw.h"
#include "game/bonus.h"
#include "table/board.h"
#include "table/form.h"
#include "table/numbers.h"

namespace nablo {

void START_Click(Form1& form)
{
    if (!(readNumber(form.CPAY(1)) > 0))
        return;

    form.platform().playSound("wav\\start.wav");

    for (Control* button : {&form.RepertBet(), &form.BET(), &form.START()}) {
        button->setEnabled(false);
        button->setBackColor(colour::grey);
    }
    for (int k = 1; k <= 5; ++k)
        form.CARD(k).setEnabled(true);
    for (int k = 1; k <= 5; ++k)
        CardChange(form, form.CARD(k));
    for (int k = 1; k <= 5; ++k)
        Color_Change(form, form.HAND[k], "KI");
    for (int k = 1; k <= 5; ++k)
        form.SEL(k).setForeColor(colour::yellow);
    B_CHECK(form);
}

} // namespace nablo
