#include "app/nucleo/TDadosTerraco.h"

#include <gtest/gtest.h>

TEST(TDadosTerraco, NovoProjetoComoAJanelaOMostra)
{
    const TDadosTerraco d;
    EXPECT_EQ(d.CBTipoSecao, secaoTrapezoidal);
    EXPECT_TRUE(d.RButtonSecaoTrapComum);
    EXPECT_EQ(d.RadioGTipoDeLevantamento, levantamentoIrradiacao);
    EXPECT_TRUE(d.RadioButtonNaoContribui);
    EXPECT_FALSE(d.RadioButtonContribui);
    EXPECT_EQ(d.meLatitude, "  °  '  \"");
    EXPECT_EQ(d.SGridCanalSecao.Cells(2, 0), "(C- F1)");
    EXPECT_EQ(d.SGridCanalSecao.Cells(0, 9), "9");
    EXPECT_EQ(d.SGridMira.Cells(4, 0), "Ânguloº");
    EXPECT_EQ(d.SGridMira.Cells(0, 11), "11");
    EXPECT_EQ(d.SGridCristaMeio.Cells(0, 0), "1");
    EXPECT_EQ(d.SGridCristaMeio.Cells(0, 9), "10");
    EXPECT_EQ(d.SGridCristaInicio.Cells(0, 0), "0");
    EXPECT_EQ(d.SGridTrena.Cells(0, 0), "");
    EXPECT_TRUE(d.LblEdtTr.empty());
}

TEST(TGradeTexto, LinhasQueSaemNaoDeixamTexto)
{
    TGradeTexto g(3, 4);
    g.setCells(1, 3, "1,5");
    EXPECT_EQ(g.Cells(1, 3), "1,5");
    EXPECT_EQ(g.Cells(1, 4), "");  // outside the grid
    EXPECT_EQ(g.Cells(-1, 0), "");
    g.setRowCount(3);
    g.setRowCount(4);
    EXPECT_EQ(g.Cells(1, 3), "");
    g.setRowCount(0);
    EXPECT_EQ(g.RowCount(), 1);
    g.setCells(5, 0, "x");  // ignored
    EXPECT_EQ(g.ColCount(), 3);
}
