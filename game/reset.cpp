#include "game/reset.h"

#include "table/board.h"
#include "table/form.h"
#include "table/numbers.h"
#include "table/pictures.h"

namespace nablo {

void Form_Load(Form1& form) { INITGAME(form); }

namespace {

// Zero amounts and hits, every row in its normal look, the selectable marks off.
void resetPayTables(Form1& form)
{
    for (int k = 1; k <= 7; ++k)
        writeNumber(form.CPAY(k), 0);
    for (int k = 1; k <= 5; ++k)
        writeNumber(form.BPAY(k), 0);
    for (int k = 1; k <= 5; ++k)
        writeNumber(form.HIT(k), 0);
    writeNumber(form.TEN(), 0);

    for (int k = 1; k <= 7; ++k)
        form.tierLabel(k).setBackColor(colour::blue);
    for (int k = 1; k <= 5; ++k)
        form.bonusLabel(k).setBackColor(colour::blue);

    for (int k = 1; k <= 7; ++k)
        form.CPAY(k).setBackColor(colour::red);
    for (int k = 1; k <= 5; ++k)
        form.BPAY(k).setBackColor(colour::red);

    // The tier labels keep their text colour; only the bonus rows' changes when lit.
    for (int k = 1; k <= 5; ++k)
        form.bonusLabel(k).setForeColor(colour::white);
    for (int k = 1; k <= 7; ++k)
        form.CPAY(k).setForeColor(colour::white);
    for (int k = 1; k <= 5; ++k)
        form.BPAY(k).setForeColor(colour::white);

    for (int k = 1; k <= 5; ++k)
        form.SEL(k).setForeColor(colour::black);
}

} // namespace

void INITGAME(Form1& form)
{
    resetPayTables(form);
    form.PAY = 0;
    form.TOPCARD = 0;
    form.SECONDDECK = 0;
    form.PLAYED = 0;
    form.RNDNUM = 1;

    for (int k = 1; k <= 5; ++k)
        form.CARD(k).setEnabled(false);
    form.START().setEnabled(false);
    form.START().setBackColor(colour::grey);

    for (std::int16_t code = 1; code <= 52; ++code) {
        form.USED[code] = 0;
        Color_Change(form, code, "SHIRO");
    }
    for (int k = 1; k <= 5; ++k) {
        form.HAND[k] = 0;
        form.CANPLAY[k] = -1;
    }

    form.BET().setBackColor(colour::yellow);
    form.BET().setEnabled(true);

    const bool tenUnits = readNumber(form.COINS()) >= 10;
    form.RepertBet().setBackColor(tenUnits ? colour::yellow : colour::grey);
    form.RepertBet().setEnabled(tenUnits);

    loadPicture(form, form.Image1(), "");
    for (int k = 1; k <= 5; ++k)
        loadPicture(form, form.CARD(k), "");
}

} // namespace nablo
