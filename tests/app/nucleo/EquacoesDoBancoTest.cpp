// Every equation the rainfall-equation database accepts is one "Calcular" evaluates: the
// database's spans lie within the evaluation's ranges, through the whole way a station's
// coefficients travel, from the consultation's captions to the rainfall edits.
#include "app/nucleo/TLimitesTerraco.h"
#include "app/nucleo/TTextosConsulta.h"
#include "models/ConversaoNumerica.h"
#include "models/PrecipitacaoExponencialNegativa.h"
#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "rainfall_equations/nucleo/EquacaoConsulta.h"
#include "rainfall_equations/nucleo/FaixasCoeficientes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class EquacoesDoBanco : public ::testing::Test {
protected:
    void SetUp() override { defineConfiguracaoRegional(TConfiguracaoRegional::brasileira()); }
    void TearDown() override { defineConfiguracaoRegional(TConfiguracaoRegional::doSistema()); }
};

// The rainfall edits after "Fechar" on a station with these coefficients.
TTextosConsulta textosDaEstacao(const TEstacao& estacao)
{
    const TParametrosEquacao p = leParametrosEquacao(legendasEquacao(estacao));
    TEquacaoConsultada consultada;
    consultada.K = p.K;
    consultada.A = p.A;
    consultada.B = p.B;
    consultada.C = p.C;
    consultada.StrCidade = estacao.Nome;
    consultada.Autoria = estacao.Autor;
    return textosConsulta(consultada);
}

// What "Calcular" does with the rainfall edits before it evaluates anything.
void avaliaChuva(const TTextosConsulta& t)
{
    TPrecipitacaoExponencialNegativa chuva;
    chuva.setK(TLimitesTerraco::verificaK(strToFloat(t.LblEdtK)));
    chuva.setA(TLimitesTerraco::verificaA(strToFloat(t.LblEdtA)));
    chuva.setB(TLimitesTerraco::verificaB(strToFloat(t.LblEdtB)));
    chuva.setC(TLimitesTerraco::verificaC(strToFloat(t.LblEdtC)));
}

} // namespace

TEST_F(EquacoesDoBanco, CadaPontaDasFaixasEhAvaliada)
{
    TEstacao tipica;
    tipica.Nome = "Lavras";
    tipica.K = 1000;
    tipica.A = 0.15;
    tipica.B = 10;
    tipica.C = 0.8;
    tipica.Autor = "FONTE (2000)";
    const struct {
        const char* nome;
        double TEstacao::*coeficiente;
        double valor;
    } pontas[] = {
        {"K mínimo", &TEstacao::K, KMinimo}, {"K máximo", &TEstacao::K, KMaximo}, {"a zero", &TEstacao::A, 0},
        {"a máximo", &TEstacao::A, AMaximo}, {"b zero", &TEstacao::B, 0},         {"b máximo", &TEstacao::B, BMaximo},
        {"c mínimo", &TEstacao::C, CMinimo}, {"c máximo", &TEstacao::C, CMaximo},
    };
    for (const auto& ponta : pontas) {
        TEstacao estacao = tipica;
        estacao.*ponta.coeficiente = ponta.valor;
        ASSERT_TRUE(coeficientesPlausiveis(estacao)) << ponta.nome;
        EXPECT_NO_THROW(avaliaChuva(textosDaEstacao(estacao))) << ponta.nome;
    }
}
