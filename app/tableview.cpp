#include "app/tableview.h"

#include "app/buttonwidget.h"
#include "app/labelwidget.h"
#include "app/picturecache.h"
#include "app/picturewidget.h"
#include "game/events.h"
#include "table/errors.h"
#include "table/form.h"

#include <QMessageBox>

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
        button->setPressedLook(control.pressed());
        button->setPicture(path, picture);
    } else if (auto* image = qobject_cast<PictureWidget*>(widget)) {
        image->setPicture(path, picture);
    }
}

void TableView::sync()
{
    const auto controls = form_.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].revision() == shownRevisions_[i])
            continue;
        apply(i);
        shownRevisions_[i] = controls[i].revision();
    }
}

void TableView::clickControl(std::string_view name)
{
    runEvent([this, name] { click(form_, name); });
}

void TableView::runEvent(const std::function<void()>& event)
{
    // A message box inside an event runs its own loop; nothing may start another event then.
    if (running_ || exitStatus_)
        return;
    running_ = true;
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
    if (exitStatus_)
        emit finished(*exitStatus_);
}

} // namespace nablo
