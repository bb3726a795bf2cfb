#include "advice/statistics.h"

#include "advice/trainer.h"

#include <algorithm>
#include <limits>

namespace nablo {

namespace {

// Stand-in until the tier bands have their one table in the core.
int tierRow(int cardsPlaced, bool secondPassDone)
{
    if (secondPassDone)
        return 1;
    constexpr int firstCard[] = {0, 104, 27, 25, 22, 18, 14, 10};
    for (int row = 2; row <= 7; ++row)
        if (cardsPlaced >= firstCard[row])
            return row;
    return 0;
}

} // namespace

void RunStatistics::addGame(const GameOutcome& outcome, double staked, double creditsAfter)
{
    ++games_;
    staked_ += staked;
    paid_ += outcome.pay;
    bestPay_ = games_ == 1 ? outcome.pay : std::max<double>(bestPay_, outcome.pay);
    ++tierGames_[static_cast<std::size_t>(tierRow(outcome.cardsPlaced, outcome.cardsPlaced == 104))];
    for (std::size_t row = 1; row <= 5; ++row)
        hits_[row] += outcome.hits[row - 1];
    creditsAfter_.push_back(creditsAfter);
}

void RunStatistics::addJudgement(const Judgement& judgement)
{
    ++judged_;
    if (judgement.slot == judgement.best)
        ++matched_;
    givenUp_ += judgement.cost;
}

double RunStatistics::playerReturn() const
{
    return staked_ > 0 ? paid_ / staked_ : std::numeric_limits<double>::quiet_NaN();
}

} // namespace nablo
