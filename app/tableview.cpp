#include "app/tableview.h"

#include "app/accessibility.h"

#include "app/buttonwidget.h"
#include "app/labelwidget.h"
#include "app/picturecache.h"
#include "app/picturewidget.h"
#include "game/events.h"
#include "game/state.h"
#include "table/errors.h"
#include "table/form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>

#include <algorithm>

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
} // namespace

TableView::TableView(Form1& form, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), form_(form), pictures_(pictures), accessibleTexts_(form), aids_(*this, form)
{
    setWindowTitle(toQString(windowCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(windowWidthTwips / twipsPerPixel, windowHeightTwips / twipsPerPixel);
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(windowBackground));
    setPalette(background);
    setAutoFillBackground(true);

    createWidgets();
    aids_.addToTable();
    shownRevisions_.resize(widgets_.size());
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        apply(i);
        shownRevisions_[i] = form_.controls()[i].revision();
    }
    installAccessibleFactory();
    updateAccessibleTexts();
}

void TableView::createWidgets()
{
    // Created back to front, so that later controls lie on top of earlier ones.
    std::vector<std::pair<int, ButtonWidget*>> buttons;
    for (const Control& control : form_.controls()) {
        const ControlDesign& design = control.design();
        QWidget* widget = nullptr;
        switch (design.kind) {
        case ControlKind::Button: {
            auto* button = new ButtonWidget(design, this);
            const std::string_view name = design.name;
            connect(button, &QAbstractButton::clicked, this, [this, name] { clickControl(name); });
            buttons.emplace_back(control.tabIndex(), button);
            widget = button;
            break;
        }
        case ControlKind::Label: widget = new LabelWidget(design, this); break;
        case ControlKind::Image: widget = new PictureWidget(this); break;
        }
        widget->setObjectName(toQString(design.name));
        widget->setGeometry(pixels(design));
        widgets_.push_back(widget);
    }

    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < buttons.size(); ++i)
        setTabOrder(buttons[i - 1].second, buttons[i].second);
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
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        const AccessibleText text = accessibleTexts_.text(i);
        const QString name = QString::fromStdString(text.name);
        const QString value = QString::fromStdString(text.value);
        QWidget* widget = widgets_[i];
        if (widget->accessibleName() != name)
            widget->setAccessibleName(name);
        if (widget->accessibleDescription() != value)
            widget->setAccessibleDescription(value);
        hideFromReaders(widget, text.hidden);
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
    if (name.starts_with("CARD"))
        aids_.slotClicked(name.back() - '0');
    emit controlClicked(name);
    runEvent([this, name] { click(form_, name); });
}

void TableView::pressControl(std::string_view name)
{
    auto* button = qobject_cast<QAbstractButton*>(widget(name));
    if (button && button->isEnabled())
        button->click();
}

bool TableView::isIdle() const
{
    return !guard_.isRunning() && !guard_.exitStatus() && !QApplication::activeModalWidget();
}

bool TableView::isInPlay() const { return aids_.session().isInPlay(isIdle()); }

void TableView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    aids_.paintAdvice(painter);
}

void TableView::keyPressEvent(QKeyEvent* event)
{
    if (!aids_.pressKey(*event))
        QWidget::keyPressEvent(event);
}

void TableView::runEvent(const std::function<void()>& event)
{
    // A message box inside an event runs its own loop; nothing may start another event then.
    if (guard_.isRunning() || guard_.exitStatus())
        return;
    emit eventStarting();
    guard_.run(event);
    sync();
    if (!guard_.error().empty())
        QMessageBox::critical(this, toQString(windowCaption),
                              QString::fromStdString(guard_.error()));
    if (const std::optional<int> status = guard_.exitStatus())
        emit finished(*status);
}

} // namespace nablo
