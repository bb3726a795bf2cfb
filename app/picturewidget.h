#pragma once

#include <QPixmap>
#include <QWidget>

class QPainter;

namespace nablo {

// The box the pile shows its top card in: the picture fitted into the box, nothing when empty.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent);

    QString picturePath() const { return picturePath_; }
    QPixmap picture() const { return picture_; }
    void setPicture(const QString& path, const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString picturePath_;
    QPixmap picture_;
};

// Draws a picture as large as fits in box, keeping its proportions, centred. Card pictures are
// twice the size of their slot, so they are drawn smoothly and stay sharp on high-density
// screens.
void drawFitted(QPainter& painter, const QRectF& box, const QPixmap& picture);

} // namespace nablo
