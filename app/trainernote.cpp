#include "app/trainernote.h"

#include "advice/trainer.h"

#include <QAccessible>

namespace nablo {

namespace {

constexpr int shownFor = 4000; // milliseconds

constexpr int noteHeight = 30;

} // namespace

TrainerNote::TrainerNote(QWidget* table, const QRect& slotArea) : QLabel(table)
{
    setObjectName(QStringLiteral("trainerNote"));
    setAccessibleName(tr("Trainer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    // Over the foot of the cards: their corners, which name them, stay in sight.
    setGeometry(slotArea.left(), slotArea.bottom() - noteHeight - 6, slotArea.width(), noteHeight);
    setStyleSheet(QStringLiteral("QLabel { background: rgba(128, 0, 0, 225); color: white; "
                                 "border: 2px solid rgb(255, 255, 0); font-weight: bold; "
                                 "font-size: 14px; }"));
    hide();
    timer_.setSingleShot(true);
    timer_.setInterval(shownFor);
    connect(&timer_, &QTimer::timeout, this, &TrainerNote::dismiss);
}

void TrainerNote::tell(const Judgement& judgement)
{
    setText(tr("Trainer: slot %1 was better than slot %2, by %3 credits expected")
                .arg(judgement.best)
                .arg(judgement.slot)
                .arg(judgement.cost, 0, 'f', 1));
    raise();
    show();
    timer_.start();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void TrainerNote::dismiss()
{
    timer_.stop();
    hide();
}

} // namespace nablo
