#include "plataforma/nucleo/Excecoes.h"
#include "tests/app/nucleo/TerracoDeTeste.h"

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace {

using AreaDeContribuicao = TesteAvaliacao;

constexpr double pi = std::numbers::pi;

// One sight per row from row 1: FS, FM, FI and the angle.
struct TCasoIrradiacao {
    const char* nome;
    std::vector<std::vector<const char*>> linhas;
    double area;
};

void PrintTo(const TCasoIrradiacao& caso, std::ostream* saida)
{
    *saida << caso.nome;
}

class AreaPorIrradiacao : public AreaDeContribuicao,
                          public ::testing::WithParamInterface<TCasoIrradiacao> {};

TEST_P(AreaPorIrradiacao, SomaOsTriangulosEmVoltaDaEstacao)
{
    const TCasoIrradiacao& caso = GetParam();
    for (std::size_t i = 0; i < caso.linhas.size(); ++i) {
        int coluna = 1;
        for (const char* texto : caso.linhas[i])
            dados.SGridMira.setCells(coluna++, static_cast<int>(i) + 1, texto);
    }
    avaliacao.areaDeContribuicaoDados(dados);
    EXPECT_NEAR(estado.areaAgricola, caso.area, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AreaPorIrradiacao,
    ::testing::Values(
        // Distances 50, 40 and 30 m by the three pairs of hairs; the closing row is empty.
        TCasoIrradiacao{"TresVisadas",
                        {{"1,50", "1,25", "1,00", "0"}, {"1,40", "", "1,00", "90"}, {"1,30", "1,15", "", "180"}},
                        1600.0},
        // Equal distances at equal angle steps are a real square, not a degenerate triangle.
        TCasoIrradiacao{"Quadrado",
                        {{"", "1,25", "1,00", "0"}, {"", "1,25", "1,00", "90"},
                         {"", "1,25", "1,00", "180"}, {"", "1,25", "1,00", "270"}},
                        5000.0},
        // The closing triangle reaches back to the first sight's own angle.
        TCasoIrradiacao{"QuadradoGirado",
                        {{"", "1,25", "1,00", "30"}, {"", "1,25", "1,00", "120"},
                         {"", "1,25", "1,00", "210"}, {"", "1,25", "1,00", "300"}},
                        5000.0},
        TCasoIrradiacao{"UmaVisada", {{"", "1,25", "1,00", "0"}}, 0.0},
        TCasoIrradiacao{"UmaVisadaGirada", {{"", "1,25", "1,00", "90"}}, 0.0},
        // Clockwise angles give a negative sum: the area is its size.
        TCasoIrradiacao{"SentidoHorario",
                        {{"", "1,25", "1,00", "270"}, {"", "1,25", "1,00", "180"}, {"", "1,25", "1,00", "90"}},
                        2500.0},
        TCasoIrradiacao{"SemAngulo", {{"1,50", "1,25", "1,00", ""}}, 0.0}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(AreaDeContribuicao, RegistrosDasTresVisadas)
{
    preencheLinha(dados.SGridMira, 1, {"1,50", "1,25", "1,00", "0"});
    preencheLinha(dados.SGridMira, 2, {"1,40", "", "1,00", "90"});
    preencheLinha(dados.SGridMira, 3, {"1,30", "1,15", "", "180"});
    avaliacao.areaDeContribuicaoDados(dados);
    ASSERT_EQ(estado.nVisadas, 3);
    ASSERT_EQ(estado.visadas.size(), 4u);
    const double distancias[] = {50, 40, 30, 50};
    const double angulos[] = {0, pi / 2, pi / 2, pi};
    const double areas[] = {0, 1000, 600, 0};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(estado.visadas[k].distancia, distancias[k], 1e-12) << k;
        EXPECT_NEAR(estado.visadas[k].angulo, angulos[k], 1e-15) << k;
        EXPECT_NEAR(estado.visadas[k].areaTriangulo, areas[k], 1e-9) << k;
    }
    EXPECT_EQ(estado.visadas[0].angulo, 0.0);  // degrees as typed
}

TEST_F(AreaDeContribuicao, SemAnguloNaoMexeNasVisadas)
{
    estado.visadas = {{10, 20, 30}};
    estado.areaAgricola = 123;
    preencheLinha(dados.SGridMira, 1, {"1,50", "1,25", "1,00", ""});
    avaliacao.areaDeContribuicaoDados(dados);
    EXPECT_EQ(estado.areaAgricola, 0.0);
    EXPECT_EQ(estado.nVisadas, 0);
    ASSERT_EQ(estado.visadas.size(), 1u);
    EXPECT_EQ(estado.visadas[0].areaTriangulo, 30.0);
}

TEST_F(AreaDeContribuicao, VisadasEmLinhasAcrescentadas)
{
    // Fifteen sights 24 degrees apart fill every row, so the closing row lies past the grid.
    dados.SGridMira.setRowCount(16);
    for (int r = 1; r <= 15; ++r) {
        preencheLinha(dados.SGridMira, r, {"", "1,25", "1,00"});
        dados.SGridMira.setCells(4, r, std::to_string((r - 1) * 24));
    }
    avaliacao.areaDeContribuicaoDados(dados);
    EXPECT_EQ(estado.nVisadas, 15);
    EXPECT_NEAR(estado.areaAgricola, 15 * 1250 * std::sin(24 * pi / 180), 1e-9);
}

// Rows whose reading ends the step: each is a field the user left blank.
TEST_F(AreaDeContribuicao, VisadaIncompletaEhCampoEmBranco)
{
    struct {
        const char* nome;
        std::vector<std::vector<const char*>> linhas;
    } casos[] = {
        {"uma leitura so", {{"1,50", "1,25", "1,00", "0"}, {"1,40", "", "", "90"}}},
        {"primeira visada com uma leitura", {{"", "", "1,00", "0"}, {"1,40", "", "1,00", "90"}}},
        {"linha em branco entre visadas",
         {{"1,50", "1,25", "1,00", "0"}, {"", "", "", ""}, {"1,40", "", "1,00", "90"}}},
        {"leitura com ponto", {{"1,50", "1.25", "1,00", "0"}}},
        {"angulo em branco na primeira linha", {{"1,50", "1,25", "1,00", ""}, {"1,40", "", "1,00", ""}, {"", "", "", "90"}}},
    };
    for (const auto& caso : casos) {
        TDadosTerraco d;
        for (std::size_t i = 0; i < caso.linhas.size(); ++i) {
            int coluna = 1;
            for (const char* texto : caso.linhas[i])
                d.SGridMira.setCells(coluna++, static_cast<int>(i) + 1, texto);
        }
        EXPECT_THROW(avaliacao.areaDeContribuicaoDados(d), EConvertError) << caso.nome;
    }
}

TEST_F(AreaDeContribuicao, TrenaUsaAMediaDosEspacamentos)
{
    dados.RadioGTipoDeLevantamento = levantamentoTrena;
    dados.LblEdtComprimentoTerraco = "100";
    preencheLinha(dados.SGridTrena, 0, {"20"}, 0);
    preencheLinha(dados.SGridTrena, 1, {"30,5"}, 0);
    preencheLinha(dados.SGridTrena, 2, {" 39,5 "}, 0);
    avaliacao.areaDeContribuicaoDados(dados);
    EXPECT_DOUBLE_EQ(estado.areaAgricola, 3000.0);

    dados.SGridTrena = TGradeTexto(1, 10);
    avaliacao.areaDeContribuicaoDados(dados);
    EXPECT_EQ(estado.areaAgricola, 0.0);
}

TEST_F(AreaDeContribuicao, TrenaComFalhasOuSemComprimento)
{
    dados.RadioGTipoDeLevantamento = levantamentoTrena;
    // Three cells typed far down: the first three rows are read, and two are empty.
    dados.LblEdtComprimentoTerraco = "100";
    for (int r : {2, 5, 7})
        dados.SGridTrena.setCells(0, r, "20");
    EXPECT_THROW(avaliacao.areaDeContribuicaoDados(dados), EConvertError);

    dados.SGridTrena = TGradeTexto(1, 10);
    dados.LblEdtComprimentoTerraco.clear();
    EXPECT_THROW(avaliacao.areaDeContribuicaoDados(dados), EConvertError);
}

TEST_F(AreaDeContribuicao, OutroMetodoDeixaAreaZero)
{
    estado.areaAgricola = 5;
    dados.RadioGTipoDeLevantamento = 2;
    avaliacao.areaDeContribuicaoDados(dados);
    EXPECT_EQ(estado.areaAgricola, 0.0);
}

} // namespace
