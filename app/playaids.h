#pragma once

#include "app/adviceoverlay.h"
#include "app/soundswitch.h"
#include "session/session.h"
#include "session/worker.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

#include <functional>
#include <string_view>

class QKeyEvent;
class QLabel;
class QPainter;

namespace nablo {

class Run;
class TableView;
class TrainerNote;

// The window's side of the play session: it hands the game's run the keys and the demo's
// ticks, runs the session's timers, and draws what the session says: the advice outline and
// figures, the title, the trainer's note, the cue on a slot that cannot be played. The help box is
// drawn here too.
class PlayAids : public QObject {
    Q_OBJECT
public:
    PlayAids(TableView& view, Run& run);
    ~PlayAids() override;

    // Acts on a key typed in the window; false for a key that has no use here.
    bool pressKey(const QKeyEvent& event);
    // A click is about to run: a slot that cannot be played is told so.
    void clicking(int slot, bool refused);

    // Shows the advice for the table, while in play: the advised slot outlined and named in the
    // title, the expected pay of each playable slot on its card. All go at the next event.
    void showAdvice();
    // The outlined slot, 0 when no advice is shown.
    int advisedSlot() const { return session_.advisedSlot(); }
    // The notes on the cards; nullptr before the first advice.
    const AdviceOverlay* adviceOverlay() const { return overlay_; }
    // The outline around the advised slot, in the window's coordinates; empty when none.
    QRect adviceFrame() const;
    // Draws the outline and the cue of a refused slot, from the window's paint event.
    void paintAdvice(QPainter& painter) const;

    void toggleDemo();
    bool isDemoRunning() const { return session_.isDemoRunning(); }

    void toggleSound();
    bool isMuted() const { return session_.isMuted(); }
    SoundSwitch& soundSwitch() { return sound_; }

    // Puts what the aids show on the table over its widgets, once they are there.
    void addToTable();

    // The box that lists the keys, while no event runs and no other box is open.
    void showHelp();

    void toggleTrainer();
    bool isTrainerOn() const { return session_.isTrainerOn(); }
    const TrainerNote* trainerNote() const { return trainerNote_; }

    // Runs when the player asks for the statistics of the run (F2).
    void setStatisticsRequest(std::function<void()> request);

protected:
    // While the demo runs: a click anywhere in the window, or a key other than its own, stops it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void carryOut(const Press& press);
    void sessionChanged();
    void soundSwitched();
    void demoStep();
    QRect slotFrame(int slot) const;

    TableView& view_;
    Run& run_;
    PlaySession& session_;

    int framedSlot_ = 0;
    QPointer<AdviceOverlay> overlay_;
    QTimer demoTimer_;
    bool demoShown_ = false;
    SoundSwitch sound_;
    QTimer soundNoteTimer_;
    TrainerNote* trainerNote_ = nullptr;
    QLabel* announcement_ = nullptr;
    int shownNoteSerial_ = 0;
    int refusedSlot_ = 0;
    QTimer refusedTimer_;
    // Hands the session's worker each table once the event is over, and collects the trainer's
    // judgements it has finished.
    QTimer estimateTimer_;
    std::function<void()> statisticsRequest_;
    // Plays the estimates off the window's thread; the session, which outlives the aids, is
    // taken off it before it goes.
    EstimateWorker worker_;
};

} // namespace nablo
