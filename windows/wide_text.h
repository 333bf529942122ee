// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The UTF-8 of the design and the calculations as the UTF-16 of the Windows API, and back.
[[nodiscard]] std::wstring widen(std::string_view utf8);
[[nodiscard]] std::string narrow(std::wstring_view utf16);

// A window's text, whatever its length.
[[nodiscard]] std::wstring windowText(HWND window);
