#include "game/betting.h"

#include "game/start.h"
#include "table/form.h"
#include "table/numbers.h"
#include "wager/stakes.h"

namespace nablo {

void BET_Click(Form1& form)
{
    if (readNumber(form.CPAY(1)) < 100000 && readNumber(form.COINS()) > 0) {
        form.platform().playSound("wav\\bet.wav");
        for (int k = 1; k <= 7; ++k)
            writeNumber(form.CPAY(k), readNumber(form.CPAY(k)) + tierIncrement[k - 1]);
        for (int k = 1; k <= 5; ++k)
            writeNumber(form.BPAY(k), readNumber(form.BPAY(k)) + bonusIncrement[k - 1]);
        writeNumber(form.COINS(), readNumber(form.COINS()) - 1);

        const double staked = readNumber(form.CPAY(1));
        if (staked == 10000) {
            form.START().setEnabled(true);
            form.START().setBackColor(colour::yellow);
        } else if (staked == 100000) {
            START_Click(form);
        }
    }
    if (readNumber(form.COINS()) == 0) {
        form.BET().setBackColor(colour::grey);
        form.BET().setEnabled(false);
    }
}

void RepertBet_Click(Form1& form)
{
    const double coins = readNumber(form.COINS());
    const double missing = maximumUnits - readNumber(form.CPAY(1)) / tierIncrement[0];
    if (missing > coins)
        return;

    writeNumber(form.COINS(), coins - missing);
    for (int k = 1; k <= 7; ++k)
        writeNumber(form.CPAY(k), maximumUnits * tierIncrement[k - 1]);
    for (int k = 1; k <= 5; ++k)
        writeNumber(form.BPAY(k), maximumUnits * bonusIncrement[k - 1]);
    START_Click(form);
}

double stakeOf(const Form1& form) { return readNumber(form.CPAY(1)) / tierIncrement[0]; }

double creditsOf(const Form1& form) { return readNumber(form.COINS()); }

} // namespace nablo
