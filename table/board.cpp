#include "table/board.h"

#include "table/form.h"

namespace nablo {

void Color_Change(Form1& form, std::int16_t code, std::string_view word)
{
    Rgb colour = colour::white;
    if (word == "KI")
        colour = colour::yellow;
    else if (word == "AO")
        colour = colour::blue;
    if (code >= 1 && code <= 52)
        form.rankLabel(code).setForeColor(colour);
}

BoardMark boardMark(const Form1& form, int code)
{
    const Rgb colour = form.rankLabel(code).foreColor();
    if (colour == colour::yellow)
        return BoardMark::InSlot;
    if (colour == colour::blue)
        return BoardMark::OnPile;
    return BoardMark::Undealt;
}

} // namespace nablo
