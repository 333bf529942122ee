// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "calc_error.h"
#include "number_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace lirevox;

namespace {

// What toNumber makes of a text: its value, or the fault it raises.
std::string reading(std::string_view text, const Separators &separators)
{
    try {
        const double value = toNumber(text, separators);
        return std::isfinite(value) ? std::to_string(std::signbit(value)) + std::to_string(value) : "infinite";
    } catch (const CalcError &error) {
        return error.fault() == CalcFault::Overflow ? "overflow" : "not numeric";
    }
}

// The text as a Chinese input method in full-width mode types it, in a pasted cell's tab and line break.
std::string fullWidth(std::string_view text)
{
    static constexpr std::string_view kForms = "0123456789+-eE.,";
    static constexpr std::array<std::string_view, 16> kFullWidth
        = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９", "＋", "－", "ｅ", "Ｅ", "。", "，"};
    std::string wide = "\t";
    for (const char c : text)
        wide += kForms.find(c) == std::string_view::npos ? std::string(1, c) : std::string(kFullWidth[kForms.find(c)]);
    return wide + "\r\n";
}

} // namespace

// Any text: the numeric test holds exactly when the conversion gives a finite value or the
// overflow error; whatever it reads survives the number text and the result pattern; and its
// full-width form reads the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const Separators kSeparators[] = {{".", ","}, {",", "."}, {",", "\xC2\xA0"}};
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const Separators &separators : kSeparators) {
        const bool numeric = isNumeric(text, separators);
        const std::string read = reading(text, separators);
        if (numeric != (read != "not numeric") || read == "infinite" || read != reading(fullWidth(text), separators))
            std::abort();
        if (numeric && read != "overflow") {
            const double value = toNumber(text, separators);
            if (!isNumeric(toNumberText(value, separators), separators) || formatResult(value, separators).empty())
                std::abort();
        }
    }
    return 0;
}
