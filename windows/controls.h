// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include "window_design.h"

#include <windows.h>

#include <string_view>

// What the window's files share of the design: a control by its name, and the client area's size.
[[nodiscard]] const window_design::Control &designOf(std::string_view name);
[[nodiscard]] SIZE clientSize(int dpi);
