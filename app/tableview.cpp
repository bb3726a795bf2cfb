#include "app/tableview.h"

#include "app/accessibility.h"

#include "app/buttonwidget.h"
#include "app/labelwidget.h"
#include "app/picturecache.h"
#include "app/picturewidget.h"
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

TableView::TableView(Run& run, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), run_(run), form_(run.form()), pictures_(pictures), aids_(*this, run)
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
    installAccessibleFactory();
    sync();
    run_.setFace({
        [] { return QApplication::activeModalWidget() != nullptr; },
        [this](int slot, bool refused) { aids_.clicking(slot, refused); },
        [this] { emit eventStarting(); },
        [this] {
            sync();
            if (!run_.guard().error().empty())
                QMessageBox::critical(this, toQString(windowCaption),
                                      QString::fromStdString(run_.guard().error()));
        },
        [this](int status) { emit finished(status); },
    });
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

void TableView::showWords(std::size_t index)
{
    const AccessibleText& text = run_.told(index);
    const QString name = QString::fromStdString(text.name);
    const QString value = QString::fromStdString(text.value);
    QWidget* widget = widgets_[index];
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
    if (widget->accessibleDescription() != value)
        widget->setAccessibleDescription(value);
    hideFromReaders(widget, text.hidden);
}

void TableView::sync()
{
    for (const std::size_t i : run_.changes()) {
        apply(i);
        showWords(i);
    }
}

void TableView::clickControl(std::string_view name) { run_.click(name); }

void TableView::pressControl(std::string_view name)
{
    auto* button = qobject_cast<QAbstractButton*>(widget(name));
    if (button && button->isEnabled())
        button->click();
}

bool TableView::isIdle() const { return run_.idle(); }

bool TableView::isInPlay() const { return run_.session().isInPlay(isIdle()); }

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

void TableView::runEvent(const std::function<void()>& event) { run_.runEvent(event); }

} // namespace nablo
