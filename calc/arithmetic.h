// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

namespace lirevox {

// Double arithmetic that raises CalcError instead of yielding an infinity or NaN.
// Operands are always finite, so an infinite result is an overflow; underflow is not an error.

// The result itself, or CalcError when it is infinite (Overflow) or NaN (Invalid).
double checkedResult(double result);

double add(double a, double b);
double multiply(double a, double b);
// Throws DivisionByZero for x / 0, and Invalid for 0 / 0.
double divide(double dividend, double divisor);
// Throws Invalid for a negative operand.
double squareRoot(double value);

} // namespace lirevox
