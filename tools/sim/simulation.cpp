#include "simulation.h"

#include "advice/advisor.h"
#include "game/invariants.h"
#include "game/reset.h"
#include "table/form.h"
#include "table/numbers.h"
#include "wager/tiers.h"

#include <thread>

namespace nablo::sim {

namespace {

std::string range(int first, int last) { return std::to_string(first) + "-" + std::to_string(last); }

} // namespace

std::array<std::string, tierCount> tierNames()
{
    std::array<std::string, tierCount> names;
    std::size_t i = 0;
    names[i++] = range(0, firstPassBands.front().firstCard - 1);
    for (std::size_t b = 0; b + 1 < firstPassBands.size(); ++b)
        names[i++] = range(firstPassBands[b].firstCard, firstPassBands[b].lastCard);
    names[i++] = range(firstPassBands.back().firstCard, cardsPerPass - 1);
    names[i++] = range(cardsPerPass, 2 * cardsPerPass - 1);
    names[i++] = std::to_string(2 * cardsPerPass);
    return names;
}

int tierOf(int cardsPlaced)
{
    if (cardsPlaced >= 2 * cardsPerPass)
        return tierCount - 1;
    if (cardsPlaced >= cardsPerPass)
        return tierCount - 2;
    // Rows 7..2 of the first pass are tiers 1..6.
    const int row = tierRow(cardsPlaced, false);
    return row == 0 ? 0 : 1 + firstPassBands.front().row - row;
}

void Tally::add(const Tally& other)
{
    games += other.games;
    paid += other.paid;
    paidSquares += other.paidSquares;
    for (std::size_t i = 0; i < tiers.size(); ++i)
        tiers[i] += other.tiers[i];
    for (std::size_t i = 0; i < hits.size(); ++i)
        hits[i] += other.hits[i];
    firstPassDone += other.firstPassDone;
    allCards += other.allCards;
    violations.insert(violations.end(), other.violations.begin(), other.violations.end());
}

namespace {

constexpr double bankroll = 1e9;

Tally playShare(const Options& options, long long games, std::uint64_t seed,
                std::atomic<long long>& progress)
{
    Tally tally;
    HeadlessPlatform platform(seed);
    Form1 form(platform);
    Form_Load(form);
    const Advisor advisor(options.rollouts);

    std::function<void(Form1&)> check;
    if (options.check) {
        check = [&tally](Form1& f) {
            if (tally.violations.size() >= 20)
                return;
            for (std::string& broken : invariantViolations(f))
                tally.violations.push_back(std::move(broken));
        };
    }

    for (long long g = 0; g < games; ++g) {
        if (readNumber(form.COINS()) < 1e6) {
            writeNumber(form.COINS(), bankroll);
            INITGAME(form); // so that "BETx10" is usable with the new credits
        }
        const double before = readNumber(form.COINS());
        const GameOutcome outcome =
            playGame(form, platform, options.stake, *options.strategy, &advisor, check);
        const double after = readNumber(form.COINS());
        if (options.check && after != before - options.stake.units + outcome.pay
            && tally.violations.size() < 20)
            tally.violations.push_back("credits not conserved: " + numberText(before) + " - "
                                       + std::to_string(options.stake.units) + " + "
                                       + std::to_string(outcome.pay) + " gave " + numberText(after));
        ++tally.games;
        tally.paid += outcome.pay;
        tally.paidSquares += double(outcome.pay) * outcome.pay;
        ++tally.tiers[static_cast<std::size_t>(tierOf(outcome.cardsPlaced))];
        for (std::size_t k = 0; k < 5; ++k)
            tally.hits[k] += outcome.hits[k];
        tally.firstPassDone += outcome.cardsPlaced >= 52;
        tally.allCards += outcome.cardsPlaced >= 104;
        if ((g & 63) == 63) {
            progress += 64;
        }
    }
    progress += games & 63;
    return tally;
}

} // namespace

Tally simulate(const Options& options, std::atomic<long long>& progress)
{
    int threads = options.threads;
    if (threads <= 0)
        threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (threads > options.games)
        threads = static_cast<int>(options.games);

    std::vector<Tally> tallies(static_cast<std::size_t>(threads));
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        const long long share = options.games / threads + (t < options.games % threads ? 1 : 0);
        const std::uint64_t seed = mix64(options.seed ^ mix64(static_cast<std::uint64_t>(t) + 1));
        workers.emplace_back([&, t, share, seed] {
            tallies[static_cast<std::size_t>(t)] = playShare(options, share, seed, progress);
        });
    }
    for (std::thread& worker : workers)
        worker.join();

    Tally total;
    for (const Tally& tally : tallies)
        total.add(tally);
    return total;
}

} // namespace nablo::sim
