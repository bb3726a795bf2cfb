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

Summary summarize(const Options& options, const Tally& tally, double seconds);
std::string textReport(const Options& options, const Tally& tally, const Summary& summary);
std::string jsonReport(const Options& options, const Tally& tally, const Summary& summary);

} // namespace nablo::sim
