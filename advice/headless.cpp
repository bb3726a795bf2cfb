#include "advice/headless.h"

namespace nablo {

void HeadlessPlatform::gameEnded(const GameOutcome& outcome)
{
    lastOutcome = outcome;
    ++gamesEnded;
}

Answer HeadlessPlatform::showMessage(const MessageBox& box)
{
    return box.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::OK;
}

} // namespace nablo
