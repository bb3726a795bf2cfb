#pragma once

#include "advice/strategy.h"

#include <array>
#include <cstdint>
#include <vector>

namespace nablo {

class Form1;

// Estimates, for every playable slot, the pay of the rest of the game if that card is placed now:
// Monte Carlo continuations of the very same game procedures on copies of the table, drawn with
// the game's own draw from the cards still undrawn in the pass, played on by a policy.
class Advisor {
public:
    struct Advice {
        int slot = 0;                     // the slot to place, 0 when none is playable
        std::array<double, 6> expected{}; // by slot 1..5; NaN for a blocked slot
    };

    // The pay of every continuation, by slot 1..5, empty for a blocked slot. Continuation i of
    // every slot draws from the same random stream, so pays of one index can be compared in
    // pairs.
    using Pays = std::array<std::vector<double>, 6>;

    // policy plays the continuations on.
    explicit Advisor(int rollouts = 64, ChoiceFunction policy = continuationPolicy)
        : rollouts_(rollouts), policy_(policy)
    {
    }

    // Deterministic for a given table and seed. Slots share their continuations' random
    // streams, so their estimates differ by the choice, not by luck.
    Advice advise(const Form1& form, std::uint64_t seed) const;

    // The continuations behind advise(), played even when only one slot is playable.
    Pays continuations(const Form1& form, std::uint64_t seed) const;

    int rollouts() const { return rollouts_; }

private:
    int rollouts_;
    ChoiceFunction policy_;
};

// Continuations the advice of the window and of the page plays for each playable slot: enough
// for estimates a player can trust, few enough for five slots within a tenth of a second.
inline constexpr int adviceRollouts = 2048;

// The advice shown to the player for the table as it stands (TableEstimate played to its end);
// the same table always gets the same advice.
Advisor::Advice adviseOn(const Form1& form);

} // namespace nablo
