#include "app/messagebox.h"

#include "session/boxes.h"
#include "session/boxplacement.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace nablo {

namespace {
QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Error: break;
    }
    return QMessageBox::Critical;
}

QString boxText(const std::string& text)
{
    QString lines = QString::fromStdString(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

// What exec() returns for a box that ended without an answer.
constexpr int unanswered = -1;

// How often an open box looks whether it is still on the screen.
constexpr int shownCheckMilliseconds = 250;
} // namespace

GameMessageBox::GameMessageBox(const MessageBox& box, QWidget* window)
    : QMessageBox(toQt(box.icon), QString::fromStdString(box.title), boxText(box.text),
                  box.buttons == MessageButtons::YesNo ? Yes | No : Ok, window),
      window_(window), question_(box.buttons == MessageButtons::YesNo)
{
    // Under the game's Japanese, what the box asks in the player's language, told to a screen
    // reader too.
    if (const QString translation = QString::fromStdString(boxTranslation(box));
        !translation.isEmpty()) {
        setInformativeText(translation);
        setAccessibleDescription(translation);
        // One line: Qt would wrap it to the width of the Japanese text above.
        if (auto* line = findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
            line->setWordWrap(false);
    }
    setDefaultButton(question_ ? Yes : Ok);
    setEscapeButton(question_ ? nullptr : button(Ok));
    // No maximize or minimize button. A question keeps its close button, which does nothing:
    // Qt can only leave every button out by offering them all to the window manager.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    // Y and N answer a question; a desktop whose button texts carry no mnemonic gets them too.
    if (question_) {
        for (const auto& [which, key] : {std::pair{Yes, Qt::Key_Y}, std::pair{No, Qt::Key_N}}) {
            QAbstractButton* answer = button(which);
            if (answer->shortcut().isEmpty())
                answer->setShortcut(QKeySequence(key));
        }
    }
}

GameMessageBox::~GameMessageBox() = default;

bool GameMessageBox::eventFilter(QObject* watched, QEvent* event)
{
    // The box's window tells when it is first on the screen, which may be only a moment before
    // another program takes it off again.
    if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed())
        shownOnce_ = true;
    return QMessageBox::eventFilter(watched, event);
}

void GameMessageBox::checkShown()
{
    const auto onScreen = [](const QWidget* widget) {
        return widget && widget->windowHandle() && widget->windowHandle()->isExposed();
    };
    // Gone from the screen while the table is on it (not minimised, nor on another desktop),
    // twice in a row: the window manager maps and unmaps the table and its boxes one by one.
    const bool lost = shownOnce_ && !onScreen(this) && onScreen(window_);
    missed_ = lost ? missed_ + 1 : 0;
    if (missed_ >= 2)
        done(unanswered);
}

int GameMessageBox::ask(const MessageBox& box, QWidget* window)
{
    for (;;) {
        GameMessageBox dialog(box, window);
        if (const int answer = dialog.exec(); answer != unanswered)
            return answer;
    }
}

QPoint GameMessageBox::placement(const QRect& windowArea, const QSize& boxSize,
                                 const QRect& available)
{
    const auto area = [](const QRect& r) { return Area{r.left(), r.top(), r.width(), r.height()}; };
    const Corner corner =
        boxPlacement(area(windowArea), boxSize.width(), boxSize.height(), area(available));
    return {corner.x, corner.y};
}

void GameMessageBox::showEvent(QShowEvent* event)
{
    // The box has its final size once QMessageBox has laid it out, and is not yet on screen.
    QMessageBox::showEvent(event);
    // Another program may unmap or destroy the box's X window, and Qt still takes the box for
    // shown. A box gone from the screen ends unanswered, and ask() shows it again.
    if (!shownCheck_ && windowHandle() && QGuiApplication::platformName() == QLatin1String("xcb")) {
        windowHandle()->installEventFilter(this);
        shownCheck_ = new QTimer(this);
        connect(shownCheck_, &QTimer::timeout, this, &GameMessageBox::checkShown);
        shownCheck_->start(shownCheckMilliseconds);
    }
    if (!window_ || !window_->isVisible())
        return;
    const QRect windowArea(window_->mapToGlobal(QPoint(0, 0)), window_->size());
    const QScreen* screen = window_->screen();
    move(placement(windowArea, size(), screen ? screen->availableGeometry() : QRect()));
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
