#include "app/tooltips.h"

#include "app/tableview.h"

#include <QCoreApplication>
#include <QWidget>

#include <string>

namespace nablo {

namespace {
void tip(TableView& view, const std::string& name, const QString& text)
{
    if (QWidget* widget = view.widget(name))
        widget->setToolTip(text);
}

QString translatedTip(const char* text) { return QCoreApplication::translate("ToolTips", text); }

// Every label of one row of the card board: the strip, the suit marks at both ends and the
// thirteen ranks drawn over the strip.
void boardRow(TableView& view, const char* strip, const char* rankPrefix, int firstMark,
              const char* text)
{
    const QString words = translatedTip(text);
    tip(view, strip, words);
    tip(view, "Label" + std::to_string(firstMark), words);
    tip(view, "Label" + std::to_string(firstMark + 1), words);
    for (int rank = 1; rank <= 13; ++rank)
        tip(view, rankPrefix + std::to_string(rank), words);
}
} // namespace

void installToolTips(TableView& view)
{
    boardRow(view, "DIA", "D", 19,
             QT_TRANSLATE_NOOP("ToolTips", "Diamonds of the deck: white while not yet dealt, "
                                           "yellow while in a slot, gone once on the pile"));
    boardRow(view, "SPADE", "S", 21,
             QT_TRANSLATE_NOOP("ToolTips", "Spades of the deck: white while not yet dealt, yellow "
                                           "while in a slot, gone once on the pile"));
    boardRow(view, "HEART", "H", 23,
             QT_TRANSLATE_NOOP("ToolTips", "Hearts of the deck: white while not yet dealt, yellow "
                                           "while in a slot, gone once on the pile"));
    boardRow(view, "CLOVER", "C", 25,
             QT_TRANSLATE_NOOP("ToolTips", "Clubs of the deck: white while not yet dealt, yellow "
                                           "while in a slot, gone once on the pile"));

    const QString cardsTable = translatedTip(
        QT_TRANSLATE_NOOP("ToolTips", "What the game pays, at this stake, for the number of cards "
                                      "placed; the row reached lights up"));
    for (int k = 1; k <= 9; ++k)
        tip(view, "Label" + std::to_string(k), cardsTable);
    for (int k = 1; k <= 7; ++k)
        tip(view, "CPAY" + std::to_string(k), cardsTable);

    const QString bonusTable = translatedTip(QT_TRANSLATE_NOOP(
        "ToolTips",
        "What each poker hand of the five slot cards pays, at this stake, every time it shows; "
        "HITS counts how often it showed in this game"));
    for (int k = 11; k <= 18; ++k)
        tip(view, "Label" + std::to_string(k), bonusTable);
    for (int k = 1; k <= 5; ++k) {
        tip(view, "BPAY" + std::to_string(k), bonusTable);
        tip(view, "HIT" + std::to_string(k), bonusTable);
    }

    const QString counter = translatedTip(
        QT_TRANSLATE_NOOP("ToolTips", "How many cards you have placed on the pile in this game"));
    tip(view, "Label10", counter);
    tip(view, "TEN", counter);

    tip(view, "BET", translatedTip(QT_TRANSLATE_NOOP("ToolTips", "Stake one more credit (key B)")));
    tip(view, "RepertBet",
        translatedTip(
            QT_TRANSLATE_NOOP("ToolTips", "Stake up to ten units and start the game (key X)")));
    tip(view, "START",
        translatedTip(QT_TRANSLATE_NOOP(
            "ToolTips", "Deal the cards and start the game with the stake (key S or Enter)")));
}

} // namespace nablo
