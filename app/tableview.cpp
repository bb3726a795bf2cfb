#include "app/tableview.h"

#include "app/accessibility.h"
#include "app/advicetext.h"
#include "app/buttonwidget.h"
#include "app/labelwidget.h"
#include "app/picturecache.h"
#include "app/picturewidget.h"
#include "advice/strategy.h"
#include "game/events.h"
#include "table/errors.h"
#include "table/form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>

#include <algorithm>
#include <array>

namespace nablo {

namespace {
QColor toQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixels(const ControlDesign& design)
{
    return QRect(design.left / twipsPerPixel, design.top / twipsPerPixel,
                 design.width / twipsPerPixel, design.height / twipsPerPixel);
}

constexpr std::array<std::string_view, 5> slotNames{"CARD1", "CARD2", "CARD3", "CARD4", "CARD5"};

// The advice outline: wide enough to see at a glance, narrow enough for the gaps between the
// slots and the controls around them.
constexpr int adviceFrameWidth = 3;
const QColor adviceColour(0, 255, 0);

constexpr int demoInterval = 500;     // milliseconds between the demo's placements
constexpr int soundNoteShown = 3000;  // milliseconds the title tells the sound switch

const QString helpText = QStringLiteral(
    "<p><b>Keys</b></p>"
    "<table cellspacing=\"4\">"
    "<tr><td><b>1</b> .. <b>5</b></td><td>place the card of that slot</td></tr>"
    "<tr><td><b>B</b></td><td>bet one credit (BET)</td></tr>"
    "<tr><td><b>X</b></td><td>stake up to ten credits and start (BETx10)</td></tr>"
    "<tr><td><b>S</b>, <b>Enter</b></td><td>start the game (START)</td></tr>"
    "<tr><td><b>H</b></td><td>advice: outlines the best slot; the title shows what each "
    "playable slot is expected to pay</td></tr>"
    "<tr><td><b>D</b></td><td>demo: the advisor places the cards of this game; D again or "
    "a click stops it</td></tr>"
    "<tr><td><b>M</b></td><td>sound off and on</td></tr>"
    "<tr><td><b>Tab</b>, <b>Space</b></td><td>move between the buttons, press the one with the "
    "focus</td></tr>"
    "<tr><td><b>F1</b></td><td>these keys</td></tr>"
    "</table>"
    "<p>In a question box, <b>Enter</b> or <b>Y</b> answers Yes, <b>Esc</b> or <b>N</b> No.</p>"
    "<p><b>How to play:</b> stake with BET, then press START. Place a slot card on the pile when "
    "it has the pile card's suit or rank; the more cards you place, the higher the pay, and "
    "poker hands among the five slot cards pay a bonus.</p>");
} // namespace

TableView::TableView(Form1& form, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), form_(form), pictures_(pictures)
{
    setWindowTitle(toQString(windowCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(windowWidthTwips / twipsPerPixel, windowHeightTwips / twipsPerPixel);
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(windowBackground));
    setPalette(background);
    setAutoFillBackground(true);

    // Created back to front, so that later controls lie on top of earlier ones.
    std::vector<ButtonWidget*> buttons;
    for (const Control& control : form_.controls()) {
        const ControlDesign& design = control.design();
        QWidget* widget = nullptr;
        switch (design.kind) {
        case ControlKind::Button: {
            auto* button = new ButtonWidget(design, this);
            const std::string_view name = design.name;
            connect(button, &QAbstractButton::clicked, this, [this, name] { clickControl(name); });
            buttons.push_back(button);
            widget = button;
            break;
        }
        case ControlKind::Label:
            widget = new LabelWidget(design, this);
            break;
        case ControlKind::Image:
            widget = new PictureWidget(this);
            break;
        }
        widget->setObjectName(toQString(design.name));
        widget->setGeometry(pixels(design));
        widgets_.push_back(widget);
    }

    std::stable_sort(buttons.begin(), buttons.end(), [this](ButtonWidget* a, ButtonWidget* b) {
        return form_.find(a->objectName().toStdString())->tabIndex() <
               form_.find(b->objectName().toStdString())->tabIndex();
    });
    for (std::size_t i = 1; i < buttons.size(); ++i)
        setTabOrder(buttons[i - 1], buttons[i]);

    shownRevisions_.resize(widgets_.size());
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        apply(i);
        shownRevisions_[i] = form_.controls()[i].revision();
    }
    installAccessibleFactory();
    updateAccessibleTexts();

    demoTimer_.setSingleShot(true);
    demoTimer_.setInterval(demoInterval);
    connect(&demoTimer_, &QTimer::timeout, this, &TableView::demoStep);
    soundNoteTimer_.setSingleShot(true);
    soundNoteTimer_.setInterval(soundNoteShown);
    connect(&soundNoteTimer_, &QTimer::timeout, this, [this] {
        soundNote_.clear();
        updateTitle();
    });
}

QWidget* TableView::widget(std::string_view name) const
{
    const auto controls = form_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].name() == name)
            return widgets_[i];
    }
    return nullptr;
}

void TableView::apply(std::size_t index)
{
    const Control& control = form_.controls()[index];
    QWidget* widget = widgets_[index];
    widget->setEnabled(control.enabled());

    const QString path = QString::fromStdString(control.picture());
    QPixmap picture;
    if (!control.picture().empty()) {
        try {
            picture = pictures_.load(control.picture());
        } catch (const RunTimeError&) {
            // The game loads every picture before it shows it; one that fails here stays empty.
        }
    }

    if (auto* label = qobject_cast<LabelWidget*>(widget)) {
        label->setCaption(QString::fromStdString(control.caption()));
        label->setForeColor(toQColor(control.foreColor()));
        label->setBackColor(toQColor(control.backColor()));
    } else if (auto* button = qobject_cast<ButtonWidget*>(widget)) {
        button->setText(QString::fromStdString(control.caption()));
        button->setBackColor(toQColor(control.backColor()));
        button->setPicture(path, picture);
    } else if (auto* image = qobject_cast<PictureWidget*>(widget)) {
        image->setPicture(path, picture);
    }
}

void TableView::updateAccessibleTexts()
{
    const auto controls = form_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const AccessibleText text = accessibleText(form_, controls[i]);
        QWidget* widget = widgets_[i];
        if (widget->accessibleName() != text.name)
            widget->setAccessibleName(text.name);
        if (widget->accessibleDescription() != text.value)
            widget->setAccessibleDescription(text.value);
    }
}

void TableView::sync()
{
    const auto controls = form_.controls();
    bool changed = false;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].revision() == shownRevisions_[i])
            continue;
        apply(i);
        shownRevisions_[i] = controls[i].revision();
        changed = true;
    }
    // A slot's words depend on the hand as well as on its button, and a row's on its three
    // labels; every change of the table changes a control, so all are looked at then.
    if (changed)
        updateAccessibleTexts();
}

void TableView::clickControl(std::string_view name)
{
    // A click of the player's own ends the demo.
    if (!demoClicking_)
        stopDemo();
    runEvent([this, name] { click(form_, name); });
}

void TableView::pressControl(std::string_view name)
{
    auto* button = qobject_cast<QAbstractButton*>(widget(name));
    if (button && button->isEnabled())
        button->click();
}

bool TableView::isInPlay() const
{
    if (running_ || exitStatus_ || QApplication::activeModalWidget())
        return false;
    const bool slotsTakeClicks = std::any_of(slotNames.begin(), slotNames.end(), [this](auto name) {
        return form_.find(name)->enabled();
    });
    return slotsTakeClicks && !playableSlots(form_).empty();
}

void TableView::showAdvice()
{
    if (!isInPlay())
        return;
    const Advisor::Advice advice = adviseOn(form_);
    clearAdvice();
    advisedSlot_ = advice.slot;
    adviceSummary_ = adviceSummary(form_, advice);
    update(adviceFrame());
    updateTitle();
}

void TableView::clearAdvice()
{
    if (advisedSlot_ == 0 && adviceSummary_.isEmpty())
        return;
    update(adviceFrame());
    advisedSlot_ = 0;
    adviceSummary_.clear();
    updateTitle();
}

QRect TableView::adviceFrame() const
{
    if (advisedSlot_ < 1 || advisedSlot_ > 5)
        return {};
    const QWidget* slot = widget(slotNames[static_cast<std::size_t>(advisedSlot_ - 1)]);
    return slot->geometry().adjusted(-adviceFrameWidth, -adviceFrameWidth, adviceFrameWidth,
                                     adviceFrameWidth);
}

void TableView::paintEvent(QPaintEvent*)
{
    const QRect frame = adviceFrame();
    if (frame.isEmpty())
        return;
    // Around the slot's button, in the gap that separates it from its neighbours.
    QPainter painter(this);
    const int w = adviceFrameWidth;
    painter.fillRect(frame.left(), frame.top(), frame.width(), w, adviceColour);
    painter.fillRect(frame.left(), frame.bottom() - w + 1, frame.width(), w, adviceColour);
    painter.fillRect(frame.left(), frame.top(), w, frame.height(), adviceColour);
    painter.fillRect(frame.right() - w + 1, frame.top(), w, frame.height(), adviceColour);
}

void TableView::toggleDemo()
{
    if (demoRunning_) {
        stopDemo();
        return;
    }
    if (!isInPlay())
        return;
    demoRunning_ = true;
    demoTimer_.start();
    updateTitle();
}

void TableView::stopDemo()
{
    demoTimer_.stop();
    if (!demoRunning_)
        return;
    demoRunning_ = false;
    updateTitle();
}

void TableView::demoStep()
{
    if (!demoRunning_ || !isInPlay()) {
        stopDemo();
        return;
    }
    const int slot = adviseOn(form_).slot;
    // The timer is single-shot and started again only after the click has returned: a box
    // opened inside the click is never met by another placement.
    demoClicking_ = true;
    pressControl(slotNames[static_cast<std::size_t>(slot - 1)]);
    demoClicking_ = false;
    if (demoRunning_ && isInPlay())
        demoTimer_.start();
    else
        stopDemo();
}

void TableView::setSoundSwitch(std::function<void(bool muted)> soundSwitch)
{
    soundSwitch_ = std::move(soundSwitch);
}

void TableView::toggleSound()
{
    muted_ = !muted_;
    if (soundSwitch_)
        soundSwitch_(muted_);
    soundNote_ = muted_ ? QStringLiteral("sound off") : QStringLiteral("sound on");
    soundNoteTimer_.start();
    updateTitle();
}

void TableView::updateTitle()
{
    QString title = toQString(windowCaption);
    for (const QString& part : {adviceSummary_,
                                demoRunning_ ? QStringLiteral("demo") : QString(), soundNote_}) {
        if (!part.isEmpty())
            title += QStringLiteral(" \u2014 ") + part;
    }
    if (windowTitle() != title)
        setWindowTitle(title);
}

void TableView::showHelp()
{
    if (running_ || exitStatus_ || QApplication::activeModalWidget())
        return;
    stopDemo();
    QMessageBox box(QMessageBox::Information, toQString(windowCaption), helpText,
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void TableView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    std::function<void()> action;
    if (modifiers == Qt::NoModifier) {
        const int key = event->key();
        if (key >= Qt::Key_1 && key <= Qt::Key_5) {
            const std::string_view slot = slotNames[static_cast<std::size_t>(key - Qt::Key_1)];
            action = [this, slot] { pressControl(slot); };
        }
        switch (key) {
        case Qt::Key_B: action = [this] { pressControl("BET"); }; break;
        case Qt::Key_X: action = [this] { pressControl("RepertBet"); }; break;
        case Qt::Key_S:
        case Qt::Key_Return:
        case Qt::Key_Enter: action = [this] { pressControl("START"); }; break;
        case Qt::Key_H: action = [this] { showAdvice(); }; break;
        case Qt::Key_D: action = [this] { toggleDemo(); }; break;
        case Qt::Key_M: action = [this] { toggleSound(); }; break;
        case Qt::Key_F1: action = [this] { showHelp(); }; break;
        default: break;
        }
    }
    if (!action) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A key held down acts once, as a button held down clicks once.
    if (!event->isAutoRepeat())
        action();
}

void TableView::runEvent(const std::function<void()>& event)
{
    // A message box inside an event runs its own loop; nothing may start another event then.
    if (running_ || exitStatus_)
        return;
    running_ = true;
    clearAdvice();
    std::optional<QString> error;
    try {
        event();
    } catch (const ProgramEnd&) {
        exitStatus_ = 0;
    } catch (const RunTimeError& failure) {
        error = QString::fromUtf8(failure.what());
    } catch (const std::exception& failure) {
        error = QStringLiteral("Internal error: ") + QString::fromUtf8(failure.what());
    }
    sync();
    if (error) {
        QMessageBox::critical(this, toQString(windowCaption), *error);
        exitStatus_ = 1;
    }
    running_ = false;
    if (exitStatus_) {
        stopDemo();
        emit finished(*exitStatus_);
    }
}

} // namespace nablo
