#include "result_accessible.h"

#include <QLabel>

namespace {

constexpr const char *kResultCaption = "lirevoxResultCaption";

QAccessibleInterface *resultFactory(const QString & /*className*/, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (!label || !label->property(kResultCaption).isValid())
        return nullptr;
    return new ResultAccessible(label);
}

} // namespace

ResultAccessible::ResultAccessible(QLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{}

QString ResultAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name)
        return widget()->property(kResultCaption).toString();
    if (kind == QAccessible::Value)
        return static_cast<QLabel *>(widget())->text();
    return QAccessibleWidget::text(kind);
}

void ResultAccessible::describe(QLabel *result, const QString &caption)
{
    static const bool installed = (QAccessible::installFactory(resultFactory), true);
    Q_UNUSED(installed);
    result->setProperty(kResultCaption, caption);
}
