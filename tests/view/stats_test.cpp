// The statistics window after two games, and the trainer's word on a clearly bad placement.
// Both are grabbed into the build folder (stats-window.png, trainer-note.png) to be looked at.

#include "modalbox.h"
#include "viewfixture.h"

#include "app/game.h"
#include "app/labelwidget.h"
#include "app/statswindow.h"
#include "app/trainernote.h"
#include "table/form.h"

#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QValueAxis>

#include <cmath>

using namespace nablo;

namespace {

void type(Game& game, Qt::Key key)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &game.view(), key);
}

// A game of stake ten from forty-seven cards on: three of diamonds, three of clubs, seven of
// clubs and seven of spades follow the two of diamonds, and the game ends at 51 cards, which
// pay 300 and no bonus; the player goes on.
void playShortGame(Game& game)
{
    type(game, Qt::Key_X);
    setTable(game, 2, {3, 42, 46, 20, 28}, 47);
    for (int row = 1; row <= 5; ++row)
        game.form().HIT(row).setCaption("0"); // a bonus hand of the random deal goes
    int boxes = 0;
    answerNextBox([&boxes](QMessageBox&) { ++boxes; }, Qt::Key_Return);
    for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4})
        type(game, key);
    QTRY_COMPARE(boxes, 1);
}

// A figure as painted, when a screen reader is told the same.
QString figure(const StatsWindow& window, const QString& name)
{
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->accessibleName() == name)
            return label->accessibleDescription() == label->text()
                       ? label->text()
                       : "painted " + label->text() + ", read " + label->accessibleDescription();
    return {};
}

// Every axis of both charts ticks on a whole, round step from a multiple of it.
void expectRoundTicks(const QList<QChartView*>& views)
{
    for (const QChartView* view : views)
        for (const QAbstractAxis* axis : view->chart()->axes())
            if (const auto* values = qobject_cast<const QValueAxis*>(axis)) {
                const double step = values->tickInterval();
                QVERIFY2(values->tickType() == QValueAxis::TicksDynamic,
                         qPrintable(view->accessibleName()));
                QVERIFY(QList<double>({1, 2, 5}).contains(
                    step / std::pow(10, std::floor(std::log10(step)))));
                QCOMPARE(std::fmod(values->min(), step), 0.0);
            }
}

} // namespace

class StatsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(enterGameFolder(data)); }

    void statisticsWindowAfterTwoGames()
    {
        Game game;
        QVERIFY(!game.load());
        game.view().show();
        QVERIFY(QTest::qWaitForWindowExposed(&game.view()));
        playShortGame(game);
        playShortGame(game);

        type(game, Qt::Key_F2);
        StatsWindow* window = game.statsWindow();
        QVERIFY(window && window->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(figure(*window, "Games played"), QString("2"));
        QCOMPARE(figure(*window, "Credits staked"), QString("20"));
        QCOMPARE(figure(*window, "Credits paid back"), QString("600"));
        QCOMPARE(figure(*window, "Your return (paid ÷ staked)"), QString("30.00"));
        QCOMPARE(figure(*window, "Best game (credits)"), QString("300"));
        const auto views = window->findChildren<QChartView*>();
        QCOMPARE(views.size(), 2);
        expectRoundTicks(views);
        QCOMPARE(QAccessible::queryAccessibleInterface(&game.view())->role(), QAccessible::Window);
        const auto* credits = qobject_cast<QLineSeries*>(views[0]->chart()->series().at(0));
        QVERIFY(credits);
        QCOMPARE(credits->points(), (QList<QPointF>{{0, 100}, {1, 390}, {2, 680}}));
        QCOMPARE(views[0]->accessibleDescription(), QString("390, 680"));
        QVERIFY(views[1]->accessibleDescription().contains("27-28: 2"));
        QVERIFY(window->grab().save(QStringLiteral(NABLO_SHOT_DIR "/stats-window.png")));

        // The main window stays as it was; Esc closes the statistics.
        QVERIFY(game.view().isVisible());
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!game.statsWindow());
    }

    void statisticsStandBesideTheTable()
    {
        const QRect screen(0, 0, 1920, 1040);
        const QSize size(900, 600);
        QCOMPARE(StatsWindow::besideWindow({10, 20, 660, 520}, size, screen), QPoint(678, 20));
        QCOMPARE(StatsWindow::besideWindow({1000, 700, 660, 520}, size, screen), QPoint(92, 440));
        // No room beside it: against the right edge, the roomier side.
        QCOMPARE(StatsWindow::besideWindow({500, 0, 660, 520}, size, screen), QPoint(1020, 0));
    }

    void trainerTellsOfAClearlyBadPlacement()
    {
        Game game;
        QVERIFY(!game.load());
        game.view().show();
        QVERIFY(QTest::qWaitForWindowExposed(&game.view()));
        type(game, Qt::Key_T);
        QCOMPARE(game.view().windowTitle(), QString("NABLO ver0.9 \u2014 trainer"));

        // Eight cards placed: the three of diamonds leads a run of four past ten cards; the two
        // of hearts is followed by none of the others.
        type(game, Qt::Key_X);
        setTable(game, 2, {3, 42, 46, 20, 28}, 8);
        // The card drawn for slot 5 may end the game: its box is answered, after a look.
        const TrainerNote* note = game.view().aids().trainerNote();
        bool seenUnderTheBox = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = QApplication::activeModalWidget()) {
                poll.stop();
                seenUnderTheBox = note->isVisible();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        poll.start(10);
        type(game, Qt::Key_5);
        poll.stop();
        // The judgement follows the click, from the table as it was.
        QTRY_VERIFY(note->isVisible() || seenUnderTheBox);
        // The note names the cards: slot 5's has been replaced by the time it shows.
        static const QRegularExpression named("^The three of diamonds was worth [0-9]+\\.[0-9] "
                                              "credits more than the two of hearts, expected$");
        QVERIFY2(named.match(note->text()).hasMatch(), qPrintable(note->text()));
        QCOMPARE(note->accessibleDescription(), note->text());
        QCOMPARE(game.statistics().judged(), 1);
        QCOMPARE(game.statistics().matched(), 0);
        QVERIFY(game.view().grab().save(QStringLiteral(NABLO_SHOT_DIR "/trainer-note.png")));
        if (!game.view().isInPlay())
            return; // the game is over; the next click below needs one in play

        // The next click takes the word away.
        QTest::mouseClick(game.view().widget("CARD2"), Qt::LeftButton);
        QVERIFY(!note->isVisible());
    }

private:
    QTemporaryDir data;
};

QTEST_MAIN(StatsTest)
#include "stats_test.moc"
