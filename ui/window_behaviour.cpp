// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "window_behaviour.h"

#include "calc_error.h"
#include "entry_check.h"
#include "resonance.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <iterator>
#include <stdexcept>

namespace window_behaviour {

using namespace window_design;

namespace {

const char *promptFor(lirevox::CalcFault fault)
{
    switch (fault) {
    case lirevox::CalcFault::DivisionByZero:
        return kDivisionByZero;
    case lirevox::CalcFault::Overflow:
        return kOverflow;
    case lirevox::CalcFault::Invalid:
        break;
    }
    return kInvalidOperation;
}

bool takesFocus(Kind kind)
{
    return kind == Kind::Tabs || kind == Kind::Option || kind == Kind::TextBox || kind == Kind::Button;
}

bool isStop(const Control &control, int frontTab, std::string_view selectedOption)
{
    const int tab = tabOf(control);
    if (tab >= 0 && tab != frontTab)
        return false;
    return control.kind != Kind::Option || control.name == selectedOption;
}

} // namespace

BandFlag bandFlagFor(bool highSelected)
{
    return highSelected ? 2 : 1;
}

std::array<UnitCaption, 6> unitCaptions(BandFlag flag)
{
    const bool high = flag == 2;
    const char *henry = high ? kMicrohenry : kMillihenry;
    const char *hertz = high ? kMegahertz : kKilohertz;
    return {{{"Label4", henry},
             {"Label6", hertz},
             {"Label9", hertz},
             {"Label11", henry},
             {"Label20", hertz},
             {"Label18", henry}}};
}

ComputeOutcome compute(Calculator calculator, const EntryText &upperText, const EntryText &lowerText, BandFlag flag,
                       const lirevox::Separators &separators)
{
    try {
        const std::string upper = upperText();
        const std::string lower = lowerText();
        switch (lirevox::checkEntries(upper, lower, separators)) {
        case lirevox::EntryProblem::Blank:
            return {.result = {}, .message = kBlankEntry};
        case lirevox::EntryProblem::NotNumeric:
            return {.result = {}, .message = kNotNumeric};
        case lirevox::EntryProblem::None:
            break;
        }
        const lirevox::Band band = flag == 2 ? lirevox::Band::High : lirevox::Band::Low;
        const auto formula = calculator == Calculator::Frequency ? &lirevox::frequency
            : calculator == Calculator::Capacitance              ? &lirevox::capacitance
                                                                 : &lirevox::inductance;
        return {.result = lirevox::formatResult(formula(upper, lower, band, separators), separators)};
    } catch (const lirevox::CalcError &error) {
        return {.result = {}, .message = promptFor(error.fault())};
    } catch (const std::exception &) {
        // An entry too large to hold twice, say: the program goes on all the same.
        return {.result = {}, .message = kCannotCompute};
    }
}

KeyOutcome keyOutcome(KeyPress press, Kind focused, int frontTab, Host host)
{
    const int count = static_cast<int>(kTabCaptions.size());
    const auto select = [](int tab) { return KeyOutcome{.action = KeyAction::SelectTab, .tab = tab}; };
    const auto step = [&](int by) { return select(((frontTab + by) % count + count) % count); };
    const bool onStrip = focused == Kind::Tabs;
    switch (press.key) {
    case Key::Tab:
        if (press.control)
            return host == Host::Browser ? KeyOutcome{} : step(press.shift ? -1 : 1);
        return {.action = press.shift ? KeyAction::PreviousStop : KeyAction::NextStop};
    case Key::PageDown:
    case Key::PageUp:
        if (!press.control || host == Host::Browser)
            return {};
        return step(press.key == Key::PageDown ? 1 : -1);
    case Key::Left:
    case Key::Right:
        return onStrip ? step(press.key == Key::Right ? 1 : -1) : KeyOutcome{};
    case Key::Home:
    case Key::End:
        return onStrip ? select(press.key == Key::Home ? 0 : count - 1) : KeyOutcome{};
    case Key::Enter:
        if (onStrip)
            return select(frontTab);
        return {.action = focused == Kind::Button ? KeyAction::PressButton : KeyAction::Nothing};
    case Key::Escape:
        return {.action = KeyAction::Nothing};
    case Key::Other:
        break;
    }
    return {};
}

int tabOf(const Control &control)
{
    switch (control.container) {
    case Container::Tab0:
        return 0;
    case Container::Tab1:
        return 1;
    case Container::Tab2:
        return 2;
    case Container::Tab3:
        return 3;
    case Container::Window:
    case Container::Frame1:
        break;
    }
    return -1;
}

bool inFirstFrame(const Control &control)
{
    const int tab = tabOf(control);
    return tab < 0 || tab == kTabAtLoad;
}

std::string_view captionFor(const Control &control, BandFlag flag)
{
    if (flag != 0)
        for (const auto &unit : unitCaptions(flag))
            if (unit.label == std::string_view(control.name))
                return unit.caption;
    return control.caption;
}

const std::vector<const Control *> &tabStops()
{
    static const std::vector<const Control *> stops = [] {
        std::vector<const Control *> all;
        for (const Control &control : kControls)
            if (takesFocus(control.kind))
                all.push_back(&control);
        std::sort(all.begin(), all.end(), [](const Control *a, const Control *b) { return a->tabIndex < b->tabIndex; });
        return all;
    }();
    return stops;
}

// A control that is no stop, such as a result the mouse focused, moves on from its own place in
// the keyboard order.
const Control &nextTabStop(std::string_view from, bool forward, int frontTab, std::string_view selectedOption)
{
    const auto &stops = tabStops();
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    const auto *control
        = std::find_if(kControls.begin(), kControls.end(), [from](const Control &each) { return each.name == from; });
    const int fromIndex = control == kControls.end() ? 0 : control->tabIndex;
    // The last stop at or before the control, and whether the control is that stop.
    std::ptrdiff_t at = std::upper_bound(stops.begin(), stops.end(), fromIndex,
                                         [](int index, const Control *stop) { return index < stop->tabIndex; })
        - stops.begin() - 1;
    if (!forward && (at < 0 || stops[static_cast<std::size_t>(at)]->tabIndex != fromIndex))
        ++at;
    at = (at + count) % count;
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        at = (at + (forward ? 1 : count - 1)) % count;
        if (isStop(*stops[static_cast<std::size_t>(at)], frontTab, selectedOption))
            return *stops[static_cast<std::size_t>(at)];
    }
    throw std::logic_error("no control takes the focus");
}

int pixels(int twips, int dpi)
{
    return (twips * dpi + 720) / 1440;
}

bool sitsOnBottom(int labelHeight, int lineHeight)
{
    return labelHeight < lineHeight;
}

ResultFit fitResult(double ownPointSize, const std::function<bool(double)> &fits)
{
    constexpr double kStep = 0.5;
    ResultFit fit{.pointSize = ownPointSize};
    while (!fits(fit.pointSize) && fit.pointSize - kStep >= kSmallestResultPointSize)
        fit.pointSize -= kStep;
    fit.ownSize = fit.pointSize == ownPointSize;
    fit.cut = !fits(fit.pointSize);
    return fit;
}

int resultRoom(int labelWidth)
{
    return labelWidth - 1;
}

int tooltipRoom(int screenWidth, int borderAndMargin, int widestCharacter)
{
    return screenWidth - 2 * borderAndMargin - widestCharacter;
}

std::vector<std::string> tooltipLines(std::string_view text, const std::function<bool(std::string_view)> &fits)
{
    std::vector<std::string> lines(1);
    while (!text.empty()) {
        // One character: its lead byte and the UTF-8 continuation bytes after it.
        std::size_t length = 1;
        while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0U) == 0x80U)
            ++length;
        const std::string_view character = text.substr(0, length);
        if (!lines.back().empty() && !fits(lines.back() + std::string(character)))
            lines.emplace_back();
        lines.back() += character;
        text.remove_prefix(length);
    }
    return lines;
}

double contrast(Rgb first, Rgb second)
{
    const auto luminance = [](Rgb colour) {
        const auto linear = [](int channel) {
            const double value = channel / 255.0;
            return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
    };
    const double lighter = std::max(luminance(first), luminance(second));
    const double darker = std::min(luminance(first), luminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}

Rgb resultColour(bool usersColours, Rgb background, std::initializer_list<Rgb> schemeColours)
{
    constexpr double kReadable = 4.5;
    if (!usersColours || contrast(kResultColour, background) >= kReadable || schemeColours.size() == 0)
        return kResultColour;
    const auto *readable = std::find_if(schemeColours.begin(), schemeColours.end(),
                                        [background](Rgb colour) { return contrast(colour, background) >= kReadable; });
    return readable == schemeColours.end() ? *std::prev(schemeColours.end()) : *readable;
}

std::string spokenResult(std::string_view caption, std::string_view value, std::string_view unit)
{
    std::string spoken(caption);
    std::erase(spoken, '=');
    if (!value.empty())
        spoken.append(" ").append(value).append(" ").append(unit);
    return spoken;
}

} // namespace window_behaviour
