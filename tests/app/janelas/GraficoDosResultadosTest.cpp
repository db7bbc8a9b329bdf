#include "tests/app/janelas/FixtureEntrada.h"
#include "app/plataforma/TGrafico.h"
#include "tests/app/nucleo/TerracoRealista.h"
#include "tests/bench/TerracoComSecoes.h"
#include "tests/janelas_comum/ContaPinturas.h"

#include <QChart>
#include <QCoreApplication>
#include <QImage>
#include <QPushButton>
#include <QScreen>

#include <set>
#include <utility>

using GraficoDosResultados = FixtureEntrada;

namespace {

// What the window's last paints left on the screen where the chart lies.
QImage naTela(const TFEntdados& janela)
{
    const QPoint canto = janela.Chart1->mapTo(&janela, QPoint(0, 0));
    return janela.screen()
        ->grabWindow(janela.winId(), canto.x(), canto.y(), janela.Chart1->width(), janela.Chart1->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

// Each "Calcular" paints the chart once, and that paint is already the chart as it stays:
// the screen holds what the chart draws afresh.
TEST_F(GraficoDosResultados, CalcularPintaOGraficoUmaVezJaComoFica)
{
    TFEntdados& j = mostra();
    j.escreveDados(terracoRealista());
    QCoreApplication::processEvents();
    const TContaPinturas pinturas(j.Chart1->viewport());
    for (int clique = 1; clique <= 3; ++clique) {
        SCOPED_TRACE(clique);
        const int antes = pinturas.quantas();
        j.BttCalcula->click();
        pinturas.esperaCalmaria(TContaPinturas::Relogio::now());
        EXPECT_EQ(pinturas.quantas() - antes, 1);
        EXPECT_EQ(naTela(j), j.Chart1->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
}

// A terrace of thirty sections: the legend under the chart names every line, each drawn
// with a pen of its own, and the chart keeps its place on the page.
TEST_F(GraficoDosResultados, TrintaSecoesTodasNaLegendaComLinhasDiferentes)
{
    TFEntdados& j = mostra();
    j.escreveDados(terracoComSecoes(30));
    j.BttCalcula->click();
    QCoreApplication::processEvents();
    ASSERT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
    EXPECT_EQ(j.Chart1->chart()->size(), QSizeF(513, 377));
    const auto itens = j.Chart1->itensLegenda();
    ASSERT_EQ(itens.size(), 32u);
    std::set<std::pair<QRgb, int>> canetas;
    for (int i = 0; i < 32; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(itens[static_cast<std::size_t>(i)].titulo, j.Chart1->serie(i)->titulo);
        EXPECT_TRUE(QRectF(j.Chart1->rect()).contains(itens[static_cast<std::size_t>(i)].area));
        const QPen& caneta = j.Chart1->serie(i)->caneta;
        EXPECT_TRUE(canetas.insert({caneta.color().rgb(), static_cast<int>(caneta.style())}).second);
    }
    EXPECT_EQ(itens[29].titulo, "Seção 30");
    EXPECT_EQ(itens[31].titulo, "CE");
}
