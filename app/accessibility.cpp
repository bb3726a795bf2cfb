#include "app/accessibility.h"

#include "app/labelwidget.h"
#include "app/picturewidget.h"
#include "app/tableview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>

namespace nablo {

namespace {

constexpr char hiddenProperty[] = "hiddenFromReaders";

bool isHidden(const QObject* object) { return object->property(hiddenProperty).toBool(); }

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

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || isHidden(widget());
        return state;
    }
};

// The game's window is a window to a reader (a frame, in AT-SPI's words), not a filler. Its
// children are the widgets a reader is meant to see.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shown().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = shown();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(shown().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> shown() const
    {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !isHidden(child))
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface* tableAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(LabelWidget::staticMetaObject.className()))
        return new TableAccessible(static_cast<QWidget*>(object), QAccessible::StaticText);
    if (className == QLatin1String(PictureWidget::staticMetaObject.className()))
        return new TableAccessible(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (className == QLatin1String(TableView::staticMetaObject.className()))
        return new WindowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(tableAccessible), true);
    (void)installed;
}

void hideFromReaders(QWidget* widget, bool hidden)
{
    if (isHidden(widget) != hidden)
        widget->setProperty(hiddenProperty, hidden);
}

} // namespace nablo
