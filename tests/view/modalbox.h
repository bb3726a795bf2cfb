#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

// Waits, from the event loop of the next modal box, until that box is open; then lets inspect
// look at it and presses key on it. Returns at once; the box opens later.
inline void answerNextBox(std::function<void(QMessageBox&)> inspect, Qt::Key key)
{
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, inspect = std::move(inspect), key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (++*tries > 500) {
                poll->deleteLater();
                qWarning("no message box opened");
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        inspect(*box);
        QTest::keyClick(box, key);
    });
    poll->start(10);
}
