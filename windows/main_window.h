// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

// Frm_main is the calculator's only window, a classic window procedure that dispatches each
// message to a short handler. Its controls are built once, from the design table that the Qt
// window shares, and every one of them is a direct child of the main window, found there by its
// ID (GetDlgItem(window, controlId("Text4"))): the option buttons lie over the band frame and the
// tabs' controls over the tab control, which sits at the bottom of the Z order so that it never
// paints over them, and a tab's controls are shown only while the tab is in front. The first frame
// waits only for the controls it shows; the hidden tabs' are made when the message loop is first
// idle, or before any input that could reach them, whichever comes first, each made with what it
// shows at once; no call is ever made with the handle of a control not made yet. The handlers
// only read entries and write texts; what they decide without the Windows API, from a band's units
// to a compute's result or message and the Tab key's next stop, is window_behaviour's, and no C++
// exception ever leaves the window procedure. The window handles its own keys as the shared key rule
// says (Tab, Ctrl+Tab and Ctrl+PageDown and their reverses, Enter on a button; the arrows in the
// band group are its own), lays the design out at its monitor's dpi, again
// whenever the dpi changes, and names entries and results to screen readers: a caption precedes
// its box in the Z order, and Dynamic Annotation gives each entry box that name again (whatever a
// screen reader makes of owner-drawn labels) and its unit as the description, and each result its
// caption, result and unit as its name, in a live region that announces each new result. It draws
// in the system colours, the results by the shared colour rule when a high-contrast scheme is on,
// and passes a change of colours on to its common controls. One file a concern: this
// one's .cpp the window and its handlers, controls.cpp the controls' making and placing,
// accessibility.cpp what screen readers are told.

#include "design_fonts.h"
#include "number_text.h"
#include "result_box.h"
#include "window_behaviour.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>

struct IAccPropServices;

// Whether the user's high-contrast scheme is on, as Windows answers it (SPI_GETHIGHCONTRAST).
bool systemHighContrast();

class Frm_main
{
public:
    // highContrast: asked whenever a result is drawn, so a scheme switched on later is followed.
    explicit Frm_main(HINSTANCE instance, bool (*highContrast)() = systemHighContrast);
    ~Frm_main();
    Frm_main(const Frm_main &) = delete;
    Frm_main &operator=(const Frm_main &) = delete;

    // Shows the window centred, with its frame, on its monitor's work area.
    void show(int showCommand);
    // The window's own keyboard handling, for the message loop: true when it took the message.
    bool translateKey(const MSG &message);
    // For the message loop, whenever no message waits.
    void idle();

    [[nodiscard]] HWND window() const { return m_window; }
    // The band mode: 2 for the high band, 1 for the low band, 0 before the load step.
    [[nodiscard]] window_behaviour::BandFlag bandFlag() const { return flag; }
    // The result box a calculator tab shows its result in.
    [[nodiscard]] ResultBox &resultBox(const char *name);
    // What the window procedure caught last and could only drop, since no exception may leave it;
    // empty while nothing has failed.
    [[nodiscard]] const std::string &lastFault() const { return m_fault; }

private:
    static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void buildControls(bool shownFirst);
    void setUpTabs();
    void sendTabsToBottom();
    void buildHiddenTabs();
    void placeControls();
    void offerTooltips();
    void load();
    void danwei();
    void showUnits();
    void describeUnits();
    void annotate();
    void showResult(ResultBox &result, const std::wstring &text);
    void nameResult(HWND box);
    void showFrontTab();

    [[nodiscard]] std::wstring wrappedTooltip(const std::wstring &text) const;

    void onCommand(int id);
    LRESULT onNotify(const NMHDR &header);
    LRESULT onColorStatic(HDC dc, HWND control);
    void onDrawItem(const DRAWITEMSTRUCT &item);
    void onDpiChanged(int dpi, const RECT &suggested);
    void onActivate(bool active);
    void onSysColorChange();

    void Option_Click();
    void Command2_Click();
    void Command1_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command11_Click();
    void Cancel_Click();

    void compute(const window_design::CalculatorTab &tab);
    void refresh(const window_design::CalculatorTab &tab);
    void showError(const char *prompt);
    void moveFocus(bool forward);
    bool moveInBandGroup(const MSG &message);
    void selectTab(int index);

    // A control's handle; control() holds it made, made() tells whether it is (else null).
    [[nodiscard]] HWND control(const char *name) const;
    [[nodiscard]] HWND made(const char *name) const;

    window_behaviour::BandFlag flag = 0;
    bool (*m_highContrast)() = systemHighContrast;
    HWND m_window = nullptr;
    HWND m_tooltip = nullptr;
    HWND m_focus = nullptr;
    std::wstring m_tooltipText;
    lirevox::Separators m_separators;
    std::unique_ptr<DesignFonts> m_fonts;
    std::array<std::unique_ptr<ResultBox>, 3> m_results;
    IAccPropServices *m_annotations = nullptr;
    bool m_annotationsAsked = false;
    bool m_comInitialised = false;
    std::string m_fault;
    bool m_hiddenTabsBuilt = false;
};
