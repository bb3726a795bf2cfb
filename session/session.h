#pragma once

#include "advice/advisor.h"
#include "advice/runstatistics.h"
#include "advice/trainer.h"
#include "session/estimates.h"
#include "session/keys.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nablo {

class Form1;

// One run of the game as a player sees it, beyond the table itself: the keys, the advice, the
// demo, the sound switch, the trainer and its note, the title and status words and the run's
// statistics. Both faces hold one and ask it; none of it changes the game other than through
// the clicks it asks the face to make, as the player would.
//
// Time is the face's: it runs its own timers for the intervals below and calls back.
class PlaySession {
public:
    // Milliseconds between the demo's placements, that the title says "sound on" after the
    // sound comes back, and that the trainer's note stays.
    static constexpr int demoInterval = 500;
    static constexpr int soundNoteShown = 3000;
    static constexpr int trainerNoteShown = 4000;

    explicit PlaySession(const Form1& form);

    // Told after anything the session shows has changed: the title, the status, the advice,
    // the note.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // Whether a game waits for a placement; idle: the face runs no event, shows no box and the
    // program has not ended.
    bool isInPlay(bool idle) const;

    // What the face's key or slot press does. The session carries out its own commands
    // (advice, demo, sound, trainer) before it returns; the face carries out the others. Any
    // press but D stops the demo.
    Press pressKey(Key key, bool idle, int focusedSlot);
    Press pressSlot(int slot, bool idle);

    // A click on the control is about to run. A click of the player's own (not the demo's)
    // stops the demo, takes the trainer's note away and, while the trainer is on, has the
    // placement judged first. Any event takes the advice away: it held for the table it was
    // given for.
    // slot: the card slot clicked, 0 for any other control.
    void beforeClick(int slot, bool idle, bool byDemo);
    void eventStarting();
    // The program has ended: the demo stops.
    void finished();

    // The advice: the advised slot (0 when none is shown) and the figure on each playable
    // slot's card.
    struct SlotFigure {
        int slot = 0;
        double expected = 0;
        std::string text;
        bool advised = false;
    };
    void showAdvice(bool idle);
    int advisedSlot() const { return advisedSlot_; }
    const std::vector<SlotFigure>& figures() const { return figures_; }

    void toggleDemo(bool idle);
    void stopDemo();
    bool isDemoRunning() const { return demoRunning_; }
    // A tick of the demo's timer: the slot the face now clicks for the demo, or 0 when the demo
    // has stopped. After that click the face starts the timer again while the demo runs.
    int demoStep(bool idle);

    void toggleSound();
    bool isMuted() const { return muted_; }
    // The face's timer for "sound on" ran out.
    void soundNoteExpired();

    void toggleTrainer();
    bool isTrainerOn() const { return trainerOn_; }

    // A slice of the face's idle time, of about `budget`, for the one estimate the advice, the
    // demo and the trainer read: the trainer's judgements of placements already made, then the
    // table's estimate while it waits for a placement, so that H finds it ready. Returns whether
    // work remains: the face gives it its next idle time. A face that never calls it has the
    // estimate made when it is asked for.
    bool work(std::chrono::microseconds budget, bool idle);
    // Plays the estimates on `worker` instead: work() then hands it each table and collects what
    // it has finished. nullptr, before the worker goes, takes them back to the face's thread.
    void runEstimatesOn(EstimateWorker* worker) { estimates_.runOn(worker); }
    // The trainer's note, empty when none shows; a new note gets a new serial number, so the
    // face knows to start its timer.
    const std::string& trainerNote() const { return trainerNote_; }
    int trainerNoteSerial() const { return noteSerial_; }
    void dismissTrainerNote();

    // A game has ended (told before its box opens, the stake still on the table).
    void gameEnded(const GameOutcome& outcome);
    const RunStatistics& statistics() const { return statistics_; }
    // Told of each judgement as it is counted.
    void setJudgementListener(std::function<void(const Judgement&)> listener)
    {
        judgementListener_ = std::move(listener);
    }
    // Told after each change of the statistics.
    void setStatisticsListener(std::function<void()> listener)
    {
        statisticsListener_ = std::move(listener);
    }

    // The window's title: its caption and what the aids are doing. The status line says the
    // same, after the outcome of the last game.
    std::string title() const;
    std::string status() const;

private:
    // The advice for the table as it stands.
    Advisor::Advice advise();
    // Counts a judgement; a flagged one is told in a note naming the cards of `hand`, when
    // `noted`.
    void record(const Judgement& judgement, const std::array<std::int16_t, 6>& hand,
                bool noted = true);
    KeyContext context(bool idle, int focusedSlot) const;
    std::vector<std::string> aidWords() const;
    void changed();
    void clearAdvice();

    const Form1& form_;
    TableEstimates estimates_{form_};
    RunStatistics statistics_;
    std::function<void()> listener_;
    std::function<void()> statisticsListener_;
    std::function<void(const Judgement&)> judgementListener_;

    int advisedSlot_ = 0;
    std::string adviceSummary_;
    std::vector<SlotFigure> figures_;
    bool demoRunning_ = false;
    bool muted_ = false;
    std::string soundNote_;
    bool trainerOn_ = false;
    std::string trainerNote_;
    int noteSerial_ = 0;
    std::string outcome_;
};

// The advice in words for the title: "advice: slot 3", or "advice: only slot 2 can be placed";
// empty when no slot is playable.
std::string adviceSummary(const std::vector<int>& playable, int advisedSlot);

// The words around the advice figures: the caption under each figure on its card, and the name
// of the figures together for a screen reader.
std::string figureCaption();
std::string figuresName();
// What the trainer's note is called, for a screen reader.
std::string trainerName();

// The trainer's word on a flagged placement, naming the cards, since the slot's card is gone by
// the time it shows: "The eight of clubs was worth 9.0 credits more than the king of hearts,
// expected". bestCard and placedCard are card codes.
std::string trainerNoteText(int bestCard, int placedCard, double cost);

// The outcome of a game in words: "Game over: 1 card placed, 5 credits paid".
std::string outcomeText(const GameOutcome& outcome);

} // namespace nablo
