#pragma once

#include "app/playaids.h"
#include "session/run.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace nablo {

class PictureCache;

// The game's window: one widget per control of the form, stacked and placed as the design
// gives them. A click runs the control's handler in the core; afterwards every widget whose
// control changed is brought up to date, its words for screen readers included. No rule of the
// game lives here; the keys, advice, demo and sound switch are the play aids'. The run it draws
// is the game's.
class TableView : public QWidget {
    Q_OBJECT
public:
    TableView(Run& run, PictureCache& pictures, QWidget* parent = nullptr);

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
    std::optional<int> exitStatus() const { return run_.guard().exitStatus(); }

    // A click on the control's button, exactly as the mouse makes it; nothing when the button
    // is disabled.
    void pressControl(std::string_view name);

    // Whether the window waits for the player: no event runs, no box is open and the game has
    // not stopped.
    bool isIdle() const;
    // Whether a game is being played and waits for the player: idle, and the slots take clicks.
    bool isInPlay() const;

    PlayAids& aids() { return aids_; }
    const PlayAids& aids() const { return aids_; }

signals:
    // An event of the game is about to run.
    void eventStarting();
    void finished(int status);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createWidgets();
    void apply(std::size_t index);
    void showWords(std::size_t index);

    Run& run_;
    Form1& form_;
    PictureCache& pictures_;
    std::vector<QWidget*> widgets_;
    PlayAids aids_;
};

} // namespace nablo
