#include "deck/draw.h"

#include "deck/cards.h"
#include "table/errors.h"
#include "table/form.h"
#include "table/numbers.h"
#include "table/pictures.h"

#include <algorithm>

namespace nablo {

void CardChange(Form1& form, Control& button)
{
    const int slot = button.tabIndex() - 44;
    const bool isSlot = slot >= 1 && slot <= 5;

    if (form.PLAYED >= 48) {
        if (isSlot)
            form.HAND[slot] = 0;
        loadPicture(form, button, "");
        return;
    }

    // The callers never ask for a draw from a used-up deck; looping would never end.
    if (std::all_of(form.USED.begin() + 1, form.USED.end(), [](std::int16_t u) { return u != 0; }))
        throw RunTimeError("Internal error: every card of the deck is drawn, none is left to draw");

    // One attempt: a value 0..100, where 0 and 100 come half as often as the others, folded
    // onto the 52 codes. The last draws of a pass may need many attempts.
    std::int16_t code = 0;
    do {
        form.platform().reseedRandom();
        const float r = form.platform().nextRandom();
        form.RNDNUM = toInt16(static_cast<double>(r) * static_cast<double>(100.0f));
        if (form.RNDNUM < 0 || form.RNDNUM > 100)
            throw RunTimeError("Internal error: the random source gave a value outside 0 <= r < 1");
        code = static_cast<std::int16_t>(form.RNDNUM % 52 + 1);
    } while (form.USED[code] != 0);

    form.USED[code] = -1;
    loadPicture(form, button, CA(code));
    if (isSlot)
        form.HAND[slot] = code;
}

} // namespace nablo
