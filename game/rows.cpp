#include "game/rows.h"

#include "table/form.h"

namespace nablo {

void showRowNormal(Control& name, Control& amount)
{
    name.setBackColor(colour::blue);
    amount.setBackColor(colour::red);
    amount.setForeColor(colour::white);
}

void showRowLit(Control& name, Control& amount)
{
    name.setBackColor(colour::red);
    amount.setBackColor(colour::white);
    amount.setForeColor(colour::red);
}

bool isRowLit(const Control& name, const Control& amount)
{
    return name.backColor() == colour::red && amount.backColor() == colour::white
           && amount.foreColor() == colour::red;
}

int litTierRow(const Form1& form)
{
    for (int k = 1; k <= 7; ++k)
        if (isRowLit(form.tierLabel(k), form.CPAY(k)))
            return k;
    return 0;
}

std::array<bool, 5> litBonusRows(const Form1& form)
{
    std::array<bool, 5> lit{};
    for (int k = 1; k <= 5; ++k)
        lit[static_cast<std::size_t>(k - 1)] = isRowLit(form.bonusLabel(k), form.BPAY(k));
    return lit;
}

} // namespace nablo
