// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>

// The Qt platform to start on, given the user's QT_QPA_PLATFORM and DISPLAY, or an empty text to
// leave Qt's own choice. Under X11 the window is centred and its frame drawn by the window
// manager as designed; a Wayland session gives clients no position, so wherever an X server is
// reachable (Xwayland included) it is preferred, with Wayland as the fallback. A choice the user
// made always stands.
[[nodiscard]] QByteArray preferredPlatform(const QByteArray &userChoice, const QByteArray &display);
