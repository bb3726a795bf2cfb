#include "session/session.h"

#include "game/betting.h"
#include "game/state.h"
#include "session/accessible.h"
#include "session/words.h"
#include "table/design.h"
#include "table/form.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace nablo {

namespace {

std::string word(const char* text) { return say("PlaySession", text); }

bool contains(const std::vector<int>& slots, int slot)
{
    return std::find(slots.begin(), slots.end(), slot) != slots.end();
}

} // namespace

std::string adviceSummary(const std::vector<int>& playable, int advisedSlot)
{
    if (playable.empty() || advisedSlot == 0)
        return {};
    if (playable.size() == 1)
        return fill(word(NABLO_WORD("PlaySession", "advice: only slot %1 can be placed")),
                    {std::to_string(playable.front())});
    return fill(word(NABLO_WORD("PlaySession", "advice: slot %1")), {std::to_string(advisedSlot)});
}

std::string figureCaption() { return word(NABLO_WORD("PlaySession", "credits if advised")); }

std::string figuresName()
{
    return word(NABLO_WORD(
        "PlaySession", "Expected pay of each playable card, following the advice from then on"));
}

std::string trainerName() { return word(NABLO_WORD("PlaySession", "Trainer")); }

std::string trainerNoteText(int bestCard, int placedCard, double cost)
{
    return capitalised(fill(
        word(NABLO_WORD("PlaySession", "the %1 was worth %2 credits more than the %3, expected")),
        {cardName(bestCard), oneDecimal(cost), cardName(placedCard)}));
}

std::string outcomeText(const GameOutcome& outcome)
{
    const std::string cards = std::to_string(outcome.cardsPlaced);
    const std::string pay = std::to_string(outcome.pay);
    std::string text =
        fill(word(NABLO_WORD("PlaySession", "Game over: %1, %2")),
             {fill(outcome.cardsPlaced == 1 ? word(NABLO_WORD("PlaySession", "%1 card placed"))
                                            : word(NABLO_WORD("PlaySession", "%1 cards placed")),
                   {cards}),
              fill(outcome.pay == 1 ? word(NABLO_WORD("PlaySession", "%1 credit paid"))
                                    : word(NABLO_WORD("PlaySession", "%1 credits paid")),
                   {pay})});
    switch (outcome.ending) {
    case GameEnding::AllCardsPlaced:
        return fill(word(NABLO_WORD("PlaySession", "%1, all cards placed")), {text});
    case GameEnding::OutOfCredits:
        return fill(word(NABLO_WORD("PlaySession", "%1, no credits left")), {text});
    case GameEnding::NoPlayableCard: break;
    }
    return text;
}

PlaySession::PlaySession(const Form1& form) : form_(form) {}

Advisor::Advice PlaySession::advise() { return estimates_.current().advice(); }

bool PlaySession::work(std::chrono::microseconds budget, bool idle)
{
    std::optional<TableEstimates::Finished> finished;
    const bool more = estimates_.work(budget, isInPlay(idle), finished);
    // A note on a placement made before the last one would speak of a table long gone: only
    // its count goes into the statistics.
    if (finished)
        record(finished->judgement, finished->hand, finished->latest);
    return more;
}

bool PlaySession::isInPlay(bool idle) const
{
    return idle && nablo::isInPlay(form_) && !playableSlots(form_).empty();
}

KeyContext PlaySession::context(bool idle, int focusedSlot) const
{
    KeyContext context;
    context.idle = idle;
    context.inPlay = isInPlay(idle);
    context.demoRunning = demoRunning_;
    context.focusedSlot = focusedSlot;
    context.enabled = {form_.BET().enabled(), form_.RepertBet().enabled(), form_.START().enabled(),
                       form_.CARD(1).enabled()};
    for (const int slot : playableSlots(form_))
        context.playable[slot] = true;
    return context;
}

Press PlaySession::pressKey(Key key, bool idle, int focusedSlot)
{
    if (key != Key::D)
        stopDemo();
    const Press press = decideKey(key, context(idle, focusedSlot));
    switch (press.command) {
    case Command::Advice: showAdvice(idle); break;
    case Command::Demo: toggleDemo(idle); break;
    case Command::Sound: toggleSound(); break;
    case Command::Trainer: toggleTrainer(); break;
    default: break;
    }
    return press;
}

Press PlaySession::pressSlot(int slot, bool idle)
{
    return decideSlotClick(slot, context(idle, 0));
}

void PlaySession::beforeClick(int slot, bool idle, bool byDemo)
{
    if (byDemo)
        return;
    stopDemo();
    dismissTrainerNote();
    if (!trainerOn_ || slot == 0 || !isInPlay(idle) || !contains(playableSlots(form_), slot))
        return;
    if (const std::optional<Judgement> judgement = estimates_.judge(slot))
        record(*judgement, form_.HAND);
}

void PlaySession::record(const Judgement& judgement, const std::array<std::int16_t, 6>& hand,
                         bool noted)
{
    statistics_.addJudgement(judgement);
    if (judgementListener_)
        judgementListener_(judgement);
    if (judgement.flagged && noted) {
        trainerNote_ =
            trainerNoteText(hand[static_cast<std::size_t>(judgement.best)],
                            hand[static_cast<std::size_t>(judgement.slot)], judgement.cost);
        ++noteSerial_;
        changed();
    }
    if (statisticsListener_)
        statisticsListener_();
}

void PlaySession::eventStarting()
{
    // The outcome of the last game stays on the status line until the next event.
    if (!outcome_.empty()) {
        outcome_.clear();
        changed();
    }
    clearAdvice();
}

void PlaySession::finished() { stopDemo(); }

void PlaySession::showAdvice(bool idle)
{
    if (!isInPlay(idle))
        return;
    const Advisor::Advice advice = advise();
    // The trainer's word lies where the figures go; the advice is the newer word.
    trainerNote_.clear();
    const std::vector<int> playable = playableSlots(form_);
    advisedSlot_ = advice.slot;
    adviceSummary_ = adviceSummary(playable, advice.slot);
    figures_.clear();
    for (const int slot : playable) {
        const double expected = advice.expected[static_cast<std::size_t>(slot)];
        if (!std::isnan(expected))
            figures_.push_back({slot, expected, oneDecimal(expected), slot == advice.slot});
    }
    changed();
}

void PlaySession::clearAdvice()
{
    if (advisedSlot_ == 0 && adviceSummary_.empty() && figures_.empty())
        return;
    advisedSlot_ = 0;
    adviceSummary_.clear();
    figures_.clear();
    changed();
}

void PlaySession::toggleDemo(bool idle)
{
    if (demoRunning_) {
        stopDemo();
        return;
    }
    if (!isInPlay(idle))
        return;
    demoRunning_ = true;
    changed();
}

void PlaySession::stopDemo()
{
    if (!demoRunning_)
        return;
    demoRunning_ = false;
    changed();
}

int PlaySession::demoStep(bool idle)
{
    if (!demoRunning_ || !isInPlay(idle)) {
        stopDemo();
        return 0;
    }
    return advise().slot;
}

void PlaySession::toggleSound()
{
    muted_ = !muted_;
    // Off stays in the title while it lasts; on shows for a moment, then the plain title.
    soundNote_ = muted_ ? word(NABLO_WORD("PlaySession", "sound off"))
                        : word(NABLO_WORD("PlaySession", "sound on"));
    changed();
}

void PlaySession::soundNoteExpired()
{
    if (muted_ || soundNote_.empty())
        return;
    soundNote_.clear();
    changed();
}

void PlaySession::toggleTrainer()
{
    trainerOn_ = !trainerOn_;
    if (!trainerOn_)
        trainerNote_.clear();
    changed();
}

void PlaySession::dismissTrainerNote()
{
    if (trainerNote_.empty())
        return;
    trainerNote_.clear();
    changed();
}

void PlaySession::gameEnded(const GameOutcome& outcome)
{
    statistics_.addGame(outcome, stakeOf(form_), creditsOf(form_));
    outcome_ = outcomeText(outcome);
    changed();
    if (statisticsListener_)
        statisticsListener_();
}

std::vector<std::string> PlaySession::aidWords() const
{
    std::vector<std::string> words;
    for (const std::string& part :
         {adviceSummary_, demoRunning_ ? word(NABLO_WORD("PlaySession", "demo")) : std::string(),
          trainerOn_ ? word(NABLO_WORD("PlaySession", "trainer")) : std::string(), soundNote_}) {
        if (!part.empty())
            words.push_back(part);
    }
    return words;
}

std::string PlaySession::title() const
{
    std::string title(windowCaption);
    for (const std::string& part : aidWords())
        title += " \u2014 " + part;
    return title;
}

std::string PlaySession::status() const
{
    std::string status = outcome_;
    for (const std::string& part : aidWords())
        status += (status.empty() ? "" : " \u2014 ") + part;
    return status;
}

void PlaySession::changed()
{
    if (listener_)
        listener_();
}

} // namespace nablo
