#include "app/messagebox.h"

#include "session/boxes.h"
#include "session/guard.h"

#include <QAbstractButton>
#include <QAbstractNativeEventFilter>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QScreen>

#include <xcb/xcb.h>

#include <functional>
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

// Tells when another program destroys an X window of ours. Qt does not: its widget stays open
// without a window, out of sight and out of reach.
class DestroyWatch : public QAbstractNativeEventFilter {
public:
    DestroyWatch(WId window, std::function<void()> onDestroyed)
        : window_(window), onDestroyed_(std::move(onDestroyed))
    {
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY
            && static_cast<const xcb_destroy_notify_event_t*>(message)->window == window_)
            onDestroyed_();
        return false;
    }

private:
    WId window_;
    std::function<void()> onDestroyed_;
};
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
    if (question_ && !destroyWatch_ && QGuiApplication::platformName() == QLatin1String("xcb")) {
        // A question whose window another program destroyed ends unanswered; ask() asks again.
        destroyWatch_ = std::make_unique<DestroyWatch>(winId(), [this] {
            QMetaObject::invokeMethod(
                this, [this] { done(unanswered); }, Qt::QueuedConnection);
        });
        QCoreApplication::instance()->installNativeEventFilter(destroyWatch_.get());
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
