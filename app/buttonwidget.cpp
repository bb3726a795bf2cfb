#include "app/buttonwidget.h"

#include "app/captionfont.h"
#include "app/picturewidget.h"

#include <QPainter>

namespace nablo {

namespace {
constexpr int bevelWidth = 2;
const QColor light(255, 255, 255);
const QColor shadow(128, 128, 128);
constexpr int focusFrameWidth = 3;
const QColor focusColour(30, 110, 255);

// Two pixels of light along the top and left edges, two of shadow along the bottom and right.
// Filled rectangles rather than lines stay exact on screens that scale the window.
void drawBevel(QPainter& painter, const QRect& box, bool sunken)
{
    const QColor& topLeft = sunken ? shadow : light;
    const QColor& bottomRight = sunken ? light : shadow;
    for (int i = 0; i < bevelWidth; ++i) {
        const QRect edge = box.adjusted(i, i, -i, -i);
        painter.fillRect(edge.left(), edge.bottom(), edge.width(), 1, bottomRight);
        painter.fillRect(edge.right(), edge.top(), 1, edge.height(), bottomRight);
        painter.fillRect(edge.left(), edge.top(), edge.width() - 1, 1, topLeft);
        painter.fillRect(edge.left(), edge.top(), 1, edge.height() - 1, topLeft);
    }
}
} // namespace

ButtonWidget::ButtonWidget(const ControlDesign& design, QWidget* parent) : QAbstractButton(parent)
{
    if (design.fontSize > 0)
        setFont(captionFont(design.fontSize));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ButtonWidget::setBackColor(const QColor& colour)
{
    if (back_ == colour)
        return;
    back_ = colour;
    update();
}

void ButtonWidget::setPicture(const QString& path, const QPixmap& picture)
{
    picturePath_ = path;
    picture_ = picture;
    update();
}

void ButtonWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool sunken = isDown();
    painter.fillRect(rect(), back_);
    drawBevel(painter, rect(), sunken);

    const QRect inside = rect().adjusted(bevelWidth, bevelWidth, -bevelWidth, -bevelWidth);
    drawFitted(painter, inside, picture_);

    if (!text().isEmpty()) {
        painter.setClipRect(inside);
        const QRect captionBox = sunken ? inside.translated(1, 1) : inside;
        if (isEnabled()) {
            painter.setPen(Qt::black);
        } else {
            painter.setPen(light);
            painter.drawText(captionBox.translated(1, 1), Qt::AlignCenter, text());
            painter.setPen(shadow);
        }
        painter.drawText(captionBox, Qt::AlignCenter, text());
    }

    if (hasFocus()) {
        painter.setClipping(false);
        if (picture_.isNull() && !text().isEmpty()) {
            QPen dotted(Qt::black, 1, Qt::DotLine);
            painter.setPen(dotted);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect().adjusted(4, 4, -5, -5));
        } else {
            // A dotted line is lost among the lines of a card face: the card slots show the
            // focus as a thick frame of a colour no card has.
            const QRect frame = inside.adjusted(1, 1, -1, -1);
            const int w = focusFrameWidth;
            painter.fillRect(frame.left(), frame.top(), frame.width(), w, focusColour);
            painter.fillRect(frame.left(), frame.bottom() - w + 1, frame.width(), w, focusColour);
            painter.fillRect(frame.left(), frame.top(), w, frame.height(), focusColour);
            painter.fillRect(frame.right() - w + 1, frame.top(), w, frame.height(), focusColour);
        }
    }
}

} // namespace nablo
