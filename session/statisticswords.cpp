#include "session/statisticswords.h"

#include "advice/runstatistics.h"
#include "session/words.h"
#include "table/form.h"

#include <cmath>

namespace nablo {

namespace {

std::string word(const char* text) { return say("Statistics", text); }

// A row's caption as the design gives it: the game may have changed the shown one.
std::string caption(const Control& row) { return std::string(row.design().caption); }

} // namespace

std::vector<StatisticsRow> statisticsRows(const RunStatistics& s, const Form1& form)
{
    const double ratio = s.playerReturn();
    std::vector<StatisticsRow> rows{
        {word(NABLO_WORD("Statistics", "Games played")), std::to_string(s.games())},
        {word(NABLO_WORD("Statistics", "Credits staked")), creditsText(s.staked())},
        {word(NABLO_WORD("Statistics", "Credits paid back")), creditsText(s.paid())},
        {word(NABLO_WORD("Statistics", "Your return (paid ÷ staked)")),
         std::isnan(ratio) ? std::string("–") : twoDecimals(ratio)},
        {word(NABLO_WORD("Statistics", "Best game (credits)")), creditsText(s.bestPay())},
    };
    for (int row = 1; row <= 5; ++row) {
        rows.push_back(
            {fill(word(NABLO_WORD("Statistics", "%1 hits")), {caption(form.bonusLabel(row))}),
             std::to_string(s.hits()[static_cast<std::size_t>(row)])});
    }
    rows.push_back({word(NABLO_WORD("Statistics", "Placements judged by the trainer")),
                    std::to_string(s.judged())});
    rows.push_back({word(NABLO_WORD("Statistics", "… that matched the advisor")),
                    std::to_string(s.matched())});
    rows.push_back(
        {word(NABLO_WORD("Statistics", "Expected credits given up")), oneDecimal(s.givenUp())});
    return rows;
}

std::vector<TierBar> tierBars(const RunStatistics& s, const Form1& form)
{
    std::vector<TierBar> bars{{"0-9", s.tierGames()[0]}};
    // From the fewest cards to the most: the bottom row of the pay table first, named by its
    // caption without " CARDS", short enough to stand under its bar.
    for (int row = 7; row >= 1; --row) {
        std::string name = caption(form.tierLabel(row));
        if (const auto cards = name.find(" CARDS"); cards != std::string::npos)
            name.erase(cards);
        bars.push_back({name, s.tierGames()[static_cast<std::size_t>(row)]});
    }
    return bars;
}

std::string creditsInWords(const RunStatistics& s)
{
    std::string words;
    for (const double credits : s.creditsAfterGames())
        words += (words.empty() ? "" : ", ") + creditsText(credits);
    return words.empty() ? word(NABLO_WORD("Statistics", "no game yet")) : words;
}

std::string tiersInWords(const std::vector<TierBar>& bars)
{
    std::string words;
    for (const TierBar& bar : bars)
        words += (words.empty() ? "" : ", ") + bar.name + ": " + std::to_string(bar.games);
    return words;
}

StatisticsWords statisticsWords()
{
    return {word(NABLO_WORD("Statistics", "Statistics of this run")),
            word(NABLO_WORD("Statistics", "This run")),
            word(NABLO_WORD("Statistics", "Credits after each game")),
            word(NABLO_WORD("Statistics", "game")),
            word(NABLO_WORD("Statistics", "credits")),
            word(NABLO_WORD("Statistics", "Games by the tier row reached")),
            word(NABLO_WORD("Statistics", "cards placed")),
            word(NABLO_WORD("Statistics", "games")),
            word(NABLO_WORD("Statistics", "Close"))};
}

} // namespace nablo
