#pragma once
// Checked extended-precision arithmetic. A division by zero, an invalid operation
// (such as the logarithm of a non-positive number) or an overflow raises EZeroDivide,
// EInvalidOp or EOverflow instead of yielding an infinity or a NaN; underflow and
// inexact results pass silently, as on a trapping floating-point unit.
//
// The checks are inline: the runoff model runs through them thousands of times per
// evaluation, and a call for each costs more than the check. Only raising the error is
// out of line.
#include <cmath>
#include <limits>

[[noreturn]] void levantaOperacaoInvalida();
[[noreturn]] void levantaEstouro();
[[noreturn]] void levantaDivisaoPorZero();

// Raises the matching error when `valor` is an infinity (overflow) or a NaN.
inline long double verifica(long double valor)
{
    if (std::isnan(valor))
        levantaOperacaoInvalida();
    if (std::isinf(valor))
        levantaEstouro();
    return valor;
}

// Stores an extended intermediate as a 64-bit real: a value beyond the range of a
// double raises EOverflow (a NaN EInvalidOp) instead of becoming an infinity.
inline double armazena(long double valor)
{
    verifica(valor);
    if (std::fabs(valor) > std::numeric_limits<double>::max())
        levantaEstouro();
    return static_cast<double>(valor);
}

inline long double divide(long double dividendo, long double divisor)
{
    verifica(dividendo);
    verifica(divisor);
    if (divisor == 0.0L) {
        if (dividendo == 0.0L)
            levantaOperacaoInvalida();
        levantaDivisaoPorZero();
    }
    return verifica(dividendo / divisor);
}

inline long double multiplica(long double a, long double b)
{
    return verifica(verifica(a) * verifica(b));
}

long double ln(long double x);
long double exponencial(long double x);
// x^y computed as exp(y * ln x), so x must be positive.
long double potencia(long double x, long double y);
long double seno(long double x);
