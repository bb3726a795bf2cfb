#include "advice/headless.h"

#include "game/messages.h"
#include "table/form.h"
#include "table/numbers.h"

namespace nablo {

Answer HeadlessPlatform::showMessage(const MessageBox& box)
{
    // The second box of the out-of-credits ending follows the first: one game, one outcome.
    const bool secondOfPair = box.title == outOfCreditsEndBox().title;
    if (form_ && !secondOfPair) {
        GameOutcome outcome;
        outcome.pay = form_->PAY;
        outcome.cardsPlaced = static_cast<int>(readNumber(form_->TEN()));
        for (int k = 1; k <= 5; ++k)
            outcome.hits[static_cast<std::size_t>(k - 1)] = static_cast<int>(readNumber(form_->HIT(k)));
        lastOutcome = outcome;
        ++gamesEnded;
        if (stopAtEnd)
            throw GameOver{outcome};
    }
    return box.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::OK;
}

} // namespace nablo
