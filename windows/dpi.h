// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

// What Windows 10 tells of each monitor's dpi, looked up at run time: on earlier versions the
// system's dpi stands for every monitor.

// The dpi of the monitor the window is on.
[[nodiscard]] int dpiOf(HWND window);

// The outer rectangle, at the origin, of a window of this style whose client area is this size.
[[nodiscard]] RECT frameFor(SIZE client, DWORD style, DWORD extendedStyle, int dpi);

// The system's message font, scaled for a dpi.
[[nodiscard]] LOGFONTW messageFont(int dpi);
