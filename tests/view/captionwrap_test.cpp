#include "app/captionwrap.h"

#include <QTest>

using namespace nablo;

namespace {
// Every character one unit wide, so widths can be counted by eye.
QStringList wrap(const QString& caption, int width)
{
    return wrapCaption(caption, width, [](const QString& text) { return int(text.size()); });
}
} // namespace

class CaptionWrapTest : public QObject {
    Q_OBJECT

private slots:
    void wrapsGreedilyAtSpaces()
    {
        QCOMPARE(wrap("aa bb cc", 8), QStringList({"aa bb cc"}));
        QCOMPARE(wrap("aa bb cc", 7), QStringList({"aa bb", "cc"}));
        QCOMPARE(wrap("aa bb cc", 5), QStringList({"aa bb", "cc"}));
        QCOMPARE(wrap("aa bb cc", 4), QStringList({"aa", "bb", "cc"}));
    }

    void runsOfSpacesCountFully()
    {
        // Seven spaces between two words take seven units: "bbb       cc" needs 12.
        const QString caption = " aa       bbb       cc        ";
        QCOMPARE(wrap(caption, 13), QStringList({" aa       bbb", "cc        "}));
        QCOMPARE(wrap(caption, 12), QStringList({" aa", "bbb       cc"}));
        QCOMPARE(wrap(caption, 11), QStringList({" aa", "bbb", "cc        "}));
        // Trailing spaces stay while they fit, and vanish where they do not.
        QCOMPARE(wrap(caption, 5), QStringList({" aa", "bbb", "cc"}));
    }

    void leadingSpacesAndLongWordsStay()
    {
        QCOMPARE(wrap("  aa bb", 5), QStringList({"  aa", "bb"}));
        QCOMPARE(wrap("abcdefgh ij", 4), QStringList({"abcdefgh", "ij"}));
        QCOMPARE(wrap("abcdefgh", 4), QStringList({"abcdefgh"}));
    }

    void lineFeedsBreakLines()
    {
        QCOMPARE(wrap("aa\r\nbb cc", 10), QStringList({"aa", "bb cc"}));
        QCOMPARE(wrap("aa\n\nbb", 10), QStringList({"aa", "", "bb"}));
        QCOMPARE(wrap("", 10), QStringList({""}));
    }
};

QTEST_MAIN(CaptionWrapTest)
#include "captionwrap_test.moc"
