#pragma once

#include "advice/trainer.h"
#include "app/adviceoverlay.h"
#include "app/keytable.h"
#include "app/soundswitch.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

#include <functional>
#include <string_view>

class QKeyEvent;
class QPainter;

namespace nablo {

class Form1;
class TableView;
class TrainerNote;

// What the window offers beyond the table itself: the keys, the advice, the demo, the sound
// switch and the help box. None of them changes the game other than by clicking a control as
// the player would.
//
// Keys: 1..5 click the card slots, B BET, X BETx10, S or Enter START, each only when the button
// is enabled; H outlines the advised slot and shows the expected pay of each playable slot on its
// card until the next event; D starts and stops a demo in which the advisor places the cards,
// which any other key or click stops too; M turns the sound off and on; T turns the trainer on
// and off; F2 asks for the statistics of the run; F1 lists the keys.
class PlayAids : public QObject {
    Q_OBJECT
public:
    PlayAids(TableView& view, const Form1& form);

    // Acts on a key typed in the window; false for a key that has no use here.
    bool pressKey(const QKeyEvent& event);

    // Shows the advice for the table, while in play: the advised slot outlined and named in the
    // title, the expected pay of each playable slot on its card. All go at the next event.
    void showAdvice();
    // The outlined slot, 0 when no advice is shown.
    int advisedSlot() const { return advisedSlot_; }
    // The notes on the cards; nullptr before the first advice.
    const AdviceOverlay* adviceOverlay() const { return overlay_; }
    // The outline around the advised slot, in the window's coordinates; empty when none.
    QRect adviceFrame() const;
    // Draws the outline, from the window's paint event.
    void paintAdvice(QPainter& painter) const;

    // Starts the demo while in play, stops it when it runs. The demo places the advised card
    // every half second until the game ends or the player clicks anywhere or presses a key.
    void toggleDemo();
    bool isDemoRunning() const { return demoRunning_; }

    // Turns every sound off, or on again. The title says "sound off" as long as it is off, and
    // "sound on" for a few seconds after.
    void toggleSound();
    bool isMuted() const { return sound_.isMuted(); }
    SoundSwitch& soundSwitch() { return sound_; }

    // Puts what the aids show on the table over its widgets, once they are there.
    void addToTable();

    // The box that lists the keys, while no event runs and no other box is open.
    void showHelp();

    // While the trainer is on, each placement of the player's is judged before it is made, and
    // when another slot was clearly better the table says so for a few seconds.
    void toggleTrainer();
    bool isTrainerOn() const { return trainerOn_; }
    // Told every judgement.
    void setJudgementSink(std::function<void(const Judgement&)> sink);
    const TrainerNote* trainerNote() const { return trainerNote_; }

    // Runs when the player asks for the statistics of the run (F2).
    void setStatisticsRequest(std::function<void()> request);

protected:
    // While the demo runs: a click anywhere in the window, or a key other than its own, stops it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyTable makeKeyTable();
    KeyTable tableKeys();
    KeyTable aidKeys();
    void clearAdvice();
    void stopDemo();
    void demoStep();
    void updateTitle();
    void judgePlacement(std::string_view name);

    TableView& view_;
    const Form1& form_;
    KeyTable keys_;

    int advisedSlot_ = 0;
    QString adviceSummary_;
    QPointer<AdviceOverlay> overlay_;
    QTimer demoTimer_;
    bool demoRunning_ = false;
    bool demoClicking_ = false;
    SoundSwitch sound_;
    QString soundNote_;
    QTimer soundNoteTimer_;

    bool trainerOn_ = false;
    Trainer trainer_;
    TrainerNote* trainerNote_ = nullptr;
    std::function<void(const Judgement&)> judgementSink_;
    std::function<void()> statisticsRequest_;
};

} // namespace nablo
