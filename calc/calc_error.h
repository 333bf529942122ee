// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

#include <stdexcept>

namespace lirevox {

// The ways a step of a calculation can fail on the values it is given.
enum class CalcFault {
    DivisionByZero,
    Overflow,
    Invalid,
};

// Raised by the step that fails, so that no infinity or NaN ever reaches a result.
class CalcError : public std::runtime_error
{
public:
    explicit CalcError(CalcFault fault);

    [[nodiscard]] CalcFault fault() const noexcept { return m_fault; }

private:
    CalcFault m_fault = CalcFault::Invalid;
};

} // namespace lirevox
