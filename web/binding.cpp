// The functions the page calls. Every game rule stays in the core: the page only shows the
// controls as they are and hands over clicks, keys and answers.

#include "advice/advisor.h"
#include "game/events.h"
#include "game/reset.h"
#include "game/state.h"
#include "table/design.h"
#include "table/errors.h"
#include "table/form.h"
#include "table/numbers.h"
#include "web/accessible.h"
#include "web/design.h"
#include "web/json.h"
#include "web/webplatform.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace nablo::web {

namespace {

enum class RunState { Running = 0, Ended = 1, Failed = 2 };

// One run of the program: the table and what the page was last told about each control.
struct Session {
    WebPlatform platform;
    Form1 form{platform};
    std::vector<std::uint32_t> sentRevisions;
    std::vector<std::string> sentAccessible;
    RunState state = RunState::Running;
};

std::unique_ptr<Session> session;
std::string reply; // the text the last call returned; the page copies it at once

const char* answer(std::string text)
{
    reply = std::move(text);
    return reply.c_str();
}

// Runs a procedure of the game as the desktop window runs an event: the end of the program and
// a run-time error end the run; the error is shown in a box first.
RunState runEvent(void (*event)(Form1&, const char*), const char* argument)
{
    if (!session || session->state != RunState::Running)
        return RunState::Ended;
    std::optional<std::string> error;
    try {
        event(session->form, argument);
    } catch (const ProgramEnd&) {
        session->state = RunState::Ended;
    } catch (const RunTimeError& failure) {
        error = failure.what();
    } catch (const std::exception& failure) {
        error = std::string("Internal error: ") + failure.what();
    }
    // The box waits for the player, so it opens outside the handler that caught the error.
    if (error) {
        session->state = RunState::Failed;
        session->platform.showMessage(
            {std::string(windowCaption), *error, MessageButtons::OK, MessageIcon::Error});
    }
    return session->state;
}

std::string controlChange(std::size_t index, const Control& control, const AccessibleText& text)
{
    return "{\"index\":" + std::to_string(index) + ",\"name\":" + quoted(control.name())
           + ",\"caption\":" + quoted(control.caption()) + ",\"fore\":\""
           + cssColour(control.foreColor()) + "\",\"back\":\"" + cssColour(control.backColor())
           + "\",\"enabled\":" + (control.enabled() ? "true" : "false")
           + ",\"picture\":" + quoted(control.picture().empty() ? "" : sitePath(control.picture()))
           + ",\"accessibleName\":" + quoted(text.name)
           + ",\"accessibleValue\":" + quoted(text.value) + "}";
}

bool isRunningGame()
{
    return session && session->state == RunState::Running && isInPlay(session->form)
           && !playableSlots(session->form).empty();
}

std::string figure(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// The advice in the words of the desktop's title bar.
std::string adviceSummary(const std::vector<int>& playable, const Advisor::Advice& advice)
{
    if (playable.empty() || advice.slot == 0)
        return {};
    if (playable.size() == 1)
        return "advice: only slot " + std::to_string(playable.front()) + " can be placed";
    return "advice: slot " + std::to_string(advice.slot);
}

// What each playable slot is expected to pay, for the figures on its card.
std::string expectedPays(const std::vector<int>& playable, const Advisor::Advice& advice)
{
    std::string json;
    for (const int slot : playable) {
        const double expected = advice.expected[static_cast<std::size_t>(slot)];
        if (std::isnan(expected))
            continue;
        json += (json.empty() ? "{\"slot\":" : ",{\"slot\":") + std::to_string(slot)
                + ",\"expected\":\"" + figure(expected) + "\"}";
    }
    return "[" + json + "]";
}

} // namespace

} // namespace nablo::web

using namespace nablo;
using namespace nablo::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* nablo_design() { return answer(designJson()); }

// Starts a new run: a fresh table, then the window's load event. Returns the run state.
EMSCRIPTEN_KEEPALIVE int nablo_start()
{
    session = std::make_unique<Session>();
    session->sentRevisions.assign(session->form.controls().size(), ~std::uint32_t{0});
    session->sentAccessible.assign(session->form.controls().size(), "");
    return static_cast<int>(runEvent([](Form1& form, const char*) { Form_Load(form); }, nullptr));
}

// A click on the control of that name; a disabled control ignores it. Returns the run state.
EMSCRIPTEN_KEEPALIVE int nablo_click(const char* name)
{
    return static_cast<int>(
        runEvent([](Form1& form, const char* control) { click(form, control); }, name));
}

// The controls that changed since the last call, as a JSON array.
EMSCRIPTEN_KEEPALIVE const char* nablo_changes()
{
    if (!session)
        return answer("[]");
    const auto controls = session->form.controls();
    std::string json = "[";
    for (std::size_t i = 0; i < controls.size(); ++i) {
        // A slot's words depend on the hand as well as on its button, so all are looked at.
        const AccessibleText text = accessibleText(session->form, controls[i]);
        const std::string spoken = text.name + '\n' + text.value;
        if (controls[i].revision() == session->sentRevisions[i]
            && spoken == session->sentAccessible[i])
            continue;
        session->sentRevisions[i] = controls[i].revision();
        session->sentAccessible[i] = spoken;
        json += (json.size() > 1 ? "," : "") + controlChange(i, controls[i], text);
    }
    return answer(json + "]");
}

// Every control as the game holds it, and the slots a click would place now: what the page
// must show, for the tests that compare the two.
EMSCRIPTEN_KEEPALIVE const char* nablo_table()
{
    if (!session)
        return answer("{}");
    const auto controls = session->form.controls();
    std::string json = "{\"controls\":[";
    for (std::size_t i = 0; i < controls.size(); ++i) {
        json += (i ? "," : "")
                + controlChange(i, controls[i], accessibleText(session->form, controls[i]));
    }
    json += "],\"playable\":[";
    const std::vector<int> playable = playableSlots(session->form);
    for (std::size_t i = 0; i < playable.size(); ++i)
        json += (i ? "," : "") + std::to_string(playable[i]);
    return answer(json + "]}");
}

// Whether a game is dealt and waits for a slot that can be placed: JSON true or false.
EMSCRIPTEN_KEEPALIVE const char* nablo_in_play()
{
    return answer(isRunningGame() ? "true" : "false");
}

// The advisor's choice on this table: {"slot":k,"summary":"...","expected":[{"slot":s,
// "expected":"12.3"},...]}, the figures as the desktop prints them; slot 0 when not in play.
EMSCRIPTEN_KEEPALIVE const char* nablo_advice()
{
    if (!isRunningGame())
        return answer("{\"slot\":0,\"summary\":\"\",\"expected\":[]}");
    const Form1& form = session->form;
    const Advisor::Advice advice = adviseOn(form);
    const std::vector<int> playable = playableSlots(form);
    return answer("{\"slot\":" + std::to_string(advice.slot)
                  + ",\"summary\":" + quoted(adviceSummary(playable, advice))
                  + ",\"expected\":" + expectedPays(playable, advice) + "}");
}

} // extern "C"
