#pragma once

#include "session/accessible.h"
#include "session/guard.h"
#include "session/session.h"
#include "table/form.h"
#include "web/webplatform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace nablo::web {

// One run of the program in the page: the table, the play session over it, the guard its events
// run under, and what the page was last told about each control.
struct Run {
    Run();

    WebPlatform platform;
    Form1 form{platform};
    PlaySession session{form};
    EventGuard guard;
    AccessibleTexts accessible{form};
    std::vector<std::uint32_t> sentRevisions;
    std::vector<std::string> sentAccessible;

    // No event runs and the run goes on: the page's keys and the session's aids may act.
    bool idle() const { return !guard.isRunning() && !guard.exitStatus(); }
};

// The run the page plays; nullptr before the first start.
Run* currentRun();

// Hands the page's call its answer: the text stays valid until the next call.
const char* answer(std::string text);

} // namespace nablo::web
