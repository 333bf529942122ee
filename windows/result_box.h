// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include "window_behaviour.h"
#include "window_design.h"

#include <windows.h>

#include <string>

// A calculator's result, in a read-only edit box without a border, so that the mouse selects it
// and Ctrl+C copies it; it is no Tab stop. Its text is always the exact result, for copying and for
// screen readers. A result too wide for the box is drawn smaller, and below the smallest size
// drawn cut with an ellipsis (without a selection highlight then); whenever it is not drawn at its
// own size, the whole result is its tooltip. The context menu offers 复制 and 全选.
class ResultBox
{
public:
    ResultBox(HWND edit, const window_design::FontStyle &style, int dpi);
    ~ResultBox();
    ResultBox(const ResultBox &) = delete;
    ResultBox &operator=(const ResultBox &) = delete;

    // Shows a result, or nothing for an empty text.
    void setResult(const std::wstring &result);
    // Draws the result again for a new dpi.
    void setDpi(int dpi);
    // The tooltip: the whole result whenever it is not drawn at its own size.
    [[nodiscard]] std::wstring tooltip() const;
    [[nodiscard]] const window_behaviour::ResultFit &fit() const { return m_fit; }
    [[nodiscard]] HWND window() const { return m_edit; }

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void refit();
    void onContextMenu(POINT at);
    void copy();
    void paintCut();

    HWND m_edit = nullptr;
    window_design::FontStyle m_style{};
    int m_dpi = 96;
    HFONT m_font = nullptr;
    int m_baselineOffset = 0;
    window_behaviour::ResultFit m_fit;
};
