#include "app/trainernote.h"

#include "session/session.h"

#include <QAccessible>

namespace nablo {

namespace {
constexpr int noteHeight = 40;
} // namespace

TrainerNote::TrainerNote(QWidget* table, const QRect& slotArea) : QLabel(table)
{
    setObjectName(QStringLiteral("trainerNote"));
    setAccessibleName(QString::fromStdString(trainerName()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    // Over the foot of the cards: their corners, which name them, stay in sight.
    setGeometry(slotArea.left(), slotArea.bottom() - noteHeight - 6, slotArea.width(), noteHeight);
    setStyleSheet(QStringLiteral("QLabel { background: rgba(128, 0, 0, 225); color: white; "
                                 "border: 2px solid rgb(255, 255, 0); font-weight: bold; "
                                 "font-size: 13px; }"));
    hide();
    timer_.setSingleShot(true);
    timer_.setInterval(PlaySession::trainerNoteShown);
    connect(&timer_, &QTimer::timeout, this, [this] {
        dismiss();
        emit expired();
    });
}

void TrainerNote::tell(const QString& note)
{
    setText(note);
    setAccessibleDescription(note);
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
