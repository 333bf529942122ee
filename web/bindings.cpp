// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// What the page asks the core, as C functions: the design table (asked at build time, when the page
// is written from it) and what the window decides. Texts go both ways as UTF-8 in the core's own
// memory, which the page allocates for entries of any length; answers that hold more than one value
// are JSON. The page measures text itself; the core asks it through two functions the page puts on
// the module.

#include "window_behaviour.h"
#include "window_design.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

using namespace window_design;

namespace {

// Whether a result fits its label at a point size, and a line of a tooltip the screen's width.
EM_JS(int, resultFits, (double pointSize), { return Module.resultFits(pointSize) ? 1 : 0; });
EM_JS(int, lineFits, (const char *line), { return Module.lineFits(UTF8ToString(line)) ? 1 : 0; });

// A JSON string: quotes, backslashes and every control character escaped.
std::string quoted(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", static_cast<unsigned>(c));
            json += escaped.data();
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string list(const auto &items, const auto &each)
{
    std::string json = "[";
    for (const auto &item : items)
        json += (json.size() > 1 ? "," : "") + each(item);
    return json + "]";
}

const char *answer(std::string json)
{
    static std::string last;
    last = std::move(json);
    return last.c_str();
}

const char *kindName(Kind kind)
{
    switch (kind) {
    case Kind::Frame:
        return "Frame";
    case Kind::Option:
        return "Option";
    case Kind::Tabs:
        return "Tabs";
    case Kind::Label:
        return "Label";
    case Kind::Result:
        return "Result";
    case Kind::TextBox:
        return "TextBox";
    case Kind::Button:
        break;
    }
    return "Button";
}

// The element a control lies in: the window, the band frame or a tab's page.
const char *containerName(Container container)
{
    switch (container) {
    case Container::Frame1:
        return "Frame1";
    case Container::Tab0:
    case Container::Tab1:
    case Container::Tab2:
    case Container::Tab3:
        return "SSTab1";
    case Container::Window:
        break;
    }
    return "Frm_main";
}

const char *actionName(window_behaviour::KeyAction action)
{
    using window_behaviour::KeyAction;
    switch (action) {
    case KeyAction::Default:
        return "default";
    case KeyAction::Nothing:
        return "nothing";
    case KeyAction::NextStop:
        return "next stop";
    case KeyAction::PreviousStop:
        return "previous stop";
    case KeyAction::PressButton:
        return "press";
    case KeyAction::SelectTab:
        break;
    }
    return "select tab";
}

window_behaviour::Key keyNamed(std::string_view key)
{
    using window_behaviour::Key;
    constexpr std::array<std::pair<std::string_view, Key>, 9> kKeys = {{{"Tab", Key::Tab},
                                                                        {"Enter", Key::Enter},
                                                                        {"Escape", Key::Escape},
                                                                        {"PageDown", Key::PageDown},
                                                                        {"PageUp", Key::PageUp},
                                                                        {"Home", Key::Home},
                                                                        {"End", Key::End},
                                                                        {"ArrowLeft", Key::Left},
                                                                        {"ArrowRight", Key::Right}}};
    const auto *found = std::find_if(kKeys.begin(), kKeys.end(), [key](const auto &each) { return each.first == key; });
    return found == kKeys.end() ? Key::Other : found->second;
}

std::string font(Font font)
{
    const FontStyle style = fontStyle(font);
    return "{\"song\":" + std::string(style.song ? "true" : "false") + ",\"points\":" + std::to_string(style.pointSize)
        + ",\"bold\":" + (style.bold ? "true" : "false") + "}";
}

// Every control with its place and size in CSS pixels in its container.
std::string designJson()
{
    const auto px = [](int twips) { return std::to_string(window_behaviour::pixels(twips, 96)); };
    const auto texts
        = [](const auto &names) { return list(names, [](std::string_view text) { return quoted(text); }); };
    return "{\"title\":" + quoted(kTitle) + ",\"width\":" + px(kClientWidth) + ",\"height\":" + px(kClientHeight)
        + ",\"stripHeight\":" + std::to_string(kTabStripHeightPixels) + ",\"resultColour\":\"rgb("
        + std::to_string(kResultColour.red) + "," + std::to_string(kResultColour.green) + ","
        + std::to_string(kResultColour.blue) + ")\"" + ",\"tabs\":" + texts(kTabCaptions) + ",\"selectedAtStart\":"
        + quoted(kSelectedAtStart) + ",\"tabAtLoad\":" + std::to_string(kTabAtLoad) + ",\"songFaces\":"
        + texts(kSongFaces) + ",\"uiFaces\":" + texts(kUiFaces) + ",\"errorTitle\":" + quoted(kErrorTitle)
        + ",\"errorButton\":" + quoted(kErrorButton) + ",\"cannotCompute\":" + quoted(kCannotCompute) + ",\"controls\":"
        + list(kControls,
               [&](const Control &control) {
                   return "{\"name\":" + quoted(control.name) + ",\"kind\":" + quoted(kindName(control.kind))
                       + ",\"container\":" + quoted(containerName(control.container))
                       + ",\"tab\":" + std::to_string(window_behaviour::tabOf(control))
                       + ",\"caption\":" + quoted(control.caption) + ",\"left\":" + px(control.left)
                       + ",\"top\":" + px(control.top) + ",\"width\":" + px(control.width)
                       + ",\"height\":" + px(control.height) + ",\"font\":" + font(control.font) + "}";
               })
        + ",\"described\":"
        + list(kDescriptions,
               [](const Described &each) {
                   return "[" + quoted(each.control) + "," + quoted(each.caption) + "," + quoted(each.unit) + "]";
               })
        + ",\"calculators\":"
        + list(kCalculatorTabs,
               [](const CalculatorTab &tab) {
                   return "{\"upper\":" + quoted(tab.upper) + ",\"lower\":" + quoted(tab.lower)
                       + ",\"result\":" + quoted(tab.result) + ",\"compute\":" + quoted(tab.compute)
                       + ",\"refresh\":" + quoted(tab.refresh) + ",\"cancel\":" + quoted(tab.cancel)
                       + ",\"cleared\":" + list(tab.cleared, [](const char *name) { return quoted(name); }) + "}";
               })
        + "}";
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char *lirevox_design()
{
    return answer(designJson());
}

// The band flag the selected option selects, and the six unit labels' captions in it.
EMSCRIPTEN_KEEPALIVE const char *lirevox_band(const char *selectedOption)
{
    const window_behaviour::BandFlag flag
        = window_behaviour::bandFlagFor(std::string_view(selectedOption) == kHighBandOption);
    return answer("{\"flag\":" + std::to_string(flag) + ",\"units\":"
                  + list(window_behaviour::unitCaptions(flag),
                         [](const auto &unit) { return "[" + quoted(unit.label) + "," + quoted(unit.caption) + "]"; })
                  + "}");
}

EMSCRIPTEN_KEEPALIVE const char *lirevox_compute(int calculator, const char *upper, const char *lower, int flag,
                                                 const char *decimal, const char *group)
{
    const auto entry = [](const char *text) { return [text] { return std::string(text); }; };
    const auto outcome = window_behaviour::compute(static_cast<Calculator>(calculator), entry(upper), entry(lower),
                                                   static_cast<window_behaviour::BandFlag>(flag), {decimal, group});
    return answer("{\"result\":" + quoted(outcome.result)
                  + ",\"message\":" + quoted(outcome.message ? outcome.message : "") + "}");
}

// A result as a screen reader says it: its caption, the result and its unit.
EMSCRIPTEN_KEEPALIVE const char *lirevox_spoken_result(const char *caption, const char *result, const char *unit)
{
    return answer(window_behaviour::spokenResult(caption, result, unit));
}

EMSCRIPTEN_KEEPALIVE const char *lirevox_next_stop(const char *from, int forward, int frontTab, const char *selected)
{
    return window_behaviour::nextTabStop(from, forward != 0, frontTab, selected).name;
}

// What a key does with the named control focused (any other name: nothing of the window's).
EMSCRIPTEN_KEEPALIVE const char *lirevox_key(const char *key, int control, int shift, const char *focused, int frontTab)
{
    const auto *found = std::find_if(kControls.begin(), kControls.end(),
                                     [focused](const Control &each) { return std::string_view(each.name) == focused; });
    const auto outcome = window_behaviour::keyOutcome({keyNamed(key), control != 0, shift != 0},
                                                      found == kControls.end() ? Kind::Label : found->kind, frontTab,
                                                      window_behaviour::Host::Browser);
    return answer("{\"action\":" + quoted(actionName(outcome.action)) + ",\"tab\":" + std::to_string(outcome.tab)
                  + "}");
}

EMSCRIPTEN_KEEPALIVE const char *lirevox_fit_result(double ownPointSize)
{
    const auto fit = window_behaviour::fitResult(ownPointSize, [](double size) { return resultFits(size) != 0; });
    return answer("{\"pointSize\":" + std::to_string(fit.pointSize) + ",\"cut\":" + (fit.cut ? "true" : "false")
                  + ",\"ownSize\":" + (fit.ownSize ? "true" : "false") + "}");
}

EMSCRIPTEN_KEEPALIVE const char *lirevox_result_room(int labelWidth)
{
    return answer(std::to_string(window_behaviour::resultRoom(labelWidth)));
}

EMSCRIPTEN_KEEPALIVE const char *lirevox_tooltip_room(int screenWidth, int borderAndMargin, int widestCharacter)
{
    return answer(std::to_string(window_behaviour::tooltipRoom(screenWidth, borderAndMargin, widestCharacter)));
}

EMSCRIPTEN_KEEPALIVE const char *lirevox_tooltip(const char *text)
{
    std::string lines;
    for (const std::string &line : window_behaviour::tooltipLines(
             text, [](std::string_view part) { return lineFits(std::string(part).c_str()) != 0; }))
        lines += (lines.empty() ? "" : "\n") + line;
    return answer(lines);
}

} // extern "C"
