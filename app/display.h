#pragma once

#include <QString>

#include <string>

namespace nablo {

// The window systems of the environment, as Qt would pick them: QT_QPA_PLATFORM, DISPLAY,
// WAYLAND_DISPLAY (nullptr when unset), and the probes that try to connect to one.
struct DisplayEnvironment {
    const char* platform = nullptr;
    const char* display = nullptr;
    const char* waylandDisplay = nullptr;
    const char* sessionType = nullptr;    // XDG_SESSION_TYPE
    const char* currentDesktop = nullptr; // XDG_CURRENT_DESKTOP
    bool (*canOpenX)(const char* display) = nullptr;
    bool (*canOpenWayland)() = nullptr;
};

enum class DisplayState { Ready, Unset, Unreachable };

struct DisplayChoice {
    DisplayState state = DisplayState::Ready;
    // The Qt platform plugin to start with; empty to leave Qt's choice (a platform without a
    // window system, such as offscreen).
    std::string platform;
};

// Qt aborts with a core dump when none of the window systems it tries can be opened; the game
// tries them first, in Qt's order, and starts Qt on the first one that answers.
DisplayChoice chooseDisplay(const DisplayEnvironment& environment);

// The same for this process, with real connection attempts.
DisplayChoice chooseDisplay();

// Qt ends the program with a core dump when its platform plugin is missing or cannot start.
// While one of these lives, around the construction of the application, Qt's messages are held:
// a fatal one becomes one line naming the plugin (platform, as chosen) and exit status 2. The
// messages held are passed on at its end.
class PlatformStart {
public:
    explicit PlatformStart(const std::string& platform);
    ~PlatformStart();
    PlatformStart(const PlatformStart&) = delete;
    PlatformStart& operator=(const PlatformStart&) = delete;
};

// The one line that tells the player why the game cannot open its window (state is Unset or
// Unreachable), naming the displays of this process that were tried.
QString noDisplayMessage(DisplayState state);

} // namespace nablo
