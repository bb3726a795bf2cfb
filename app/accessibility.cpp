#include "app/accessibility.h"

#include "app/labelwidget.h"
#include "app/picturewidget.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace nablo {

namespace {

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

void installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(tableAccessible), true);
    (void)installed;
}

} // namespace nablo
