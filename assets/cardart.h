#pragma once

#include <QString>

class QSvgRenderer;

// Card faces as <suit><rank>.jpg in dir: suits d, s, h, c; ranks 1 (ace) to 13 (king).
void writeCardFaces(QSvgRenderer &deck, const QString &dir);

// A small fan of cards on a transparent background, for the window.
void writeIcon(QSvgRenderer &deck, const QString &path);
