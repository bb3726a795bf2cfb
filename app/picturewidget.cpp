#include "app/picturewidget.h"

#include <QPainter>

namespace nablo {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {}

void PictureWidget::setPicture(const QString& path, const QPixmap& picture)
{
    picturePath_ = path;
    picture_ = picture;
    update();
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    drawFitted(painter, rect(), picture_);
}

void drawFitted(QPainter& painter, const QRectF& box, const QPixmap& picture)
{
    if (picture.isNull() || box.isEmpty())
        return;
    const QSizeF size = picture.deviceIndependentSize().scaled(box.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(box.center());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture, QRectF(picture.rect()));
    painter.restore();
}

} // namespace nablo
