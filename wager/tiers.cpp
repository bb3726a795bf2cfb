#include "wager/tiers.h"

namespace nablo {

int bandRow(int played)
{
    for (const TierBand& band : firstPassBands)
        if (played >= band.firstCard && played <= band.lastCard)
            return band.row;
    return 0;
}

int tierRow(int played, bool secondPass)
{
    if (secondPass)
        return played == cardsPerPass ? 1 : 2;
    if (played > firstPassBands.back().lastCard)
        return firstPassBands.back().row;
    return bandRow(played);
}

int tierEntered(int played)
{
    for (const TierBand& band : firstPassBands)
        if (played == band.firstCard)
            return band.row;
    return 0;
}

} // namespace nablo
