#include "app/accessibility.h"

#include "app/buttonwidget.h"
#include "app/labelwidget.h"
#include "app/picturewidget.h"
#include "app/tableview.h"
#include "deck/cards.h"
#include "game/ending.h"
#include "game/rows.h"
#include "table/board.h"
#include "table/form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>

#include <array>

namespace nablo {

namespace {

// The words said are the desktop's language: every one goes through the translator.
QString say(const char* text) { return QCoreApplication::translate("Accessibility", text); }

constexpr std::array<const char*, 13> rankNames{
    QT_TRANSLATE_NOOP("Accessibility", "ace"),   QT_TRANSLATE_NOOP("Accessibility", "two"),
    QT_TRANSLATE_NOOP("Accessibility", "three"), QT_TRANSLATE_NOOP("Accessibility", "four"),
    QT_TRANSLATE_NOOP("Accessibility", "five"),  QT_TRANSLATE_NOOP("Accessibility", "six"),
    QT_TRANSLATE_NOOP("Accessibility", "seven"), QT_TRANSLATE_NOOP("Accessibility", "eight"),
    QT_TRANSLATE_NOOP("Accessibility", "nine"),  QT_TRANSLATE_NOOP("Accessibility", "ten"),
    QT_TRANSLATE_NOOP("Accessibility", "jack"),  QT_TRANSLATE_NOOP("Accessibility", "queen"),
    QT_TRANSLATE_NOOP("Accessibility", "king")};
// In the order of the card codes: diamonds 1..13, spades 14..26, hearts 27..39, clubs 40..52.
constexpr std::array<const char*, 4> suitNames{
    QT_TRANSLATE_NOOP("Accessibility", "diamonds"), QT_TRANSLATE_NOOP("Accessibility", "spades"),
    QT_TRANSLATE_NOOP("Accessibility", "hearts"), QT_TRANSLATE_NOOP("Accessibility", "clubs")};

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "royal flush" -> "Royal flush".
QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// "ROYAL FLUSH" -> "Royal flush"; runs of spaces become one.
QString sentenceCase(std::string_view caption)
{
    return capitalised(toQString(caption).simplified().toLower());
}

QString caption(const Control& control) { return QString::fromStdString(control.caption()); }

AccessibleText boardCard(const Form1& form, int code)
{
    switch (boardMark(form, code)) {
    case BoardMark::InSlot:
        return {cardName(code), say(QT_TRANSLATE_NOOP("Accessibility", "in a slot"))};
    case BoardMark::OnPile:
        return {cardName(code), say(QT_TRANSLATE_NOOP("Accessibility", "on the pile"))};
    case BoardMark::Undealt: break;
    }
    return {cardName(code), say(QT_TRANSLATE_NOOP("Accessibility", "not dealt"))};
}

// The suit marks and strips of the card board, by control name, top row first.
constexpr std::array<std::array<std::string_view, 3>, 4> boardRows{{
    {"Label19", "Label20", "DIA"},
    {"Label21", "Label22", "SPADE"},
    {"Label23", "Label24", "HEART"},
    {"Label25", "Label26", "CLOVER"},
}};

// The labels, seen as text with a value, and the pile, seen as a picture with the card it shows.
class TableAccessible : public QAccessibleWidget {
public:
    TableAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return widget()->accessibleDescription();
        return QAccessibleWidget::text(type);
    }
};

QAccessibleInterface* tableAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(LabelWidget::staticMetaObject.className()))
        return new TableAccessible(static_cast<QWidget*>(object), QAccessible::StaticText);
    if (className == QLatin1String(PictureWidget::staticMetaObject.className()))
        return new TableAccessible(static_cast<QWidget*>(object), QAccessible::Graphic);
    // The game's window is a window to a reader (a frame, in AT-SPI's words), not a filler.
    if (className == QLatin1String(TableView::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

QString cardName(int code)
{
    if (!isCardCode(code))
        return {};
    return say(QT_TRANSLATE_NOOP("Accessibility", "%1 of %2"))
        .arg(say(rankNames[static_cast<std::size_t>(rankOf(code) - 1)]),
             say(suitNames[static_cast<std::size_t>(suitOf(code))]));
}

AccessibleTexts::AccessibleTexts(const Form1& form) : form_(form), places_(form.controls().size())
{
    const std::array<std::pair<std::string_view, Role>, 6> named{{
        {"COINS", Role::Credits},
        {"TEN", Role::CardsPlaced},
        {"BET", Role::Bet},
        {"RepertBet", Role::BetTen},
        {"START", Role::Start},
        {"Image1", Role::Pile},
    }};
    const auto controls = form.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (const auto& [name, role] : named) {
            if (controls[i].name() == name)
                places_[i] = {role, 0};
        }
        for (std::size_t suit = 0; suit < boardRows.size(); ++suit) {
            for (std::size_t k = 0; k < boardRows[suit].size(); ++k) {
                if (boardRows[suit][k] == controls[i].name())
                    places_[i] = {k < 2 ? Role::BoardSuit : Role::BoardRow, static_cast<int>(suit)};
            }
        }
    }
    placeNumbered(&Form1::CARD, 5, Role::CardSlot);
    placeNumbered(&Form1::SEL, 5, Role::SlotMark);
    placeNumbered(&Form1::tierLabel, 7, Role::TierRow);
    placeNumbered(&Form1::CPAY, 7, Role::TierPay);
    placeNumbered(&Form1::bonusLabel, 5, Role::BonusRow);
    placeNumbered(&Form1::BPAY, 5, Role::BonusPay);
    placeNumbered(&Form1::HIT, 5, Role::BonusHits);
    placeNumbered(&Form1::rankLabel, 52, Role::BoardCard);
}

void AccessibleTexts::placeNumbered(const Control& (Form1::*numbered)(int) const, int count,
                                    Role role)
{
    for (int k = 1; k <= count; ++k) {
        const auto index = static_cast<std::size_t>(&(form_.*numbered)(k)-form_.controls().data());
        places_[index] = {role, k};
    }
}

AccessibleText AccessibleTexts::cardSlot(int slot) const
{
    const QString name = say(QT_TRANSLATE_NOOP("Accessibility", "Card slot %1")).arg(slot);
    const int code = form_.HAND[slot];
    if (code == 0 || form_.CARD(slot).picture().empty())
        return {name, say(QT_TRANSLATE_NOOP("Accessibility", "empty"))};
    const bool selectable = form_.CARD(slot).enabled() && form_.CANPLAY[slot] == -1;
    return {name, (selectable ? say(QT_TRANSLATE_NOOP("Accessibility", "%1, selectable"))
                              : say(QT_TRANSLATE_NOOP("Accessibility", "%1, not selectable")))
                      .arg(cardName(code))};
}

AccessibleText AccessibleTexts::tierRow(int row) const
{
    const QString name = sentenceCase(form_.tierLabel(row).design().caption);
    const bool lit = isRowLit(form_.tierLabel(row), form_.CPAY(row));
    const QString value = (lit ? say(QT_TRANSLATE_NOOP("Accessibility", "pays %1, reached"))
                               : say(QT_TRANSLATE_NOOP("Accessibility", "pays %1")))
                              .arg(caption(form_.CPAY(row)));
    return {name, value};
}

AccessibleText AccessibleTexts::bonusRow(int row) const
{
    const QString name = sentenceCase(form_.bonusLabel(row).design().caption);
    const bool lit = isRowLit(form_.bonusLabel(row), form_.BPAY(row));
    const QString value =
        (lit ? say(QT_TRANSLATE_NOOP("Accessibility", "pays %1, hits %2, showing"))
             : say(QT_TRANSLATE_NOOP("Accessibility", "pays %1, hits %2")))
            .arg(caption(form_.BPAY(row)), caption(form_.HIT(row)));
    return {name, value};
}

AccessibleText AccessibleTexts::text(std::size_t index) const
{
    const Control& control = form_.controls()[index];
    const auto [role, k] = places_[index];
    switch (role) {
    case Role::Credits:
        return {say(QT_TRANSLATE_NOOP("Accessibility", "Credits")), caption(control)};
    case Role::CardsPlaced:
        return {say(QT_TRANSLATE_NOOP("Accessibility", "Cards placed")), caption(control)};
    case Role::Bet: return {say(QT_TRANSLATE_NOOP("Accessibility", "Bet")), {}};
    case Role::BetTen: return {say(QT_TRANSLATE_NOOP("Accessibility", "Bet ten")), {}};
    case Role::Start: return {say(QT_TRANSLATE_NOOP("Accessibility", "Start")), {}};
    case Role::Pile: {
        const bool shown = !control.picture().empty() && form_.TOPCARD != 0;
        return {say(QT_TRANSLATE_NOOP("Accessibility", "Pile")),
                shown ? cardName(form_.TOPCARD) : say(QT_TRANSLATE_NOOP("Accessibility", "empty"))};
    }
    case Role::CardSlot: return cardSlot(k);
    case Role::SlotMark: {
        const bool shown = isSlotMarked(form_, k);
        return {say(QT_TRANSLATE_NOOP("Accessibility", "Card slot %1 mark")).arg(k),
                shown ? say(QT_TRANSLATE_NOOP("Accessibility", "selectable"))
                      : say(QT_TRANSLATE_NOOP("Accessibility", "not selectable"))};
    }
    case Role::TierRow: return tierRow(k);
    case Role::TierPay:
        return {
            say(QT_TRANSLATE_NOOP("Accessibility", "Pays for %1")).arg(tierRow(k).name.toLower()),
            caption(control)};
    case Role::BonusRow: return bonusRow(k);
    case Role::BonusPay:
        return {
            say(QT_TRANSLATE_NOOP("Accessibility", "Pays for %1")).arg(bonusRow(k).name.toLower()),
            caption(control)};
    case Role::BonusHits:
        return {
            say(QT_TRANSLATE_NOOP("Accessibility", "Hits of %1")).arg(bonusRow(k).name.toLower()),
            caption(control)};
    case Role::BoardCard: return boardCard(form_, k);
    case Role::BoardSuit: return {capitalised(say(suitNames[static_cast<std::size_t>(k)])), {}};
    case Role::BoardRow:
        return {capitalised(say(QT_TRANSLATE_NOOP("Accessibility", "%1 row"))
                                .arg(say(suitNames[static_cast<std::size_t>(k)]))),
                {}};
    case Role::Heading: break;
    }
    // The headings: their caption.
    return {sentenceCase(control.design().caption), {}};
}

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(tableAccessible), true);
    (void)installed;
}

} // namespace nablo
