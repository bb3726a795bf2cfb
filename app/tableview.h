#pragma once

#include "advice/trainer.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace nablo {

class Form1;
class PictureCache;
class TrainerNote;

// The game's window: one widget per control of the form, stacked and placed as the design
// gives them. A click runs the control's handler in the core; afterwards every widget whose
// control changed is brought up to date, its words for screen readers included. No rule of the
// game lives here.
//
// Keys: 1..5 click the card slots, B BET, X BETx10, S or Enter START, each only when the button
// is enabled; H outlines the advised slot and puts the expected pay of each playable slot in the
// title until the next click; D starts and stops a demo in which the advisor places the cards;
// M turns the sound off and on; T turns the trainer on and off; F2 asks for the statistics of
// the run; F1 lists the keys.
class TableView : public QWidget {
    Q_OBJECT
public:
    TableView(Form1& form, PictureCache& pictures, QWidget* parent = nullptr);

    // Runs one event of the game (a click, the window's load) and then shows what it changed.
    // The end of the program and a run-time error stop the game: an error is shown in a box
    // first; then finished() reports the exit status and no further event runs.
    void runEvent(const std::function<void()>& event);

    // A click on the control of that name, as the user makes it.
    void clickControl(std::string_view name);

    // Copies every control that changed since the last time onto its widget.
    void sync();

    // The widget of the control of that name, or nullptr.
    QWidget* widget(std::string_view name) const;

    // The exit status once the game has stopped.
    std::optional<int> exitStatus() const { return exitStatus_; }

    // A click on the control's button, exactly as the mouse makes it; nothing when the button
    // is disabled.
    void pressControl(std::string_view name);

    // Whether a game is being played and waits for the player: the slots take clicks, and no
    // event runs and no box is open.
    bool isInPlay() const;

    // Shows the advice for the table, while in play: the advised slot outlined, the expected
    // pay of each playable slot in the title. Both go at the next event.
    void showAdvice();
    // The outlined slot, 0 when no advice is shown.
    int advisedSlot() const { return advisedSlot_; }

    // Starts the demo while in play, stops it when it runs. The demo places the advised card
    // every half second until the game ends or the player clicks.
    void toggleDemo();
    bool isDemoRunning() const { return demoRunning_; }

    // Turns every sound off, or on again, for this run; the title tells for a few seconds.
    void toggleSound();
    bool isMuted() const { return muted_; }
    // Told whether the sound is now off.
    void setSoundSwitch(std::function<void(bool muted)> soundSwitch);

    // The box that lists the keys.
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

    // The outline around the advised slot, in the window's coordinates.
    QRect adviceFrame() const;

signals:
    void finished(int status);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void apply(std::size_t index);
    void updateAccessibleTexts();
    void updateTitle();
    void clearAdvice();
    void demoStep();
    void stopDemo();
    void judgePlacement(std::string_view name);

    Form1& form_;
    PictureCache& pictures_;
    std::vector<QWidget*> widgets_;
    std::vector<std::uint32_t> shownRevisions_;
    std::optional<int> exitStatus_;
    bool running_ = false;

    int advisedSlot_ = 0;
    QString adviceSummary_;
    QTimer demoTimer_;
    bool demoRunning_ = false;
    bool demoClicking_ = false;
    std::function<void(bool)> soundSwitch_;
    bool muted_ = false;
    QString soundNote_;
    QTimer soundNoteTimer_;

    bool trainerOn_ = false;
    Trainer trainer_;
    TrainerNote* trainerNote_ = nullptr;
    std::function<void(const Judgement&)> judgementSink_;
    std::function<void()> statisticsRequest_;
};

} // namespace nablo
