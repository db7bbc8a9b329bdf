#include "app/nucleo/TColunasEntrada.h"
#include "app/nucleo/TDadosTerraco.h"

#include <gtest/gtest.h>

#include <numeric>

TEST(TColunasEntrada, LargurasDasGradesAoAbrirAJanela)
{
    const struct {
        TGradeEntrada grade;
        std::optional<TLargurasGrade> larguras;
    } casos[] = {
        {TGradeEntrada::canal, TLargurasGrade{{20, 40, 40, 40, 40, 40, 40, 40}, 328}},
        {TGradeEntrada::mira, TLargurasGrade{{20, 41, 41, 41, 41}, 209}},
        {TGradeEntrada::trena, std::nullopt},
        {TGradeEntrada::cristaInicio, TLargurasGrade{{20, 60, 60}, 146}},
        {TGradeEntrada::cristaMeio, TLargurasGrade{{20, 60, 60}, 163}},
        {TGradeEntrada::cristaFim, TLargurasGrade{{20, 60, 60}, 146}},
    };
    for (const auto& [grade, larguras] : casos)
        EXPECT_EQ(TColunasEntrada::inicio(grade), larguras) << static_cast<int>(grade);
    // Each grid with a width of its own has one for each of its columns.
    const TDadosTerraco novo;
    EXPECT_EQ(TColunasEntrada::inicio(TGradeEntrada::canal)->colunas.size(), novo.SGridCanalSecao.ColCount());
    EXPECT_EQ(TColunasEntrada::inicio(TGradeEntrada::mira)->colunas.size(), novo.SGridMira.ColCount());
    EXPECT_EQ(TColunasEntrada::inicio(TGradeEntrada::cristaMeio)->colunas.size(), novo.SGridCristaMeio.ColCount());
}

TEST(TColunasEntrada, TrianguloEscondeAsColunasDoFundoETrapezioMostraTodas)
{
    const struct {
        int tipo;
        std::optional<TVistaTipoSecao> vista;
    } casos[] = {
        {secaoTriangular, TVistaTipoSecao{{56, 56, 56, 0, 0, 56, 56}, false}},
        {secaoTrapezoidal, TVistaTipoSecao{{40, 40, 40, 40, 40, 40, 40}, true}},
        {-1, std::nullopt},
        {2, std::nullopt},
    };
    for (const auto& [tipo, vista] : casos)
        EXPECT_EQ(TColunasEntrada::tipoSecao(tipo), vista) << tipo;
}

// Beside the same column of row numbers, so the grid keeps its width whatever the type.
TEST(TColunasEntrada, OsDoisTiposOcupamAMesmaLargura)
{
    const auto soma = [](int tipo) {
        const std::array<int, 7> larguras = TColunasEntrada::tipoSecao(tipo)->larguras;
        return std::accumulate(larguras.begin(), larguras.end(), 0);
    };
    EXPECT_EQ(soma(secaoTriangular), soma(secaoTrapezoidal));
    const std::vector<int> inicio = TColunasEntrada::inicio(TGradeEntrada::canal)->colunas;
    EXPECT_EQ(std::accumulate(inicio.begin() + 1, inicio.end(), 0), soma(secaoTrapezoidal));
}
