// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#include "arithmetic.h"

#include "calc_error.h"

#include <cmath>

namespace lirevox {

double checkedResult(double result)
{
    if (std::isnan(result))
        throw CalcError(CalcFault::Invalid);
    if (std::isinf(result))
        throw CalcError(CalcFault::Overflow);
    return result;
}

double add(double a, double b)
{
    return checkedResult(a + b);
}

double multiply(double a, double b)
{
    return checkedResult(a * b);
}

double divide(double dividend, double divisor)
{
    if (divisor == 0.0)
        throw CalcError(dividend == 0.0 ? CalcFault::Invalid : CalcFault::DivisionByZero);
    return checkedResult(dividend / divisor);
}

double squareRoot(double value)
{
    if (value < 0.0)
        throw CalcError(CalcFault::Invalid);
    return std::sqrt(value);
}

} // namespace lirevox
