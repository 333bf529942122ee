// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

class QApplication;

// Names the program for the desktop (application and organisation names, version, desktop
// entry) and loads Qt's own Simplified Chinese texts: everything start-up does before the window.
void setUpApplication(QApplication &application);
