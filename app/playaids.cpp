#include "app/playaids.h"

#include "app/adviceoverlay.h"
#include "app/advicetext.h"
#include "app/tableview.h"
#include "app/trainernote.h"
#include "game/state.h"
#include "table/design.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

namespace nablo {

namespace {
// The advice outline: wide enough to see at a glance, narrow enough for the gaps between the
// slots and the controls around them.
constexpr int adviceFrameWidth = 3;
const QColor adviceColour(0, 255, 0);

constexpr int demoInterval = 500;    // milliseconds between the demo's placements
constexpr int soundNoteShown = 3000; // milliseconds the title tells that the sound is back on

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string slotName(int slot) { return "CARD" + std::to_string(slot); }

// The slot of a card slot's control name, 0 for any other control.
int slotOf(std::string_view name)
{
    for (int slot = 1; slot <= 5; ++slot) {
        if (name == slotName(slot))
            return slot;
    }
    return 0;
}
} // namespace

PlayAids::PlayAids(TableView& view, const Form1& form)
    : view_(view), form_(form), keys_(makeKeyTable())
{
    demoTimer_.setSingleShot(true);
    demoTimer_.setInterval(demoInterval);
    connect(&demoTimer_, &QTimer::timeout, this, &PlayAids::demoStep);
    soundNoteTimer_.setSingleShot(true);
    soundNoteTimer_.setInterval(soundNoteShown);
    connect(&soundNoteTimer_, &QTimer::timeout, this, [this] {
        soundNote_.clear();
        updateTitle();
    });

    // Advice holds for the table it was given for; a click of the player's own ends the demo,
    // and so does the end of the game.
    connect(&view_, &TableView::eventStarting, this, &PlayAids::clearAdvice);
    // A click of the player's own is judged first when the trainer is on.
    connect(&view_, &TableView::controlClicked, this, [this](std::string_view name) {
        if (demoClicking_)
            return;
        stopDemo();
        if (trainerNote_)
            trainerNote_->dismiss();
        judgePlacement(name);
    });
    connect(&view_, &TableView::finished, this, &PlayAids::stopDemo);
}

KeyTable PlayAids::makeKeyTable()
{
    KeyTable keys = tableKeys();
    KeyTable aids = aidKeys();
    keys.insert(keys.end(), std::make_move_iterator(aids.begin()),
                std::make_move_iterator(aids.end()));
    return keys;
}

// The keys that click the table's own controls.
KeyTable PlayAids::tableKeys()
{
    auto pressButton = [this](std::string name) {
        return [this, name](int) { view_.pressControl(name); };
    };
    auto buttonEnabled = [this](std::string name) {
        return [this, name](int) { return view_.widget(name)->isEnabled(); };
    };
    return {
        {{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5},
         QStringLiteral("<b>1</b> .. <b>5</b>"),
         tr("place the card of that slot"),
         [this](int which) { return view_.widget(slotName(which + 1))->isEnabled(); },
         [this](int which) { view_.pressControl(slotName(which + 1)); }},
        {{Qt::Key_B},
         QStringLiteral("<b>B</b>"),
         tr("bet one credit (BET)"),
         buttonEnabled("BET"),
         pressButton("BET")},
        {{Qt::Key_X},
         QStringLiteral("<b>X</b>"),
         tr("stake up to ten credits and start (BETx10)"),
         buttonEnabled("RepertBet"),
         pressButton("RepertBet")},
        {{Qt::Key_S, Qt::Key_Return, Qt::Key_Enter},
         QStringLiteral("<b>S</b>, <b>Enter</b>"),
         tr("start the game (START)"),
         buttonEnabled("START"),
         pressButton("START")},
    };
}

// The keys of the aids themselves, and the help's word on Tab and Space.
KeyTable PlayAids::aidKeys()
{
    return {
        {{Qt::Key_H},
         QStringLiteral("<b>H</b>"),
         tr("advice: each playable card shows what it is expected to pay, and the best slot "
            "is outlined, until the next click"),
         [this](int) { return view_.isInPlay(); },
         [this](int) { showAdvice(); }},
        {{Qt::Key_D},
         QStringLiteral("<b>D</b>"),
         tr("demo: the advisor places the cards of this game; D again, any other key or any "
            "click stops it"),
         [this](int) { return demoRunning_ || view_.isInPlay(); },
         [this](int) { toggleDemo(); }},
        {{Qt::Key_M},
         QStringLiteral("<b>M</b>"),
         tr("sound off and on; the title says when it is off"),
         {},
         [this](int) { toggleSound(); }},
        {{Qt::Key_T},
         QStringLiteral("<b>T</b>"),
         tr("trainer on and off: after a placement, tells when another slot was clearly better, "
            "and by how much"),
         {},
         [this](int) { toggleTrainer(); }},
        {{Qt::Key_F2},
         QStringLiteral("<b>F2</b>"),
         tr("statistics of this run, with a chart of the credits"),
         {},
         [this](int) {
             if (statisticsRequest_)
                 statisticsRequest_();
         }},
        // Qt moves the focus and presses the buttons itself; the line is for the help.
        {{},
         QStringLiteral("<b>Tab</b>, <b>Space</b>"),
         tr("move between the buttons, press the one with the focus"),
         {},
         {}},
        {{Qt::Key_F1},
         QStringLiteral("<b>F1</b>"),
         tr("these keys"),
         [this](int) { return view_.isIdle(); },
         [this](int) { showHelp(); }},
    };
}

bool PlayAids::pressKey(const QKeyEvent& event) { return nablo::pressKey(keys_, event); }

void PlayAids::showAdvice()
{
    if (!view_.isInPlay())
        return;
    const Advisor::Advice advice = adviseOn(form_);
    clearAdvice();
    // The trainer's word lies where the figures go; the advice is the newer word.
    if (trainerNote_)
        trainerNote_->dismiss();
    advisedSlot_ = advice.slot;
    adviceSummary_ = adviceSummary(form_, advice);
    view_.update(adviceFrame());
    // Created at the first advice, over every control the window made before.
    if (!overlay_)
        overlay_ = new AdviceOverlay(view_);
    std::vector<AdviceOverlay::SlotNote> notes;
    for (const int slot : playableSlots(form_)) {
        const double expected = advice.expected[static_cast<std::size_t>(slot)];
        if (!std::isnan(expected))
            notes.push_back(
                {view_.widget(slotName(slot))->geometry(), expected, slot == advice.slot});
    }
    overlay_->showNotes(notes);
    updateTitle();
}

void PlayAids::clearAdvice()
{
    if (advisedSlot_ == 0 && adviceSummary_.isEmpty() && !(overlay_ && overlay_->isVisible()))
        return;
    view_.update(adviceFrame());
    advisedSlot_ = 0;
    adviceSummary_.clear();
    if (overlay_)
        overlay_->clear();
    updateTitle();
}

QRect PlayAids::adviceFrame() const
{
    if (advisedSlot_ < 1 || advisedSlot_ > 5)
        return {};
    const QWidget* slot = view_.widget(slotName(advisedSlot_));
    return slot->geometry().adjusted(-adviceFrameWidth, -adviceFrameWidth, adviceFrameWidth,
                                     adviceFrameWidth);
}

void PlayAids::paintAdvice(QPainter& painter) const
{
    const QRect frame = adviceFrame();
    if (frame.isEmpty())
        return;
    // Around the slot's button, in the gap that separates it from its neighbours.
    const int w = adviceFrameWidth;
    painter.fillRect(frame.left(), frame.top(), frame.width(), w, adviceColour);
    painter.fillRect(frame.left(), frame.bottom() - w + 1, frame.width(), w, adviceColour);
    painter.fillRect(frame.left(), frame.top(), w, frame.height(), adviceColour);
    painter.fillRect(frame.right() - w + 1, frame.top(), w, frame.height(), adviceColour);
}

void PlayAids::toggleDemo()
{
    if (demoRunning_) {
        stopDemo();
        return;
    }
    if (!view_.isInPlay())
        return;
    demoRunning_ = true;
    demoTimer_.start();
    qApp->installEventFilter(this);
    updateTitle();
}

void PlayAids::stopDemo()
{
    demoTimer_.stop();
    if (!demoRunning_)
        return;
    demoRunning_ = false;
    qApp->removeEventFilter(this);
    updateTitle();
}

bool PlayAids::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress
                       || event->type() == QEvent::MouseButtonDblClick
                       || (event->type() == QEvent::KeyPress
                           && static_cast<QKeyEvent*>(event)->key() != Qt::Key_D);
    if (press && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &view_)
        stopDemo();
    return false;
}

void PlayAids::demoStep()
{
    if (!demoRunning_ || !view_.isInPlay()) {
        stopDemo();
        return;
    }
    const int slot = adviseOn(form_).slot;
    // The timer is single-shot and started again only after the click has returned: a box
    // opened inside the click is never met by another placement.
    demoClicking_ = true;
    view_.pressControl(slotName(slot));
    demoClicking_ = false;
    if (demoRunning_ && view_.isInPlay())
        demoTimer_.start();
    else
        stopDemo();
}

void PlayAids::toggleSound()
{
    sound_.toggle();
    // Off stays in the title while it lasts; on shows for a moment, then the plain title.
    soundNote_ = sound_.isMuted() ? tr("sound off") : tr("sound on");
    if (sound_.isMuted())
        soundNoteTimer_.stop();
    else
        soundNoteTimer_.start();
    updateTitle();
}

void PlayAids::updateTitle()
{
    QString title = toQString(windowCaption);
    for (const QString& part : {adviceSummary_, demoRunning_ ? tr("demo") : QString(),
                                trainerOn_ ? tr("trainer") : QString(), soundNote_}) {
        if (!part.isEmpty())
            title += QStringLiteral(" \u2014 ") + part;
    }
    if (view_.windowTitle() != title)
        view_.setWindowTitle(title);
}

void PlayAids::showHelp()
{
    if (!view_.isIdle())
        return;
    stopDemo();
    QMessageBox box(QMessageBox::Information, toQString(windowCaption), helpText(keys_),
                    QMessageBox::Ok, &view_);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void PlayAids::addToTable()
{
    const QRect slotArea =
        view_.widget(slotName(1))->geometry().united(view_.widget(slotName(5))->geometry());
    trainerNote_ = new TrainerNote(&view_, slotArea);
}

void PlayAids::judgePlacement(std::string_view name)
{
    const int slot = slotOf(name);
    if (!trainerOn_ || slot == 0 || !view_.isInPlay())
        return;
    const std::vector<int> playable = playableSlots(form_);
    if (std::find(playable.begin(), playable.end(), slot) == playable.end())
        return;
    const Judgement judgement = trainer_.judge(form_, slot);
    if (judgementSink_)
        judgementSink_(judgement);
    if (judgement.flagged)
        trainerNote_->tell(judgement);
}

void PlayAids::toggleTrainer()
{
    trainerOn_ = !trainerOn_;
    if (!trainerOn_)
        trainerNote_->dismiss();
    updateTitle();
}

void PlayAids::setJudgementSink(std::function<void(const Judgement&)> sink)
{
    judgementSink_ = std::move(sink);
}

void PlayAids::setStatisticsRequest(std::function<void()> request)
{
    statisticsRequest_ = std::move(request);
}

} // namespace nablo
