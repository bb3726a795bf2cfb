#include "app/display.h"

#include <cstdlib>
#include <string_view>

namespace nablo {

namespace {
bool isSet(const char* value) { return value && *value; }
} // namespace

bool windowSystemReachable(const char* platform, const char* display, const char* waylandDisplay)
{
    const std::string_view name = isSet(platform) ? platform : "";
    const bool needsWindowSystem =
        name.empty() || name.starts_with("xcb") || name.starts_with("wayland");
    return !needsWindowSystem || isSet(display) || isSet(waylandDisplay);
}

bool windowSystemReachable()
{
    return windowSystemReachable(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                 std::getenv("WAYLAND_DISPLAY"));
}

} // namespace nablo
