#include "models/Aritmetica.h"

#include "plataforma/nucleo/Excecoes.h"

void levantaOperacaoInvalida()
{
    throw EInvalidOp("Operação de ponto flutuante inválida.");
}

void levantaEstouro()
{
    throw EOverflow("Estouro de ponto flutuante.");
}

void levantaDivisaoPorZero()
{
    throw EZeroDivide("Divisão de ponto flutuante por zero.");
}

long double ln(long double x)
{
    verifica(x);
    if (x <= 0.0L)
        levantaOperacaoInvalida();
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
