#include "simulation.h"

#include "judge.h"

#include "advice/advisor.h"
#include "advice/estimate.h"
#include "game/invariants.h"
#include "game/reset.h"
#include "game/state.h"
#include "table/form.h"
#include "table/numbers.h"
#include "wager/tiers.h"

#include <cmath>
#include <functional>
#include <optional>
#include <thread>
#include <utility>

namespace nablo::sim {

namespace {

std::string range(int first, int last)
{
    return std::to_string(first) + "-" + std::to_string(last);
}

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

const char* Tally::add(const Tally& other)
{
    const char* overflow = nullptr;
    const auto sum = [&overflow](auto& total, auto value, const char* name) {
        if (__builtin_add_overflow(total, value, &total) && !overflow)
            overflow = name;
    };
    sum(games, other.games, "played");
    sum(paid, other.paid, "paid");
    sum(paidSquares, other.paidSquares, "paid_squares");
    for (std::size_t i = 0; i < tiers.size(); ++i)
        sum(tiers[i], other.tiers[i], "tiers");
    for (std::size_t i = 0; i < hits.size(); ++i)
        sum(hits[i], other.hits[i], "hits");
    sum(firstPassDone, other.firstPassDone, "first_pass_done");
    sum(allCards, other.allCards, "all_cards");
    sum(violations, other.violations, "violations");
    if (other.firstViolationGame >= 0
        && (firstViolationGame < 0 || other.firstViolationGame < firstViolationGame)) {
        firstViolationGame = other.firstViolationGame;
        firstViolation = other.firstViolation;
    }
    sum(judged, other.judged, "judged");
    sum(matched, other.matched, "matched");
    sum(givenUpMicro, other.givenUpMicro, "given_up_micro");
    sum(figureMicro, other.figureMicro, "figure");
    sum(gapMicro, other.gapMicro, "gap");
    sum(gapSquares, other.gapSquares, "gap_squares");
    sum(versusPaid, other.versusPaid, "versus_paid");
    sum(pairSquares, other.pairSquares, "pair_squares");
    return overflow;
}

std::uint64_t gameSeed(std::uint64_t runSeed, long long game)
{
    return mix64(mix64(runSeed) + static_cast<std::uint64_t>(game));
}

long long shardGames(const Options& options)
{
    const long long first = options.shardIndex - 1;
    return first >= options.games ? 0 : (options.games - first - 1) / options.shardCount + 1;
}

namespace {

constexpr double bankroll = 1e9;

// Plays the games first, first + stride, ... of the run below its game count.
class Player {
public:
    Player(const Options& options, Tally& tally)
        : options_(options), tally_(tally), platform_(1), form_(platform_),
          advisor_(options.rollouts, chooseHeuristic)
    {
        Form_Load(form_);
        if (options.judge)
            judge_.emplace(*options.strategy, &advisor_, platform_);
        if (options.check || options.judge || options.calibration) {
            check_ = [this](Form1& f) {
                if (options_.check)
                    noteViolations(invariantViolations(f));
                if (judge_)
                    judge_->afterClick(f);
                if (options_.calibration && figure_ < 0 && isInPlay(f))
                    figure_ = advisedFigure(f);
            };
        }
        if (options.versus) {
            versusForm_.setPlatform(versusPlatform_);
            Form_Load(versusForm_);
        }
    }

    void play(long long game)
    {
        game_ = game;
        platform_.generator.seed64(gameSeed(options_.seed, game));
        if (readNumber(form_.COINS()) < 1e6) {
            writeNumber(form_.COINS(), bankroll);
            INITGAME(form_); // so that "BETx10" is usable with the new credits
        }
        const double before = readNumber(form_.COINS());
        figure_ = -1;
        const GameOutcome outcome =
            playGame(form_, platform_, options_.stake, *options_.strategy, &advisor_, check_);
        if (options_.calibration)
            countGap(outcome.pay);
        if (options_.versus)
            playVersus(outcome.pay);
        const double after = readNumber(form_.COINS());
        if (options_.check && after != before - options_.stake.units + outcome.pay)
            noteViolations({"credits not conserved: " + numberText(before) + " - "
                            + std::to_string(options_.stake.units) + " + "
                            + std::to_string(outcome.pay) + " gave " + numberText(after)});
        count(outcome);
        if (judge_) {
            tally_.judged += std::exchange(judge_->judged, 0);
            tally_.matched += std::exchange(judge_->matched, 0);
            tally_.givenUpMicro += std::exchange(judge_->givenUpMicro, 0);
        }
    }

private:
    // The figure the game's advice shows on its slot, for the stake.
    static double advisedFigure(const Form1& form)
    {
        TableEstimate estimate(form);
        const Advisor::Advice advice = estimate.run().advice();
        return advice.expected[static_cast<std::size_t>(advice.slot)];
    }

    void countGap(int pay)
    {
        const long long figure = std::llround(figure_ * 1e6);
        const long long gap = pay * 1'000'000LL - figure;
        tally_.figureMicro += figure;
        tally_.gapMicro += gap;
        const auto magnitude = static_cast<WideSum>(gap < 0 ? -gap : gap);
        tally_.gapSquares += magnitude * magnitude;
    }

    // The same game, from the same stream, played by the other strategy.
    void playVersus(int pay)
    {
        versusPlatform_.generator.seed64(gameSeed(options_.seed, game_));
        if (readNumber(versusForm_.COINS()) < 1e6) {
            writeNumber(versusForm_.COINS(), bankroll);
            INITGAME(versusForm_);
        }
        const int other =
            playGame(versusForm_, versusPlatform_, options_.stake, *options_.versus, &advisor_).pay;
        tally_.versusPaid += other;
        const long long difference = static_cast<long long>(pay) - other;
        tally_.pairSquares += static_cast<WideSum>(difference * difference);
    }

    void count(const GameOutcome& outcome)
    {
        ++tally_.games;
        tally_.paid += outcome.pay;
        tally_.paidSquares +=
            static_cast<WideSum>(static_cast<long long>(outcome.pay) * outcome.pay);
        ++tally_.tiers[static_cast<std::size_t>(tierOf(outcome.cardsPlaced))];
        for (std::size_t k = 0; k < 5; ++k)
            tally_.hits[k] += outcome.hits[k];
        tally_.firstPassDone += outcome.cardsPlaced >= 52;
        tally_.allCards += outcome.cardsPlaced >= 104;
    }

    void noteViolations(const std::vector<std::string>& broken)
    {
        if (broken.empty())
            return;
        tally_.violations += static_cast<long long>(broken.size());
        if (tally_.firstViolationGame < 0 || game_ < tally_.firstViolationGame) {
            tally_.firstViolationGame = game_;
            tally_.firstViolation = "game " + std::to_string(game_) + ": " + broken.front();
        }
    }

    const Options& options_;
    Tally& tally_;
    HeadlessPlatform platform_;
    Form1 form_;
    const Advisor advisor_;
    std::optional<PlacementJudge> judge_;
    std::function<void(Form1&)> check_;
    long long game_ = 0;
    double figure_ = -1;
    HeadlessPlatform versusPlatform_{1};
    Form1 versusForm_{versusPlatform_};
};

} // namespace

Tally simulate(const Options& options, std::atomic<long long>& progress)
{
    const long long games = shardGames(options);
    int threads = options.threads;
    if (threads <= 0)
        threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    threads = static_cast<int>(std::max(1LL, std::min<long long>(threads, games)));

    // Thread t plays the shard's games t, t + threads, ...; game j of the shard is game
    // shardIndex - 1 + j * shardCount of the run.
    std::vector<Tally> tallies(static_cast<std::size_t>(threads));
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            Player player(options, tallies[static_cast<std::size_t>(t)]);
            long long done = 0;
            for (long long j = t; j < games; j += threads) {
                player.play(options.shardIndex - 1 + j * options.shardCount);
                if ((++done & 63) == 0)
                    progress += 64;
            }
            progress += done & 63;
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
