#pragma once

#include "table/platform.h"

#include <array>
#include <vector>

namespace nablo {

struct Judgement;

// The figures of the games of one run of the program, fed as games end and placements are
// judged. Nothing of it outlives the run.
class RunStatistics {
public:
    // A game has ended: its outcome, the credits staked on it and the credits left after its pay.
    void addGame(const GameOutcome& outcome, double staked, double creditsAfter);
    void addJudgement(const Judgement& judgement);

    long long games() const { return games_; }
    double staked() const { return staked_; }
    double paid() const { return paid_; }
    // Paid ÷ staked; NaN before anything was staked.
    double playerReturn() const;
    // The largest pay of one game, 0 before the first game.
    double bestPay() const { return bestPay_; }
    // Games that reached each tier row, by row 1..7 (element 0: no tier reached).
    const std::array<long long, 8>& tierGames() const { return tierGames_; }
    // Hands scored on each bonus row, by row 1..5 (element 0 unused).
    const std::array<long long, 6>& hits() const { return hits_; }
    // The credits after each game, in order.
    const std::vector<double>& creditsAfterGames() const { return creditsAfter_; }
    // The credits before the first game, its stake still in them; 0 before any game.
    double startingCredits() const { return startingCredits_; }

    long long judged() const { return judged_; }
    long long matched() const { return matched_; }
    // The expected credits given up by all judged placements.
    double givenUp() const { return givenUp_; }

private:
    long long games_ = 0;
    double staked_ = 0;
    double paid_ = 0;
    double bestPay_ = 0;
    std::array<long long, 8> tierGames_{};
    std::array<long long, 6> hits_{};
    std::vector<double> creditsAfter_;
    double startingCredits_ = 0;
    long long judged_ = 0;
    long long matched_ = 0;
    double givenUp_ = 0;
};

} // namespace nablo
