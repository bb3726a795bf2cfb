// Measures, in the real window, what the costliest clicks of a game take from the mouse click to
// the end of the repaint, and what the advice of key H takes. Prints medians; asserts nothing.
// Run from the build's bin folder (it needs the card pictures): nablo-clickcost [runs]
#include "advice/strategy.h"
#include "app/captionfont.h"
#include "app/datafolder.h"
#include "app/dialogstyle.h"
#include "app/qtplatform.h"
#include "app/tableview.h"
#include "deck/cards.h"
#include "game/reset.h"
#include "table/board.h"
#include "table/form.h"
#include "table/slotcontrols.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace nablo;

namespace {

// The Qt services of the game, except that a box is answered Yes at once and noted: a run that
// ends the game is left out of the figures.
class MeasuringPlatform : public QtPlatform {
public:
    Answer showMessage(const MessageBox&) override
    {
        boxOpened = true;
        return Answer::Yes;
    }
    bool boxOpened = false;
};

struct Figures {
    double median = 0;
    double p90 = 0;
    double max = 0;
    std::size_t runs = 0;
};

Figures figures(std::vector<double> times)
{
    if (times.empty())
        return {};
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 9 / 10], times.back(), times.size()};
}

void print(const char* what, const Figures& f)
{
    std::printf("%-58s median %8.3f ms  p90 %8.3f ms  max %8.3f ms  (%zu runs)\n", what, f.median,
                f.p90, f.max, f.runs);
}

// A game in play between two clicks: the pile card, the five slots (0 empty), the cards placed
// in this pass; every code but those in `undrawn` has been drawn.
void layOut(Form1& form, std::int16_t top, std::array<std::int16_t, 5> hand, std::int16_t placed,
            std::initializer_list<std::int16_t> undrawn)
{
    Form_Load(form);
    for (Control* button : {&form.BET(), &form.RepertBet(), &form.START()}) {
        button->setEnabled(false);
        button->setBackColor(colour::grey);
    }
    form.CPAY(1).setCaption("10000");
    form.TOPCARD = top;
    form.Image1().setPicture(CA(top));
    form.PLAYED = placed;
    form.TEN().setCaption(std::to_string(placed));
    for (std::int16_t code = 1; code <= 52; ++code) {
        const bool drawn = std::find(undrawn.begin(), undrawn.end(), code) == undrawn.end();
        form.USED[code] = drawn ? -1 : 0;
        Color_Change(form, code, drawn ? "AO" : "SHIRO");
    }
    for (int k = 1; k <= 5; ++k) {
        const std::int16_t code = hand[static_cast<std::size_t>(k - 1)];
        form.HAND[k] = code;
        form.CARD(k).setEnabled(true);
        form.CARD(k).setPicture(code ? CA(code) : "");
        form.CANPLAY[k] = D_CHECK(form, code);
        form.SEL(k).setForeColor(form.CANPLAY[k] ? colour::yellow : colour::black);
        Color_Change(form, code, "KI");
    }
}

// Times clicks on a slot of tables laid out by setUp, each from the mouse click to the end of
// the repaint it causes.
Figures timeClicks(MeasuringPlatform& measuring, Form1& form, TableView& view, int runs,
                   const std::function<void(Form1&)>& setUp, int slot)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        setUp(form);
        view.sync();
        QApplication::processEvents();
        measuring.boxOpened = false;

        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(view.widget(slotControl(slot)), Qt::LeftButton);
        QApplication::processEvents();
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (!measuring.boxOpened)
            times.push_back(elapsed);
    }
    return figures(times);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(new DialogStyle);
    installCaptionFace();
    enterDataFolder();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    MeasuringPlatform platform;
    Run run(platform);
    Form1& form = run.form();
    TableView view(run, platform.pictures());
    run.load();
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) {
        std::fputs("nablo-clickcost: the window was not shown\n", stderr);
        return 1;
    }

    // Forty-six cards placed, the queen of clubs the only card left to draw: the draw needs a
    // hundred attempts on average, each reseeding from the clock.
    print("placement drawing the last card of a pass",
          timeClicks(
              platform, form, view, runs,
              [](Form1& f) {
                  layOut(f, 5, {1, 2, 3, 14, 27}, 46, {51});
              },
              1));

    // Fifty-one cards placed in the first pass, one card left in the slots: placing it begins the
    // second pass, resets the card board and deals five new cards.
    print("placement beginning the second pass", timeClicks(
                                                     platform, form, view, runs,
                                                     [](Form1& f) {
                                                         layOut(f, 5, {0, 0, 9, 0, 0}, 51, {});
                                                     },
                                                     3));

    // An ordinary placement early in a game, for comparison.
    const auto earlyTable = [](Form1& f) {
        layOut(f, 5, {1, 2, 3, 14, 27}, 6,
               {4,  6,  7,  8,  9,  10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21,
                22, 23, 24, 25, 26, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38,
                39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52});
    };
    print("placement early in a game", timeClicks(platform, form, view, runs, earlyTable, 1));

    // The advice of key H, on fresh deals (every slot playable, the whole game still ahead) and on
    // every later table of those games with a choice of slots (with one, it answers at once).
    std::vector<double> fresh;
    std::vector<double> later;
    std::vector<double> afterWaiting;
    const int adviceRuns = std::max(1, runs / 20);
    for (int i = 0; i < 2 * adviceRuns; ++i) {
        const bool waited = i >= adviceRuns;
        form.COINS().setCaption("100");
        view.runEvent([&] { INITGAME(form); });
        view.clickControl("RepertBet");
        std::vector<double>* times = &fresh;
        while (view.isInPlay()) {
            if (playableSlots(form).size() > 1) {
                if (waited)
                    QTest::qWait(400); // the table waits for the player: the estimate is made
                QElapsedTimer clock;
                clock.start();
                view.aids().showAdvice();
                QApplication::processEvents();
                (waited ? afterWaiting : *times)
                    .push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
                times = &later;
            }
            view.pressControl(slotControl(heuristicChoice(form)));
        }
    }
    std::printf("advice (%d continuations a playable slot):\n", adviceRollouts);
    print("  H on a fresh deal, five playable slots", figures(fresh));
    print("  H later in those games, two or more playable slots", figures(later));
    print("  H after the table has waited 0.4 s (its estimate made)", figures(afterWaiting));

    // The early placement with the trainer on: it judges on a copy of the table as it was, in the
    // idle time after the click.
    view.aids().toggleTrainer();
    print("placement early in a game, trainer on",
          timeClicks(platform, form, view, runs, earlyTable, 1));
    view.aids().toggleTrainer();
    return 0;
}
