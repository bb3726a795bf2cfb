#include "app/adviceoverlay.h"

#include "app/captionfont.h"
#include "session/session.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace nablo {

namespace {
// The outline of the advised slot and its badge share one colour.
const QColor advisedColour(0, 255, 0);
const QColor badgeColour(0, 0, 0, 215);
constexpr int badgeHeight = 44;
constexpr int badgeMargin = 6;
} // namespace

AdviceOverlay::AdviceOverlay(QWidget& window) : QWidget(&window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window.rect());
    hide();
}

void AdviceOverlay::showNotes(const std::vector<SlotNote>& notes)
{
    notes_ = notes;
    if (notes_.empty()) {
        hide();
        return;
    }
    setGeometry(parentWidget()->rect());
    QStringList words;
    for (const SlotNote& note : notes_)
        words << note.text;
    setAccessibleName(QString::fromStdString(figuresName()));
    setAccessibleDescription(words.join(QStringLiteral(", ")));
    raise();
    show();
    update();
}

QRect AdviceOverlay::badgeArea(const QRect& card)
{
    return QRect(card.left() + badgeMargin, card.bottom() - badgeMargin - badgeHeight + 1,
                 card.width() - 2 * badgeMargin, badgeHeight);
}

void AdviceOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont number = captionFont(14);
    QFont caption = captionFont(8);
    for (const SlotNote& note : notes_) {
        const QRect badge = badgeArea(note.card);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(badge), 6, 6);
        painter.fillPath(shape, badgeColour);
        if (note.advised) {
            painter.setPen(QPen(advisedColour, 2));
            painter.drawPath(shape);
        }
        const QColor ink = note.advised ? advisedColour : QColor(Qt::white);
        painter.setPen(ink);
        painter.setFont(number);
        painter.drawText(badge.adjusted(0, 2, 0, -badgeHeight / 2 + 6), Qt::AlignCenter, note.text);
        painter.setFont(caption);
        painter.drawText(badge.adjusted(0, badgeHeight / 2 + 2, 0, -2), Qt::AlignCenter,
                         QString::fromStdString(figureCaption()));
    }
}

} // namespace nablo
