// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "calc_error.h"

namespace lirevox {

CalcError::CalcError(CalcFault fault)
    : std::runtime_error(fault == CalcFault::DivisionByZero ? "division by zero"
                             : fault == CalcFault::Overflow ? "overflow"
                                                            : "invalid operation")
    , m_fault(fault)
{}

} // namespace lirevox
