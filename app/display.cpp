#include "app/display.h"

#include "app/translation.h"

#include <QStringList>
#include <QtGlobal>

#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace nablo {

namespace {
bool isSet(const char* value) { return value && *value; }

// What PlatformStart holds: Qt's messages while the application starts, and the line to say
// instead when the platform plugin fails.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler passOn = nullptr;
std::string platformFailure;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", platformFailure.c_str());
        std::_Exit(2); // Qt would abort right after this
    }
    heldMessages.push_back({type, context.category ? context.category : "", text});
}

bool canOpenX(const char* display)
{
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool open = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return open;
}

// A Wayland compositor listens on a local socket: WAYLAND_DISPLAY as a path, or as a name in
// XDG_RUNTIME_DIR. A socket handed over in WAYLAND_SOCKET is taken as open.
bool canOpenWayland()
{
    if (isSet(std::getenv("WAYLAND_SOCKET")))
        return true;
    const char* name = std::getenv("WAYLAND_DISPLAY");
    if (!isSet(name))
        return false;
    std::string path = name;
    if (name[0] != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (!isSet(runtime))
            return false;
        path = std::string(runtime) + "/" + name;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool open =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return open;
}

// The window systems in the order Qt tries them: QT_QPA_PLATFORM's list, else Wayland before
// X11 when a compositor is named, except on an X11 session and on GNOME, where Qt prefers X11.
std::vector<std::string> candidates(const DisplayEnvironment& environment)
{
    std::vector<std::string> names;
    if (isSet(environment.platform)) {
        std::string_view list = environment.platform;
        while (!list.empty()) {
            const auto end = list.find(';');
            if (const auto name = list.substr(0, end); !name.empty())
                names.emplace_back(name);
            list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
        }
        return names;
    }
    const std::string_view session = isSet(environment.sessionType) ? environment.sessionType : "";
    const std::string_view desktop =
        isSet(environment.currentDesktop) ? environment.currentDesktop : "";
    const bool preferX = session == "x11" || desktop.find("GNOME") != std::string_view::npos;
    if (isSet(environment.waylandDisplay) && !preferX)
        names.emplace_back("wayland");
    names.emplace_back("xcb");
    if (isSet(environment.waylandDisplay) && preferX)
        names.emplace_back("wayland");
    return names;
}
} // namespace

DisplayChoice chooseDisplay(const DisplayEnvironment& environment)
{
    bool named = false;
    const std::vector<std::string> names = candidates(environment);
    for (auto at = names.begin(); at != names.end(); ++at) {
        const std::string& name = *at;
        if (name.starts_with("xcb")) {
            if (!isSet(environment.display))
                continue;
            named = true;
            if (environment.canOpenX(environment.display))
                return {DisplayState::Ready, name};
        } else if (name.starts_with("wayland")) {
            if (!isSet(environment.waylandDisplay))
                continue;
            named = true;
            if (environment.canOpenWayland())
                return {DisplayState::Ready, name};
        } else {
            // offscreen, vnc, eglfs, or a plugin Qt may not have: no window system to reach
            // first; Qt goes on down the list from here.
            std::string rest = name;
            for (auto next = at + 1; next != names.end(); ++next)
                rest += ";" + *next;
            return {DisplayState::Ready, rest};
        }
    }
    return {named ? DisplayState::Unreachable : DisplayState::Unset, {}};
}

DisplayChoice chooseDisplay()
{
    return chooseDisplay({std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                          std::getenv("WAYLAND_DISPLAY"), std::getenv("XDG_SESSION_TYPE"),
                          std::getenv("XDG_CURRENT_DESKTOP"), canOpenX, canOpenWayland});
}

PlatformStart::PlatformStart(const std::string& platform)
{
    platformFailure =
        translated("Display",
                   QT_TRANSLATE_NOOP("Display",
                                     "nablo: the Qt platform plugin '%1' is missing or cannot "
                                     "start; run it on a desktop with QT_QPA_PLATFORM unset, or "
                                     "headless with: xvfb-run nablo"))
            .arg(QString::fromStdString(platform))
            .toLocal8Bit()
            .toStdString();
    passOn = qInstallMessageHandler(holdMessage);
}

PlatformStart::~PlatformStart()
{
    qInstallMessageHandler(passOn);
    for (const HeldMessage& message : heldMessages)
        passOn(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.c_str()),
               message.text);
    heldMessages.clear();
}

QString noDisplayMessage(DisplayState state)
{
    if (state == DisplayState::Unset) {
        // Unset: every display the platforms named need is unset. With one of the two named,
        // the other may well be set, and is said to be so.
        const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
        const QStringList names = platform.split(QLatin1Char(';'));
        const auto listed = [&names](const char* prefix) {
            return std::any_of(names.begin(), names.end(), [prefix](const QString& name) {
                return name.startsWith(QLatin1String(prefix));
            });
        };
        const bool x = listed("xcb");
        const bool wayland = listed("wayland");
        if (x == wayland)
            return translated(
                "Display",
                QT_TRANSLATE_NOOP(
                    "Display",
                    "nablo: no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it on a "
                    "desktop, or headless with: xvfb-run nablo"));
        const char* needed = x ? "DISPLAY" : "WAYLAND_DISPLAY";
        const char* other = x ? "WAYLAND_DISPLAY" : "DISPLAY";
        if (qEnvironmentVariableIsEmpty(other))
            return translated("Display",
                              QT_TRANSLATE_NOOP("Display",
                                                "nablo: no display found (QT_QPA_PLATFORM=%1 "
                                                "needs %2, which is unset); run it on a desktop, "
                                                "or headless with: xvfb-run nablo"))
                .arg(platform, QLatin1String(needed));
        return translated("Display",
                          QT_TRANSLATE_NOOP("Display",
                                            "nablo: no display found (QT_QPA_PLATFORM=%1 needs "
                                            "%2, which is unset; %3 is set but not used); run it "
                                            "on a desktop, or headless with: xvfb-run nablo"))
            .arg(platform, QLatin1String(needed),
                 QStringLiteral("%1=%2").arg(QLatin1String(other), qEnvironmentVariable(other)));
    }
    QStringList named;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            named << QStringLiteral("%1=%2").arg(QLatin1String(variable),
                                                 qEnvironmentVariable(variable));
    }
    return translated("Display",
                      QT_TRANSLATE_NOOP(
                          "Display", "nablo: cannot open the display (%1); run it on a desktop, or "
                                     "headless with: xvfb-run nablo"))
        .arg(named.join(QStringLiteral(", ")));
}

} // namespace nablo
