#pragma once

#include <QLabel>
#include <QTimer>

namespace nablo {

// The trainer's word on the table, over the foot of the card slots. It goes after a few seconds
// (expired() tells the session) or at the next click, and never takes a click or the focus,
// so play goes on under it.
class TrainerNote : public QLabel {
    Q_OBJECT
public:
    // slotArea: where the five slot buttons lie on the table.
    TrainerNote(QWidget* table, const QRect& slotArea);

    // Shows the word, and has screen readers read it.
    void tell(const QString& note);
    void dismiss();

signals:
    void expired();

private:
    QTimer timer_;
};

} // namespace nablo
