// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "result_accessible.h"

#include "result_label.h"

ResultAccessible::ResultAccessible(ResultLabel *label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{}

QString ResultAccessible::text(QAccessible::Text kind) const
{
    const auto *label = static_cast<const ResultLabel *>(widget());
    if (kind == QAccessible::Name)
        return label->spokenText();
    if (kind == QAccessible::Value)
        return label->text();
    return QAccessibleWidget::text(kind);
}
