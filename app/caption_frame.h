// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <QGroupBox>

// A group box drawn the classic way, with its caption on the top edge of an etched frame, so
// that controls placed a caption's height below the frame's outer corner sit inside the frame
// whatever the widget style.
class CaptionFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
