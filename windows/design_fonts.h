// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include "window_design.h"

#include <windows.h>

#include <array>

// The design's fonts at one dpi. Song is 宋体 by its GB2312 character set where Windows has it,
// else the first installed Song face of the design's list (under Wine, Noto Serif CJK SC). The
// window's own font is Windows' message font at 9 points where that face writes Chinese, else the
// first installed Chinese UI face of the design's list.
class DesignFonts
{
public:
    explicit DesignFonts(int dpi);
    ~DesignFonts();
    DesignFonts(const DesignFonts &) = delete;
    DesignFonts &operator=(const DesignFonts &) = delete;

    [[nodiscard]] HFONT get(window_design::Font font) const;
    [[nodiscard]] int dpi() const { return m_dpi; }

    // A new font of the design's style at another point size; the caller deletes it.
    [[nodiscard]] static HFONT create(const window_design::FontStyle &style, double pointSize, int dpi);

private:
    int m_dpi = 96;
    std::array<HFONT, 4> m_fonts{};
};
