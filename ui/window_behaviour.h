// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include "number_text.h"
#include "window_design.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// What the main window does, decided once for every toolkit: each window reads its controls'
// texts, asks these functions, and only shows what they answer.
namespace window_behaviour {

// The band mode the window keeps: 2 for the high band, 1 for the low band, 0 before the load step.
using BandFlag = std::int16_t;

// The band mode that the state of the high-band option selects.
[[nodiscard]] BandFlag bandFlagFor(bool highSelected);

struct UnitCaption {
    const char *label;
    const char *caption;
};

// The six band-dependent unit labels with their captions in the band, in the order they are set.
[[nodiscard]] std::array<UnitCaption, 6> unitCaptions(BandFlag flag);

// A compute's answer: the result as its label shows it, or the prompt of the message to show
// instead (and then the entries and the last result stay as they were).
struct ComputeOutcome {
    std::string result;
    const char *message = nullptr;
};

// Reads an entry box's text as UTF-8.
using EntryText = std::function<std::string()>;

// Reads a calculator's two entries, checks them as typed, and computes the result in the band's
// units. Never throws: every failure, reading the entries included, is a message.
[[nodiscard]] ComputeOutcome compute(window_design::Calculator calculator, const EntryText &upper,
                                     const EntryText &lower, BandFlag flag, const lirevox::Separators &separators);

// The controls the Tab key stops at, in the design's keyboard order. Both band options are listed;
// the group is one stop, at the selected one.
[[nodiscard]] const std::vector<const window_design::Control *> &tabStops();

// The stop the Tab key (forward) or Shift+Tab moves to from the named control, with the given tab
// in front and the given band option selected: the controls of hidden tabs and the clear option are
// passed over.
[[nodiscard]] const window_design::Control &nextTabStop(std::string_view from, bool forward, int frontTab,
                                                        std::string_view selectedOption);

// A key as the window receives it, whatever toolkit delivers it.
enum class Key { Tab, Enter, Escape, PageDown, PageUp, Home, End, Left, Right, Other };

struct KeyPress {
    Key key = Key::Other;
    bool control = false;
    bool shift = false;
};

// What a key does in the window. No button is a default or cancel button: Enter presses only the
// focused button, and Esc presses nothing.
enum class KeyAction {
    Default, // the toolkit's own: typing, Space on a button, the arrows in the band group
    Nothing, // taken, and nothing happens
    NextStop, // the Tab key, in the design's order (nextTabStop)
    PreviousStop, // Shift+Tab
    PressButton, // the focused button, as a click
    SelectTab, // the tab in KeyOutcome::tab to the front; a control it hides gives the strip the focus
};

struct KeyOutcome {
    KeyAction action = KeyAction::Default;
    int tab = -1;
};

// A browser keeps Ctrl+Tab and Ctrl+PageDown/PageUp for its own tabs; a desktop window switches
// its tabs with them, as a native tab control does.
enum class Host { Desktop, Browser };

// The key's action with a control of this kind focused and this tab in front: Ctrl+Tab and
// Ctrl+PageDown select the next tab, Ctrl+Shift+Tab and Ctrl+PageUp the previous one, from anywhere
// (desktop only); on the tab strip the arrows do so too, and Home and End select the first and last
// tab; tabs wrap round.
[[nodiscard]] KeyOutcome keyOutcome(KeyPress press, window_design::Kind focused, int frontTab, Host host);

// The index of the tab a control lies on, or -1 for one on the window or in Frame1.
[[nodiscard]] int tabOf(const window_design::Control &control);

// Whether the first frame shows the control: those on the window, in Frame1 and on the tab in front
// at load. The others can be made after it, before any input that could reach them.
[[nodiscard]] bool inFirstFrame(const window_design::Control &control);

// What a control shows when it is made: a band-dependent unit label made after the load step (flag
// not 0) shows its band's unit, every other control its design caption.
[[nodiscard]] std::string_view captionFor(const window_design::Control &control, BandFlag flag);

// A design measure in twips as pixels at a dpi, to the nearest pixel.
[[nodiscard]] int pixels(int twips, int dpi);

// A caption whose font's line is taller than its label sits on the label's bottom edge, so that
// faces with tall line gaps keep their descenders in view.
[[nodiscard]] bool sitsOnBottom(int labelHeight, int lineHeight);

// How a result is drawn in its label: at its own size when it fits, else at the largest smaller size
// that fits, in half-point steps down to the smallest that reads clearly; below that it is cut,
// visibly, with an ellipsis. Whenever it is not at its own size, its whole text is the tooltip.
struct ResultFit {
    double pointSize = 0;
    bool cut = false;
    bool ownSize = true;
};

inline constexpr double kSmallestResultPointSize = 7;

// The room a result has in its label, in the label's own units: its width less one, for the last
// glyph's overhang.
[[nodiscard]] int resultRoom(int labelWidth);

// The room a line of a tooltip has on a screen: the screen's width less the tooltip's border and
// margin on either side, and less one character for the overhang of a line's ends.
[[nodiscard]] int tooltipRoom(int screenWidth, int borderAndMargin, int widestCharacter);

// fits tells whether the whole result fits its label at a point size.
[[nodiscard]] ResultFit fitResult(double ownPointSize, const std::function<bool(double)> &fits);

// A result's whole text, for its tooltip, in lines that each fit the room of the screen it is shown
// on: as many characters on a line as fit, and at least one.
[[nodiscard]] std::vector<std::string> tooltipLines(std::string_view text,
                                                    const std::function<bool(std::string_view)> &fits);

// The contrast ratio of two colours, from 1 : 1 to 21 : 1, as WCAG measures it.
[[nodiscard]] double contrast(window_design::Rgb first, window_design::Rgb second);

// The colour a result is drawn in: the design's red in the design's colours; under colours the user
// has chosen (a high-contrast scheme, a dark palette), red only where it reads clearly on their
// background (a contrast of at least 4.5 : 1), else the first of the scheme's colours given that
// does, else the last of them.
[[nodiscard]] window_design::Rgb resultColour(bool usersColours, window_design::Rgb background,
                                              std::initializer_list<window_design::Rgb> schemeColours);

// A result as a screen reader says it: its caption without the equals sign, the value and the
// unit; the caption alone while there is no result.
[[nodiscard]] std::string spokenResult(std::string_view caption, std::string_view value, std::string_view unit);

} // namespace window_behaviour
