#pragma once

namespace nablo {

// Whether Qt can open a window with this environment: QT_QPA_PLATFORM, DISPLAY and
// WAYLAND_DISPLAY as found (nullptr when unset). Without them Qt aborts with a core dump, so
// the game checks first. Platforms that need no window system (offscreen, vnc ...) always can.
bool windowSystemReachable(const char* platform, const char* display, const char* waylandDisplay);

// The same for the environment of this process.
bool windowSystemReachable();

} // namespace nablo
