#pragma once

#include <QString>

#include <functional>
#include <vector>

class QKeyEvent;

namespace nablo {

// What a key of the window does, or a group of keys doing the same to one slot each. The table
// of them drives both the key presses and the help box, so the two never disagree.
struct KeyBinding {
    // Qt::Key values; the enabled test and the action are told which of them was pressed.
    std::vector<int> keys;
    // The keys and what they do, as the help lists them.
    QString keyText;
    QString helpLine;
    // A key whose binding is not enabled does nothing; empty means always enabled.
    std::function<bool(int which)> enabled;
    std::function<void(int which)> action;
};

using KeyTable = std::vector<KeyBinding>;

// Runs the binding of the key, pressed without Ctrl, Alt or Meta. Returns false for a key the
// table does not hold. A key held down acts once, as a button held down clicks once.
bool pressKey(const KeyTable& table, const QKeyEvent& event);

// The help box's text: every line of the table, then how question boxes are answered and how
// the game is played.
QString helpText(const KeyTable& table);

} // namespace nablo
