#pragma once

#include "app/closerequest.h"
#include "app/qtplatform.h"
#include "app/statswindow.h"
#include "app/tableview.h"
#include "session/run.h"

#include <QPointer>

#include <optional>

namespace nablo {

// The game as the program runs it: the Qt services, the run of the game and the window that
// draws it, wired so that message boxes open over the window and over an up-to-date table.
class Game {
public:
    Game();

    QtPlatform& platform() { return platform_; }
    Form1& form() { return run_.form(); }
    Run& run() { return run_; }
    TableView& view() { return view_; }

    // Runs the window's load event. Returns the exit status when the game stopped in it.
    std::optional<int> load();

    const RunStatistics& statistics() const { return run_.session().statistics(); }
    // Opens the statistics window, or brings it to the front.
    void showStatistics();
    StatsWindow* statsWindow() const { return statsWindow_; }

private:
    QtPlatform platform_;
    Run run_{platform_};
    TableView view_;
    QPointer<StatsWindow> statsWindow_;
    std::optional<CloseRequestFilter> closeFilter_;
};

} // namespace nablo
