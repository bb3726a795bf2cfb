#include "app/keytable.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace nablo {

std::optional<Key> gameKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers != Qt::NoModifier)
        return {};
    static constexpr std::array<std::pair<int, Key>, 17> keys{{{Qt::Key_1, Key::Slot1},
                                                               {Qt::Key_2, Key::Slot2},
                                                               {Qt::Key_3, Key::Slot3},
                                                               {Qt::Key_4, Key::Slot4},
                                                               {Qt::Key_5, Key::Slot5},
                                                               {Qt::Key_B, Key::B},
                                                               {Qt::Key_X, Key::X},
                                                               {Qt::Key_S, Key::S},
                                                               {Qt::Key_Return, Key::Enter},
                                                               {Qt::Key_Enter, Key::Enter},
                                                               {Qt::Key_Space, Key::Space},
                                                               {Qt::Key_H, Key::H},
                                                               {Qt::Key_D, Key::D},
                                                               {Qt::Key_M, Key::M},
                                                               {Qt::Key_T, Key::T},
                                                               {Qt::Key_F1, Key::F1},
                                                               {Qt::Key_F2, Key::F2}}};
    for (const auto& [qtKey, key] : keys) {
        if (qtKey == event.key())
            return key;
    }
    return {};
}

QString helpText()
{
    const auto html = [](const std::string& text) {
        return QString::fromStdString(text).toHtmlEscaped();
    };
    QString text =
        QStringLiteral("<p><b>%1</b></p><table cellspacing=\"4\">").arg(html(helpHeading()));
    for (const HelpLine& line : helpLines()) {
        QStringList keys;
        for (const std::string& key : line.keys)
            keys << QStringLiteral("<b>%1</b>").arg(html(key));
        text += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(keys.join(line.range ? QStringLiteral(" .. ") : QStringLiteral(", ")),
                         html(line.text));
    }
    text += QStringLiteral("</table>");
    for (const std::string& note : helpNotes())
        text += QStringLiteral("<p>%1</p>").arg(html(note));
    return text;
}

} // namespace nablo
