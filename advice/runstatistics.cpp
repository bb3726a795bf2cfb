#include "advice/runstatistics.h"

#include "advice/trainer.h"
#include "wager/tiers.h"

#include <algorithm>
#include <limits>

namespace nablo {

namespace {

// The pay-table row a game reached with this many cards placed in all.
int reachedRow(int cardsPlaced)
{
    const bool secondPass = cardsPlaced >= cardsPerPass;
    return tierRow(secondPass ? cardsPlaced - cardsPerPass : cardsPlaced, secondPass);
}

} // namespace

void RunStatistics::addGame(const GameOutcome& outcome, double staked, double creditsAfter)
{
    ++games_;
    staked_ += staked;
    paid_ += outcome.pay;
    bestPay_ = games_ == 1 ? outcome.pay : std::max<double>(bestPay_, outcome.pay);
    ++tierGames_[static_cast<std::size_t>(reachedRow(outcome.cardsPlaced))];
    for (std::size_t row = 1; row <= 5; ++row)
        hits_[row] += outcome.hits[row - 1];
    if (creditsAfter_.empty())
        startingCredits_ = creditsAfter - outcome.pay + staked;
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
