#pragma once

#include <string>
#include <vector>

namespace nablo {

class Form1;
class RunStatistics;

// The run's statistics as both faces show them: labelled figures, the games by tier row and the
// words around the charts, in the player's language.
struct StatisticsRow {
    std::string label;
    std::string value;
};
std::vector<StatisticsRow> statisticsRows(const RunStatistics& statistics, const Form1& form);

// The games that reached each tier row, from the fewest cards to the most: "0-9" (no tier),
// then the pay table's rows from the bottom up, named by their cards ("10", ..., "2nd 52").
struct TierBar {
    std::string name;
    long long games = 0;
};
std::vector<TierBar> tierBars(const RunStatistics& statistics, const Form1& form);

// The credits after each game in words, for a screen reader: "97, 104"; "no game yet" before
// the first.
std::string creditsInWords(const RunStatistics& statistics);
// The games by tier row in words: "0-9: 3, 10: 1, ...".
std::string tiersInWords(const std::vector<TierBar>& bars);

// The other words of the statistics: the window's title, the charts' titles and axes.
struct StatisticsWords {
    std::string title;
    std::string figures;
    std::string creditsChart;
    std::string gameAxis;
    std::string creditsAxis;
    std::string tiersChart;
    std::string tiersAxis;
    std::string gamesAxis;
    std::string close;
};
StatisticsWords statisticsWords();

} // namespace nablo
