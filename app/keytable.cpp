#include "app/keytable.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>

namespace nablo {

bool pressKey(const KeyTable& table, const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers != Qt::NoModifier)
        return false;
    for (const KeyBinding& binding : table) {
        const auto key = std::find(binding.keys.begin(), binding.keys.end(), event.key());
        if (key == binding.keys.end())
            continue;
        const int which = static_cast<int>(key - binding.keys.begin());
        if (!event.isAutoRepeat() && (!binding.enabled || binding.enabled(which)))
            binding.action(which);
        return true;
    }
    return false;
}

QString helpText(const KeyTable& table)
{
    QString text = QStringLiteral("<p><b>%1</b></p><table cellspacing=\"4\">")
                       .arg(QCoreApplication::translate("KeyTable", "Keys"));
    for (const KeyBinding& binding : table) {
        text += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(binding.keyText, binding.helpLine);
    }
    return text + QStringLiteral("</table>")
           + QCoreApplication::translate(
               "KeyTable",
               "<p>In a question box, <b>Enter</b> or <b>Y</b> answers Yes and <b>N</b> No; "
               "only an answer closes it.</p>"
               "<p><b>How to play:</b> stake with BET, then press START. Place a slot card on the "
               "pile when it has the pile card's suit or rank; the more cards you place, the "
               "higher the pay, and poker hands among the five slot cards pay a bonus.</p>");
}

} // namespace nablo
