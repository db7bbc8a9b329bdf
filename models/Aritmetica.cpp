#include "Aritmetica.h"

#include "Excecoes.h"

#include <cmath>
#include <limits>

long double verifica(long double valor)
{
    if (std::isnan(valor))
        throw EInvalidOp("Operação de ponto flutuante inválida.");
    if (std::isinf(valor))
        throw EOverflow("Estouro de ponto flutuante.");
    return valor;
}

double armazena(long double valor)
{
    verifica(valor);
    if (std::fabs(valor) > std::numeric_limits<double>::max())
        throw EOverflow("Estouro de ponto flutuante.");
    return static_cast<double>(valor);
}

long double divide(long double dividendo, long double divisor)
{
    verifica(dividendo);
    verifica(divisor);
    if (divisor == 0.0L) {
        if (dividendo == 0.0L)
            throw EInvalidOp("Operação de ponto flutuante inválida.");
        throw EZeroDivide("Divisão de ponto flutuante por zero.");
    }
    return verifica(dividendo / divisor);
}

long double multiplica(long double a, long double b)
{
    return verifica(verifica(a) * verifica(b));
}

long double ln(long double x)
{
    verifica(x);
    if (x <= 0.0L)
        throw EInvalidOp("Operação de ponto flutuante inválida.");
    return std::log(x);
}

long double exponencial(long double x)
{
    return verifica(std::exp(verifica(x)));
}

long double potencia(long double x, long double y)
{
    return exponencial(multiplica(y, ln(x)));
}

long double seno(long double x)
{
    return verifica(std::sin(verifica(x)));
}
