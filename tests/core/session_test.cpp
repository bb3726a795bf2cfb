// The play aids both faces share: words, keys, the trainer's verdict and the run's figures, with
// expected values worked out by hand.

#include "advice/headless.h"
#include "advice/runstatistics.h"
#include "advice/trainer.h"
#include "game/messages.h"
#include "game/state.h"
#include "session/boxes.h"
#include "session/keys.h"
#include "session/run.h"
#include "session/session.h"
#include "session/statisticswords.h"
#include "session/words.h"
#include "table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace nablo {
namespace {

TEST(SessionWords, OutcomesCountInTheRightNumberAndNoteNamesBothCards)
{
    EXPECT_EQ(outcomeText({0, 1, {}, GameEnding::NoPlayableCard}),
              "Game over: 1 card placed, 0 credits paid");
    EXPECT_EQ(outcomeText({1, 2, {}, GameEnding::OutOfCredits}),
              "Game over: 2 cards placed, 1 credit paid, no credits left");
    EXPECT_EQ(outcomeText({3000, 104, {}, GameEnding::AllCardsPlaced}),
              "Game over: 104 cards placed, 3000 credits paid, all cards placed");
    // 47: the eighth club; 39: the last heart.
    EXPECT_EQ(trainerNoteText(47, 39, 9.04),
              "The eight of clubs was worth 9.0 credits more than the king of hearts, expected");
    EXPECT_EQ(adviceSummary({2}, 2), "advice: only slot 2 can be placed");
    EXPECT_EQ(adviceSummary({1, 4}, 4), "advice: slot 4");
    EXPECT_EQ(adviceSummary({}, 0), "");
}

TEST(SessionWords, EveryEndBoxSaysWhatItAsksUnlessThePlayerReadsItsJapanese)
{
    const std::pair<MessageBox, std::string> boxes[] = {
        {congratulationBox(30000),
         "Congratulations: all 104 cards placed. 30000 credits paid. Play on?"},
        {gameOverBox(5), "No card can be placed. 5 credits paid. Play on?"},
        {gameOverBox(1), "No card can be placed. 1 credit paid. Play on?"},
        {outOfCreditsPayBox(0), "No card can be placed. 0 credits paid."},
        {outOfCreditsEndBox(), "No credits left. The game ends."},
        {{"NABLO", "Cannot load picture", MessageButtons::OK, MessageIcon::Error}, ""},
    };
    for (const auto& [box, english] : boxes)
        EXPECT_EQ(boxTranslation(box), english) << box.text;
    setTranslator([](const char* context, const char* text) {
        return std::string(context) == "Words" ? "ja" : text;
    });
    for (const auto& [box, english] : boxes)
        EXPECT_EQ(boxTranslation(box), "") << english;
    setTranslator({});
}

TEST(SessionKeys, EachStateGivesTheKeysTheirOwnMeaning)
{
    KeyContext betting{true, false, false, 0, {true, true, false, false}, {}};
    EXPECT_EQ(decideKey(Key::B, betting).role, ButtonRole::Bet);
    EXPECT_EQ(decideKey(Key::X, betting).role, ButtonRole::BetTen);
    EXPECT_EQ(decideKey(Key::Enter, betting).command, Command::Nothing); // START is off
    EXPECT_EQ(decideKey(Key::Slot1, betting).command, Command::Nothing);
    EXPECT_EQ(decideKey(Key::H, betting).command, Command::Nothing);
    EXPECT_EQ(decideKey(Key::T, betting).command, Command::Trainer);

    KeyContext placing{true, true, false, 0, {false, false, false, true}, {}};
    placing.playable[2] = placing.playable[4] = true;
    EXPECT_EQ(decideKey(Key::B, placing).command, Command::Nothing);
    EXPECT_EQ(decideKey(Key::Slot4, placing).slot, 4);
    const Press refused = decideKey(Key::Slot3, placing);
    EXPECT_EQ(refused.command, Command::Refused);
    EXPECT_EQ(refused.slot, 3);
    EXPECT_EQ(decideKey(Key::H, placing).command, Command::Advice);
    // Enter and Space on a focused slot place its card; Enter without one is START.
    placing.focusedSlot = 2;
    EXPECT_EQ(decideKey(Key::Enter, placing).slot, 2);
    EXPECT_EQ(decideKey(Key::Space, placing).slot, 2);
    placing.focusedSlot = 0;
    placing.enabled.start = true;
    EXPECT_EQ(decideKey(Key::Enter, placing).role, ButtonRole::Start);
    EXPECT_EQ(decideKey(Key::Space, placing).command, Command::Nothing);

    // A box open or an event running: no key does anything, the demo's D included.
    KeyContext boxOpen = placing;
    boxOpen.idle = false;
    boxOpen.demoRunning = true;
    for (Key key : {Key::Slot2, Key::Enter, Key::D, Key::F1, Key::M})
        EXPECT_EQ(decideKey(key, boxOpen).command, Command::Nothing);
    KeyContext demo{true, false, true, 0, {}, {}};
    EXPECT_EQ(decideKey(Key::D, demo).command, Command::Demo);
}

TEST(SessionRun, ASlotKeyClicksOnceRefusedOrJudgedAndTheFaceSeesEachChangeOnce)
{
    for (int slot = 1; slot <= 5; ++slot) {
        HeadlessPlatform platform(41);
        nablo::Run run(platform);
        std::vector<std::pair<int, bool>> clicks;
        run.setFace(
            {{}, [&](int s, bool refused) { clicks.emplace_back(s, refused); }, {}, {}, {}});
        ASSERT_TRUE(run.load());
        EXPECT_EQ(run.pressKey(Key::X, 0).role, ButtonRole::BetTen);
        run.pressKey(Key::Slot1, 0); // the first card goes anywhere; three slots match then
        run.session().toggleTrainer();
        const std::vector<int> playable = playableSlots(run.form());
        ASSERT_EQ(playable.size(), 3u);
        const bool placeable = std::find(playable.begin(), playable.end(), slot) != playable.end();
        run.changes();
        clicks.clear();
        run.pressKey(static_cast<Key>(slot - 1), 0);
        EXPECT_EQ(clicks, (std::vector<std::pair<int, bool>>{{slot, !placeable}})) << slot;
        EXPECT_EQ(run.session().statistics().judged(), placeable ? 1 : 0) << slot;
        EXPECT_EQ(run.changes().empty(), !placeable) << slot; // a refused card stays
        EXPECT_TRUE(run.changes().empty());
    }
}

TEST(SessionTrainer, FlagsOnlyACostBeyondTheIntervalOfTheDifference)
{
    Assessment assessment;
    assessment.best = 1;
    assessment.estimates = {{1, 15, 0, 0}, {2, 14.9, 0, 0}, {3, 10, 0, 0}};
    assessment.pays[1] = {10, 20, 10, 20};
    // Slot 2 loses 0.4 in one continuation of four: mean 0.1, sd 0.2, half-width
    // 1.96 x 0.2 / 2 = 0.196 > 0.1, a close call.
    assessment.pays[2] = {10, 19.6, 10, 20};
    // Slot 3 loses exactly 5 in each: no spread, so any cost is clear.
    assessment.pays[3] = {5, 15, 5, 15};
    const Judgement close = Trainer::judge(assessment, 2);
    EXPECT_NEAR(close.cost, 0.1, 1e-9);
    EXPECT_FALSE(close.flagged);
    const Judgement clear = Trainer::judge(assessment, 3);
    EXPECT_NEAR(clear.cost, 5, 1e-9);
    EXPECT_TRUE(clear.flagged);
    EXPECT_FALSE(Trainer::judge(assessment, 1).flagged);
}

TEST(SessionStatistics, FiguresFollowARunThatGoesUpAndDown)
{
    testing::Table table;
    RunStatistics run;
    // 100 credits: a loss at 10 staked, a win of 60 at 10, a loss at 5, a game of 14 cards paying
    // 3 at 1 with a flush.
    run.addGame({0, 4, {}, GameEnding::NoPlayableCard}, 10, 90);
    run.addGame({60, 12, {}, GameEnding::NoPlayableCard}, 10, 140);
    run.addGame({0, 9, {}, GameEnding::NoPlayableCard}, 5, 135);
    run.addGame({3, 14, {0, 0, 0, 0, 1}, GameEnding::NoPlayableCard}, 1, 137);
    run.addJudgement({2, 1, 2.5, 1, true});
    run.addJudgement({1, 1, 0, 0, false});
    const std::vector<StatisticsRow> rows = statisticsRows(run, table.form);
    std::vector<std::string> values;
    for (const StatisticsRow& row : rows)
        values.push_back(row.value);
    EXPECT_EQ(values, (std::vector<std::string>{"4", "26", "63", "2.42", "60", "0", "0", "0", "0",
                                                "1", "2", "1", "2.5"}));
    EXPECT_EQ(rows[9].label, "FLUSH hits");
    EXPECT_EQ(creditsInWords(run), "90, 140, 135, 137");
    EXPECT_EQ(run.startingCredits(), 100);
    EXPECT_EQ(tiersInWords(tierBars(run, table.form)),
              "0-9: 2, 10-13: 1, 14-17: 1, 18-21: 0, 22-24: 0, 25-26: 0, 27-28: 0, 2nd 52: 0");
}

} // namespace
} // namespace nablo
