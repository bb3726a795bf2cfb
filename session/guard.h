#pragma once

#include <functional>
#include <optional>
#include <string>

namespace nablo {

// Runs the game's events one at a time, each to its end, as both faces do: a click, the
// window's load. A message box inside an event waits for its answer while the face goes on
// running; nothing may start another event meanwhile. The end of the program and a run-time
// error stop the run: after an error the face shows error() in a box, with no event running.
class EventGuard {
public:
    // Runs the event; false when it was refused (another runs, or the run has stopped).
    bool run(const std::function<void()>& event);

    bool isRunning() const { return running_; }
    // 0 after the end of the program, 1 after a run-time error; nothing while the run goes on.
    std::optional<int> exitStatus() const { return exitStatus_; }
    // What failed, for the error box; empty unless the exit status is 1.
    const std::string& error() const { return error_; }

private:
    bool running_ = false;
    std::optional<int> exitStatus_;
    std::string error_;
};

// A rectangle in pixels.
struct Area {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where a message box opens: over the card slots, so that everything the player reads after a
// game (the card counter, both pay tables, the card board) stays in view. Centred across the
// table, on the slots' middle, its top far enough below the slots' top to leave room for a
// title bar; kept inside the available area unless that is empty. table: the table on the
// screen; returns the box's top left corner.
struct Corner {
    int x = 0;
    int y = 0;
};
Corner boxPlacement(const Area& table, int boxWidth, int boxHeight, const Area& available);

} // namespace nablo
