#include "advice/advisor.h"
#include "advice/autoplay.h"
#include "advice/estimate.h"
#include "advice/headless.h"
#include "advice/trainer.h"
#include "deck/cards.h"
#include "game/bonus.h"
#include "game/events.h"
#include "game/place.h"
#include "game/reset.h"
#include "session/worker.h"
#include "table/form.h"
#include "table/numbers.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <thread>

namespace {

using namespace nablo;

// Complete games, each staked with "BETx10" and played with the first playable slot.
void completeGames(benchmark::State& state)
{
    HeadlessPlatform platform(1);
    Form1 form(platform);
    Form_Load(form);
    for (auto _ : state) {
        if (readNumber(form.COINS()) < 100) {
            form.COINS().setCaption("1000000000");
            INITGAME(form);
        }
        benchmark::DoNotOptimize(
            playGame(form, platform, Stake{10, true}, *strategyNamed("first")));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(completeGames);

// A table one placement before the last draw of a pass, whose one undrawn card is one of the
// rarest (a share of 1 %): the most expensive click of the game.
Form1 lastDrawTable(Platform& platform)
{
    Form1 form(platform);
    Form_Load(form);
    for (int code = 1; code <= 52; ++code)
        form.USED[code] = code == 51 ? 0 : -1;
    const std::int16_t hand[] = {0, 1, 2, 3, 14, 27};
    for (int k = 1; k <= 5; ++k) {
        form.HAND[k] = hand[k];
        form.CARD(k).setEnabled(true);
        form.CARD(k).setPicture(CA(hand[k]));
        form.CANPLAY[k] = -1;
    }
    form.TOPCARD = 5;
    form.PLAYED = 46;
    form.TEN().setCaption("46");
    return form;
}

void lastDrawOfAPass(benchmark::State& state)
{
    HeadlessPlatform platform(2);
    const Form1 table = lastDrawTable(platform);
    Form1 form = table;
    for (auto _ : state) {
        state.PauseTiming();
        form = table;
        state.ResumeTiming();
        Card_Click(form, 1, form.CARD(1));
    }
}
BENCHMARK(lastDrawOfAPass);

void bonusCheck(benchmark::State& state)
{
    HeadlessPlatform platform(3);
    Form1 form(platform);
    Form_Load(form);
    const std::int16_t hands[][5] = {
        {1, 14, 27, 40, 5}, {2, 5, 9, 11, 13}, {13, 26, 39, 52, 7}, {3, 16, 29, 42, 8}};
    std::size_t i = 0;
    for (auto _ : state) {
        for (int k = 0; k < 5; ++k)
            form.HAND[k + 1] = hands[i & 3][k];
        B_CHECK(form);
        ++i;
    }
}
BENCHMARK(bonusCheck);

// A game dealt with BETx10 from a million credits, enough for every deal a benchmark makes.
Form1 dealtTable(Platform& platform)
{
    Form1 form(platform);
    Form_Load(form);
    form.COINS().setCaption("1000000");
    INITGAME(form);
    click(form, "RepertBet");
    return form;
}

// One decision of the advisor on a table of a game in play with three playable slots.
void advisorDecision(benchmark::State& state)
{
    HeadlessPlatform platform(4);
    Form1 form = dealtTable(platform);
    while (form.TOPCARD == 0 || playableSlots(form).size() < 3) {
        const int slot = heuristicChoice(form);
        Card_Click(form, static_cast<std::int16_t>(slot), form.CARD(slot));
        if (!isInPlay(form))
            click(form, "RepertBet");
    }
    const Advisor advisor(static_cast<int>(state.range(0)));
    std::uint64_t seed = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(advisor.advise(form, ++seed));
}
BENCHMARK(advisorDecision)->Arg(64)->Unit(benchmark::kMillisecond);

// The trainer's judgement of the first placement of a game: five playable slots, and the
// longest continuations. Each iteration judges another deal.
void trainerJudgement(benchmark::State& state)
{
    HeadlessPlatform platform(5);
    Form1 form = dealtTable(platform);
    const Trainer trainer;
    std::vector<Form1> deals;
    for (int deal = 0; deal < 8; ++deal) {
        INITGAME(form);
        click(form, "RepertBet");
        deals.push_back(form);
    }
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(trainer.judge(deals[i++ % deals.size()], 1));
}
BENCHMARK(trainerJudgement)->Unit(benchmark::kMillisecond);

// Tables of games in play, played on by the heuristic, with `slots` playable slots; the first
// placement of a deal is the only table with five.
std::vector<Form1> tablesWith(Platform& platform, std::size_t slots)
{
    Form1 form = dealtTable(platform);
    std::vector<Form1> tables;
    while (tables.size() < 8) {
        if (playableSlots(form).size() == slots)
            tables.push_back(form);
        const int slot = heuristicChoice(form);
        Card_Click(form, static_cast<std::int16_t>(slot), form.CARD(slot));
        if (!isInPlay(form) || slots == 5)
            click(form, "RepertBet");
    }
    return tables;
}

// The estimate behind the advice, the trainer and the demo, played to its end, by the count of
// playable slots: what H waits for.
void tableEstimate(benchmark::State& state)
{
    HeadlessPlatform platform(6);
    const std::vector<Form1> tables =
        tablesWith(platform, static_cast<std::size_t>(state.range(0)));
    std::size_t i = 0;
    for (auto _ : state) {
        TableEstimate estimate(tables[i++ % tables.size()]);
        benchmark::DoNotOptimize(estimate.run().advice());
    }
}
BENCHMARK(tableEstimate)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

// A face's idle-time slice of `range` microseconds: how long it keeps the next click waiting.
void estimateSlice(benchmark::State& state)
{
    HeadlessPlatform platform(7);
    const std::vector<Form1> tables = tablesWith(platform, 5);
    std::size_t i = 0;
    auto estimate = std::make_unique<TableEstimate>(tables[0]);
    for (auto _ : state) {
        if (estimate->stepFor(std::chrono::microseconds(state.range(0)))) {
            state.PauseTiming();
            estimate = std::make_unique<TableEstimate>(tables[++i % tables.size()]);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(estimateSlice)->Arg(8000)->Unit(benchmark::kMillisecond);

// The window's estimate of a table with five playable slots, from the moment the table is handed
// to the worker thread until its figures are ready.
void estimateOnWorker(benchmark::State& state)
{
    HeadlessPlatform platform(9);
    const std::vector<Form1> tables = tablesWith(platform, 5);
    EstimateWorker worker;
    std::size_t i = 0;
    for (auto _ : state) {
        auto estimate = std::make_shared<TableEstimate>(tables[i++ % tables.size()]);
        worker.submit(estimate);
        while (!estimate->done())
            std::this_thread::yield();
    }
}
BENCHMARK(estimateOnWorker)->UseRealTime()->Unit(benchmark::kMillisecond);

// A click that places a card, without the trainer and with it: with it on, the click only
// hands a copy of the table as it was to the estimate that judges it elsewhere.
void placingClick(benchmark::State& state)
{
    HeadlessPlatform platform(8);
    const std::vector<Form1> tables = tablesWith(platform, 5);
    const bool trainer = state.range(0) != 0;
    std::size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Form1 form = tables[i++ % tables.size()];
        state.ResumeTiming();
        std::unique_ptr<TableEstimate> judgement;
        if (trainer)
            judgement = std::make_unique<TableEstimate>(form);
        Card_Click(form, 1, form.CARD(1));
        benchmark::DoNotOptimize(judgement);
    }
}
BENCHMARK(placingClick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
