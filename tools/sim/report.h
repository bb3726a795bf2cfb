#pragma once

#include "options.h"
#include "simulation.h"

#include <string>

namespace nablo::sim {

struct Summary {
    double returnToPlayer = 0;
    double ciLow = 0;
    double ciHigh = 0;
    double meanPay = 0;
    double sdPay = 0;
    double gamesPerSecond = 0;
};

// A mean over games and the half-width of its 95 % interval.
struct MeanInterval {
    double mean = 0;
    double halfWidth = 0;
};

// The mean of values whose sum and sum of squares over n games are given.
MeanInterval meanInterval(double sum, double squares, double n);

Summary summarize(const Options& options, const Tally& tally, double seconds);
std::string textReport(const Options& options, const Tally& tally, const Summary& summary);
std::string jsonReport(const Options& options, const Tally& tally, const Summary& summary);

} // namespace nablo::sim
