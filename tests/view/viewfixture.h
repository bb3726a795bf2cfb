#pragma once

#include "app/captionfont.h"
#include "app/game.h"
#include "deck/cards.h"
#include "table/form.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

// Card pictures of the shape the game's are (242 x 370), one colour per rank, in folder/cards.
inline bool makeCardPictures(const QString& folder)
{
    if (!QDir(folder).mkpath("cards"))
        return false;
    for (const char suit : {'d', 's', 'h', 'c'}) {
        for (int rank = 1; rank <= 13; ++rank) {
            QImage card(242, 370, QImage::Format_RGB32);
            card.fill(QColor::fromHsv(rank * 20, 200, 200));
            if (!card.save(QDir(folder).filePath(QString("cards/%1%2.jpg").arg(suit).arg(rank))))
                return false;
        }
    }
    return true;
}

// Makes a temporary folder the game's working folder, with card pictures, and maps the caption
// face as the game does at start-up.
inline bool enterGameFolder(const QTemporaryDir& folder)
{
    nablo::installCaptionFace();
    return folder.isValid() && makeCardPictures(folder.path()) && QDir::setCurrent(folder.path());
}

// Lays out a game in play, as the game itself leaves it between two clicks: the pile card top
// (0 before the first card, which is free), five slot cards (0 for an empty slot), `placed`
// cards on the pile in this pass. Slots whose card matches the pile take clicks. The stake stays
// as it is. The view is brought up to date.
inline void setTable(nablo::Game& game, std::int16_t top, std::array<std::int16_t, 5> hand,
                     std::int16_t placed)
{
    using namespace nablo;
    Form1& form = game.form();
    for (Control* button : {&form.BET(), &form.RepertBet(), &form.START()}) {
        button->setEnabled(false);
        button->setBackColor(colour::grey);
    }
    form.TOPCARD = top;
    form.Image1().setPicture(top ? CA(top) : "");
    form.PLAYED = placed;
    form.TEN().setCaption(std::to_string(placed));
    // The pile card and the first other codes are on the pile, the hand's are in the slots.
    auto inHand = [&hand](std::int16_t code) {
        return std::find(hand.begin(), hand.end(), code) != hand.end();
    };
    int onPile = 1;
    for (std::int16_t code = 1; code <= 52; ++code) {
        const bool gone = code == top || (onPile < placed && !inHand(code) && top != 0);
        if (gone && code != top)
            ++onPile;
        form.USED[code] = gone ? -1 : 0;
        form.rankLabel(code).setForeColor(gone ? colour::blue : colour::white);
    }
    for (int k = 1; k <= 5; ++k) {
        const std::int16_t code = hand[static_cast<std::size_t>(k - 1)];
        form.HAND[k] = code;
        form.CARD(k).setEnabled(true);
        form.CARD(k).setPicture(code ? CA(code) : "");
        form.CANPLAY[k] = top ? D_CHECK(form, code) : std::int16_t{-1};
        form.SEL(k).setForeColor(form.CANPLAY[k] ? colour::yellow : colour::black);
        if (code) {
            form.USED[code] = -1;
            form.rankLabel(code).setForeColor(colour::yellow);
        }
    }
    game.view().sync();
}
