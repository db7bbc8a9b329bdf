#include "plataforma/nucleo/Excecoes.h"
#include "tests/app/nucleo/TerracoDeTeste.h"

#include <vector>

namespace {

class PerfilDaCrista : public TesteAvaliacao {
protected:
    void crista(const char* inicio, std::vector<const char*> meio, const char* fim)
    {
        dados.SGridCristaInicio.setCells(1, 0, inicio);
        for (std::size_t i = 0; i < meio.size(); ++i)
            dados.SGridCristaMeio.setCells(1, static_cast<int>(i), meio[i]);
        dados.SGridCristaFim.setCells(1, 0, fim);
    }

    void calcula()
    {
        avaliacao.PerfilDaCristaSecaoTransversal(dados);
        avaliacao.calculaCotas();
    }

    void esperaCotas(std::vector<double> esperadas)
    {
        ASSERT_EQ(estado.nPontosCrista, static_cast<int>(esperadas.size()));
        for (std::size_t i = 0; i < esperadas.size(); ++i)
            EXPECT_NEAR(estado.cotasCrista[i], esperadas[i], 1e-12) << i;
    }
};

TEST_F(PerfilDaCrista, ExemploDaSecaoTrapezoidal)
{
    crista("1,20", {"1,50", "1,35"}, "1,10");
    preencheLinha(dados.SGridCanalSecao, 1, {"0,80", "1,5", "1,90", "2,5", "1,80", "4,0", "1,00"});
    calcula();
    EXPECT_DOUBLE_EQ(estado.maiorLeitura, 1.90);
    esperaCotas({0.70, 0.40, 0.55, 0.80});
    EXPECT_NEAR(estado.cotaBaixaCrista, 0.40, 1e-12);
    EXPECT_NEAR(estado.cotaExtremidade, 0.70, 1e-12);
    EXPECT_EQ(pagina.LblEdtRCotaCrista, "0,40 ");
    EXPECT_EQ(pagina.LblEdtRCotaBigode, "0,70 ");

    ASSERT_EQ(estado.nSecoes, 1);
    const TSecaoCanal& s = estado.secoes[0];
    EXPECT_NEAR(s.cotaC, 1.10, 1e-12);
    EXPECT_NEAR(s.cotaF1, 0.0, 1e-12);
    EXPECT_NEAR(s.cotaF2, 0.10, 1e-12);
    EXPECT_NEAR(s.cotaFT, 0.90, 1e-12);
    EXPECT_DOUBLE_EQ(s.larguraCF1, 1.5);
    EXPECT_DOUBLE_EQ(s.larguraF1F2, 1.0);
    EXPECT_DOUBLE_EQ(s.larguraF2FT, 1.5);

    avaliacao.preencheCapacidadeArmazenamento(dados);
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(1, 1), "0,53 ");
}

TEST_F(PerfilDaCrista, PontosIntermediariosDecidemACBC)
{
    // No intermediate point: CBC is the far end.
    crista("1,20", {}, "1,10");
    calcula();
    EXPECT_NEAR(estado.cotaBaixaCrista, 0.10, 1e-12);
    EXPECT_NEAR(estado.cotaExtremidade, 0.0, 1e-12);
    EXPECT_EQ(pagina.LblEdtRCotaCrista, "0,10 ");
    EXPECT_EQ(pagina.LblEdtRCotaBigode, "0,00 ");

    // One intermediate point is CBC even with a lower end.
    crista("1,20", {"1,00"}, "1,10");
    calcula();
    esperaCotas({0.0, 0.20, 0.10});
    EXPECT_NEAR(estado.cotaBaixaCrista, 0.20, 1e-12);
    EXPECT_NEAR(estado.cotaExtremidade, 0.0, 1e-12);
}

TEST_F(PerfilDaCrista, TriangularIgnoraAsColunasDeF2)
{
    dados.CBTipoSecao = secaoTriangular;
    crista("1,00", {"1,00"}, "1,00");
    preencheLinha(dados.SGridCanalSecao, 1, {"0,50", "2", "1,50", "x", "9,99", "5", "0,70"});
    calcula();
    EXPECT_DOUBLE_EQ(estado.maiorLeitura, 1.50);
    const TSecaoCanal& s = estado.secoes[0];
    EXPECT_DOUBLE_EQ(s.larguraCF1, 2.0);
    EXPECT_DOUBLE_EQ(s.larguraF2FT, 3.0);  // F1 to FT
}

TEST_F(PerfilDaCrista, LeiturasNegativasDeixamODatumEmZero)
{
    crista("-1,00", {"-0,50"}, "-2,00");
    preencheLinha(dados.SGridCanalSecao, 1, {"-0,80", "1", "-0,20", "2", "-0,30", "3", "-0,90"});
    calcula();
    EXPECT_EQ(estado.maiorLeitura, 0.0);
    esperaCotas({1.00, 0.50, 2.00});
    EXPECT_DOUBLE_EQ(estado.secoes[0].cotaF1, 0.20);
}

TEST_F(PerfilDaCrista, SecaoDefineODatum)
{
    crista("1,20", {"1,50"}, "1,10");
    preencheLinha(dados.SGridCanalSecao, 1, {"0,80", "1", "2,10", "2", "1,80", "3", "1,00"});
    calcula();
    EXPECT_DOUBLE_EQ(estado.maiorLeitura, 2.10);
    EXPECT_EQ(estado.secoes[0].cotaF1, 0.0);
}

// Each ends the run: a blank or malformed text where a reading is due.
TEST_F(PerfilDaCrista, FalhasDeLeitura)
{
    struct {
        const char* nome;
        const char* inicio;
        std::vector<const char*> meio;
        const char* fim;
        std::vector<std::vector<const char*>> secoes;
    } casos[] = {
        {"fim em branco", "1,20", {"1,50"}, "", {}},
        {"linha do meio em branco", "1,20", {"1,50", "1,40", "", "1,30"}, "1,10", {}},
        {"secao em branco entre duas", "1,20", {"1,50"}, "1,10",
         {{"0,80", "1", "1,90", "2", "1,80", "3", "1,00"}, {}, {"0,80", "1", "1,90", "2", "1,80", "3", "1,00"}}},
        {"secao sem FT", "1,20", {"1,50"}, "1,10", {{"0,80", "1", "1,90", "2", "1,80", "3", ""}}},
        {"leitura com ponto", "1,20", {"1.50"}, "1,10", {}},
    };
    for (const auto& caso : casos) {
        TDadosTerraco d;
        d.SGridCristaInicio.setCells(1, 0, caso.inicio);
        for (std::size_t i = 0; i < caso.meio.size(); ++i)
            d.SGridCristaMeio.setCells(1, static_cast<int>(i), caso.meio[i]);
        d.SGridCristaFim.setCells(1, 0, caso.fim);
        for (std::size_t i = 0; i < caso.secoes.size(); ++i) {
            int coluna = 1;
            for (const char* texto : caso.secoes[i])
                d.SGridCanalSecao.setCells(coluna++, static_cast<int>(i) + 1, texto);
        }
        EXPECT_THROW(avaliacao.PerfilDaCristaSecaoTransversal(d), EConvertError) << caso.nome;
    }
}

TEST_F(PerfilDaCrista, CristaSemInicioFalhaAntesDeMudarCBCeCE)
{
    crista("1,20", {"1,50"}, "1,10");
    calcula();
    // The middle and far end are not even looked at.
    crista("", {"x"}, "y");
    avaliacao.PerfilDaCristaSecaoTransversal(dados);
    EXPECT_EQ(estado.nPontosCrista, 0);
    EXPECT_THROW(avaliacao.calculaCotas(), Exception);
    EXPECT_NEAR(estado.cotaBaixaCrista, 0.0, 1e-12);
    EXPECT_NEAR(estado.cotaExtremidade, 0.30, 1e-12);
    EXPECT_EQ(pagina.LblEdtRCotaCrista, "0,00 ");
    EXPECT_EQ(pagina.LblEdtRCotaBigode, "0,30 ");
}

} // namespace
