#include "app/messagebox.h"

#include "table/design.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace nablo {

namespace {
QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        break;
    }
    return QMessageBox::Critical;
}

QString boxText(const std::string& text)
{
    QString lines = QString::fromStdString(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

// The top of the card slots, in window pixels: everything the player reads after a game (the
// card counter, both pay tables, the card board) lies above it.
constexpr int slotsTop = windowDesign[designIndex("CARD1")].top / twipsPerPixel;
} // namespace

GameMessageBox::GameMessageBox(const MessageBox& box, QWidget* window)
    : QMessageBox(toQt(box.icon), QString::fromStdString(box.title), boxText(box.text),
                  box.buttons == MessageButtons::YesNo ? Yes | No : Ok, window),
      window_(window), question_(box.buttons == MessageButtons::YesNo)
{
    setDefaultButton(question_ ? Yes : Ok);
    setEscapeButton(question_ ? nullptr : button(Ok));
    // A question has no close button: only its two answers end it.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (!question_)
        flags |= Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    // Y and N answer a question; a desktop whose button texts carry no mnemonic gets them too.
    if (question_) {
        for (const auto& [which, key] : {std::pair{Yes, Qt::Key_Y}, std::pair{No, Qt::Key_N}}) {
            QAbstractButton* answer = button(which);
            if (answer->shortcut().isEmpty())
                answer->setShortcut(QKeySequence(key));
        }
    }
}

QPoint GameMessageBox::placement(const QRect& windowArea, const QSize& boxSize,
                                 const QRect& available)
{
    QPoint where(windowArea.center().x() - boxSize.width() / 2, windowArea.top() + slotsTop);
    if (!available.isEmpty()) {
        where.setX(std::clamp(where.x(), available.left(),
                              std::max(available.left(), available.right() + 1 - boxSize.width())));
        where.setY(std::clamp(where.y(), available.top(),
                              std::max(available.top(), available.bottom() + 1 - boxSize.height())));
    }
    return where;
}

void GameMessageBox::showEvent(QShowEvent* event)
{
    // The box has its final size once QMessageBox has laid it out, and is not yet on screen.
    QMessageBox::showEvent(event);
    if (!window_ || !window_->isVisible())
        return;
    const QRect windowArea(window_->mapToGlobal(QPoint(0, 0)), window_->size());
    const QScreen* screen = window_->screen();
    move(placement(windowArea, frameGeometry().size(),
                   screen ? screen->availableGeometry() : QRect()));
}

void GameMessageBox::closeEvent(QCloseEvent* event)
{
    // The window manager's close request (or Alt+F4) is spontaneous; the program itself still
    // closes a question when the player closes the game's window under it.
    if (question_ && event->spontaneous()) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}

void GameMessageBox::keyPressEvent(QKeyEvent* event)
{
    if (question_ && event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

} // namespace nablo
