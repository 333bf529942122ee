#pragma once

#include <QAccessibleWidget>

class QLabel;

// How a screen reader sees a result label: named by its caption, with the result as its value.
class ResultAccessible : public QAccessibleWidget
{
public:
    explicit ResultAccessible(QLabel *label);

    [[nodiscard]] QString text(QAccessible::Text kind) const override;

    // Marks a label as a result named by the given caption; call once per result label.
    static void describe(QLabel *result, const QString &caption);
};
