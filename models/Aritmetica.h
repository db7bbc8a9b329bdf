#pragma once
// Checked extended-precision arithmetic. A division by zero, an invalid operation
// (such as the logarithm of a non-positive number) or an overflow raises EZeroDivide,
// EInvalidOp or EOverflow instead of yielding an infinity or a NaN; underflow and
// inexact results pass silently, as on a trapping floating-point unit.

// Raises the matching error when `valor` is an infinity (overflow) or a NaN.
long double verifica(long double valor);

// Stores an extended intermediate as a 64-bit real: a value beyond the range of a
// double raises EOverflow (a NaN EInvalidOp) instead of becoming an infinity.
double armazena(long double valor);

long double divide(long double dividendo, long double divisor);
long double multiplica(long double a, long double b);
long double ln(long double x);
long double exponencial(long double x);
// x^y computed as exp(y * ln x), so x must be positive.
long double potencia(long double x, long double y);
long double seno(long double x);
