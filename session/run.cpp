#include "session/run.h"

#include "game/events.h"
#include "game/reset.h"
#include "table/slotcontrols.h"

#include <string>

namespace nablo {

void Run::Relay::gameEnded(const GameOutcome& outcome)
{
    if (session_)
        session_->gameEnded(outcome);
    face_.gameEnded(outcome);
}

Run::Run(Platform& platform)
    : relay_(platform, sessionForRelay_), form_(relay_), session_(form_), accessible_(form_)
{
    sessionForRelay_ = &session_;
    shownRevisions_.assign(form_.controls().size(), ~std::uint32_t{0});
    told_.resize(form_.controls().size());
}

bool Run::idle() const
{
    return !guard_.isRunning() && !guard_.exitStatus() && !(face_.boxOpen && face_.boxOpen());
}

bool Run::runEvent(const std::function<void()>& event)
{
    // A box inside an event waits for its answer while the face goes on; nothing may start
    // another event meanwhile.
    if (guard_.isRunning() || guard_.exitStatus())
        return false;
    session_.eventStarting();
    if (face_.starting)
        face_.starting();
    guard_.run(event);
    if (face_.ended)
        face_.ended();
    if (const std::optional<int> status = guard_.exitStatus()) {
        session_.finished();
        if (face_.finished)
            face_.finished(*status);
    }
    return true;
}

bool Run::load()
{
    return runEvent([this] { Form_Load(form_); });
}

bool Run::click(std::string_view control, bool byDemo)
{
    const int slot = slotOfControl(control);
    const bool refused =
        slot != 0 && !byDemo && session_.pressSlot(slot, idle()).command == Command::Refused;
    return clickControl(control, slot, byDemo, refused);
}

bool Run::clickControl(std::string_view control, int slot, bool byDemo, bool refused)
{
    if (guard_.isRunning() || guard_.exitStatus())
        return false;
    if (face_.clicking)
        face_.clicking(slot, refused);
    session_.beforeClick(slot, idle(), byDemo);
    const std::string name(control);
    return runEvent([this, &name] { nablo::click(form_, name); });
}

bool Run::press(const Press& press, bool byDemo)
{
    // A key presses a button as a click would, unless the button is disabled.
    const Control& button = roleButton(form_, press.role, press.slot);
    if (!button.enabled())
        return false;
    return clickControl(button.name(), press.slot, byDemo, press.command == Command::Refused);
}

Press Run::pressKey(Key key, int focusedSlot)
{
    // Once the run has ended the face stays: its help and its sound still answer their keys.
    const bool idleNow = idle() || (ended() && (key == Key::F1 || key == Key::M));
    const Press decided = session_.pressKey(key, idleNow, focusedSlot);
    if (decided.command == Command::Click || decided.command == Command::Refused)
        press(decided, false);
    return decided;
}

bool Run::demoStep()
{
    const int slot = session_.demoStep(idle());
    if (slot == 0)
        return false;
    // The next placement is timed only once this one has returned, box and all.
    press({Command::Click, ButtonRole::Slot, slot}, true);
    if (session_.isDemoRunning() && session_.isInPlay(idle()))
        return true;
    session_.stopDemo();
    return false;
}

std::vector<std::size_t> Run::changes()
{
    const auto controls = form_.controls();
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].revision() != shownRevisions_[i])
            changed.push_back(i);
    }
    // A slot's words depend on the hand as well as on its button, and a row's on its three
    // labels; every change of the table changes a control, so all are looked at then.
    if (changed.empty())
        return changed;
    changed.clear();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        AccessibleText text = accessible_.text(i);
        const bool sameWords = text.name == told_[i].name && text.value == told_[i].value
                               && text.hidden == told_[i].hidden;
        if (controls[i].revision() == shownRevisions_[i] && sameWords)
            continue;
        shownRevisions_[i] = controls[i].revision();
        told_[i] = std::move(text);
        changed.push_back(i);
    }
    return changed;
}

} // namespace nablo
