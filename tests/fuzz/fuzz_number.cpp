// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "calc_error.h"
#include "number_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace lirevox;

// What toNumber makes of a text: its value, or the fault it raises.
static std::string reading(std::string_view text, const Separators &separators)
try {
    const double value = toNumber(text, separators);
    return std::isfinite(value) ? std::to_string(std::bit_cast<std::uint64_t>(value)) : "infinite";
} catch (const CalcError &error) {
    return error.fault() == CalcFault::Overflow ? "overflow" : "not numeric";
}

// Any text: the numeric test holds exactly when the conversion gives a finite value or the
// overflow error; what it reads survives the number text and the result pattern; and the text as
// a Chinese input method types it in full-width mode, pasted with a tab and a line break, reads
// the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const Separators kSeparators[] = {{".", ","}, {",", "."}, {",", "\xC2\xA0"}};
    static const std::string_view kAscii = "0123456789+-eE.,";
    static const std::string_view kFullWidth[]
        = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９", "＋", "－", "ｅ", "Ｅ", "。", "，"};
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::string wide = "\t";
    for (const char c : text)
        wide += kAscii.find(c) == std::string_view::npos ? std::string(1, c) : std::string(kFullWidth[kAscii.find(c)]);
    for (const Separators &separators : kSeparators) {
        const std::string read = reading(text, separators);
        if (isNumeric(text, separators) != (read != "not numeric") || read == "infinite"
            || read != reading(wide + "\r\n", separators))
            std::abort();
        if (read != "not numeric" && read != "overflow") {
            const double value = toNumber(text, separators);
            if (!isNumeric(toNumberText(value, separators), separators) || formatResult(value, separators).empty())
                std::abort();
        }
    }
    return 0;
}
