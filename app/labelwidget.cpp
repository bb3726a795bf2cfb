#include "app/labelwidget.h"

#include "app/captionfont.h"
#include "app/captionwrap.h"

#include <QPainter>

namespace nablo {

namespace {
Qt::Alignment horizontal(Align align)
{
    switch (align) {
    case Align::Left: return Qt::AlignLeft;
    case Align::Right: return Qt::AlignRight;
    case Align::Centre: break;
    }
    return Qt::AlignHCenter;
}
} // namespace

LabelWidget::LabelWidget(const ControlDesign& design, QWidget* parent)
    : QWidget(parent), transparent_(design.transparent), border_(design.border),
      align_(horizontal(design.align))
{
    if (design.fontSize > 0)
        setFont(captionFont(design.fontSize));
    // An opaque label covers its whole box, so nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent_);
}

void LabelWidget::setCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    update();
}

void LabelWidget::setForeColor(const QColor& colour)
{
    if (fore_ == colour)
        return;
    fore_ = colour;
    update();
}

void LabelWidget::setBackColor(const QColor& colour)
{
    if (back_ == colour)
        return;
    back_ = colour;
    update();
}

QRect LabelWidget::textRect() const { return border_ ? rect().adjusted(1, 1, -1, -1) : rect(); }

QStringList LabelWidget::lines() const
{
    return wrapCaption(caption_, textRect().width(), fontMetrics());
}

void LabelWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), back_);
    if (border_) {
        // The single line along the inside of the box; neighbouring cells overlap by a pixel
        // and so share one line.
        const QRect box = rect();
        painter.fillRect(box.left(), box.top(), box.width(), 1, Qt::black);
        painter.fillRect(box.left(), box.bottom(), box.width(), 1, Qt::black);
        painter.fillRect(box.left(), box.top(), 1, box.height(), Qt::black);
        painter.fillRect(box.right(), box.top(), 1, box.height(), Qt::black);
    }

    const QRect box = textRect();
    painter.setClipRect(box);
    painter.setPen(fore_);
    const QStringList shown = lines();
    if (shown.size() == 1) {
        painter.setFont(fittedCaptionFont(font(), shown.front(), box.width()));
        painter.drawText(box, align_ | Qt::AlignVCenter, shown.front());
        return;
    }
    const int lineHeight = fontMetrics().height();
    QRect line(box.left(), box.top(), box.width(), lineHeight);
    for (const QString& text : shown) {
        painter.setFont(fittedCaptionFont(font(), text, box.width()));
        painter.drawText(line, align_ | Qt::AlignTop, text);
        line.translate(0, lineHeight);
    }
}

} // namespace nablo
