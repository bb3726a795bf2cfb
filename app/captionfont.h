#pragma once

#include <QFont>

namespace nablo {

// Maps the design's caption face onto an installed Japanese proportional Gothic. Call once,
// after the application object exists and before any caption font is made.
void installCaptionFace();

// The design size in points as pixels at 96 dots per inch, so captions measure the same on
// every screen: 9 pt is 12 px, 24 pt is 32 px.
int captionPixelSize(double points);

// The bold caption font of that design size.
QFont captionFont(double points);

// The font to draw one line in a box width pixels wide. The design sized some labels to the
// width of their caption in its own face (the rank letters of the card board: "A" in 9 pixels,
// "10" in 17); where the installed face is wider, the line is narrowed to fit instead of being
// cut off, down to three quarters of its width.
QFont fittedCaptionFont(const QFont& font, const QString& line, int width);

} // namespace nablo
