#include "modalbox.h"

#include "app/adviceoverlay.h"
#include "viewfixture.h"

#include "app/adviceoverlay.h"
#include "app/buttonwidget.h"
#include "app/captionfont.h"
#include "app/game.h"
#include "app/labelwidget.h"
#include "app/picturewidget.h"
#include "table/form.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <tuple>
#include <vector>

using namespace nablo;

namespace {
const QString plainTitle = QStringLiteral("NABLO ver0.9");

// Everything a click may change: every control's revision and every form variable.
auto snapshot(const Form1& form)
{
    std::vector<std::uint32_t> revisions;
    for (const Control& control : form.controls())
        revisions.push_back(control.revision());
    return std::make_tuple(revisions, form.USED, form.HAND, form.CANPLAY, form.PAY, form.RNDNUM,
                           form.TOPCARD, form.SECONDDECK, form.PLAYED);
}

// A key as the player types it: to the widget with the focus, which passes on what it does not
// use to the window.
void type(Game& game, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = game.view().focusWidget();
    QTest::keyClick(focus ? focus : &game.view(), key, modifiers);
}

QString caption(Game& game, std::string_view name)
{
    return qobject_cast<LabelWidget*>(game.view().widget(name))->caption();
}

bool enabled(Game& game, std::string_view name) { return game.view().widget(name)->isEnabled(); }

// The colour just outside the left edge of a slot's button, where the advice outline goes.
QColor besideSlot(Game& game, int slot)
{
    const QRect button = game.view().widget("CARD" + std::to_string(slot))->geometry();
    return game.view().grab().toImage().pixelColor(button.left() - 2, button.center().y());
}

void showGame(Game& game)
{
    QVERIFY(!game.load());
    game.view().show();
    QVERIFY(QTest::qWaitForWindowExposed(&game.view()));
}
} // namespace

class PlayAidsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(enterGameFolder(data)); }

    void keysPressOnlyEnabledButtons()
    {
        Game game;
        showGame(game);
        const auto reset = snapshot(game.form());
        for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_S,
                            Qt::Key_Return, Qt::Key_Enter})
            type(game, key);
        type(game, Qt::Key_B, Qt::ControlModifier);
        // A key held down acts once: its repeats do nothing.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b", true);
        QApplication::sendEvent(&game.view(), &repeat);
        QVERIFY(snapshot(game.form()) == reset);

        // The keys reach the window through the button with the focus, which does not use them.
        QVERIFY(qobject_cast<ButtonWidget*>(game.view().focusWidget()));
        type(game, Qt::Key_B);
        QCOMPARE(caption(game, "COINS"), QString("99"));
        QVERIFY(enabled(game, "START"));
        type(game, Qt::Key_X);
        QCOMPARE(caption(game, "COINS"), QString("90"));
        QVERIFY(enabled(game, "CARD1"));
        QVERIFY(!enabled(game, "BET"));

        // In play, betting and starting take no key; Enter on the focused slot places its card.
        const auto dealt = snapshot(game.form());
        for (Qt::Key key : {Qt::Key_B, Qt::Key_X, Qt::Key_S})
            type(game, key);
        QVERIFY(snapshot(game.form()) == dealt);

        // The first card is free: 2 places the second slot's card, the three of spades; the
        // three of diamonds follows it, so the game goes on.
        setTable(game, 0, {3, 16, 20, 33, 48}, 0);
        type(game, Qt::Key_2);
        QCOMPARE(caption(game, "TEN"), QString("1"));
        QCOMPARE(qobject_cast<PictureWidget*>(game.view().widget("Image1"))->picturePath(),
                 QString("cards\\s3.jpg"));
        // Enter on a focused slot places its card: the seven of spades on the three of spades,
        // and the seven of hearts follows it.
        game.view().widget("CARD3")->setFocus();
        type(game, Qt::Key_Return);
        QCOMPARE(caption(game, "TEN"), QString("2"));
    }

    void tabFollowsTheButtonsTabPositions()
    {
        Game game;
        QVERIFY(!game.load());
        QStringList order;
        QWidget* widget = game.view().widget("BET");
        do {
            if (qobject_cast<ButtonWidget*>(widget))
                order.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != game.view().widget("BET"));
        QCOMPARE(order, QStringList({"BET", "CARD1", "CARD2", "CARD3", "CARD4", "CARD5", "START",
                                     "RepertBet"}));
    }

    void adviceShowsOnlyInPlayAndChangesNothing()
    {
        Game game;
        showGame(game);
        type(game, Qt::Key_H);
        QCOMPARE(game.view().windowTitle(), plainTitle);
        QCOMPARE(game.view().aids().advisedSlot(), 0);

        type(game, Qt::Key_B);
        type(game, Qt::Key_S);
        setTable(game, 0, {3, 16, 20, 33, 48}, 0);
        const auto dealt = snapshot(game.form());
        type(game, Qt::Key_H);
        QVERIFY(snapshot(game.form()) == dealt);

        // Every slot is playable with the first card: each shows its estimate on its card; the
        // title names the advised slot only.
        const QString title = game.view().windowTitle();
        static const QRegularExpression advice("^NABLO ver0\\.9 \u2014 advice: slot ([1-5])$");
        const QRegularExpressionMatch match = advice.match(title);
        QVERIFY2(match.hasMatch(), qPrintable(title));
        const int slot = match.captured(1).toInt();
        QCOMPARE(game.view().aids().advisedSlot(), slot);
        QCOMPARE(besideSlot(game, slot), QColor(0, 255, 0));
        QCOMPARE(besideSlot(game, slot % 5 + 1), QColor(Qt::black));
        const AdviceOverlay* overlay = game.view().aids().adviceOverlay();
        QVERIFY(overlay && overlay->isVisible());
        QCOMPARE(overlay->notes().size(), std::size_t{5});
        for (int k = 1; k <= 5; ++k) {
            const auto& note = overlay->notes()[static_cast<std::size_t>(k - 1)];
            QCOMPARE(note.card, game.view().widget("CARD" + std::to_string(k))->geometry());
            QCOMPARE(note.advised, k == slot);
            QVERIFY(note.expected >= 0);
        }

        // The same table gets the same advice.
        type(game, Qt::Key_H);
        QCOMPARE(game.view().windowTitle(), title);

        // The next click takes the advice away; the three of spades follows the three of
        // diamonds.
        type(game, Qt::Key_1);
        QCOMPARE(caption(game, "TEN"), QString("1"));
        QCOMPARE(game.view().windowTitle(), plainTitle);
        QCOMPARE(game.view().aids().advisedSlot(), 0);
        QCOMPARE(besideSlot(game, slot), QColor(Qt::black));
        QVERIFY(!overlay->isVisible());
    }

    void adviceWithOneChoiceNamesIt()
    {
        Game game;
        showGame(game);
        // Two of diamonds on the pile: only the three of diamonds in slot 2 follows it.
        setTable(game, 2, {20, 3, 33, 48, 0}, 12);
        type(game, Qt::Key_H);
        QCOMPARE(game.view().windowTitle(),
                 QString("NABLO ver0.9 \u2014 advice: only slot 2 can be placed"));
        QCOMPARE(game.view().aids().advisedSlot(), 2);
    }

    void demoPlacesCardsUntilTheEndBox()
    {
        Game game;
        showGame(game);
        // Forty-seven cards placed, none left to draw: three of diamonds, three of spades, seven
        // of spades, seven of hearts follow one another, then nine of clubs matches nothing.
        setTable(game, 2, {3, 16, 20, 33, 48}, 47);

        QString placedAtBox;
        QString placedAfterWaiting;
        int advisedInBox = -1;
        int boxes = 0;
        answerNextBox(
            [&](QMessageBox&) {
                ++boxes;
                placedAtBox = caption(game, "TEN");
                // Longer than the demo's pace: nothing is placed while the box is open.
                QTest::qWait(800);
                placedAfterWaiting = caption(game, "TEN");
                game.view().aids().showAdvice();
                advisedInBox = game.view().aids().advisedSlot();
            },
            Qt::Key_Return);

        type(game, Qt::Key_D);
        QVERIFY(game.view().aids().isDemoRunning());
        QCOMPARE(game.view().windowTitle(), plainTitle + QString(" \u2014 demo"));
        QTRY_COMPARE_WITH_TIMEOUT(boxes, 1, 10000);
        QCOMPARE(placedAtBox, QString("51"));
        QCOMPARE(placedAfterWaiting, QString("51"));
        QCOMPARE(advisedInBox, 0);

        // Answered Yes: a new game waits for its stake, and the demo is over.
        QVERIFY(!game.view().aids().isDemoRunning());
        QVERIFY(enabled(game, "BET"));
        QCOMPARE(caption(game, "TEN"), QString("0"));
        QCOMPARE(game.view().windowTitle(), plainTitle);
    }

    void demoStopsOnItsKeyAndOnAClick()
    {
        Game game;
        showGame(game);
        type(game, Qt::Key_D);
        QVERIFY(!game.view().aids().isDemoRunning());

        type(game, Qt::Key_B);
        type(game, Qt::Key_S);
        type(game, Qt::Key_D);
        QVERIFY(game.view().aids().isDemoRunning());
        type(game, Qt::Key_D);
        QVERIFY(!game.view().aids().isDemoRunning());
        QCOMPARE(game.view().windowTitle(), plainTitle);

        // A click on the pile, or a key with no use, stops it as a click on a slot does.
        for (const auto& stop : std::initializer_list<std::function<void()>>{
                 [&] { QTest::mouseClick(game.view().widget("Image1"), Qt::LeftButton); },
                 [&] { type(game, Qt::Key_Q); }}) {
            type(game, Qt::Key_D);
            QVERIFY(game.view().aids().isDemoRunning());
            stop();
            QVERIFY(!game.view().aids().isDemoRunning());
        }

        setTable(game, 0, {3, 16, 20, 33, 48}, 0);
        type(game, Qt::Key_D);
        QTest::mouseClick(game.view().widget("CARD1"), Qt::LeftButton);
        QVERIFY(!game.view().aids().isDemoRunning());
        QTest::qWait(700);
        QCOMPARE(caption(game, "TEN"), QString("1"));
    }

    void soundKeyShowsMutedInTheTitleWhileMuted()
    {
        Game game;
        showGame(game);
        type(game, Qt::Key_M);
        QVERIFY(game.view().aids().isMuted());
        QCOMPARE(game.view().windowTitle(), plainTitle + QString(" \u2014 sound off"));
        // Longer than the moment "sound on" shows: off stays as long as it lasts.
        QTest::qWait(3500);
        QCOMPARE(game.view().windowTitle(), plainTitle + QString(" \u2014 sound off"));
        type(game, Qt::Key_M);
        QVERIFY(!game.view().aids().isMuted());
        QCOMPARE(game.view().windowTitle(), plainTitle + QString(" \u2014 sound on"));
        QTRY_COMPARE_WITH_TIMEOUT(game.view().windowTitle(), plainTitle, 5000);
    }

    void helpListsTheKeysAndStopsTheDemo()
    {
        Game game;
        showGame(game);
        type(game, Qt::Key_B);
        type(game, Qt::Key_S);
        type(game, Qt::Key_D);
        const auto dealt = snapshot(game.form());
        QString text;
        answerNextBox([&](QMessageBox& box) { text = box.text(); }, Qt::Key_Escape);
        type(game, Qt::Key_F1);
        for (const char* key : {"<b>1</b>", "<b>5</b>", "<b>B</b>", "<b>X</b>", "<b>S</b>",
                                "<b>Enter</b>", "<b>H</b>", "<b>D</b>", "<b>M</b>", "<b>T</b>",
                                "<b>F1</b>", "<b>F2</b>", "Enter or Y answers Yes", "How to play"})
            QVERIFY2(text.contains(key), key);
        QVERIFY(!game.view().aids().isDemoRunning());
        QVERIFY(snapshot(game.form()) == dealt);
    }

private:
    QTemporaryDir data;
};

QTEST_MAIN(PlayAidsTest)
#include "playaids_test.moc"
