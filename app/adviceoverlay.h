#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

namespace nablo {

// The advice drawn on the table: the expected pay of each playable slot on a badge at the foot
// of its card, the advised one in the outline's colour. It lies over the whole window, takes no
// click and changes no control; it is hidden while no advice is shown.
class AdviceOverlay : public QWidget {
    Q_OBJECT
public:
    explicit AdviceOverlay(QWidget& window);

    struct SlotNote {
        QRect card; // the slot's button, in the window's coordinates
        double expected = 0;
        QString text; // the figure as it is written on the card
        bool advised = false;
    };

    // Shows the notes, one a playable slot; an empty list hides the overlay.
    void showNotes(const std::vector<SlotNote>& notes);
    void clear() { showNotes({}); }

    const std::vector<SlotNote>& notes() const { return notes_; }
    // Where the badge of a slot lies, in the window's coordinates.
    static QRect badgeArea(const QRect& card);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<SlotNote> notes_;
};

} // namespace nablo
