#pragma once

#include <QString>

class QSvgRenderer;

// Card faces as <suit><rank>.jpg in dir: suits d, s, h, c; ranks 1 (ace) to 13 (king).
void writeCardFaces(QSvgRenderer &deck, const QString &dir);

// The icon, a small fan of cards on a transparent background, in dir: nablo.png at 256 x 256 for
// the window, nablo-<N>.png scaled down from it for the smaller sizes a desktop shows (16, 32,
// 48, 64 and 128 pixels), and nablo.svg, the same drawing as vectors.
void writeIcons(QSvgRenderer &deck, const QString &dir);
