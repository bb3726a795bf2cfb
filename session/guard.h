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

} // namespace nablo
