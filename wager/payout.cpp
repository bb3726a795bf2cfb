#include "wager/payout.h"

#include "table/form.h"
#include "table/numbers.h"

namespace nablo {

namespace {

// The amount label that pays the cards placed, or nullptr below ten cards of the first pass.
Control* tierAmount(Form1& form)
{
    const int played = form.PLAYED;
    if (form.SECONDDECK != 0)
        return played == 52 ? &form.CPAY(1) : &form.CPAY(2);
    if (played >= 10 && played <= 13)
        return &form.CPAY(7);
    if (played >= 14 && played <= 17)
        return &form.CPAY(6);
    if (played >= 18 && played <= 21)
        return &form.CPAY(5);
    if (played >= 22 && played <= 24)
        return &form.CPAY(4);
    if (played >= 25 && played <= 26)
        return &form.CPAY(3);
    if (played >= 27)
        return &form.CPAY(2);
    return nullptr;
}

} // namespace

void PAYOUT(Form1& form)
{
    if (Control* tier = tierAmount(form))
        form.PAY = toInt32(readNumber(*tier));
    // Converted after every addition, not once at the end.
    for (int k = 1; k <= 5; ++k)
        form.PAY = toInt32(readNumber(form.BPAY(k)) * readNumber(form.HIT(k)) + form.PAY);
    writeNumber(form.COINS(), readNumber(form.COINS()) + form.PAY);
}

} // namespace nablo
