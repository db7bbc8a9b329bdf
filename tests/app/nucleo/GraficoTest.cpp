#include "tests/app/nucleo/TerracoDeTeste.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

class Grafico : public TesteAvaliacao {
protected:
    // n trapezoidal sections, section i with FT at 4 + i m from C.
    void secoes(int n)
    {
        dados.SGridCanalSecao.setRowCount(n + 1);
        estado.nSecoes = n;
        estado.secoes.assign(static_cast<std::size_t>(n), TSecaoCanal{1.1, 1.5, 0.0, 1.0, 0.1, 1.5, 0.9});
        for (int r = 1; r <= n; ++r) {
            preencheLinha(dados.SGridCanalSecao, r, {"0,8", "1,5", "1,9", "2,5", "1,8"});
            dados.SGridCanalSecao.setCells(6, r, std::to_string(3 + r));
            dados.SGridCanalSecao.setCells(7, r, "1,0");
        }
        estado.cotaBaixaCrista = 0.4;
        estado.cotaExtremidade = 0.7;
    }

    const std::vector<TLinhaGrafico>& series() const { return pagina.seriesGrafico; }
};

TEST_F(Grafico, SecoesELinhasDeReferencia)
{
    secoes(1);
    avaliacao.grafico(dados);
    ASSERT_EQ(series().size(), 3u);
    const TLinhaGrafico& secao = series()[0];
    EXPECT_EQ(secao.titulo, "Seção 1");
    EXPECT_EQ(secao.cor, clBlack);
    EXPECT_EQ(secao.estilo, TEstiloLinha::psDash);
    EXPECT_EQ(secao.pontos, (std::vector<TPontoGrafico>{{0, 1.1}, {1.5, 0.0}, {2.5, 0.1}, {4, 0.9}}));

    const TLinhaGrafico& cbc = series()[1];
    EXPECT_EQ(cbc.titulo, "CBC");
    EXPECT_EQ(cbc.cor, clBlue);
    EXPECT_EQ(cbc.estilo, TEstiloLinha::psSolid);
    EXPECT_EQ(cbc.pontos, (std::vector<TPontoGrafico>{{0, 0.4}, {4, 0.4}}));
    const TLinhaGrafico& ce = series()[2];
    EXPECT_EQ(ce.titulo, "CE");
    EXPECT_EQ(ce.cor, clRed);
    EXPECT_EQ(ce.estilo, TEstiloLinha::psSolid);
    EXPECT_EQ(ce.pontos, (std::vector<TPontoGrafico>{{0, 0.7}, {4, 0.7}}));
}

TEST_F(Grafico, TriangularRepeteF1)
{
    secoes(1);
    dados.CBTipoSecao = secaoTriangular;
    dados.SGridCanalSecao.setCells(4, 1, "");
    avaliacao.grafico(dados);
    EXPECT_EQ(series()[0].pontos, (std::vector<TPontoGrafico>{{0, 1.1}, {1.5, 0.0}, {1.5, 0.0}, {4, 0.9}}));
}

TEST_F(Grafico, EstilosECoresSeRepetem)
{
    secoes(6);
    avaliacao.grafico(dados);
    ASSERT_EQ(series().size(), 8u);
    const TEstiloLinha estilos[] = {TEstiloLinha::psDash, TEstiloLinha::psDot, TEstiloLinha::psDashDot,
                                    TEstiloLinha::psDashDotDot, TEstiloLinha::psDash, TEstiloLinha::psDot};
    const TCor cores[] = {clBlack, clTeal, clMaroon, clGreen, clGray, clBlack};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(series()[i].titulo, "Seção " + std::to_string(i + 1));
        EXPECT_EQ(series()[i].estilo, estilos[i]) << i;
        EXPECT_EQ(series()[i].cor, cores[i]) << i;
    }
    EXPECT_EQ(clTeal, 0x008080u);
    EXPECT_EQ(clMaroon, 0x800000u);
    EXPECT_EQ(clGreen, 0x008000u);
    EXPECT_EQ(clGray, 0x808080u);
    // The widest section is the last one: the reference lines reach it.
    EXPECT_EQ(series()[6].pontos.back().x, 9.0);
    EXPECT_EQ(series()[7].pontos.back().x, 9.0);
}

// Up to forty sections no two lines share their dash style and colour: the first twenty
// keep the five colours above, the next twenty take five others, none of them the blue or
// the red of the reference lines.
TEST_F(Grafico, QuarentaSecoesComLinhasTodasDiferentes)
{
    secoes(40);
    avaliacao.grafico(dados);
    const TCor primeiras[] = {clBlack, clTeal, clMaroon, clGreen, clGray};
    std::set<std::pair<TEstiloLinha, TCor>> vistas;
    for (std::size_t i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        const TLinhaGrafico& s = series()[i];
        EXPECT_TRUE(vistas.insert({s.estilo, s.cor}).second);
        if (i < 20)
            EXPECT_EQ(s.cor, primeiras[i % 5]);
        else
            EXPECT_EQ(std::count(std::begin(primeiras), std::end(primeiras), s.cor), 0);
        EXPECT_NE(s.cor, clBlue);
        EXPECT_NE(s.cor, clRed);
    }
}

TEST_F(Grafico, NovoGraficoSubstituiOAnterior)
{
    secoes(4);
    avaliacao.grafico(dados);
    secoes(0);
    avaliacao.grafico(dados);
    ASSERT_EQ(series().size(), 2u);
    EXPECT_EQ(series()[0].titulo, "CBC");
    EXPECT_EQ(series()[0].pontos, (std::vector<TPontoGrafico>{{0, 0.4}, {0, 0.4}}));
    EXPECT_EQ(series()[1].titulo, "CE");
    EXPECT_EQ(series()[1].pontos, (std::vector<TPontoGrafico>{{0, 0.7}, {0, 0.7}}));
}

} // namespace
