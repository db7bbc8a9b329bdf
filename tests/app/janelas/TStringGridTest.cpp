#include "TStringGrid.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(TStringGrid, CelulasFixasEDadosNoMesmoEnderecamento)
{
    TStringGrid g(3, 4, 1, 1);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.RowCount(), 4);
    const QString textos[4][3] = {{" S", "  (A) ", "B"}, {"1", "1,5", ""}, {"2", "", "x"}, {"3", "7", "8"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            g.setCells(c, r, textos[r][c]);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(g.Cells(c, r), textos[r][c]) << c << "," << r;
    EXPECT_EQ(g.Cells(3, 0), QString());
    EXPECT_EQ(g.Cells(0, -1), QString());
    g.setCells(5, 5, QStringLiteral("fora"));  // ignored
    EXPECT_EQ(g.grade().Cells(1, 0), "  (A) ");
    EXPECT_EQ(g.grade().Cells(2, 2), "x");
}

TEST(TStringGrid, CelulasFixasNaoSeEditamNemSeSelecionam)
{
    TStringGrid g(3, 3, 1, 1);
    g.resize(300, 200);
    g.show();
    ASSERT_EQ(g.columnCount(), 2);  // the fixed column is the row header
    ASSERT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.verticalHeader()->defaultSectionSize(), 24);
    QSignalSpy selecao(&g, &TStringGrid::SelectCell);
    g.setCurrentCell(1, 0);
    ASSERT_EQ(selecao.count(), 1);
    EXPECT_EQ(selecao.at(0).at(0).toInt(), 1);  // column, counted with the fixed one
    EXPECT_EQ(selecao.at(0).at(1).toInt(), 2);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 1);
}

TEST(TStringGrid, LinhasQueSaemNaoDeixamTextoEALinhaFixaCai)
{
    TStringGrid g(2, 4, 1, 1);
    g.setCells(0, 0, QStringLiteral("cab"));
    g.setCells(1, 3, QStringLiteral("9"));
    g.setRowCount(3);
    g.setRowCount(4);
    EXPECT_EQ(g.Cells(1, 3), QString());
    EXPECT_EQ(g.FixedRows(), 1);

    g.setRowCount(0);  // never below one row; the fixed row becomes a normal one
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(g.FixedRows(), 0);
    EXPECT_EQ(g.Cells(0, 0), QStringLiteral("cab"));
    g.setRowCount(3);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(1, 2), QString());
}

TEST(TStringGrid, LarguraZeroEscondeAColunaSemApagar)
{
    TStringGrid g(4, 2, 1, 1);
    g.setCells(2, 1, QStringLiteral("guardado"));
    g.setColWidths(0, 20);
    g.setColWidths(2, 0);
    EXPECT_EQ(g.ColWidths(2), 0);
    EXPECT_TRUE(g.isColumnHidden(1));
    EXPECT_EQ(g.verticalHeader()->sizeHint().width(), 20);
    g.setColWidths(2, 40);
    EXPECT_FALSE(g.isColumnHidden(1));
    EXPECT_EQ(g.columnWidth(1), 40);
    EXPECT_EQ(g.Cells(2, 1), QStringLiteral("guardado"));
    EXPECT_EQ(g.ColWidths(3), 64);
}

TEST(TStringGrid, OpcoesDeEdicaoESelecaoDeLinha)
{
    TStringGrid g(2, 3, 1, 1);
    EXPECT_EQ(g.Options(), TStringGrid::goEditing);
    EXPECT_NE(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    g.setOptions(g.Options() | TStringGrid::goRowSelect);
    EXPECT_EQ(g.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    g.setOptions(TStringGrid::goEditing);
    EXPECT_EQ(g.selectionBehavior(), QAbstractItemView::SelectItems);
    g.setOptions({});
    EXPECT_EQ(g.editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST(TStringGrid, CopiaDeEParaOsTextosDoTerraco)
{
    TStringGrid g(3, 2, 0, 1);
    TGradeTexto textos(3, 5);
    textos.setCells(0, 4, "5");
    textos.setCells(1, 4, "1,35");
    textos.setCells(1, 0, "á é");
    g.defineGrade(textos);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.Cells(1, 0), QStringLiteral("á é"));
    EXPECT_EQ(g.grade(), textos);
}

TEST(TStringGrid, PressaoDoRatoAvisaOBotao)
{
    TStringGrid g(2, 3, 1, 1);
    g.resize(200, 120);
    g.show();
    QSignalSpy pressao(&g, &TStringGrid::MouseDown);
    QTest::mousePress(g.viewport(), Qt::RightButton, {}, QPoint(10, 10));
    ASSERT_EQ(pressao.count(), 1);
    EXPECT_EQ(pressao.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
}
