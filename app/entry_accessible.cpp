// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "entry_accessible.h"

#include <QLineEdit>

EntryAccessible::EntryAccessible(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{}

QLineEdit *EntryAccessible::box() const
{
    return static_cast<QLineEdit *>(widget());
}

void *EntryAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State EntryAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
}

QString EntryAccessible::text(QAccessible::Text kind) const
{
    return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
}

void EntryAccessible::setText(QAccessible::Text kind, const QString &text)
{
    if (kind != QAccessible::Value)
        QAccessibleWidget::setText(kind, text);
    else if (!box()->isReadOnly())
        box()->setText(text);
}

void EntryAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && box()->hasSelectedText()) {
        *startOffset = box()->selectionStart();
        *endOffset = box()->selectionEnd();
    }
}

int EntryAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void EntryAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void EntryAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void EntryAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int EntryAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void EntryAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString EntryAccessible::text(int startOffset, int endOffset) const
{
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int EntryAccessible::characterCount() const
{
    return static_cast<int>(box()->text().size());
}

QRect EntryAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return {};
    const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int left = qRound(caretX(offset));
    return {box()->mapToGlobal(QPoint(left, caret.y())), QSize(qRound(caretX(offset + 1)) - left, caret.height())};
}

// The character drawn at the point, or -1 where none is; found by halves, for an entry may hold a
// pasted text of any length.
int EntryAccessible::offsetAtPoint(const QPoint &point) const
{
    const qreal x = box()->mapFromGlobal(point).x();
    if (characterCount() == 0 || x < qRound(caretX(0)) || x >= qRound(caretX(characterCount())))
        return -1;
    int first = 0;
    int last = characterCount() - 1;
    while (first < last) {
        const int middle = (first + last + 1) / 2;
        if (x < qRound(caretX(middle)))
            last = middle - 1;
        else
            first = middle;
    }
    return first;
}

// Where the box draws the caret at an offset, measured from where it draws it now, which follows
// the box's scrolling.
qreal EntryAccessible::caretX(int offset) const
{
    const QString text = box()->text();
    const QFontMetricsF metrics(box()->font());
    return box()->inputMethodQuery(Qt::ImCursorRectangle).toRect().x() + metrics.horizontalAdvance(text.left(offset))
        - metrics.horizontalAdvance(text.left(box()->cursorPosition()));
}

void EntryAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

// No attributes, over the whole text.
QString EntryAccessible::attributes(int /*offset*/, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void EntryAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void EntryAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void EntryAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (!box()->isReadOnly())
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}
