// The map of Brazil: a state chosen by the colour under the mouse, the cursor over the
// map, and "&Mapa do Brasil".
#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"
#include "plataforma/TImagem.h"
#include "rainfall_equations/nucleo/CoresMapaBrasil.h"

#include <QAction>
#include <QStackedWidget>

#include <map>
#include <tuple>

namespace {

TCor corDe(QRgb pixel)
{
    return {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
            static_cast<std::uint8_t>(qBlue(pixel))};
}

struct TOrdemCor {
    bool operator()(const TCor& a, const TCor& b) const
    {
        return std::tie(a.Vermelho, a.Verde, a.Azul) < std::tie(b.Vermelho, b.Verde, b.Azul);
    }
};

using TPixelsPorCor = std::map<TCor, QPoint, TOrdemCor>;

// The first pixel of each colour of the map, row by row.
TPixelsPorCor pixelsPorCor(const QImage& mapa)
{
    TPixelsPorCor pixels;
    for (int y = 0; y < mapa.height(); ++y)
        for (int x = 0; x < mapa.width(); ++x)
            pixels.try_emplace(corDe(mapa.pixel(x, y)), x, y);
    return pixels;
}

} // namespace

class MapaBrasilTest : public ConsultaTest {
protected:
    TPixelsPorCor pixels;

    void abreNoMapaDoBrasil(int estado)
    {
        cria({.IndEstado = estado});
        ASSERT_TRUE(mostra());
        pixels = pixelsPorCor(janela->BrasilBMP->figura());
    }

    QPoint pixelDe(TCor cor) const
    {
        const auto achado = pixels.find(cor);
        EXPECT_NE(achado, pixels.end()) << int(cor.Vermelho) << "," << int(cor.Verde) << "," << int(cor.Azul);
        return achado == pixels.end() ? QPoint(-1, -1) : achado->second;
    }

    // The user moves the mouse onto the pixel and clicks it.
    Qt::CursorShape clica(QPoint p)
    {
        moveMouse(janela->BrasilBMP, p.x(), p.y());
        const Qt::CursorShape cursor = janela->BrasilBMP->cursor().shape();
        soltaMouse(janela->BrasilBMP, p.x(), p.y());
        return cursor;
    }
};

// Each of the 23 colours of the table chooses its state, with the hand over it.
TEST_F(MapaBrasilTest, CadaCorDaTabelaEscolheOSeuEstado)
{
    abreNoMapaDoBrasil(8);
    TfrmFoConsulta& j = *janela;
    for (const TCorEstado& linha : CoresEstados) {
        SCOPED_TRACE(NomesEstados[static_cast<std::size_t>(linha.Estado)]);
        escolheEstado(8);
        ASSERT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
        EXPECT_EQ(clica(pixelDe(linha.Cor)), Qt::PointingHandCursor);
        EXPECT_EQ(j.Estados->currentIndex(), linha.Estado);
        EXPECT_EQ(j.Estado.Indice(), linha.Estado);
        EXPECT_EQ(j.windowTitle().toStdString(),
                  "Nimbra 2.1 - Estado: " + NomesEstados[static_cast<std::size_t>(linha.Estado)] + "     ");
        // A state with stations opens on its first one.
        if (!j.BD.Estacoes[static_cast<std::size_t>(linha.Estado)].empty()) {
            EXPECT_EQ(j.LBEstacao->ItemIndex(), 0);
            EXPECT_EQ(j.EstacaoAtual, j.BD.Estacoes[static_cast<std::size_t>(linha.Estado)][0]);
        }
    }
    // Minas Gerais is pure blue, and comes on its own picture.
    escolheEstado(8);
    clica(pixelDe({0, 0, 255}));
    EXPECT_EQ(j.Estado.Indice(), 12);
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaEstados);
    EXPECT_FALSE(j.EstadoBMP->isHidden());
    EXPECT_FALSE(j.LBLocalidade->isHidden());
    EXPECT_TRUE(mensagens.isEmpty());
}

// Amapá, the Distrito Federal, Roraima and Sergipe, the white background and the black
// lettering show the arrow; a click there runs the change of the state already chosen.
TEST_F(MapaBrasilTest, CoresSemEstadoMostramASetaENaoEscolhemNada)
{
    abreNoMapaDoBrasil(8);
    TfrmFoConsulta& j = *janela;
    std::vector<TCor> semEstado{CorFundoMapa, CorLetraEscura};
    for (const TCorEstado& linha : CoresEstadosSemDados)
        semEstado.push_back(linha.Cor);
    for (const TCor& cor : semEstado) {
        SCOPED_TRACE(std::to_string(cor.Vermelho) + "," + std::to_string(cor.Verde) + "," + std::to_string(cor.Azul));
        clicaItem(j.LBEstacao, 2);
        ASSERT_EQ(j.IndEstacao, 2);
        EXPECT_EQ(clica(pixelDe(cor)), Qt::ArrowCursor);
        EXPECT_EQ(j.Estados->currentIndex(), 8);
        EXPECT_EQ(j.Estado.Indice(), 8);
        // The state change ran again: Goiás is back on its first station.
        EXPECT_EQ(j.IndEstacao, 0);
        EXPECT_EQ(j.LBEstacao->ItemIndex(), 0);
    }

    // Outside the picture no colour matches: no state, and the hand.
    j.IndEstacao = 2;
    j.BrasilBMPMouseMove(460, 10);
    EXPECT_EQ(j.BrasilBMP->cursor().shape(), Qt::PointingHandCursor);
    j.BrasilBMPMouseUp(460, 10);
    EXPECT_EQ(j.Estado.Indice(), 8);
    EXPECT_EQ(j.IndEstacao, 0);
    EXPECT_TRUE(mensagens.isEmpty());
}

// From a state with its own picture the menu chooses Acre; from any other state it only
// shows the map of Brazil.
TEST_F(MapaBrasilTest, MenuMapaDoBrasil)
{
    cria({.IndEstado = 24});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    ASSERT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaEstados);
    j.MapadoBrasil1->trigger();
    EXPECT_EQ(j.Estados->currentIndex(), 0);
    EXPECT_EQ(j.Estado.Indice(), 0);
    EXPECT_EQ(j.windowTitle(), QStringLiteral("Nimbra 2.1 - Estado: Acre     "));
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
    EXPECT_TRUE(j.EstadoBMP->isHidden());

    escolheEstado(8);
    clicaItem(j.LBEstacao, 1);
    j.MapadoBrasil1->trigger();
    EXPECT_EQ(j.Estado.Indice(), 8);
    EXPECT_EQ(j.IndEstacao, 1);
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);

    // Amapá keeps the picture of the state before on show; the menu shows the map of
    // Brazil and leaves Amapá chosen.
    escolheEstado(12);
    escolheEstado(2);
    ASSERT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaEstados);
    j.MapadoBrasil1->trigger();
    EXPECT_EQ(j.Estado.Indice(), 2);
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
    EXPECT_TRUE(mensagens.isEmpty());
}
