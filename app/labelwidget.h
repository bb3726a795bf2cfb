#pragma once

#include "table/design.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

namespace nablo {

// A label of the table, painted to the pixel: its background unless transparent, a 1-pixel
// black border when the design gives one, and the caption wrapped at spaces. A single line sits
// in the middle of the box's height, several lines start at the top.
class LabelWidget : public QWidget {
    Q_OBJECT
public:
    LabelWidget(const ControlDesign& design, QWidget* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor& colour);

    QColor backColor() const { return back_; }
    void setBackColor(const QColor& colour);

    bool isTransparent() const { return transparent_; }
    bool hasBorder() const { return border_; }

    // The caption as it is shown, one entry per line.
    QStringList lines() const;
    // The box the caption is laid out in: inside the border.
    QRect textRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor fore_;
    QColor back_;
    bool transparent_;
    bool border_;
    Qt::Alignment align_;
};

} // namespace nablo
