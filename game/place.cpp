#include "game/place.h"

#include "deck/draw.h"
#include "game/bonus.h"
#include "game/ending.h"
#include "game/progress.h"
#include "table/board.h"
#include "table/errors.h"
#include "table/form.h"
#include "table/numbers.h"
#include "table/pictures.h"

namespace nablo {

void Card_Click(Form1& form, std::int16_t slot, Control& button)
{
    if (slot < 1 || slot > 5)
        throw RunTimeError("Subscript out of range: card slot " + std::to_string(slot));
    if (form.CANPLAY[slot] != -1)
        return;

    form.platform().playSound("wav\\card.wav");
    copyPicture(form, form.Image1(), button);
    writeNumber(form.TEN(), readNumber(form.TEN()) + 1);
    form.PLAYED = static_cast<std::int16_t>(form.PLAYED + 1);
    form.TOPCARD = form.HAND[slot];

    const bool inSecondPass = form.SECONDDECK != 0;
    const std::int16_t result = S_CHECK(form);
    if (result == 0) {
        Color_Change(form, form.HAND[slot], "AO");
        CardChange(form, button);
        if (form.PLAYED < 48) {
            Color_Change(form, form.HAND[slot], "KI");
            B_CHECK(form);
        }
    }

    // A 1 in the second pass means the game was paid and the table reset for the next one:
    // judging the empty table would end a game that was never played.
    const bool gameEnded = inSecondPass && result == 1;
    if (!gameEnded)
        L_CHECK(form);
}

void CARD1_Click(Form1& form) { Card_Click(form, 1, form.CARD(1)); }
void CARD2_Click(Form1& form) { Card_Click(form, 2, form.CARD(2)); }
void CARD3_Click(Form1& form) { Card_Click(form, 3, form.CARD(3)); }
void CARD4_Click(Form1& form) { Card_Click(form, 4, form.CARD(4)); }
void CARD5_Click(Form1& form) { Card_Click(form, 5, form.CARD(5)); }

} // namespace nablo
