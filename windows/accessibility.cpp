// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// What screen readers are told beyond the Z order, where each caption precedes its box, through
// Dynamic Annotation: each entry box's name again and its unit as its description; each result's
// name as a screen reader says it, caption, result and unit, and each new result as a live region's
// change.

#include "controls.h"
#include "main_window.h"
#include "wide_text.h"

#include <oleacc.h>

using namespace window_design;

namespace {

// UI Automation's LiveSetting property and its polite value, which MinGW's headers lack, and the
// event of a live region's change, which headers for Windows 7 leave out; Windows 7 ignores both.
constexpr GUID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;
constexpr DWORD kLiveRegionChanged = 0x8019;

} // namespace

// Until then a screen reader finds each box's name in the Z order, as Dynamic Annotation gives it
// again. COM is initialised once for the window's thread, and the service asked for once a run.
void Frm_main::annotate()
{
    if (m_annotationsAsked)
        return;
    m_annotationsAsked = true;
    m_comInitialised = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (!m_comInitialised
        || FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                   reinterpret_cast<void **>(&m_annotations))))
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    for (const Described &described : kDescriptions) {
        HWND box = control(described.control);
        if (designOf(described.control).kind != Kind::Result) {
            m_annotations->SetHwndPropStr(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                          widen(designOf(described.caption).caption).c_str());
            continue;
        }
        m_annotations->SetHwndProp(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty, polite);
        nameResult(box);
    }
    describeUnits();
}

// Entry boxes tell screen readers their unit, which follows the band.
void Frm_main::describeUnits()
{
    if (!m_annotations)
        return;
    for (const Described &described : kDescriptions)
        if (HWND box = made(described.control); box && designOf(described.control).kind != Kind::Result)
            m_annotations->SetHwndPropStr(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                          windowText(control(described.unit)).c_str());
}

// A result is named by what it shows; a new one is announced, also when it is the same again.
void Frm_main::showResult(ResultBox &result, const std::wstring &text)
{
    result.setResult(text);
    nameResult(result.window());
    if (!text.empty())
        NotifyWinEvent(kLiveRegionChanged, result.window(), OBJID_CLIENT, CHILDID_SELF);
}

void Frm_main::nameResult(HWND box)
{
    if (!m_annotations)
        return;
    for (const Described &described : kDescriptions)
        if (made(described.control) == box)
            m_annotations->SetHwndPropStr(
                box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                widen(window_behaviour::spokenResult(designOf(described.caption).caption, narrow(windowText(box)),
                                                     narrow(windowText(control(described.unit)))))
                    .c_str());
}
