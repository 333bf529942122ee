#include "calc_error.h"
#include "number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace lirevox;

// Any text: the numeric test holds exactly when the conversion gives a finite value or the
// overflow error, and whatever it reads survives the number text and the result pattern.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const Separators kSeparators[] = {{".", ","}, {",", "."}, {",", "\xC2\xA0"}};
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const Separators &separators : kSeparators) {
        const bool numeric = isNumeric(text, separators);
        try {
            const double value = toNumber(text, separators);
            if (!numeric || !std::isfinite(value))
                std::abort();
            const std::string numberText = toNumberText(value, separators);
            if (!isNumeric(numberText, separators) || formatResult(value, separators).empty())
                std::abort();
        } catch (const CalcError &error) {
            if (numeric != (error.fault() == CalcFault::Overflow))
                std::abort();
        }
        (void)trim(text);
    }
    return 0;
}
