// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "entry_check.h"

namespace lirevox {

EntryProblem checkEntries(std::string_view upper, std::string_view lower, const Separators &separators)
{
    if (trim(upper).empty() || trim(lower).empty())
        return EntryProblem::Blank;
    if (!isNumeric(upper, separators) || !isNumeric(lower, separators))
        return EntryProblem::NotNumeric;
    return EntryProblem::None;
}

} // namespace lirevox
