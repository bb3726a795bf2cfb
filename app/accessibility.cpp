#include "app/accessibility.h"

#include "app/buttonwidget.h"
#include "app/labelwidget.h"
#include "app/picturewidget.h"
#include "table/form.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <array>

namespace nablo {

namespace {

constexpr std::array<const char*, 13> rankNames{"ace",   "two",   "three", "four", "five",
                                                "six",   "seven", "eight", "nine", "ten",
                                                "jack",  "queen", "king"};
// In the order of the card codes: diamonds 1..13, spades 14..26, hearts 27..39, clubs 40..52.
constexpr std::array<const char*, 4> suitNames{"diamonds", "spades", "hearts", "clubs"};

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "ROYAL FLUSH" -> "Royal flush"; runs of spaces become one.
QString sentenceCase(std::string_view caption)
{
    QString text = toQString(caption).simplified().toLower();
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString caption(const Control& control) { return QString::fromStdString(control.caption()); }

// The number k (from 1) of control among the count controls form.*numbered(k), 0 when it is
// none of them.
int numberOf(Form1& form, const Control& control, Control& (Form1::*numbered)(int), int count)
{
    for (int k = 1; k <= count; ++k) {
        if (&(form.*numbered)(k) == &control)
            return k;
    }
    return 0;
}

AccessibleText cardSlot(Form1& form, int slot)
{
    const QString name = QStringLiteral("Card slot %1").arg(slot);
    const int code = form.HAND[slot];
    if (code == 0 || form.CARD(slot).picture().empty())
        return {name, QStringLiteral("empty")};
    const bool selectable = form.CARD(slot).enabled() && form.CANPLAY[slot] == -1;
    return {name, cardName(code) + (selectable ? QStringLiteral(", selectable")
                                               : QStringLiteral(", not selectable"))};
}

AccessibleText tierRow(Form1& form, int row)
{
    const QString name = sentenceCase(form.tierLabel(row).design().caption);
    QString value = QStringLiteral("pays ") + caption(form.CPAY(row));
    if (form.tierLabel(row).backColor() == colour::red)
        value += QStringLiteral(", reached");
    return {name, value};
}

AccessibleText bonusRow(Form1& form, int row)
{
    const QString name = sentenceCase(form.bonusLabel(row).design().caption);
    QString value = QStringLiteral("pays %1, hits %2").arg(caption(form.BPAY(row)),
                                                           caption(form.HIT(row)));
    if (form.bonusLabel(row).backColor() == colour::red)
        value += QStringLiteral(", showing");
    return {name, value};
}

AccessibleText boardCard(const Control& label, int code)
{
    const Rgb colour = label.foreColor();
    if (colour == colour::yellow)
        return {cardName(code), QStringLiteral("in a slot")};
    if (colour == colour::blue)
        return {cardName(code), QStringLiteral("on the pile")};
    return {cardName(code), QStringLiteral("not dealt")};
}

// The suit marks and strips of the card board, by control name, top row first.
QString boardRowName(std::string_view name)
{
    static constexpr std::array<std::array<std::string_view, 3>, 4> rows{{
        {"Label19", "Label20", "DIA"},
        {"Label21", "Label22", "SPADE"},
        {"Label23", "Label24", "HEART"},
        {"Label25", "Label26", "CLOVER"},
    }};
    for (std::size_t suit = 0; suit < rows.size(); ++suit) {
        for (std::size_t i = 0; i < rows[suit].size(); ++i) {
            if (rows[suit][i] == name) {
                const QString suitName = sentenceCase(suitNames[suit]);
                return i < 2 ? suitName : suitName + QStringLiteral(" row");
            }
        }
    }
    return {};
}

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
    return nullptr;
}

} // namespace

QString cardName(int code)
{
    if (code < 1 || code > 52)
        return {};
    const auto index = static_cast<std::size_t>(code - 1);
    return QStringLiteral("%1 of %2").arg(QLatin1String(rankNames[index % 13]),
                                          QLatin1String(suitNames[index / 13]));
}

AccessibleText accessibleText(Form1& form, const Control& control)
{
    const std::string_view name = control.name();
    if (name == "COINS")
        return {QStringLiteral("Credits"), caption(control)};
    if (name == "TEN")
        return {QStringLiteral("Cards placed"), caption(control)};
    if (name == "BET")
        return {QStringLiteral("Bet"), {}};
    if (name == "RepertBet")
        return {QStringLiteral("Bet ten"), {}};
    if (name == "START")
        return {QStringLiteral("Start"), {}};
    if (name == "Image1") {
        const bool shown = !control.picture().empty() && form.TOPCARD != 0;
        return {QStringLiteral("Pile"), shown ? cardName(form.TOPCARD) : QStringLiteral("empty")};
    }

    if (const int k = numberOf(form, control, &Form1::CARD, 5))
        return cardSlot(form, k);
    if (const int k = numberOf(form, control, &Form1::SEL, 5)) {
        const bool shown = control.foreColor() == colour::yellow;
        return {QStringLiteral("Card slot %1 mark").arg(k),
                shown ? QStringLiteral("selectable") : QStringLiteral("not selectable")};
    }
    if (const int k = numberOf(form, control, &Form1::tierLabel, 7))
        return tierRow(form, k);
    if (const int k = numberOf(form, control, &Form1::CPAY, 7))
        return {QStringLiteral("Pays for ") + tierRow(form, k).name.toLower(), caption(control)};
    if (const int k = numberOf(form, control, &Form1::bonusLabel, 5))
        return bonusRow(form, k);
    if (const int k = numberOf(form, control, &Form1::BPAY, 5))
        return {QStringLiteral("Pays for ") + bonusRow(form, k).name.toLower(), caption(control)};
    if (const int k = numberOf(form, control, &Form1::HIT, 5))
        return {QStringLiteral("Hits of ") + bonusRow(form, k).name.toLower(), caption(control)};
    if (const int code = numberOf(form, control, &Form1::rankLabel, 52))
        return boardCard(control, code);
    if (const QString row = boardRowName(name); !row.isEmpty())
        return {row, {}};

    // The headings: their caption.
    return {sentenceCase(control.design().caption), {}};
}

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(tableAccessible), true);
    (void)installed;
}

} // namespace nablo
