#include "wager/payout.h"

#include "table/form.h"
#include "table/numbers.h"
#include "wager/tiers.h"

namespace nablo {

void PAYOUT(Form1& form)
{
    if (const int row = tierRow(form.PLAYED, form.SECONDDECK != 0))
        form.PAY = toInt32(readNumber(form.CPAY(row)));
    // Converted after every addition, not once at the end.
    for (int k = 1; k <= 5; ++k)
        form.PAY = toInt32(readNumber(form.BPAY(k)) * readNumber(form.HIT(k)) + form.PAY);
    writeNumber(form.COINS(), readNumber(form.COINS()) + form.PAY);
}

} // namespace nablo
