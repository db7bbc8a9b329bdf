#include "app/plataforma/TStringGrid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <utility>
#include <vector>

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

namespace {

// Column 0 and column 1 of each row, top to bottom.
QStringList colunas01(const TStringGrid& g)
{
    QStringList textos;
    for (int r = 0; r < g.RowCount(); ++r)
        textos << g.Cells(0, r) + "|" + g.Cells(1, r);
    return textos;
}

} // namespace

TEST(TStringGrid, DescerESubirLinhasLevaTodasAsColunas)
{
    TStringGrid g(2, 5, 1, 1);
    for (int r = 0; r < 5; ++r) {
        g.setCells(0, r, QString::number(r));
        g.setCells(1, r, QStringLiteral("d%1").arg(r));
    }
    g.desceLinhas(2);
    EXPECT_EQ(colunas01(g), QStringList({"0|d0", "1|d1", "|", "2|d2", "3|d3"}));
    g.sobeLinhas(2);
    EXPECT_EQ(colunas01(g), QStringList({"0|d0", "1|d1", "2|d2", "3|d3", "3|d3"}));
    g.sobeLinhas(4);  // the last row: nothing moves
    g.desceLinhas(9);
    EXPECT_EQ(colunas01(g), QStringList({"0|d0", "1|d1", "2|d2", "3|d3", "3|d3"}));
}

TEST(TStringGrid, NumerarLinhasAPartirDeUmaLinha)
{
    TStringGrid g(2, 4, 0, 1);
    g.setCells(0, 0, QStringLiteral("x"));
    g.numeraLinhas(1);  // row r gets r + 1 from row 1 on; row 0 keeps its text
    EXPECT_EQ(colunas01(g), QStringList({"x|", "2|", "3|", "4|"}));
    g.numeraLinhas(0);
    EXPECT_EQ(colunas01(g), QStringList({"0|", "1|", "2|", "3|"}));
}

TEST(TStringGrid, TeclasPassamPeloFiltroNaGradeENoEditor)
{
    TStringGrid g(3, 3, 1, 1);
    g.resize(300, 120);
    g.show();
    QStringList recebidas;
    g.setOnKeyPress([&recebidas](QObject*, QChar& tecla) {
        recebidas << QString(tecla);
        if (tecla == QLatin1Char('x'))
            tecla = QChar();
        else if (tecla == QLatin1Char('.'))
            tecla = QLatin1Char(',');
    });
    g.setCurrentCell(0, 0);
    QTest::keyClick(&g, 'x');  // swallowed: no editor opens
    EXPECT_EQ(g.indexWidget(g.currentIndex()), nullptr);
    QTest::keyClick(&g, '4');  // opens the editor with the key
    QWidget* editor = g.indexWidget(g.currentIndex());
    ASSERT_NE(editor, nullptr);
    for (char c : {'.', 'x', '5'})
        QTest::keyClick(editor, c);
    QTest::keyClick(editor, Qt::Key_Left);  // editing keys are not typed characters
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the editor commits after the key
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("45"));
    EXPECT_EQ(recebidas, QStringList({"x", "4", ".", "x", "5", "\b"}));  // each judged once
}

TEST(TStringGrid, DesenhoDaCelulaDepoisDoPadrao)
{
    TStringGrid g(3, 2, 0, 1);
    g.resize(200, 60);
    g.setCells(2, 1, QStringLiteral("sob"));
    std::vector<std::pair<int, int>> desenhadas;
    QObject::connect(&g, &TStringGrid::DrawCell, [&](int coluna, int linha, const QRect& area, QPainter* canvas) {
        desenhadas.emplace_back(coluna, linha);
        if (coluna == 2)
            canvas->fillRect(area, Qt::red);
    });
    const QImage imagem = g.grab().toImage();
    EXPECT_NE(std::find(desenhadas.begin(), desenhadas.end(), std::pair(1, 0)), desenhadas.end());
    EXPECT_NE(std::find(desenhadas.begin(), desenhadas.end(), std::pair(2, 1)), desenhadas.end());
    EXPECT_EQ(std::find_if(desenhadas.begin(), desenhadas.end(), [](auto c) { return c.first == 0; }),
              desenhadas.end());  // the fixed column is the grid's own
    const QRect celula = g.visualRect(g.model()->index(1, 1)).translated(g.viewport()->pos());
    EXPECT_EQ(imagem.pixelColor(celula.center()), QColor(Qt::red));
}

TEST(TStringGrid, BotaoDireitoNaoMudaACelulaEAbreOMenu)
{
    TStringGrid g(2, 6, 1, 1);
    g.resize(200, 200);
    g.show();
    g.setRow(2);
    const QPoint linha4 = g.visualRect(g.model()->index(3, 0)).center();
    QTest::mousePress(g.viewport(), Qt::RightButton, {}, linha4);
    QTest::mouseRelease(g.viewport(), Qt::RightButton, {}, linha4);
    EXPECT_EQ(g.Row(), 2);

    QMenu menu;
    menu.addAction(QStringLiteral("item"));
    g.setPopupMenu(&menu);
    QContextMenuEvent pedido(QContextMenuEvent::Mouse, linha4, g.viewport()->mapToGlobal(linha4));
    QCoreApplication::sendEvent(g.viewport(), &pedido);
    EXPECT_TRUE(menu.isVisible());
    menu.close();

    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, linha4);
    EXPECT_EQ(g.Row(), 4);
}
