#include "session/boxes.h"

#include "session/words.h"

namespace nablo {

namespace {
std::string word(const char* text) { return say("Boxes", text); }
} // namespace

std::string boxTranslation(const MessageBox& box)
{
    if (box.kind == BoxKind::Other || language() == "ja")
        return {};
    const std::string paid = fill(box.pay == 1 ? word(NABLO_WORD("Boxes", "%1 credit paid."))
                                               : word(NABLO_WORD("Boxes", "%1 credits paid.")),
                                  {std::to_string(box.pay)});
    switch (box.kind) {
    case BoxKind::AllCardsPlaced:
        return fill(word(NABLO_WORD("Boxes", "Congratulations: all 104 cards placed. %1 Play on?")),
                    {paid});
    case BoxKind::NoCardPlaceable:
        return fill(word(NABLO_WORD("Boxes", "No card can be placed. %1 Play on?")), {paid});
    case BoxKind::LastPay:
        return fill(word(NABLO_WORD("Boxes", "No card can be placed. %1")), {paid});
    case BoxKind::CreditsGone: return word(NABLO_WORD("Boxes", "No credits left. The game ends."));
    case BoxKind::Other: break;
    }
    return {};
}

} // namespace nablo
