#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QFontMetrics;

namespace nablo {

// Breaks a caption into the lines a label shows in the given width. Lines end at line feeds
// (a CR before one is dropped) and, when the text is too wide, at runs of spaces. Spaces stay as
// written and count fully toward the width, however many there are; a run where a line breaks
// disappears. A word wider than the whole width gets a line of its own.
QStringList wrapCaption(const QString& caption, int width,
                        const std::function<int(const QString&)>& measure);

QStringList wrapCaption(const QString& caption, int width, const QFontMetrics& metrics);

} // namespace nablo
