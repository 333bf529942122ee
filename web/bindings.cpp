// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// What the page asks the core: the design table, and what the window decides, as C functions whose
// texts are UTF-8 and whose answers are JSON. The page measures text itself; the core asks it
// through the two functions the page puts on the module.

#include "window_behaviour.h"
#include "window_design.h"

#include <emscripten.h>

#include <string>
#include <string_view>

using namespace window_design;

namespace {

// Whether a result fits its label at a point size, and a line of a tooltip the screen's width.
EM_JS(int, resultFits, (double pointSize), { return Module.resultFits(pointSize) ? 1 : 0; });
EM_JS(int, lineFits, (const char *line), { return Module.lineFits(UTF8ToString(line)) ? 1 : 0; });

std::string quoted(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            json += '\\';
        json += c;
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

constexpr std::array kKinds = {"Frame", "Option", "Tabs", "Label", "Result", "TextBox", "Button"};
constexpr std::array kContainers = {"Window", "Frame1", "Tab0", "Tab1", "Tab2", "Tab3"};

std::string font(Font font)
{
    const FontStyle style = fontStyle(font);
    return "{\"song\":" + std::string(style.song ? "true" : "false")
        + ",\"px\":" + std::to_string(style.pointSize * 96 / 72) + ",\"bold\":" + (style.bold ? "true" : "false") + "}";
}

// Every control with its place and size in CSS pixels in its container.
std::string designJson()
{
    const auto px = [](int twips) { return std::to_string(window_behaviour::pixels(twips, 96)); };
    const auto faces
        = [](const auto &names) { return list(names, [](std::string_view face) { return quoted(face); }); };
    return "{\"title\":" + quoted(kTitle) + ",\"width\":" + px(kClientWidth) + ",\"height\":" + px(kClientHeight)
        + ",\"tabs\":" + list(kTabCaptions, [](const char *caption) { return quoted(caption); })
        + ",\"songFaces\":" + faces(kSongFaces) + ",\"uiFaces\":" + faces(kUiFaces)
        + ",\"errorTitle\":" + quoted(kErrorTitle) + ",\"errorButton\":" + quoted(kErrorButton) + ",\"controls\":"
        + list(kControls,
               [&](const Control &control) {
                   return "{\"name\":" + quoted(control.name)
                       + ",\"kind\":" + quoted(kKinds.at(static_cast<int>(control.kind)))
                       + ",\"container\":" + quoted(kContainers.at(static_cast<int>(control.container)))
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

EMSCRIPTEN_KEEPALIVE int lirevox_band_flag(int highSelected)
{
    return window_behaviour::bandFlagFor(highSelected != 0);
}

EMSCRIPTEN_KEEPALIVE const char *lirevox_units(int flag)
{
    return answer(list(window_behaviour::unitCaptions(static_cast<window_behaviour::BandFlag>(flag)),
                       [](const auto &unit) { return "[" + quoted(unit.label) + "," + quoted(unit.caption) + "]"; }));
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

EMSCRIPTEN_KEEPALIVE const char *lirevox_next_stop(const char *from, int forward, int frontTab, const char *selected)
{
    return window_behaviour::nextTabStop(from, forward != 0, frontTab, selected).name;
}

EMSCRIPTEN_KEEPALIVE const char *lirevox_fit_result(double ownPointSize)
{
    const auto fit = window_behaviour::fitResult(ownPointSize, [](double size) { return resultFits(size) != 0; });
    return answer("{\"pointSize\":" + std::to_string(fit.pointSize) + ",\"cut\":" + (fit.cut ? "true" : "false")
                  + ",\"ownSize\":" + (fit.ownSize ? "true" : "false") + "}");
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
