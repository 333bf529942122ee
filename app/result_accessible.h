// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>

class ResultLabel;

// How a screen reader sees a result: named by its caption, the result and its unit, with the
// result alone as its value.
class ResultAccessible : public QAccessibleWidget
{
public:
    explicit ResultAccessible(ResultLabel *label);

    [[nodiscard]] QString text(QAccessible::Text kind) const override;
};
