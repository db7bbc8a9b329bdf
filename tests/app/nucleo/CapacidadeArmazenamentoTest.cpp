#include "plataforma/nucleo/Excecoes.h"
#include "tests/app/nucleo/TerracoDeTeste.h"

#include <ostream>
#include <string>

namespace {

// One section already in elevations and widths, and the water level h.
struct TCasoSecao {
    const char* nome;
    int tipo;
    TSecaoCanal secao;  // C, w1, F1, w2, F2, w3, FT
    double h;
    double area;
    const char* texto;
};

void PrintTo(const TCasoSecao& caso, std::ostream* saida)
{
    *saida << caso.nome;
}

class AreaDaSecao : public TesteAvaliacao, public ::testing::WithParamInterface<TCasoSecao> {};

TEST_P(AreaDaSecao, AguaAteONivelMaisBaixo)
{
    const TCasoSecao& caso = GetParam();
    dados.CBTipoSecao = caso.tipo;
    estado.secoes = {caso.secao};
    estado.nSecoes = 1;
    // The level is the lower of CBC and CE, whichever of the two it is.
    estado.cotaBaixaCrista = caso.h;
    estado.cotaExtremidade = caso.h + 1;
    avaliacao.preencheCapacidadeArmazenamento(dados);
    EXPECT_NEAR(estado.somaAr, caso.area, 1e-12);
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(1, 1), caso.texto);

    std::swap(estado.cotaBaixaCrista, estado.cotaExtremidade);
    avaliacao.preencheCapacidadeArmazenamento(dados);
    EXPECT_NEAR(estado.somaAr, caso.area, 1e-12);
}

constexpr TSecaoCanal trapezio{1.00, 2, 0.00, 1, 0.20, 3, 0.90};
constexpr TSecaoCanal triangulo{1.00, 2, 0.00, 0, 0, 3, 0.90};

INSTANTIATE_TEST_SUITE_P(
    Casos, AreaDaSecao,
    ::testing::Values(
        TCasoSecao{"TrapezioAcimaDeF2", secaoTrapezoidal, trapezio, 0.5, 0.81875, "0,82 "},
        TCasoSecao{"TrapezioEntreF1eF2", secaoTrapezoidal, trapezio, 0.15, 0.07875, "0,08 "},
        TCasoSecao{"TrapezioNoFundoF1", secaoTrapezoidal, trapezio, 0.0, 0.0, "0,00 "},
        TCasoSecao{"TrapezioAbaixoDoFundo", secaoTrapezoidal, trapezio, -0.1, 0.0, "0,00 "},
        TCasoSecao{"FundoPlanoNoNivel", secaoTrapezoidal, {1.00, 2, 0.30, 1, 0.30, 3, 0.90}, 0.30, 0.0, "0,00 "},
        // F2 below F1: only the stretch beyond F2 and the upslope side hold water.
        TCasoSecao{"DegrauInvertido", secaoTrapezoidal, {1.00, 2, 0.40, 1, 0.20, 3, 0.90}, 0.30,
                   0.01 * 1 / 0.4 + 0.01 * 3 / 1.6, "0,04 "},
        // The areas are not capped at C.
        TCasoSecao{"AcimaDeC", secaoTrapezoidal, trapezio, 1.5, 2.25 + 1.4 + 1.69 * 3 / 1.6, "6,82 "},
        TCasoSecao{"Triangulo", secaoTriangular, triangulo, 0.6, 0.90, "0,90 "},
        TCasoSecao{"TrianguloNoFundo", secaoTriangular, triangulo, 0.0, 0.0, "0,00 "}),
    [](const auto& info) { return std::string(info.param.nome); });

using CapacidadeArmazenamento = TesteAvaliacao;

TEST_F(CapacidadeArmazenamento, GradeSegueAsLinhasDoCanal)
{
    estado.secoes = {trapezio, trapezio, trapezio};
    estado.nSecoes = 3;
    estado.cotaBaixaCrista = estado.cotaExtremidade = 0.5;
    avaliacao.preencheCapacidadeArmazenamento(dados);
    const TGradeTexto& grade = pagina.SGridResultadosAr;
    ASSERT_EQ(grade.RowCount(), 10);
    for (int r = 1; r <= 9; ++r) {
        EXPECT_EQ(grade.Cells(0, r), std::to_string(r));
        EXPECT_EQ(grade.Cells(1, r), r <= 3 ? "0,82 " : "") << r;
    }
    EXPECT_NEAR(estado.somaAr, 3 * 0.81875, 1e-12);

    // A later run with fewer rows and no section: numbered rows, no area, no sum.
    estado.secoes.clear();
    estado.nSecoes = 0;
    dados.SGridCanalSecao.setRowCount(4);
    avaliacao.preencheCapacidadeArmazenamento(dados);
    ASSERT_EQ(grade.RowCount(), 4);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(grade.Cells(0, r), std::to_string(r));
        EXPECT_EQ(grade.Cells(1, r), "");
    }
    EXPECT_EQ(estado.somaAr, 0.0);
}

TEST_F(CapacidadeArmazenamento, TipoDesconhecidoNaoCalcula)
{
    estado.secoes = {trapezio};
    estado.nSecoes = 1;
    estado.cotaBaixaCrista = estado.cotaExtremidade = 0.5;
    dados.CBTipoSecao = -1;
    avaliacao.preencheCapacidadeArmazenamento(dados);
    EXPECT_EQ(estado.somaAr, 0.0);
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(1, 1), "");
}

// A bank of no height divides by zero; the rows written before stay.
TEST_F(CapacidadeArmazenamento, MargemSemAlturaEhDivisaoPorZero)
{
    TSecaoCanal plana = trapezio;
    plana.cotaC = plana.cotaF1;
    estado.secoes = {trapezio, plana};
    estado.nSecoes = 2;
    estado.cotaBaixaCrista = estado.cotaExtremidade = 0.5;
    EXPECT_THROW(avaliacao.preencheCapacidadeArmazenamento(dados), EMathError);
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(1, 1), "0,82 ");
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(1, 2), "");

    dados.CBTipoSecao = secaoTriangular;
    estado.secoes = {plana};
    estado.nSecoes = 1;
    EXPECT_THROW(avaliacao.preencheCapacidadeArmazenamento(dados), EZeroDivide);
}

} // namespace
