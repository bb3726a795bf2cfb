#include "app/captionfont.h"

#include "table/design.h"

#include <QFontMetrics>
#include <QStringList>

#include <cmath>

namespace nablo {

namespace {
QString designFace()
{
    return QString::fromUtf8(designFontFace.data(), static_cast<qsizetype>(designFontFace.size()));
}
} // namespace

void installCaptionFace()
{
    QFont::insertSubstitutions(designFace(),
                               {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "VL PGothic"});
}

int captionPixelSize(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

QFont captionFont(double points)
{
    QFont font(designFace());
    font.setPixelSize(captionPixelSize(points));
    font.setWeight(QFont::Bold);
    return font;
}

QFont fittedCaptionFont(const QFont& font, const QString& line, int width)
{
    constexpr int narrowest = 75;
    QFont fitted = font;
    int stretch = 100;
    while (stretch > narrowest && QFontMetrics(fitted).horizontalAdvance(line) > width) {
        stretch -= 5;
        fitted.setStretch(stretch);
    }
    return fitted;
}

} // namespace nablo
