// A thousand mouse clicks fired at the game's window, on buttons and labels, enabled or not,
// through several games and every box they open. After each click the table must be sound, and
// the click must have done its work exactly once or not at all; a click at the table while a
// box is open must do nothing.
#include "../view/viewfixture.h"

#include "app/captionfont.h"
#include "app/game.h"
#include "deck/random.h"
#include "game/events.h"
#include "game/invariants.h"
#include "game/state.h"
#include "table/numbers.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <random>
#include <span>

using namespace nablo;

namespace {

// The game's Qt services with a seeded card draw, so that a failing burst plays again alike.
class SeededPlatform : public Platform {
public:
    SeededPlatform(Platform& services, std::uint64_t seed) : services_(services), draw_(seed) {}

    void playSound(const std::string& path) override { services_.playSound(path); }
    void loadPicture(const std::string& path) override { services_.loadPicture(path); }
    void pictureChanged(const Control& control) override { services_.pictureChanged(control); }
    Answer showMessage(const MessageBox& box) override { return services_.showMessage(box); }
    void reseedRandom() override {}
    float nextRandom() override { return draw_.nextFloat(); }

private:
    Platform& services_;
    Xoshiro128 draw_;
};

// Everything a click could change.
struct Snapshot {
    std::vector<std::uint32_t> revisions;
    std::array<std::int16_t, 53> used;
    std::array<std::int16_t, 6> hand;
    std::array<std::int16_t, 6> canPlay;
    std::int32_t pay;
    std::int16_t top, secondDeck, played, rndnum;
    double coins, cards, units;
    bool inPlay;

    bool operator==(const Snapshot&) const = default;
};

Snapshot take(Form1& form)
{
    Snapshot s{};
    for (const Control& control : form.controls())
        s.revisions.push_back(control.revision());
    s.used = form.USED;
    s.hand = form.HAND;
    s.canPlay = form.CANPLAY;
    s.pay = form.PAY;
    s.top = form.TOPCARD;
    s.secondDeck = form.SECONDDECK;
    s.played = form.PLAYED;
    s.rndnum = form.RNDNUM;
    s.coins = readNumber(form.COINS());
    s.cards = readNumber(form.TEN());
    s.units = readNumber(form.CPAY(1)) / 10000;
    s.inPlay = isInPlay(form);
    return s;
}

struct OpenedBox {
    QString title;
    Snapshot table; // as the box showed it
};

// What a click on control `name` may do; empty when it did just that, else what went wrong.
QString judge(std::string_view name, bool enabled, const Snapshot& before, const Snapshot& after,
              std::span<const OpenedBox> boxes, bool stopped)
{
    const auto unchanged = [&](const char* what) {
        return after == before && boxes.empty() ? QString() : QString(what);
    };
    if (!enabled || !clickHandler(name))
        return unchanged("a click without effect changed the table");
    if (name == "BET") {
        if (after.coins != before.coins - 1 || after.units != before.units + 1 || !boxes.empty())
            return QString("BET took %1 credits for %2 units")
                .arg(before.coins - after.coins)
                .arg(after.units - before.units);
        return after.units == 10 && !after.inPlay ? "the tenth unit did not deal" : "";
    }
    if (name == "RepertBet") {
        if (10 - before.units > before.coins)
            return unchanged("BETx10 without the credits for it changed the table");
        return after.coins == before.coins - (10 - before.units) && after.units == 10
                       && after.inPlay && boxes.empty()
                   ? ""
                   : "BETx10 did not stake up to ten units and deal";
    }
    if (name == "START") {
        return after.coins == before.coins && after.units == before.units && after.inPlay
                       && boxes.empty()
                   ? ""
                   : "START did not deal once";
    }
    const auto slot = static_cast<std::size_t>(name.back() - '0');
    if (before.canPlay[slot] != -1)
        return unchanged("a card that does not match the pile was placed");
    if (boxes.empty()) {
        return after.cards == before.cards + 1 && after.coins == before.coins && after.inPlay
                   ? ""
                   : QString("a placement counted %1 cards").arg(after.cards - before.cards);
    }
    // The last card: the box shows it counted and the pay added to the credits.
    const Snapshot& shown = boxes.front().table;
    if (boxes.front().title != QString("ゲームオーバー"))
        return "the game ended with a box titled " + boxes.front().title;
    if (shown.cards != before.cards + 1 || shown.coins != before.coins + shown.pay)
        return QString("the box showed %1 cards and %2 credits after %3 cards and %4 credits + %5")
            .arg(shown.cards)
            .arg(shown.coins)
            .arg(before.cards)
            .arg(before.coins)
            .arg(shown.pay);
    if (stopped) {
        return boxes.size() == 2 && boxes.back().title == QString("終了") && shown.coins == 0
                   ? ""
                   : "the program ended without running out of credits";
    }
    return boxes.size() == 1 && after.cards == 0 && after.units == 0 && after.coins == shown.coins
                   && !after.inPlay
               ? ""
               : "after Yes the table is not ready for the next stake";
}

} // namespace

class BurstTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(enterGameFolder(data)); }

    void thousandClicks()
    {
        std::mt19937 pick(20240611);
        std::vector<OpenedBox> boxes;
        int strayClicksTaken = 0;

        // Answers every box Yes (or OK), after a click at the table behind it.
        QTimer answerer;
        answerer.setInterval(1);
        connect(&answerer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->property("answered").toBool())
                return;
            box->setProperty("answered", true);
            boxes.push_back({box->windowTitle(), take(game->form())});
            const Snapshot before = take(game->form());
            QTest::mouseClick(randomWidget(pick), Qt::LeftButton);
            if (!(take(game->form()) == before))
                ++strayClicksTaken;
            QAbstractButton* yes = box->defaultButton();
            (yes ? yes : box->buttons().value(0))->click();
        });
        answerer.start();

        int games = 0; // ended in a box
        int runs = 0;  // of the program, which ends when the credits run out
        for (int i = 0; i < 1000; ++i) {
            if (!game || game->view().exitStatus())
                newGame(++runs);
            const auto [name, widget] = randomTarget(pick);
            const bool enabled = widget->isEnabled();
            const Snapshot before = take(game->form());
            boxes.clear();

            QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());

            const Snapshot after = take(game->form());
            const QString click = QString("click %1 on %2 (%3): ")
                                      .arg(i)
                                      .arg(QString::fromUtf8(name.data(), name.size()))
                                      .arg(enabled ? "enabled" : "disabled");
            const auto violations = invariantViolations(game->form());
            if (!violations.empty())
                QFAIL(qPrintable(click + QString::fromStdString(violations.front())));
            const std::optional<int> status = game->view().exitStatus();
            QVERIFY2(!status || *status == 0,
                     qPrintable(click + "the program stopped on an error"));
            const QString wrong = judge(name, enabled, before, after, boxes, status.has_value());
            QVERIFY2(wrong.isEmpty(), qPrintable(click + wrong));
            QCOMPARE(strayClicksTaken, 0);
            if (!boxes.empty())
                ++games;
        }
        qInfo("%d games over %d runs of the program", games, runs);
        QVERIFY(games >= 5);
    }

private:
    void newGame(int run)
    {
        game.reset();
        game = std::make_unique<Game>();
        draw = std::make_unique<SeededPlatform>(game->platform(), static_cast<std::uint64_t>(run));
        game->form().setPlatform(*draw);
        QVERIFY(!game->load());
        game->view().show();
    }

    // A control to click: mostly the slots and the betting buttons, sometimes any other.
    std::pair<std::string_view, QWidget*> randomTarget(std::mt19937& pick)
    {
        static constexpr std::array<std::string_view, 8> buttons{
            "CARD1", "CARD2", "CARD3", "CARD4", "CARD5", "BET", "RepertBet", "START"};
        static constexpr std::array<int, 9> weights{14, 14, 14, 14, 14, 12, 4, 4, 10};
        std::discrete_distribution<std::size_t> which(weights.begin(), weights.end());
        const std::size_t chosen = which(pick);
        std::string_view name;
        if (chosen < buttons.size()) {
            name = buttons[chosen];
        } else {
            const auto controls = game->form().controls();
            name =
                controls[std::uniform_int_distribution<std::size_t>(0, controls.size() - 1)(pick)]
                    .name();
        }
        return {name, game->view().widget(name)};
    }

    QWidget* randomWidget(std::mt19937& pick) { return randomTarget(pick).second; }

    QTemporaryDir data;
    std::unique_ptr<SeededPlatform> draw;
    std::unique_ptr<Game> game;
};

QTEST_MAIN(BurstTest)
#include "burst_test.moc"
