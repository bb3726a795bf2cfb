#pragma once

#include "advice/statistics.h"
#include "advice/trainer.h"

#include <iosfwd>
#include <string_view>

namespace nablo {
class Form1;
}

namespace nablo::console {

// The console's advice, trainer and statistics of the run, written as JSON lines.
class Training {
public:
    explicit Training(std::ostream& out) : out_(out) {}

    void setTrainerOn(bool on) { trainerOn_ = on; }

    // {"advice":{"best":K,"slots":[...]}} for the playable slots of the table.
    void advise(const Form1& form) const;
    // Before a click: when the trainer is on and the click places a card, its judgement.
    void beforeClick(const Form1& form, std::string_view control);
    void gameEnded(const Form1& form, const GameOutcome& outcome);
    void stats() const;

private:
    std::ostream& out_;
    Trainer trainer_;
    RunStatistics statistics_;
    bool trainerOn_ = false;
};

} // namespace nablo::console
