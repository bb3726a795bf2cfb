#include "viewfixture.h"

#include "app/accessibility.h"
#include "app/captionfont.h"
#include "app/game.h"
#include "game/rows.h"
#include "session/accessible.h"
#include "table/form.h"

#include <QAccessible>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace nablo;

namespace {
QAccessibleInterface* accessible(Game& game, std::string_view name)
{
    return QAccessible::queryAccessibleInterface(game.view().widget(name));
}

// "Name, value" as a screen reader reads it.
QString spoken(Game& game, std::string_view name)
{
    QAccessibleInterface* face = accessible(game, name);
    const QString value = face->text(QAccessible::Description);
    return value.isEmpty() ? face->text(QAccessible::Name)
                           : face->text(QAccessible::Name) + ", " + value;
}

// Card names written out here, not derived: codes run ace..king through diamonds, spades,
// hearts, clubs.
QString expectedCardName(int code)
{
    static const QStringList ranks{"ace",   "two",  "three", "four", "five",  "six", "seven",
                                   "eight", "nine", "ten",   "jack", "queen", "king"};
    static const QStringList suits{"diamonds", "spades", "hearts", "clubs"};
    return ranks[(code - 1) % 13] + " of " + suits[(code - 1) / 13];
}

void click(Game& game, std::string_view name)
{
    QTest::mouseClick(game.view().widget(name), Qt::LeftButton);
}
} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(enterGameFolder(data)); }

    void cardNamesRunThroughTheSuits()
    {
        const auto cardName = [](int code) {
            return QString::fromStdString(nablo::cardName(code));
        };
        QCOMPARE(cardName(1), QString("ace of diamonds"));
        QCOMPARE(cardName(13), QString("king of diamonds"));
        QCOMPARE(cardName(14), QString("ace of spades"));
        QCOMPARE(cardName(38), QString("queen of hearts"));
        QCOMPARE(cardName(40), QString("ace of clubs"));
        QCOMPARE(cardName(52), QString("king of clubs"));
        QCOMPARE(cardName(0), QString());
        QCOMPARE(cardName(53), QString());
    }

    void wordsFollowTheGame()
    {
        Game game;
        QVERIFY(!game.load());
        game.view().show();
        QVERIFY(QTest::qWaitForWindowExposed(&game.view()));
        QCOMPARE(spoken(game, "COINS"), QString("Credits, 100"));
        QCOMPARE(spoken(game, "CARD2"), QString("Card slot 2, empty"));
        QCOMPARE(spoken(game, "Image1"), QString("Pile, empty"));
        QCOMPARE(spoken(game, "H12"), QString("queen of hearts, not dealt"));
        // The card board is one element to a reader, its first strip, that says it all.
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&game.view());
        QCOMPARE(window->indexOfChild(accessible(game, "H12")), -1);
        QVERIFY(window->indexOfChild(accessible(game, "DIA")) >= 0);
        QVERIFY(
            spoken(game, "DIA")
                .startsWith(
                    "Card board, not dealt yet: diamonds ace, two, three, four, five, six, seven, "
                    "eight, nine, ten, jack, queen, king; spades ace"));

        for (int i = 0; i < 3; ++i)
            click(game, "BET");
        click(game, "START");
        // A hand whose first card the next one follows, so that the game goes on.
        setTable(game, 0, {3, 16, 20, 33, 48}, 0);
        const Form1& form = game.form();
        const int placed = form.HAND[1];
        click(game, "CARD1");

        QAccessibleInterface* coins = accessible(game, "COINS");
        QCOMPARE(coins->text(QAccessible::Name), QString("Credits"));
        QCOMPARE(coins->text(QAccessible::Value), QString("97"));
        QCOMPARE(coins->role(), QAccessible::StaticText);
        QCOMPARE(spoken(game, "TEN"), QString("Cards placed, 1"));
        QCOMPARE(spoken(game, "Image1"), "Pile, " + expectedCardName(placed));
        QCOMPARE(accessible(game, "Image1")->role(), QAccessible::Graphic);
        QCOMPARE(spoken(game, game.form().rankLabel(placed).name()),
                 expectedCardName(placed) + ", on the pile");

        for (int k = 1; k <= 5; ++k) {
            const std::string name = "CARD" + std::to_string(k);
            QAccessibleInterface* slot = accessible(game, name);
            QCOMPARE(slot->role(), QAccessible::Button);
            QVERIFY(!slot->state().disabled);
            const int code = form.HAND[k];
            const bool selectable = form.CANPLAY[k] == -1;
            QCOMPARE(spoken(game, name), QString("Card slot %1, %2, %3")
                                             .arg(k)
                                             .arg(expectedCardName(code),
                                                  selectable ? "selectable" : "not selectable"));
            QCOMPARE(spoken(game, "SEL" + std::to_string(k)),
                     QString("Card slot %1 mark, %2")
                         .arg(k)
                         .arg(selectable ? "selectable" : "not selectable"));
            QCOMPARE(spoken(game, game.form().rankLabel(code).name()),
                     expectedCardName(code) + ", in a slot");
            QVERIFY(spoken(game, "DIA").contains(expectedCardName(code)));
        }
        QVERIFY(spoken(game, "DIA").endsWith(". 1 card on the pile"));

        // A press on the seven of spades, which cannot follow the three, is refused aloud and
        // framed in red; nothing else changes.
        click(game, "CARD3");
        const auto* said = game.view().findChild<QLabel*>("announcement");
        QCOMPARE(said->accessibleName(), QString("not selectable"));
        const QRect slot = game.view().widget("CARD3")->geometry();
        QCOMPARE(game.view().grab().toImage().pixelColor(slot.left() - 2, slot.center().y()),
                 QColor(255, 0, 0));
        QCOMPARE(spoken(game, "TEN"), QString("Cards placed, 1"));

        for (const auto& [name, words] : {std::pair{"BET", "Bet"}, std::pair{"RepertBet", "BETx10"},
                                          std::pair{"START", "Start"}}) {
            // Screen readers add the button's tooltip as its description.
            QCOMPARE(accessible(game, name)->text(QAccessible::Name), QString(words));
            QVERIFY2(accessible(game, name)->state().disabled, name);
        }

        // The stake of three units is the BET button's value, and shows in both pay tables.
        QCOMPARE(accessible(game, "BET")->text(QAccessible::Description), QString("stake 3"));
        QCOMPARE(spoken(game, "Label9"), QString("10-13 cards, pays 15"));
        QCOMPARE(spoken(game, "CPAY1"), QString("Pays for 2nd 52 cards, 30000"));
        const QString royalHits = QString::fromStdString(game.form().HIT(1).caption());
        QCOMPARE(spoken(game, "Label12"), "Royal flush, pays 1500, hits " + royalHits);
        QCOMPARE(spoken(game, "HIT1").left(20), QString("Hits of royal flush,"));

        // Every widget says what it is.
        for (const Control& control : form.controls()) {
            QVERIFY2(!accessible(game, control.name())->text(QAccessible::Name).isEmpty(),
                     control.name().data());
        }
        // A label without a value has its tooltip for a description.
        QCOMPARE(spoken(game, "Label10"),
                 QString("Number of succeeded cards, How many cards you have placed on the pile "
                         "in this game"));
    }

    void litRowsAndBlockedSlotsAreSaid()
    {
        Game game;
        QVERIFY(!game.load());
        // Two of diamonds on the pile: the three of diamonds follows it, nothing else does.
        setTable(game, 2, {3, 16, 20, 0, 48}, 27);
        Form1& form = game.form();
        showRowLit(form.tierLabel(2), form.CPAY(2));
        showRowLit(form.bonusLabel(5), form.BPAY(5));
        form.HIT(5).setCaption("2");
        game.view().sync();

        QCOMPARE(spoken(game, "CARD1"), QString("Card slot 1, three of diamonds, selectable"));
        QCOMPARE(spoken(game, "CARD2"), QString("Card slot 2, three of spades, not selectable"));
        QCOMPARE(spoken(game, "CARD4"), QString("Card slot 4, empty"));
        QCOMPARE(spoken(game, "Label3"), QString("27-28 cards, pays 0, reached"));
        QCOMPARE(spoken(game, "Label16"), QString("Flush, pays 0, hits 2, showing"));
        QCOMPARE(spoken(game, "HIT5"), QString("Hits of flush, 2"));
        QCOMPARE(spoken(game, "Image1"), QString("Pile, two of diamonds"));
    }

private:
    QTemporaryDir data;
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
