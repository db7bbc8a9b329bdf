#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "models/Utils.h"
#include "plataforma/nucleo/Excecoes.h"

#include <gtest/gtest.h>

namespace {

TConfiguracaoRegional comPonto()
{
    TConfiguracaoRegional c;
    c.DecimalSeparator = '.';
    c.ThousandSeparator = ',';
    return c;
}

// Every case runs under both decimal separators: the text must not depend on them.
class NotacaoBrasileira : public ::testing::TestWithParam<TConfiguracaoRegional> {
protected:
    void SetUp() override { defineConfiguracaoRegional(GetParam()); }
    void TearDown() override { defineConfiguracaoRegional(TConfiguracaoRegional::doSistema()); }
};

TEST_P(NotacaoBrasileira, FormataComPontoNosMilharesEVirgulaNosDecimais)
{
    const struct { unsigned char casas; double valor; const char* texto; } casos[] = {
        {3, 1234.5678, "1.234,568"}, {0, 1234567.4, "1.234.567"}, {2, 0.5, "0,50"},
        {3, -0.25, "-0,250"},        {3, 792.4466, "792,447"},    {1, 999.96, "1.000,0"},
        {0, 0.0, "0"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(formataNumero(caso.casas, caso.valor), caso.texto) << caso.valor;
}

TEST_P(NotacaoBrasileira, LeTextoComPontosDeMilhar)
{
    const struct { const char* texto; double valor; } casos[] = {
        {"1.234,5", 1234.5}, {"12,000", 12.0}, {"0.5", 5.0}, {"1..2", 12.0},
        {"792,447", 792.447}, {"-0,250", -0.25}, {"1.234.567", 1234567.0},
    };
    for (const auto& caso : casos)
        EXPECT_DOUBLE_EQ(textoParaReal(caso.texto), caso.valor) << caso.texto;
}

TEST_P(NotacaoBrasileira, VoltaAoMesmoNumero)
{
    EXPECT_DOUBLE_EQ(textoParaReal(formataNumero(3, 633.957)), 633.957);
}

TEST_P(NotacaoBrasileira, TextoQueNaoENumeroERecusado)
{
    const std::string separador(1, GetParam().DecimalSeparator);
    const struct { const char* texto; std::string lido; } casos[] = {
        {"", ""}, {"abc", "abc"}, {"1,2x", "1" + separador + "2x"}, {"1,2,3", "1" + separador + "2" + separador + "3"},
    };
    for (const auto& caso : casos) {
        try {
            textoParaReal(caso.texto);
            ADD_FAILURE() << "aceitou '" << caso.texto << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + caso.lido + "' is not a valid floating point value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Separadores, NotacaoBrasileira,
                         ::testing::Values(TConfiguracaoRegional::brasileira(), comPonto()),
                         [](const auto& info) {
                             return std::string(info.param.DecimalSeparator == ',' ? "Virgula" : "Ponto");
                         });

} // namespace
