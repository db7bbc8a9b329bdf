#include "models/Aritmetica.h"
#include "plataforma/nucleo/Excecoes.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Aritmetica, FalhasViramErros)
{
    EXPECT_THROW(divide(1.0L, 0.0L), EZeroDivide);
    EXPECT_THROW(divide(0.0L, 0.0L), EInvalidOp);
    EXPECT_THROW(ln(0.0L), EInvalidOp);
    EXPECT_THROW(ln(-1.0L), EInvalidOp);
    EXPECT_THROW(exponencial(1e6L), EOverflow);
    EXPECT_THROW(potencia(-2.0L, 0.5L), EInvalidOp);
    EXPECT_THROW(multiplica(std::numeric_limits<long double>::max(), 2.0L), EOverflow);
    EXPECT_THROW(verifica(std::numeric_limits<long double>::quiet_NaN()), EInvalidOp);
}

TEST(Aritmetica, ResultadosNormais)
{
    EXPECT_NEAR(static_cast<double>(potencia(10.0L, 0.2L)), 1.5848931924611136, 1e-15);
    EXPECT_EQ(divide(1.0L, 4.0L), 0.25L);
    EXPECT_EQ(exponencial(-1e6L), 0.0L); // underflow passes silently
}
