#pragma once

#include "table/design.h"

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace nablo {

// A button of the table: its background colour, a raised bevel (sunken while held down), the
// picture fitted inside the bevel and the caption in the middle.
class ButtonWidget : public QAbstractButton {
    Q_OBJECT
public:
    ButtonWidget(const ControlDesign& design, QWidget* parent);

    QColor backColor() const { return back_; }
    void setBackColor(const QColor& colour);

    // The path the picture was loaded from ("" for none) and the picture.
    QString picturePath() const { return picturePath_; }
    QPixmap picture() const { return picture_; }
    void setPicture(const QString& path, const QPixmap& picture);

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_;
    QString picturePath_;
    QPixmap picture_;
};

} // namespace nablo
