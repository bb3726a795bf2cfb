#include "app/captionwrap.h"

#include <QFontMetrics>

namespace nablo {

namespace {
// Appends the lines of one paragraph (text without line feeds).
void wrapParagraph(const QString& text, int width,
                   const std::function<int(const QString&)>& measure, QStringList& lines)
{
    // The leading spaces belong to the first word.
    qsizetype position = 0;
    while (position < text.size() && text[position] == u' ')
        ++position;
    auto wordEnd = [&](qsizetype from) {
        while (from < text.size() && text[from] != u' ')
            ++from;
        return from;
    };

    qsizetype end = wordEnd(position);
    QString line = text.left(end);
    position = end;
    while (position < text.size()) {
        qsizetype wordStart = position;
        while (wordStart < text.size() && text[wordStart] == u' ')
            ++wordStart;
        end = wordEnd(wordStart);
        const QString spaces = text.mid(position, wordStart - position);
        const QString word = text.mid(wordStart, end - wordStart);
        const QString joined = line + spaces + word;
        if (measure(joined) <= width) {
            line = joined;
        } else if (!word.isEmpty()) {
            lines.append(line);
            line = word;
        }
        // Trailing spaces that do not fit are simply dropped.
        position = end;
    }
    lines.append(line);
}
} // namespace

QStringList wrapCaption(const QString& caption, int width,
                        const std::function<int(const QString&)>& measure)
{
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n'))
        wrapParagraph(paragraph, width, measure, lines);
    return lines;
}

QStringList wrapCaption(const QString& caption, int width, const QFontMetrics& metrics)
{
    return wrapCaption(caption, width,
                       [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
}

} // namespace nablo
