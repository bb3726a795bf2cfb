#pragma once

#include "table/platform.h"

#include <QMessageBox>
#include <QPointer>

class QTimer;

namespace nablo {

// A message box of the game. It opens over the card slots of the window it belongs to, with its
// title bar below the card counter and the pay tables, so the player still reads how the game
// ended. A question is answered by Yes or No only: Esc and the window manager's close button leave
// it open; an OK box closes on them as any box does. No box offers a maximize or minimize button.
// Should another program unmap or destroy the box's window, the box shows again; one minimised
// with the window waits for the window to come back.
class GameMessageBox : public QMessageBox {
    Q_OBJECT
public:
    GameMessageBox(const MessageBox& box, QWidget* window);
    ~GameMessageBox() override;

    // Shows a box of the game over window and waits for its answer, a StandardButton. A box
    // taken off the screen from outside without an answer opens again.
    static int ask(const MessageBox& box, QWidget* window);

    // Where a box of this size opens over window (client area at windowArea, in screen
    // coordinates), kept on the screen area available.
    static QPoint placement(const QRect& windowArea, const QSize& boxSize, const QRect& available);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkShown();

    QPointer<QWidget> window_;
    bool question_;
    QTimer* shownCheck_ = nullptr;
    bool shownOnce_ = false;
    int missed_ = 0;
};

} // namespace nablo
