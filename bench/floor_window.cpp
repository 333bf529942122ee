// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The floor the calculator's start-up is measured against: an empty Qt window of the same size
// holding one Chinese label.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(506, 336);
    auto *label = new QLabel(QStringLiteral("频率计算"), &window);
    label->move(72, 80);
    window.show();
    return QApplication::exec();
}
