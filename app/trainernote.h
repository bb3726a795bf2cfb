#pragma once

#include <QLabel>
#include <QTimer>

namespace nablo {

struct Judgement;

// The trainer's word on the table, over the foot of the card slots: which slot would have been
// better and by how much. It goes after a few seconds or at the next click, and never takes a
// click or the focus, so play goes on under it.
class TrainerNote : public QLabel {
    Q_OBJECT
public:
    // slotArea: where the five slot buttons lie on the table.
    TrainerNote(QWidget* table, const QRect& slotArea);

    // Shows the word for a flagged judgement.
    void tell(const Judgement& judgement);
    void dismiss();

private:
    QTimer timer_;
};

} // namespace nablo
