// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "main_window.h"

#include <doctest/doctest.h>

TEST_CASE("placeholder")
{
    Frm_main window(GetModuleHandleW(nullptr));
    CHECK(window.window() != nullptr);
}
