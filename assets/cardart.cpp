#include "cardart.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <array>
#include <stdexcept>
#include <utility>

namespace {

// Twice the card slot of the game window, so faces stay sharp on high-DPI screens.
const QSize faceSize(242, 370);
const int jpegQuality = 92;

struct Suit
{
    char letter;
    const char *deckName;
};
const std::array<Suit, 4> suits{{{'d', "diamond"}, {'s', "spade"}, {'h', "heart"}, {'c', "club"}}};

QString elementId(const Suit &suit, int rank)
{
    static const std::array<const char *, 3> courts{"jack", "queen", "king"};
    const QString rankName = rank <= 10 ? QString::number(rank) : QString(courts[rank - 11]);
    return QStringLiteral("%1_%2").arg(suit.deckName, rankName);
}

// Paints the card element into target, keeping its proportions and centring it.
void paintCard(QSvgRenderer &deck, QPainter &painter, const QString &id, const QRectF &target)
{
    if (!deck.elementExists(id))
        throw std::runtime_error("card deck has no element " + id.toStdString());
    const QRectF bounds = deck.transformForElement(id).mapRect(deck.boundsOnElement(id));
    if (bounds.isEmpty())
        throw std::runtime_error("card element " + id.toStdString() + " is empty");
    const QSizeF size = bounds.size().scaled(target.size(), Qt::KeepAspectRatio);
    QRectF rect(QPointF(), size);
    rect.moveCenter(target.center());
    deck.render(&painter, id, rect);
}

const int iconSide = 256;
const std::array<int, 5> smallerIconSides{16, 32, 48, 64, 128};

// Three aces fanned about a point below the cards' lower edge, on an iconSide square.
void paintIcon(QSvgRenderer &deck, QPainter &painter)
{
    const QRectF card(-52, -214, 104, 160);
    const std::array<std::pair<const char *, qreal>, 3> fan{{
        {"heart_1", -20}, {"diamond_1", 0}, {"spade_1", 20}}};
    for (const auto &[id, angle] : fan) {
        painter.save();
        painter.translate(iconSide / 2.0, 252);
        painter.rotate(angle);
        paintCard(deck, painter, id, card);
        painter.restore();
    }
}

void saveImage(const QImage &image, const QString &path)
{
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

void writeCardFaces(QSvgRenderer &deck, const QString &dir)
{
    for (const Suit &suit : suits) {
        for (int rank = 1; rank <= 13; ++rank) {
            // JPEG has no alpha: the corners outside the rounded card stay white.
            QImage image(faceSize, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            // A one-pixel inset keeps the outline stroke, which lies half outside
            // the element's bounds, inside the picture.
            paintCard(deck, painter, elementId(suit, rank),
                      QRectF(QPointF(), faceSize).adjusted(1, 1, -1, -1));
            painter.end();

            const QString path = QDir(dir).filePath(QStringLiteral("%1%2.jpg").arg(suit.letter).arg(rank));
            if (!image.save(path, "JPG", jpegQuality))
                throw std::runtime_error("cannot write " + path.toStdString());
        }
    }
}

void writeIcons(QSvgRenderer &deck, const QString &dir)
{
    QImage image(iconSide, iconSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    paintIcon(deck, painter);
    painter.end();
    saveImage(image, QDir(dir).filePath("nablo.png"));

    // Averaging the large picture keeps the small ones smooth; the alpha is premultiplied, so
    // the transparent background does not darken the edges.
    for (int side : smallerIconSides) {
        saveImage(image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                  QDir(dir).filePath(QStringLiteral("nablo-%1.png").arg(side)));
    }

    const QString svgPath = QDir(dir).filePath("nablo.svg");
    QSvgGenerator svg;
    svg.setFileName(svgPath);
    svg.setSize(QSize(iconSide, iconSide));
    svg.setViewBox(QRect(0, 0, iconSide, iconSide));
    svg.setTitle("NABLO");
    QPainter vectors;
    if (!vectors.begin(&svg))
        throw std::runtime_error("cannot write " + svgPath.toStdString());
    paintIcon(deck, vectors);
    vectors.end();
}
