#pragma once

#include "session/accessible.h"
#include "session/guard.h"
#include "session/keys.h"
#include "session/session.h"
#include "table/form.h"
#include "table/platform.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace nablo {

// One run of the game as every face plays it: the table over the face's platform, the play
// session, the guard its events run under, the words for screen readers and what the face was
// last shown. An event runs the same way for every face: the guard, the session's word on the
// click, the click, the end of the program, then the face draws what changed.
class Run {
public:
    // What the face does around an event; each part may be left empty.
    struct Face {
        // A box of the face's own is open: the run is not idle.
        std::function<bool()> boxOpen;
        // A click passed the guard and is about to run: slot 0 for a control other than a card
        // slot; refused for a player's click on a slot whose card cannot be placed now.
        std::function<void(int slot, bool refused)> clicking;
        // An event is about to run, and has ended (the face draws and shows the error).
        std::function<void()> starting;
        std::function<void()> ended;
        // The run has stopped with this exit status.
        std::function<void(int status)> finished;
    };

    // platform must outlive the run.
    explicit Run(Platform& platform);
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    void setFace(Face face) { face_ = std::move(face); }

    Form1& form() { return form_; }
    const Form1& form() const { return form_; }
    PlaySession& session() { return session_; }
    const PlaySession& session() const { return session_; }
    const EventGuard& guard() const { return guard_; }

    // No event runs, no box is open and the run goes on.
    bool idle() const;
    // The run has stopped and no event runs.
    bool ended() const { return !guard_.isRunning() && guard_.exitStatus().has_value(); }

    // Runs one event of the game; false when the guard refused it.
    bool runEvent(const std::function<void()>& event);
    // The window's load event.
    bool load();
    // A click on the control of that name, the player's or the demo's.
    bool click(std::string_view control, bool byDemo = false);
    // A key, with the card slot that has the focus (0 for none): the session decides once what
    // it does and carries out its own commands; a click it asks for runs here. The face does
    // the rest of the press (help, statistics, its sound).
    Press pressKey(Key key, int focusedSlot);
    // A tick of the demo's timer: the demo's placement runs. True when the face starts its
    // timer again.
    bool demoStep();

    // The controls whose look or words changed since the last call, by index in
    // form().controls(); all of them at the first call.
    std::vector<std::size_t> changes();
    // The words of a control as changes() last told them.
    const AccessibleText& told(std::size_t index) const { return told_[index]; }
    AccessibleText accessibleText(std::size_t index) const { return accessible_.text(index); }

private:
    // Hands the game's platform on, telling the session of each game's end first.
    class Relay : public Platform {
    public:
        Relay(Platform& face, PlaySession*& session) : face_(face), session_(session) {}
        void playSound(const std::string& path) override { face_.playSound(path); }
        void loadPicture(const std::string& path) override { face_.loadPicture(path); }
        void pictureChanged(const Control& control) override { face_.pictureChanged(control); }
        void gameEnded(const GameOutcome& outcome) override;
        Answer showMessage(const MessageBox& box) override { return face_.showMessage(box); }
        void reseedRandom() override { face_.reseedRandom(); }
        float nextRandom() override { return face_.nextRandom(); }

    private:
        Platform& face_;
        PlaySession*& session_;
    };

    bool press(const Press& press, bool byDemo);
    bool clickControl(std::string_view control, int slot, bool byDemo, bool refused);

    PlaySession* sessionForRelay_ = nullptr;
    Relay relay_;
    Form1 form_;
    PlaySession session_;
    EventGuard guard_;
    AccessibleTexts accessible_;
    Face face_;
    std::vector<std::uint32_t> shownRevisions_;
    std::vector<AccessibleText> told_;
};

} // namespace nablo
