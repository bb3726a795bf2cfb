// The functions the page calls to play. Every game rule stays in the core: the page only shows
// the controls as they are and hands over clicks and answers.

#include "game/events.h"
#include "game/reset.h"
#include "game/state.h"
#include "table/design.h"
#include "table/errors.h"
#include "web/design.h"
#include "web/json.h"
#include "web/run.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace nablo::web {

namespace {

// The page reads it as 0 running, 1 ended, 2 failed.
enum class RunState { Running = 0, Ended = 1, Failed = 2 };

std::unique_ptr<Run> run;
std::string reply; // the text the last call returned; the page copies it at once

RunState runState()
{
    if (!run || run->guard.exitStatus() == 0)
        return RunState::Ended;
    return run->guard.exitStatus() ? RunState::Failed : RunState::Running;
}

// Runs a procedure of the game under the guard; a run-time error is shown in a box after it,
// outside the handler that caught it, since the box waits for the player.
int runEvent(void (*event)(Form1&, const char*), const char* argument)
{
    if (!run)
        return static_cast<int>(RunState::Ended);
    run->session.eventStarting();
    run->guard.run([argument, event] { event(run->form, argument); });
    if (!run->guard.error().empty()) {
        run->platform.showMessage({std::string(windowCaption), run->guard.error(),
                                   MessageButtons::OK, MessageIcon::Error});
    }
    if (run->guard.exitStatus())
        run->session.finished();
    return static_cast<int>(runState());
}

std::string controlChange(std::size_t index, const Control& control, const AccessibleText& text)
{
    return "{\"index\":" + std::to_string(index) + ",\"name\":" + quoted(control.name())
           + ",\"caption\":" + quoted(control.caption()) + ",\"fore\":\""
           + cssColour(control.foreColor()) + "\",\"back\":\"" + cssColour(control.backColor())
           + "\",\"enabled\":" + (control.enabled() ? "true" : "false")
           + ",\"picture\":" + quoted(control.picture().empty() ? "" : sitePath(control.picture()))
           + ",\"accessibleName\":" + quoted(text.name) + ",\"accessibleValue\":"
           + quoted(text.value) + ",\"hidden\":" + (text.hidden ? "true" : "false") + "}";
}

} // namespace

Run::Run()
{
    platform.setGameEndedHook([this](const GameOutcome& outcome) { session.gameEnded(outcome); });
    sentRevisions.assign(form.controls().size(), ~std::uint32_t{0});
    sentAccessible.assign(form.controls().size(), "");
}

Run* currentRun() { return run.get(); }

const char* answer(std::string text)
{
    reply = std::move(text);
    return reply.c_str();
}

} // namespace nablo::web

using namespace nablo;
using namespace nablo::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* nablo_design() { return answer(designJson()); }

// Starts a new run: a fresh table, then the window's load event. Returns the run state.
EMSCRIPTEN_KEEPALIVE int nablo_start()
{
    run = std::make_unique<Run>();
    return runEvent([](Form1& form, const char*) { Form_Load(form); }, nullptr);
}

// A click on the control of that name; a disabled control ignores it. byDemo tells a click of
// the demo's from one of the player's. Returns the run state.
EMSCRIPTEN_KEEPALIVE int nablo_click(const char* name, int byDemo)
{
    if (run)
        run->session.beforeClick(name, run->idle(), byDemo != 0);
    return runEvent([](Form1& form, const char* control) { click(form, control); }, name);
}

// A picture the game showed that the browser then could not load, by its path in the site:
// the run ends with the error the game raises for a picture it cannot load. Returns the run
// state.
EMSCRIPTEN_KEEPALIVE int nablo_picture_failed(const char* file, const char* problem)
{
    static std::string failure;
    failure = std::string(file) + '\n' + problem;
    return runEvent(
        [](Form1&, const char* text) {
            const std::string_view both(text);
            const std::string site(both.substr(0, both.find('\n')));
            std::string path = site; // the game's own name, with the backslash
            std::replace(path.begin(), path.end(), '/', '\\');
            throw pictureError(path, site, std::string(both.substr(both.find('\n') + 1)));
        },
        failure.c_str());
}

// The controls that changed since the last call, as a JSON array.
EMSCRIPTEN_KEEPALIVE const char* nablo_changes()
{
    if (!run)
        return answer("[]");
    const auto controls = run->form.controls();
    std::string json = "[";
    for (std::size_t i = 0; i < controls.size(); ++i) {
        // A slot's words depend on the hand as well as on its button, so all are looked at.
        const AccessibleText text = run->accessible.text(i);
        const std::string spoken = text.name + '\n' + text.value;
        if (controls[i].revision() == run->sentRevisions[i] && spoken == run->sentAccessible[i])
            continue;
        run->sentRevisions[i] = controls[i].revision();
        run->sentAccessible[i] = spoken;
        json += (json.size() > 1 ? "," : "") + controlChange(i, controls[i], text);
    }
    return answer(json + "]");
}

// Every control as the game holds it, and the slots a click would place now: what the page
// must show, for the tests that compare the two.
EMSCRIPTEN_KEEPALIVE const char* nablo_table()
{
    if (!run)
        return answer("{}");
    const auto controls = run->form.controls();
    std::string json = "{\"controls\":[";
    for (std::size_t i = 0; i < controls.size(); ++i)
        json += (i ? "," : "") + controlChange(i, controls[i], run->accessible.text(i));
    json += "],\"playable\":[";
    const std::vector<int> playable = playableSlots(run->form);
    for (std::size_t i = 0; i < playable.size(); ++i)
        json += (i ? "," : "") + std::to_string(playable[i]);
    return answer(json + "]}");
}

// Whether a game is dealt and waits for a slot that can be placed: JSON true or false.
EMSCRIPTEN_KEEPALIVE const char* nablo_in_play()
{
    return answer(run && run->session.isInPlay(run->idle()) ? "true" : "false");
}

} // extern "C"
