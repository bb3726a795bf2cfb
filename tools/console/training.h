#pragma once

#include "advice/runstatistics.h"
#include "advice/trainer.h"

#include <iosfwd>

namespace nablo {
class Form1;
}

namespace nablo::console {

// The console's advice, trainer judgements and statistics of the run, written as JSON lines.
// The judgements and the statistics are the run's play session's.
class Training {
public:
    explicit Training(std::ostream& out) : out_(out) {}

    // {"advice":{"best":K,"slots":[...]}} for the playable slots of the table.
    void advise(const Form1& form) const;
    // A placement the session's trainer judged before it ran.
    void judged(const Judgement& judgement) const;
    void stats(const RunStatistics& statistics) const;

private:
    std::ostream& out_;
    Trainer trainer_;
};

} // namespace nablo::console
