#include "game/rows.h"

#include "table/control.h"

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

} // namespace nablo
