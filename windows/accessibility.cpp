// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// What screen readers are told beyond the Z order, where each caption precedes its box: each box's
// name again, through Dynamic Annotation, and its unit as its description.

#include "controls.h"
#include "main_window.h"
#include "wide_text.h"

#include <oleacc.h>

using namespace window_design;

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
    for (const Described &described : kDescriptions)
        m_annotations->SetHwndPropStr(control(described.control), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                      PROPID_ACC_NAME, widen(designOf(described.caption).caption).c_str());
    describeUnits();
}

// Entry boxes and results tell screen readers their unit, which follows the band.
void Frm_main::describeUnits()
{
    if (!m_annotations)
        return;
    for (const Described &described : kDescriptions)
        if (HWND box = made(described.control))
            m_annotations->SetHwndPropStr(box, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                          windowText(control(described.unit)).c_str());
}
