// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "dpi.h"

namespace {

// A function of user32 that this Windows may lack, or nullptr.
template<typename Function>
Function *user32(const char *name)
{
    static const HMODULE module = GetModuleHandleW(L"user32.dll");
    return reinterpret_cast<Function *>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

int systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

int dpiOf(HWND window)
{
    static const auto getDpiForWindow = user32<UINT WINAPI(HWND)>("GetDpiForWindow");
    const int dpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : systemDpi();
}

RECT frameFor(SIZE client, DWORD style, DWORD extendedStyle, int dpi)
{
    static const auto adjustForDpi = user32<BOOL WINAPI(RECT *, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, extendedStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    return frame;
}

LOGFONTW messageFont(int dpi)
{
    static const auto parametersForDpi
        = user32<BOOL WINAPI(UINT, UINT, void *, UINT, UINT)>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!parametersForDpi
        || !parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics.lfMessageFont;
}
