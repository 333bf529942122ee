// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

// Frm_main is the calculator's only window. Its controls are built once, from the design table
// in window_design.h, and never moved, shown, hidden or disabled by this code afterwards: each
// handler below only reads entries and writes texts. The three calculator tabs share one shape
// (two entries, a result, refresh/compute/cancel); the arithmetic lives in the Qt-free calc
// library, which the compute handlers call with the texts as typed and the locale's separators;
// no exception ever leaves a handler. The band ("flag") decides the units every calculator reads
// and writes in, so a change of band empties the results shown in the old units. The window is
// centred as a whole once its window manager has framed it.

#include "number_text.h"
#include "resonance.h"

#include <QWidget>

class QLabel;
class ResultLabel;
class QLineEdit;
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

private:
    using Calculator = double (*)(std::string_view, std::string_view, lirevox::Band, const lirevox::Separators &);

    void buildControls();
    void connectHandlers();
    void load();
    void danwei();
    void describeUnits();
    void centreOnScreen();

    void Option_Toggled(bool selected);

    void Command2_Click();
    void Command1_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command11_Click();
    static void Cancel_Click();

    void compute(const QLineEdit *upper, const QLineEdit *lower, ResultLabel *result, Calculator calculator);
    void showError(const char *prompt);

    template<typename T>
    T *control(const char *name) const;

    qint16 flag = 0;
    lirevox::Separators m_separators;
    bool m_frameCentred = false;

    TabControl *SSTab1 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLabel *Label4 = nullptr;
    ResultLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label9 = nullptr;
    ResultLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label18 = nullptr;
    ResultLabel *Label19 = nullptr;
    QLabel *Label20 = nullptr;
};
