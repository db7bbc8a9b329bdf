#include "ConfiguracaoRegional.h"
#include "RegrasEntrada.h"

#include <gtest/gtest.h>

namespace {

TConfiguracaoRegional comSeparador(char separador)
{
    TConfiguracaoRegional c = TConfiguracaoRegional::brasileira();
    c.DecimalSeparator = separador;
    return c;
}

} // namespace

TEST(RegrasEntrada, TeclasDasEdicoesNumericas)
{
    const struct {
        const char* texto;
        char32_t tecla;
        char separador;
        char32_t resultado;
    } casos[] = {
        {"", U'7', ',', U'7'},          {"12", U'.', ',', U','},       {"12", U',', '.', U'.'},
        {"12,", U'.', ',', teclaEngolida}, {"12,", U',', ',', teclaEngolida}, {"1,2345", U'6', ',', U'6'},
        {"1,23456", U'7', ',', teclaEngolida}, {"1,23456", U'\b', ',', U'\b'}, {"1,2345", U'\b', ',', U'\b'},
        {"", U'-', ',', teclaEngolida}, {"3", U'a', ',', teclaEngolida}, {"3", U' ', ',', teclaEngolida},
        {"3", U'é', ',', teclaEngolida},
        // Only the separator in force counts: a point typed under another one is no separator.
        {"1.2", U'.', ',', U','},       {"1.23456", U'9', ',', U'9'},  {"1.2", U'.', '.', teclaEngolida},
        // Characters, not bytes, count as decimals.
        {"1,éé", U'3', ',', U'3'},      {"1,ééé", U'3', ',', U'3'},    {"1,éééé1", U'3', ',', teclaEngolida},
    };
    for (const auto& [texto, tecla, separador, resultado] : casos)
        EXPECT_EQ(teclaDecimal(texto, tecla, separador), resultado)
            << texto << " + " << static_cast<unsigned>(tecla) << " com '" << separador << "'";
}

TEST(RegrasEntrada, TeclasDasGrades)
{
    const struct {
        char32_t tecla;
        char separador;
        char32_t resultado;
    } casos[] = {
        {U'0', ',', U'0'}, {U'9', '.', U'9'}, {U'.', ',', U','}, {U',', '.', U'.'}, {U',', ',', U','},
        {U'\b', ',', U'\b'}, {U'-', ',', teclaEngolida}, {U'x', ',', teclaEngolida}, {U'+', '.', teclaEngolida},
    };
    for (const auto& [tecla, separador, resultado] : casos)
        EXPECT_EQ(teclaGrade(tecla, separador), resultado) << static_cast<unsigned>(tecla);
}

TEST(RegrasEntrada, CotaDaCristaAntesEDepoisDaAvaliacao)
{
    defineConfiguracaoRegional(comSeparador(','));
    const std::vector<double> cotas{10.0, 9.875, 9.5, 9.125};
    EXPECT_EQ(textoCotaCrista(TGradeCrista::inicio, 0, {}, 0), "        -");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 3, {}, 0), "        -");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::inicio, 0, cotas, 4), "10,00 ");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::fim, 0, cotas, 4), "9,13 ");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 0, cotas, 4), "9,88 ");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 1, cotas, 4), "9,50 ");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 2, cotas, 4), "");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 9, cotas, 4), "");
    // A count larger than the list shows blanks instead of reading past it.
    EXPECT_EQ(textoCotaCrista(TGradeCrista::fim, 0, cotas, 6), "");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 3, cotas, 6), "");

    defineConfiguracaoRegional(comSeparador('.'));
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 1, cotas, 4), "9.50 ");
    defineConfiguracaoRegional(TConfiguracaoRegional::doSistema());
}
