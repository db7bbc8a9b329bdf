#include "tests/app/janelas/FixtureEntrada.h"
#include "app/plataforma/TGrafico.h"
#include "tests/app/nucleo/TerracoRealista.h"
#include "tests/janelas_comum/ContaPinturas.h"

#include <QCoreApplication>
#include <QImage>
#include <QPushButton>
#include <QScreen>

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
