#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

namespace nablo {

// Qt drops the window manager's close request for a window under a modal box, so closing the
// game's window while a message box is open would do nothing. On X11 this filter sees the
// request first and hands it to onClose, with false; with true when another program destroys
// the window, which Qt does not notice at all.
class CloseRequestFilter : public QAbstractNativeEventFilter {
public:
    CloseRequestFilter(QWidget& window, std::function<void(bool destroyed)> onClose);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget& window_;
    std::function<void(bool destroyed)> onClose_;
    unsigned deleteWindowAtom_ = 0;
};

} // namespace nablo
