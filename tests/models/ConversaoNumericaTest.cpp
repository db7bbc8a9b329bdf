#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "models/ConversaoNumerica.h"
#include "plataforma/nucleo/Excecoes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

class ConversaoNumerica : public ::testing::Test {
protected:
    void SetUp() override { defineConfiguracaoRegional(TConfiguracaoRegional::brasileira()); }
    void TearDown() override { defineConfiguracaoRegional(TConfiguracaoRegional::doSistema()); }
};

TEST_F(ConversaoNumerica, LeReaisComOSeparadorAtual)
{
    EXPECT_DOUBLE_EQ(strToFloat("1,25"), 1.25);
    EXPECT_DOUBLE_EQ(strToFloat("  -3,5  "), -3.5);
    EXPECT_DOUBLE_EQ(strToFloat("0,20 "), 0.2);
    EXPECT_DOUBLE_EQ(strToFloat(",5"), 0.5);
    EXPECT_DOUBLE_EQ(strToFloat("2,"), 2.0);
    EXPECT_DOUBLE_EQ(strToFloat("1,5E2"), 150.0);
    EXPECT_DOUBLE_EQ(strToFloat("+7"), 7.0);
}

// Too small for a double is zero; too large is no number (1E999 is refused below).
TEST_F(ConversaoNumerica, ValorAbaixoDoMenorRealEhZero)
{
    const std::string zeros(400, '0');
    for (const std::string& texto : {std::string("1E-400"), std::string("-1E-400"), "0," + zeros + "1",
                                     std::string("123,4E-99999999999999999999"), "0," + zeros + "9E50"}) {
        const double valor = strToFloat(texto);
        EXPECT_EQ(valor, 0.0) << texto;
        EXPECT_EQ(std::signbit(valor), texto[0] == '-') << texto;
    }
    EXPECT_GT(strToFloat("1E-320"), 0.0);  // a denormal still fits
    for (const std::string& texto : {std::string("1E400"), "1" + zeros, std::string("0,001E99999"),
                                     std::string("-1E309")})
        EXPECT_THROW(strToFloat(texto), EConvertError) << texto;
}

TEST_F(ConversaoNumerica, RecusaTextoQueNaoENumero)
{
    for (const char* texto : {"", " ", "1.5", "abc", "1,2,3", "inf", "nan", "0x10", "1E", ",", "-",
                              "1 2", "1E999"}) {
        try {
            strToFloat(texto);
            ADD_FAILURE() << "aceitou '" << texto << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + texto + "' is not a valid floating point value");
        }
    }
}

TEST_F(ConversaoNumerica, LeInteiros)
{
    EXPECT_EQ(strToInt("10"), 10);
    EXPECT_EQ(strToInt(" -3"), -3);
    EXPECT_EQ(strToInt("2147483647"), 2147483647);
    for (const char* texto : {"", "1,0", "3 ", "x", "2147483648", "-"}) {
        try {
            strToInt(texto);
            ADD_FAILURE() << "aceitou '" << texto << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + texto + "' is not a valid integer value");
        }
    }
}

TEST_F(ConversaoNumerica, DuasCasasArredondaMeioParaLongeDoZero)
{
    const struct { long double valor; const char* texto; } casos[] = {
        {0.125L, "0,13 "}, {0.625L, "0,63 "}, {0.375L, "0,38 "}, {-0.125L, "-0,13 "},
        {1.25L, "1,25 "},  {0.0L, "0,00 "},   {200.0L, "200,00 "}, {0.81875L, "0,82 "},
        {0.07875L, "0,08 "}, {99.996L, "100,00 "}, {1234567.891L, "1234567,89 "}, {-0.001L, "0,00 "},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(formatDuasCasas(caso.valor), caso.texto) << static_cast<double>(caso.valor);
}

// Next to a half, the decimal that the literal reads is not the value: a double and the
// extended real of the same literal may lie on either side of it, and each rounds by its
// own exact value. A value no double holds must not be rounded as its nearest double.
TEST_F(ConversaoNumerica, DuasCasasPertoDoMeioPeloValorExato)
{
    const struct { long double valor; bool ehDouble; const char* texto; } casos[] = {
        {0.145, true, "0,14 "},                  // 0.14499999999999999000...
        {0.145L, false, "0,14 "},                // 0.14499999999999999999...
        {0.615, true, "0,61 "},                  // 0.61499999999999999111...
        {0.615L, false, "0,62 "},                // 0.61500000000000000000867...
        {1234.565, true, "1234,57 "},            // 1234.56500000000005456...
        {1234.565L, false, "1234,56 "},          // 1234.56499999999999994...
        {-0.005, true, "-0,01 "},                // -0.00500000000000000010...
        {-0.005L, false, "0,00 "},               // -0.00499999999999999999...
        {2.675, true, "2,67 "},
        {std::nextafter(0.125, 0.0), true, "0,12 "},
        {0.125L - 0x1p-67L, false, "0,12 "},     // one extended step below the half
        {0.125L + 0x1p-66L, false, "0,13 "},
        {1e20, true, "100000000000000000000,00 "},
        {5e-324, true, "0,00 "},                 // the smallest double: 1074 decimals
        {-5e-324, true, "0,00 "},
        {0x1p-1075L, false, "0,00 "},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(static_cast<double>(caso.valor));
        ASSERT_EQ(static_cast<long double>(static_cast<double>(caso.valor)) == caso.valor, caso.ehDouble);
        EXPECT_EQ(formatDuasCasas(caso.valor), caso.texto);
    }
}

TEST_F(ConversaoNumerica, PadraoComMilhares)
{
    EXPECT_EQ(formatFloat("#,##0.000", 1234.5678L), "1.234,568");
    EXPECT_EQ(formatFloat("#,##0", 1234567.4L), "1.234.567");
    EXPECT_EQ(formatFloat("#,##0.00", 0.5L), "0,50");
    EXPECT_EQ(formatFloat("#,##0.000", -0.25L), "-0,250");
    EXPECT_EQ(formatFloat("#,##0.0", 999.96L), "1.000,0");
}

// The general format: 15 significant digits, no trailing zeros, an exponent only below
// 0.0001 or beyond 15 integer digits.
TEST_F(ConversaoNumerica, FormatoGeralComQuinzeAlgarismos)
{
    const struct { long double valor; const char* texto; } casos[] = {
        {1234.568L, "1234,568"},
        {10224.81L, "10224,81"},
        {0.187L, "0,187"},
        {10.0L, "10"},
        {0.8L, "0,8"},
        {0.0L, "0"},
        {-0.0L, "0"},
        {-2.5L, "-2,5"},
        {1.0L / 3.0L, "0,333333333333333"},
        {2.0L / 3.0L, "0,666666666666667"},
        {0.1, "0,1"},  // the double nearest 0.1, not 0.1 itself
        {0.0001L, "0,0001"},
        {0.00012345L, "0,00012345"},
        {0.00001L, "1E-5"},
        {-0.000025L, "-2,5E-5"},
        {999999999999999.0L, "999999999999999"},
        {1000000000000000.0L, "1E15"},
        {1.5e20L, "1,5E20"},
        // Rounding to 15 digits may carry into a sixteenth integer digit.
        {9999999999999999.0L, "1E16"},
        {99999.99999999999L, "100000"},
        // An exact half of the last digit kept goes away from zero.
        {1234567890123.125L, "1234567890123,13"},
        {-1234567890123.125L, "-1234567890123,13"},
        {0.5L, "0,5"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(floatToStr(caso.valor), caso.texto) << static_cast<double>(caso.valor);
    EXPECT_EQ(floatToStr(1234.568), "1234,568");  // the double of three decimals reads back whole
    EXPECT_THROW(floatToStr(std::numeric_limits<double>::infinity()), EInvalidOp);
    EXPECT_THROW(floatToStr(-std::numeric_limits<double>::infinity()), EInvalidOp);
    EXPECT_THROW(floatToStr(std::numeric_limits<double>::quiet_NaN()), EInvalidOp);
}

TEST_F(ConversaoNumerica, SeguemOSeparadorDoMomento)
{
    TConfiguracaoRegional pontos;
    pontos.DecimalSeparator = '.';
    pontos.ThousandSeparator = ',';
    defineConfiguracaoRegional(pontos);
    EXPECT_EQ(formatFloat("#,##0.000", 1234.5678L), "1,234.568");
    EXPECT_EQ(formatDuasCasas(0.125L), "0.13 ");
    EXPECT_EQ(floatToStr(1234.568), "1234.568");
    EXPECT_EQ(floatToStr(1.5e-7), "1.5E-7");
    EXPECT_DOUBLE_EQ(strToFloat("1.5"), 1.5);
    EXPECT_THROW(strToFloat("1,5"), EConvertError);
}

} // namespace
