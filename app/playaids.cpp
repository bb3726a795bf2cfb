#include "app/playaids.h"

#include "app/adviceoverlay.h"
#include "app/keytable.h"
#include "app/tableview.h"
#include "app/trainernote.h"
#include "session/accessible.h"
#include "session/run.h"
#include "table/design.h"
#include "table/slotcontrols.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>

#include <chrono>
#include <string>
#include <vector>

namespace nablo {

namespace {
// The advice outline: wide enough to see at a glance, narrow enough for the gaps between the
// slots and the controls around them. A slot that cannot be played is framed in red a moment.
constexpr int adviceFrameWidth = 3;
const QColor adviceColour(0, 255, 0);
const QColor refusedColour(255, 0, 0);
constexpr int refusedShown = 400; // milliseconds

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int slotOf(const QWidget* widget)
{
    return widget ? slotOfControl(widget->objectName().toStdString()) : 0;
}

void fillFrame(QPainter& painter, const QRect& frame, const QColor& colour)
{
    const int w = adviceFrameWidth;
    painter.fillRect(frame.left(), frame.top(), frame.width(), w, colour);
    painter.fillRect(frame.left(), frame.bottom() - w + 1, frame.width(), w, colour);
    painter.fillRect(frame.left(), frame.top(), w, frame.height(), colour);
    painter.fillRect(frame.right() - w + 1, frame.top(), w, frame.height(), colour);
}
} // namespace

PlayAids::PlayAids(TableView& view, Run& run)
    : view_(view), run_(run), session_(run.session()), worker_([this] {
          // On the worker's thread: the window's thread collects what it finished.
          QMetaObject::invokeMethod(
              this, [this] { estimateTimer_.start(); }, Qt::QueuedConnection);
      })
{
    session_.setChangeListener([this] { sessionChanged(); });
    demoTimer_.setSingleShot(true);
    demoTimer_.setInterval(PlaySession::demoInterval);
    connect(&demoTimer_, &QTimer::timeout, this, &PlayAids::demoStep);
    soundNoteTimer_.setSingleShot(true);
    soundNoteTimer_.setInterval(PlaySession::soundNoteShown);
    connect(&soundNoteTimer_, &QTimer::timeout, this, [this] { session_.soundNoteExpired(); });
    refusedTimer_.setSingleShot(true);
    refusedTimer_.setInterval(refusedShown);
    connect(&refusedTimer_, &QTimer::timeout, this, [this] {
        view_.update(slotFrame(refusedSlot_));
        refusedSlot_ = 0;
    });

    estimateTimer_.setSingleShot(true);
    estimateTimer_.setInterval(0);
    connect(&estimateTimer_, &QTimer::timeout, this, [this] {
        if (session_.work(std::chrono::microseconds(0), view_.isIdle()))
            estimateTimer_.start();
    });
    session_.runEstimatesOn(&worker_);
    estimateTimer_.start();

    // The estimate runs once the event is over and the table waits again.
    connect(&view_, &TableView::eventStarting, this, [this] { estimateTimer_.start(); });
}

PlayAids::~PlayAids()
{
    // The run and its session outlive the window's aids: they call on neither once these go.
    session_.runEstimatesOn(nullptr);
    session_.setChangeListener({});
}

bool PlayAids::pressKey(const QKeyEvent& event)
{
    const std::optional<Key> key = gameKey(event);
    if (!key)
        return false;
    // A key held down acts once, as a button held down clicks once.
    if (event.isAutoRepeat())
        return true;
    const Press press = run_.pressKey(*key, slotOf(view_.focusWidget()));
    carryOut(press);
    return *key != Key::Space || press.command != Command::Nothing;
}

void PlayAids::carryOut(const Press& press)
{
    switch (press.command) {
    case Command::Sound: soundSwitched(); break;
    case Command::Help: showHelp(); break;
    case Command::Statistics:
        if (statisticsRequest_)
            statisticsRequest_();
        break;
    default: break;
    }
}

void PlayAids::clicking(int slot, bool refused)
{
    if (!refused)
        return;
    view_.update(slotFrame(refusedSlot_));
    refusedSlot_ = slot;
    view_.update(slotFrame(slot));
    refusedTimer_.start();
    // Said by a label of its own, out of sight, as an alert.
    announcement_->setText(toQString(notSelectableWord()));
    announcement_->setAccessibleName(announcement_->text());
    QAccessibleEvent alert(announcement_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void PlayAids::showAdvice() { session_.showAdvice(view_.isIdle()); }

QRect PlayAids::slotFrame(int slot) const
{
    if (slot < 1 || slot > 5)
        return {};
    const QWidget* button = view_.widget(slotControl(slot));
    return button->geometry().adjusted(-adviceFrameWidth, -adviceFrameWidth, adviceFrameWidth,
                                       adviceFrameWidth);
}

QRect PlayAids::adviceFrame() const { return slotFrame(session_.advisedSlot()); }

void PlayAids::paintAdvice(QPainter& painter) const
{
    // Around the slot's button, in the gap that separates it from its neighbours.
    if (const QRect frame = adviceFrame(); !frame.isEmpty())
        fillFrame(painter, frame, adviceColour);
    if (const QRect frame = slotFrame(refusedSlot_); !frame.isEmpty())
        fillFrame(painter, frame, refusedColour);
}

// Draws what the session shows now: the title, the advice, the trainer's note, and runs the
// demo's timer while it lasts.
void PlayAids::sessionChanged()
{
    const QString title = QString::fromStdString(session_.title());
    if (view_.windowTitle() != title)
        view_.setWindowTitle(title);

    if (framedSlot_ != session_.advisedSlot()) {
        view_.update(slotFrame(framedSlot_));
        framedSlot_ = session_.advisedSlot();
        view_.update(slotFrame(framedSlot_));
    }
    // Created at the first advice, over every control the window made before.
    if (!overlay_ && !session_.figures().empty())
        overlay_ = new AdviceOverlay(view_);
    if (overlay_) {
        std::vector<AdviceOverlay::SlotNote> notes;
        for (const PlaySession::SlotFigure& figure : session_.figures())
            notes.push_back({view_.widget(slotControl(figure.slot))->geometry(), figure.expected,
                             QString::fromStdString(figure.text), figure.advised});
        overlay_->showNotes(notes);
    }

    if (trainerNote_ && session_.trainerNote().empty())
        trainerNote_->dismiss();
    else if (trainerNote_ && shownNoteSerial_ != session_.trainerNoteSerial())
        trainerNote_->tell(QString::fromStdString(session_.trainerNote()));
    shownNoteSerial_ = session_.trainerNoteSerial();

    if (demoShown_ != session_.isDemoRunning()) {
        demoShown_ = session_.isDemoRunning();
        if (demoShown_) {
            demoTimer_.start();
            qApp->installEventFilter(this);
        } else {
            demoTimer_.stop();
            qApp->removeEventFilter(this);
        }
    }
}

void PlayAids::toggleDemo() { session_.toggleDemo(view_.isIdle()); }

bool PlayAids::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress
                       || event->type() == QEvent::MouseButtonDblClick
                       || (event->type() == QEvent::KeyPress
                           && static_cast<QKeyEvent*>(event)->key() != Qt::Key_D);
    if (press && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &view_)
        session_.stopDemo();
    return false;
}

void PlayAids::demoStep()
{
    // The timer is single-shot and started again only after the click has returned: a box
    // opened inside the click is never met by another placement.
    if (run_.demoStep())
        demoTimer_.start();
}

void PlayAids::toggleSound()
{
    session_.toggleSound();
    soundSwitched();
}

void PlayAids::soundSwitched()
{
    sound_.toggle();
    // Off stays in the title while it lasts; on shows for a moment, then the plain title.
    if (session_.isMuted())
        soundNoteTimer_.stop();
    else
        soundNoteTimer_.start();
}

void PlayAids::showHelp()
{
    if (!view_.isIdle())
        return;
    session_.stopDemo();
    QMessageBox box(QMessageBox::Information, toQString(windowCaption), helpText(), QMessageBox::Ok,
                    &view_);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void PlayAids::addToTable()
{
    const QRect slotArea =
        view_.widget(slotControl(1))->geometry().united(view_.widget(slotControl(5))->geometry());
    trainerNote_ = new TrainerNote(&view_, slotArea);
    connect(trainerNote_, &TrainerNote::expired, this, [this] { session_.dismissTrainerNote(); });
    announcement_ = new QLabel(&view_);
    announcement_->setObjectName(QStringLiteral("announcement"));
    announcement_->setGeometry(0, 0, 1, 1);
    announcement_->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcement_->setStyleSheet(QStringLiteral("color: transparent; background: transparent;"));
}

void PlayAids::toggleTrainer() { session_.toggleTrainer(); }

void PlayAids::setStatisticsRequest(std::function<void()> request)
{
    statisticsRequest_ = std::move(request);
}

} // namespace nablo
