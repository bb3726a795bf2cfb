#pragma once

#include "advice/advisor.h"

#include <cstdint>
#include <vector>

namespace nablo {

class Form1;

// The two-sided 95 % point of the normal distribution; with hundreds of values the t
// distribution is no different.
inline constexpr double z95 = 1.959963984540054;

// Half the width of the 95 % interval of a mean of n values whose squared deviations from their
// mean add up to squares; 0 for fewer than two values.
double halfWidth95(double squares, double n);

// The advisor's estimate of one playable slot, with the 95 % interval of its mean.
struct SlotEstimate {
    int slot = 0;
    double expected = 0;
    double low = 0;
    double high = 0;
};

// Every playable slot of one table estimated on the same continuations.
struct Assessment {
    int best = 0; // the advised slot, 0 when none
    std::vector<SlotEstimate> estimates;
    Advisor::Pays pays;
};

// What placing one slot gives up against the best: cost is the best's estimate less the
// slot's (0 when the slot is the best), margin the half-width of the 95 % interval of their
// paired difference. Flagged only when the cost lies beyond that interval.
struct Judgement {
    int slot = 0;
    int best = 0;
    double cost = 0;
    double margin = 0;
    bool flagged = false;
};

// The figures of every slot that has continuations in pays, and the best of them: the
// preferred slot (the continuations' own choice), unless another slot's figure beats it by
// more than the 95 % interval of their paired difference; without one, the highest figure.
Assessment assess(const Advisor::Pays& pays, int preferred = 0);

// Judges placements before they are made, on the same estimate of the table as the advice
// (TableEstimate): the same table always gets the same judgement, quoting the advice's figures.
class Trainer {
public:
    explicit Trainer(int rollouts = adviceRollouts) : rollouts_(rollouts) {}

    Assessment assess(const Form1& form) const;
    // With one playable slot there is nothing to weigh, and nothing is played out.
    Judgement judge(const Form1& form, int slot) const;
    static Judgement judge(const Assessment& assessment, int slot);

private:
    int rollouts_;
};

// A seed drawn from everything on the table that decides how the game can go on.
std::uint64_t tableSeed(const Form1& form);

} // namespace nablo
