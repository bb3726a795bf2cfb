#pragma once

#include "session/keys.h"

#include <QString>

#include <optional>

class QKeyEvent;

namespace nablo {

// The game's key for a key typed in the window, pressed without Ctrl, Alt or Meta; nothing for
// any other key.
std::optional<Key> gameKey(const QKeyEvent& event);

// The help box's text: every key and what it does, then how question boxes are answered and
// how the game is played.
QString helpText();

} // namespace nablo
