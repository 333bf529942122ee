// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

// Frm_main is the calculator's only window. Its controls are built once, from the design table
// that the Windows window shares, and never moved, shown, hidden or disabled by this code
// afterwards: each handler below only reads entries and writes texts. What a handler decides
// without Qt, from a band's units to a compute's result or message, is window_behaviour's; the
// handlers pass it the texts as typed and the locale's separators and show what it answers, and
// no exception ever leaves a handler. The band ("flag") decides the units every calculator reads
// and writes in, so a change of band empties the results shown in the old units. Each result a
// compute shows is also told to screen readers, by an announcer outside the design. The window is
// centred as a whole once its window manager has framed it. Every key a control receives is
// offered to window_behaviour's key rule first (Ctrl+Tab and the like, Enter on a button, Esc);
// what the rule leaves to the toolkit, Qt does, the Tab key in the focus chain made from the
// design's keyboard order among it.

#include "number_text.h"
#include "window_design.h"

#include <QWidget>

class Announcer;
class QKeyEvent;
class ResultLabel;
class QPushButton;
class QRadioButton;
class TabControl;

class Frm_main : public QWidget
{
    Q_OBJECT

public:
    explicit Frm_main(QWidget *parent = nullptr);

    // The band mode: 2 for the high band, 1 for the low band, 0 before the load step.
    [[nodiscard]] qint16 bandFlag() const { return flag; }

protected:
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectHandlers();
    void load();
    void danwei();
    void describeUnits();
    void centreOnScreen();
    bool onKey(QObject *focused, const QKeyEvent &key);

    void Option_Toggled(bool selected);

    void Command2_Click();
    void Command1_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command11_Click();
    static void Cancel_Click();

    void compute(const window_design::CalculatorTab &tab);
    void refresh(const window_design::CalculatorTab &tab);
    void showResult(ResultLabel &label, const QString &result);
    void showError(const char *prompt);

    template<typename T>
    T *control(const char *name) const;

    qint16 flag = 0;
    lirevox::Separators m_separators;
    bool m_frameCentred = false;
    Announcer *m_announcer = nullptr;

    TabControl *SSTab1 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
};
