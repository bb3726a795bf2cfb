#pragma once

#include <QString>

class QSvgRenderer;

// Card faces as <suit><rank>.jpg in dir: suits d, s, h, c; ranks 1 (ace) to 13 (king).
void writeCardFaces(QSvgRenderer& deck, const QString& dir);

// The icon, a small fan of cards on a transparent background, in dir: nablo.png at 256 x 256 for
// the window, nablo-<N>.png scaled down from it for 48, 64 and 128 pixels, nablo-<N>.png drawn
// anew for 16, 24 and 32 pixels (two cards with one pip each), and nablo.svg, the large drawing
// as vectors.
void writeIcons(QSvgRenderer& deck, const QString& dir);

// The web page's icons in dir: nablo-192.png and nablo-512.png on a transparent background, and
// nablo-maskable-512.png, the fan smaller on the page's colour, for launchers that cut icons to
// a shape.
void writeWebIcons(QSvgRenderer& deck, const QString& dir);
