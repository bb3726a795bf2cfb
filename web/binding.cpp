// The functions the page calls to play. Every game rule stays in the core: the page only shows
// the controls as they are and hands over clicks and answers.

#include "web/binding.h"

#include "game/state.h"
#include "table/design.h"
#include "table/errors.h"
#include "web/csscolour.h"
#include "web/pagedesign.h"
#include "web/webplatform.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Tells the page that a click runs now: its slot (0 for another control) and whether the
// slot's card cannot be placed. The body is JavaScript, which the C++ formatter would break.
// clang-format off
EM_JS(void, pageClicking, (int slot, int refused), { Module.page.clicking(slot, refused !== 0); });
// clang-format on

namespace nablo::web {

namespace {

// The page's run: the table over the browser's services, and the run over it.
struct PageRun {
    PageRun()
    {
        run.setFace({
            {},
            [](int slot, bool refused) { pageClicking(slot, refused ? 1 : 0); },
            {},
            // A run-time error is shown in a box after the event, outside the handler that
            // caught it, since the box waits for the player.
            [this] {
                if (!run.guard().error().empty()) {
                    platform.showMessage({std::string(windowCaption), run.guard().error(),
                                          MessageButtons::OK, MessageIcon::Error});
                }
            },
            {},
        });
    }

    WebPlatform platform;
    Run run{platform};
};

std::unique_ptr<PageRun> current;
std::string reply; // the text the last call returned; the page copies it at once

Json controlChange(std::size_t index, const Control& control, const AccessibleText& text)
{
    return {{"index", index},
            {"name", control.name()},
            {"caption", control.caption()},
            {"fore", cssColour(control.foreColor())},
            {"back", cssColour(control.backColor())},
            {"enabled", control.enabled()},
            {"picture", control.picture().empty() ? "" : sitePath(control.picture())},
            {"accessibleName", text.name},
            {"accessibleValue", text.value},
            {"hidden", text.hidden}};
}

} // namespace

Run* pageRun() { return current ? &current->run : nullptr; }

int runState()
{
    // 0 running, 1 ended, 2 failed.
    if (!current || current->run.guard().exitStatus() == 0)
        return 1;
    return current->run.guard().exitStatus() ? 2 : 0;
}

const char* answer(const Json& value)
{
    reply = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    return reply.c_str();
}

} // namespace nablo::web

using namespace nablo;
using namespace nablo::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* nablo_design()
{
    reply = designJson();
    return reply.c_str();
}

// Starts a new run: a fresh table, then the window's load event. Returns the run state.
EMSCRIPTEN_KEEPALIVE int nablo_start()
{
    current = std::make_unique<PageRun>();
    current->run.load();
    return runState();
}

// A click of the player's on the control of that name; a disabled control ignores it. The
// page hears of the click through Module.page.clicking as it starts. Returns the run state.
EMSCRIPTEN_KEEPALIVE int nablo_click(const char* name)
{
    if (Run* run = pageRun())
        run->click(name);
    return runState();
}

// A picture the game showed that the browser then could not load, by its path in the site:
// the run ends with the error the game raises for a picture it cannot load. Returns the run
// state.
EMSCRIPTEN_KEEPALIVE int nablo_picture_failed(const char* file, const char* problem)
{
    if (Run* run = pageRun()) {
        const std::string site(file);
        const std::string why(problem);
        run->runEvent([&site, &why] {
            std::string path = site; // the game's own name, with the backslash
            std::replace(path.begin(), path.end(), '/', '\\');
            throw pictureError(path, site, why);
        });
    }
    return runState();
}

// The controls that changed since the last call, as a JSON array.
EMSCRIPTEN_KEEPALIVE const char* nablo_changes()
{
    Json changes = Json::array();
    if (Run* run = pageRun()) {
        const auto controls = run->form().controls();
        for (const std::size_t i : run->changes())
            changes.push_back(controlChange(i, controls[i], run->told(i)));
    }
    return answer(changes);
}

// Every control as the game holds it, and the slots a click would place now: what the page
// must show, for the tests that compare the two.
EMSCRIPTEN_KEEPALIVE const char* nablo_table()
{
    Run* run = pageRun();
    if (!run)
        return answer(Json::object());
    Json controls = Json::array();
    const auto all = run->form().controls();
    for (std::size_t i = 0; i < all.size(); ++i)
        controls.push_back(controlChange(i, all[i], run->accessibleText(i)));
    return answer({{"controls", controls}, {"playable", playableSlots(run->form())}});
}

// Whether a game is dealt and waits for a slot that can be placed: JSON true or false.
EMSCRIPTEN_KEEPALIVE const char* nablo_in_play()
{
    Run* run = pageRun();
    return answer(run && run->session().isInPlay(run->idle()));
}

} // extern "C"
