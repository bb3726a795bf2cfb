#include "cardart.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace {

// Twice the card slot of the game window, so faces stay sharp on high-DPI screens.
const QSize faceSize(242, 370);
const int jpegQuality = 92;

struct Suit {
    char letter;
    const char* deckName;
};
const std::array<Suit, 4> suits{{{'d', "diamond"}, {'s', "spade"}, {'h', "heart"}, {'c', "club"}}};

QString elementId(const Suit& suit, int rank)
{
    static const std::array<const char*, 3> courts{"jack", "queen", "king"};
    const QString rankName = rank <= 10 ? QString::number(rank) : QString(courts[rank - 11]);
    return QStringLiteral("%1_%2").arg(suit.deckName, rankName);
}

// Paints the card element into target, keeping its proportions and centring it.
void paintCard(QSvgRenderer& deck, QPainter& painter, const QString& id, const QRectF& target)
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
// The web page's background, which its installed icon and title bar take on.
const QColor webThemeColour(0x20, 0x20, 0x20);
const std::array<int, 3> largerIconSides{48, 64, 128};
const std::array<int, 3> smallIconSides{16, 24, 32};

// Three aces fanned about a point below the cards' lower edge, on an iconSide square.
void paintIcon(QSvgRenderer& deck, QPainter& painter)
{
    const QRectF card(-52, -214, 104, 160);
    const std::array<std::pair<const char*, qreal>, 3> fan{
        {{"heart_1", -20}, {"diamond_1", 0}, {"spade_1", 20}}};
    for (const auto& [id, angle] : fan) {
        painter.save();
        painter.translate(iconSide / 2.0, 252);
        painter.rotate(angle);
        paintCard(deck, painter, id, card);
        painter.restore();
    }
}

// One card of a small icon: white, a dark one-pixel outline with its corners cut, so that it
// reads as a card at a glance.
void paintSmallCard(QPainter& painter, const QRect& card)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x20, 0x20));
    painter.drawRect(card.adjusted(1, 0, -1, 0));
    painter.drawRect(card.adjusted(0, 1, 0, -1));
    painter.setBrush(Qt::white);
    painter.drawRect(card.adjusted(1, 1, -1, -1));
}

// A suit pip of the given height centred on centre: a diamond, or a spade (heart upside down
// with a stem), drawn as polygons so they stay solid at a few pixels.
void paintPip(QPainter& painter, QPointF centre, qreal height, bool spade)
{
    const qreal half = height / 2;
    const qreal width = spade ? height : height * 0.8;
    painter.setPen(Qt::NoPen);
    if (!spade) {
        painter.setBrush(QColor(0xd0, 0x10, 0x10));
        painter.drawPolygon(
            QPolygonF({centre + QPointF(0, -half), centre + QPointF(width / 2, 0),
                       centre + QPointF(0, half), centre + QPointF(-width / 2, 0)}));
        return;
    }
    painter.setBrush(Qt::black);
    const qreal lobe = width / 4;
    painter.drawPolygon(
        QPolygonF({centre + QPointF(0, -half), centre + QPointF(width / 2, 0.1 * height),
                   centre + QPointF(-width / 2, 0.1 * height)}));
    painter.drawEllipse(centre + QPointF(-lobe, 0.1 * height), lobe, lobe);
    painter.drawEllipse(centre + QPointF(lobe, 0.1 * height), lobe, lobe);
    painter.drawPolygon(
        QPolygonF({centre + QPointF(0, 0.1 * height), centre + QPointF(width / 4, half),
                   centre + QPointF(-width / 4, half)}));
}

// At 16 pixels smoothing turns pips into grey dots: they are set pixel by pixel, rows of
// (first column, width) from the cards' top left corners.
void paintPixelPips(QPainter& painter, QPoint back, QPoint front)
{
    const std::array<std::pair<int, int>, 4> spade{{{2, 1}, {1, 3}, {1, 3}, {2, 1}}};
    const std::array<std::pair<int, int>, 7> diamond{
        {{4, 1}, {3, 3}, {3, 3}, {2, 5}, {3, 3}, {3, 3}, {4, 1}}};
    for (std::size_t row = 0; row < spade.size(); ++row)
        painter.fillRect(back.x() + spade[row].first, back.y() + 2 + int(row), spade[row].second, 1,
                         Qt::black);
    for (std::size_t row = 0; row < diamond.size(); ++row)
        painter.fillRect(front.x() + diamond[row].first, front.y() + 3 + int(row),
                         diamond[row].second, 1, QColor(0xd0, 0x10, 0x10));
}

// The icon drawn anew for 16 to 32 pixels, where the fan of real faces shrinks into a blur: two
// cards, the one behind showing a spade in its corner, the one in front a large red diamond.
QImage smallIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const int cardWidth = side * 9 / 16;
    const int cardHeight = side * 12 / 16;
    const QRect back(side / 16, side / 16, cardWidth, cardHeight);
    const QRect front(side - cardWidth - side / 16, side - cardHeight - side / 16, cardWidth,
                      cardHeight);
    paintSmallCard(painter, back);
    paintSmallCard(painter, front);
    if (side == 16) {
        paintPixelPips(painter, back.topLeft(), front.topLeft());
        return image;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal corner = side / 5.0;
    paintPip(painter,
             QPointF(back.left() + 1 + corner / 2 + side / 32.0,
                     back.top() + 1 + corner / 2 + side / 32.0),
             corner, true);
    paintPip(painter, QRectF(front).adjusted(1, 1, -1, -1).center() + QPointF(0.5, 0.5),
             front.height() * 0.55, false);
    return image;
}

void saveImage(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

void writeCardFaces(QSvgRenderer& deck, const QString& dir)
{
    for (const Suit& suit : suits) {
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

            const QString path =
                QDir(dir).filePath(QStringLiteral("%1%2.jpg").arg(suit.letter).arg(rank));
            if (!image.save(path, "JPG", jpegQuality))
                throw std::runtime_error("cannot write " + path.toStdString());
        }
    }
}

void writeIcons(QSvgRenderer& deck, const QString& dir)
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
    for (int side : largerIconSides) {
        saveImage(image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                  QDir(dir).filePath(QStringLiteral("nablo-%1.png").arg(side)));
    }
    for (int side : smallIconSides)
        saveImage(smallIcon(side), QDir(dir).filePath(QStringLiteral("nablo-%1.png").arg(side)));

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

void writeWebIcons(QSvgRenderer& deck, const QString& dir)
{
    // The maskable icon keeps the fan inside the middle 80 % circle that every mask shows.
    const struct {
        int side;
        bool maskable;
        const char* name;
    } icons[] = {{192, false, "nablo-192.png"},
                 {512, false, "nablo-512.png"},
                 {512, true, "nablo-maskable-512.png"}};
    for (const auto& icon : icons) {
        QImage image(icon.side, icon.side, QImage::Format_ARGB32_Premultiplied);
        image.fill(icon.maskable ? webThemeColour : QColor(Qt::transparent));
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        const qreal scale = icon.side / qreal(iconSide) * (icon.maskable ? 0.7 : 1.0);
        const qreal margin = (icon.side - scale * iconSide) / 2;
        painter.translate(margin, margin);
        painter.scale(scale, scale);
        paintIcon(deck, painter);
        painter.end();
        saveImage(image, QDir(dir).filePath(icon.name));
    }
}
