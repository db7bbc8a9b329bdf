// Picking a station, a locality, a point on the state picture or a typed point.
#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"
#include "plataforma/TImagem.h"
#include "plataforma/TListBox.h"
#include "plataforma/TMaskEdit.h"
#include "rainfall_equations/nucleo/EquacaoConsulta.h"
#include "rainfall_equations/nucleo/FontesDados.h"
#include "rainfall_equations/nucleo/TPosicaoEixos.h"
#include "tests/rainfall_equations/janelas/DadosConsultaTeste.h"

#include <QLabel>
#include <QStackedWidget>

#include <optional>

namespace {

QString q(const std::string& texto)
{
    return QString::fromStdString(texto);
}

QString q(std::string_view texto)
{
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

TEstacao interpolada(const std::string& latitude, const std::string& longitude,
                     const std::string& pasta = pastaDadosNimbra())
{
    TBDPrecipitacao bd(pasta);
    bd.leEstacoes();
    TEstacao r;
    bd.interpola(latitude, longitude, r);
    return r;
}

// The pixel a coordinate pair falls on in Minas Gerais.
QPoint pixelEmMinas(const std::string& latitude, const std::string& longitude)
{
    const TLimitesMapa mg = *limitesMapaDoEstado(12);
    return {pixelMaisProximo(*mg.colunaDaLongitude(leCoordenada(longitude))),
            pixelMaisProximo(*mg.linhaDaLatitude(leCoordenada(latitude)))};
}

} // namespace

class EscolhaTest : public ConsultaTest {
protected:
    std::optional<dados_teste::TEmUso> dadosTeste;

    TLegendasEquacao legendas() const { return janela->legendasMostradas(); }

    // Shown over the small database of dados_teste, which stays until the test ends.
    bool mostraComDadosTeste(const TPedidoConsulta& pedido)
    {
        dadosTeste.emplace();
        cria(pedido);
        return mostra();
    }

    // The crosshair through pixel p, with both labels.
    void confereCruz(QPoint p, const std::string& latitude, const std::string& longitude) const
    {
        TfrmFoConsulta& j = *janela;
        for (QWidget* w : std::initializer_list<QWidget*>{j.EixoX, j.EixoY, j.LabelLat, j.LabelLon})
            EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
        EXPECT_EQ(j.EixoY->x(), p.x());
        EXPECT_EQ(j.EixoX->y(), p.y());
        const TPosicaoEixos lugar = posicaoEixos(p.x(), p.y());
        EXPECT_EQ(j.LabelLat->pos(), QPoint(lugar.LabelLat.Esquerda, lugar.LabelLat.Topo));
        EXPECT_EQ(j.LabelLon->pos(), QPoint(lugar.LabelLon.Esquerda, lugar.LabelLon.Topo));
        EXPECT_EQ(j.LabelLat->text(), q(latitude));
        EXPECT_EQ(j.LabelLon->text(), q(longitude));
    }

    void confereSemCruz() const
    {
        for (QWidget* w : std::initializer_list<QWidget*>{janela->EixoX, janela->EixoY})
            EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    }
};

// ---- Stations -----------------------------------------------------------------------

TEST_F(EscolhaTest, EstacaoNoEstadoComSuaEquacaoCruzEFonte)
{
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    j.IndLocalidade = 4;
    clicaItem(j.LBLocalidade, 4);
    ASSERT_EQ(j.LBLocalidade->ItemIndex(), 4);

    const TEstacao& estacao = j.BD.Estacoes[12][7];
    clicaItem(j.LBEstacao, 7);
    EXPECT_EQ(j.IndEstacao, 7);
    EXPECT_EQ(j.LBLocalidade->ItemIndex(), -1);
    EXPECT_EQ(j.IndLocalidade, 4);
    EXPECT_EQ(j.EstacaoAtual, estacao);
    EXPECT_EQ(j.StrCidade, estacao.Nome);
    EXPECT_EQ(j.TxtLatitude, estacao.Latitude);
    EXPECT_EQ(j.TxtLongitude, estacao.Longitude);
    EXPECT_EQ(j.PrecLaAux->Text(), q(estacao.Latitude));
    EXPECT_EQ(j.PrecLoAux->Text(), q(estacao.Longitude));
    EXPECT_EQ(legendas(), legendasEquacao(estacao));
    EXPECT_EQ(j.PrecK->text().count(u','), 1);
    confereCruz(pixelEmMinas(estacao.Latitude, estacao.Longitude), estacao.Latitude, estacao.Longitude);
    EXPECT_EQ(j.Autor->text(), q(ChaveCompilacaoIDF));
    EXPECT_TRUE(j.lAviso->isHidden());
    EXPECT_TRUE(mensagens.isEmpty());
}

// The key without its trailing blanks, three decimals of a longer K; then a station off the
// state: its own equation and source, with no crosshair.
TEST_F(EscolhaTest, EstacaoForaDaAreaDoEstadoMostraSuaFonteSemCruz)
{
    ASSERT_TRUE(mostraComDadosTeste({.IndEstado = 12, .IndEstacao = 0}));
    TfrmFoConsulta& j = *janela;
    EXPECT_EQ(j.Autor->text(), QStringLiteral("ANEEL (2001)"));
    EXPECT_EQ(j.PrecK->text(), QStringLiteral("1.234,568"));
    EXPECT_EQ(legendas(), (TLegendasEquacao{"1.234,568", "0,150", "10,000", "0,800"}));
    confereCruz({200, 200}, dados_teste::alfa.latitude, dados_teste::alfa.longitude);

    clicaItem(j.LBEstacao, 1);
    ASSERT_FALSE(azul(j.EstadoBMP, 30, 80));
    EXPECT_EQ(j.StrCidade, "Beta");
    EXPECT_EQ(j.PrecLaAux->Text(), q(dados_teste::beta.latitude));
    EXPECT_EQ(legendas(), (TLegendasEquacao{"900,000", "0,200", "12,000", "0,750"}));
    confereSemCruz();
    EXPECT_TRUE(j.LabelLat->isHidden());
    EXPECT_TRUE(j.LabelLon->isHidden());
    // Not the source of the station before.
    EXPECT_EQ(j.Autor->text(), QStringLiteral("FREITAS et al. (2001)"));

    // A locality off the state after a station: its equation is an interpolation.
    clicaItem(j.LBEstacao, 0);
    clicaItem(j.LBLocalidade, 1);
    EXPECT_EQ(j.StrCidade, "Lugar Branco");
    confereSemCruz();
    EXPECT_EQ(j.Autor->text(), QStringLiteral("Interpolação"));
    EXPECT_EQ(legendas(), legendasEquacao(interpolada(dados_teste::lugarBranco.latitude,
                                                      dados_teste::lugarBranco.longitude, dadosTeste->caminho())));
    EXPECT_TRUE(mensagens.isEmpty());
}

// On the map of Brazil the place block shows the name without its trailing blanks; the
// notice on Goiás data shows for the stations of Goiás that cite its source, and for no
// other station or state.
TEST_F(EscolhaTest, EstacaoDeGoiasNoMapaDoBrasilEOAviso)
{
    ASSERT_TRUE(mostraComDadosTeste({.IndEstado = 8, .IndEstacao = 0}));
    TfrmFoConsulta& j = *janela;
    ASSERT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
    EXPECT_EQ(j.NomeCid->text(), QStringLiteral("Anápolis"));
    EXPECT_TRUE(j.lAviso->isHidden());

    clicaItem(j.LBEstacao, 1);
    EXPECT_EQ(j.StrCidade, "Goiânia   ");
    EXPECT_EQ(j.NomeCid->text(), QStringLiteral("Goiânia"));
    EXPECT_EQ(j.LabelLatitude->text(), q(dados_teste::goiania.latitude));
    EXPECT_EQ(j.LabelLongitude->text(), q(dados_teste::goiania.longitude));
    for (QWidget* w : std::initializer_list<QWidget*>{j.NomeCid, j.LatCid, j.LonCid, j.LabelLatitude, j.LabelLongitude})
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    confereSemCruz();
    EXPECT_EQ(legendas(), (TLegendasEquacao{"1.400,000", "0,170", "15,000", "0,850"}));
    EXPECT_EQ(j.Autor->text(), q(ChaveFonteGoias));
    EXPECT_FALSE(j.lAviso->isHidden());
    // It stands where the locality list would, which Goiás does not show.
    EXPECT_TRUE(j.LBLocalidade->isHidden());
    EXPECT_TRUE(j.LBLocalidade->geometry().contains(j.lAviso->geometry()));

    clicaItem(j.LBEstacao, 0);
    EXPECT_TRUE(j.lAviso->isHidden());
    clicaItem(j.LBEstacao, 1);
    ASSERT_FALSE(j.lAviso->isHidden());
    // Neither a state without stations nor one with a picture shows it.
    escolheEstado(2);
    EXPECT_TRUE(j.lAviso->isHidden());
    escolheEstado(8);
    clicaItem(j.LBEstacao, 1);
    ASSERT_FALSE(j.lAviso->isHidden());
    escolheEstado(12);
    EXPECT_TRUE(j.lAviso->isHidden());
    EXPECT_TRUE(mensagens.isEmpty());
}

// ---- Localities -----------------------------------------------------------------------

TEST_F(EscolhaTest, LocalidadeInterpoladaNoSeuPonto)
{
    cria({.IndEstado = 12, .IndEstacao = 2});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    const TLocalidade localidade = j.BD.Localidades[10];
    j.lAviso->show();

    clicaItem(j.LBLocalidade, 10);
    EXPECT_EQ(j.IndLocalidade, 10);
    EXPECT_EQ(j.IndEstacao, 2);
    EXPECT_EQ(j.LBEstacao->ItemIndex(), -1);
    EXPECT_EQ(j.StrCidade, localidade.Nome);
    const TEstacao equacao = interpolada(localidade.Latitude, localidade.Longitude);
    EXPECT_EQ(j.EstacaoAtual, equacao);
    EXPECT_EQ(legendas(), legendasEquacao(equacao));
    EXPECT_EQ(j.PrecLaAux->Text(), q(localidade.Latitude));
    EXPECT_EQ(j.PrecLoAux->Text(), q(localidade.Longitude));
    confereCruz(pixelEmMinas(localidade.Latitude, localidade.Longitude), localidade.Latitude, localidade.Longitude);
    EXPECT_EQ(j.Autor->text(), QStringLiteral("Interpolação"));
    // The notice is the station pick's alone.
    EXPECT_FALSE(j.lAviso->isHidden());
    EXPECT_TRUE(mensagens.isEmpty());
}

// The hidden list of a state without localities keeps the items of the state before; a
// pick there would read a locality Goiás does not have, so nothing happens.
TEST_F(EscolhaTest, ListaDeLocalidadesEscondidaNaoEscolheNada)
{
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    escolheEstado(8);
    ASSERT_TRUE(j.LBLocalidade->isHidden());
    ASSERT_GT(j.LBLocalidade->count(), 3);
    const TEstacao antes = j.EstacaoAtual;
    const TLegendasEquacao legendasAntes = legendas();
    j.LBLocalidade->setItemIndex(3);
    j.LBLocalidadeClick();
    EXPECT_EQ(j.EstacaoAtual, antes);
    EXPECT_EQ(legendas(), legendasAntes);
    EXPECT_EQ(j.IndLocalidade, 0);
    EXPECT_EQ(j.LBEstacao->ItemIndex(), 0);
    // Nor does a list without a selection.
    j.LBEstacao->setItemIndex(-1);
    j.LBEstacaoClick();
    EXPECT_EQ(j.EstacaoAtual, antes);
    EXPECT_TRUE(mensagens.isEmpty());
}

// ---- A point on the state picture -------------------------------------------------------

TEST_F(EscolhaTest, CliqueNoEstadoInterpolaAsCoordenadasTruncadasDoPixel)
{
    cria({.IndEstado = 12, .IndEstacao = 3});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    j.LBLocalidade->setItemIndex(2);
    const TEstacao estacao = j.EstacaoAtual;
    const TLimitesMapa mg = *limitesMapaDoEstado(12);
    ASSERT_TRUE(azul(j.EstadoBMP, 226, 228));
    const std::string latitude = formataCoordenada(*mg.latitudeDaLinha(228));
    const std::string longitude = formataCoordenada(*mg.longitudeDaColuna(226));

    moveMouse(j.EstadoBMP, 226, 228);
    soltaMouse(j.EstadoBMP, 226, 228, Qt::RightButton);
    EXPECT_EQ(j.StrCidade, "Não definida");
    EXPECT_EQ(j.LBEstacao->ItemIndex(), -1);
    EXPECT_EQ(j.LBLocalidade->ItemIndex(), -1);
    EXPECT_EQ(j.IndEstacao, 3);
    EXPECT_EQ(j.TxtLatitude, latitude);
    EXPECT_EQ(j.TxtLongitude, longitude);
    EXPECT_EQ(j.LatitudeDec, *mg.latitudeDaLinha(228));
    EXPECT_EQ(j.PrecLaAux->Text(), q(latitude));
    EXPECT_EQ(j.PrecLoAux->Text(), q(longitude));
    EXPECT_EQ(legendas(), legendasEquacao(interpolada(latitude, longitude)));
    confereCruz({226, 228}, latitude, longitude);
    EXPECT_EQ(j.Autor->text(), QStringLiteral("Interpolação"));
    // The equation of the station stays the one kept.
    EXPECT_EQ(j.EstacaoAtual, estacao);

    // Once the mouse has left the state a click only takes the crosshair away.
    const TLegendasEquacao mostradas = legendas();
    int x = 226;
    while (azul(j.EstadoBMP, x, 228))
        ++x;
    moveMouse(j.EstadoBMP, x, 228);
    soltaMouse(j.EstadoBMP, x, 228);
    for (QWidget* w : std::initializer_list<QWidget*>{j.EixoX, j.EixoY, j.LabelLat, j.LabelLon})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_EQ(legendas(), mostradas);
    EXPECT_EQ(j.TxtLatitude, latitude);
    EXPECT_TRUE(mensagens.isEmpty());
}

// A pixel of the state beyond the bounds has no coordinates: the point before must not be
// interpolated in its place.
TEST_F(EscolhaTest, CliqueAzulForaDosLimitesEsvaziaOsParametros)
{
    ASSERT_TRUE(mostraComDadosTeste({.IndEstado = 12, .IndEstacao = 0}));
    TfrmFoConsulta& j = *janela;
    ASSERT_TRUE(haEquacao(legendas()));
    ASSERT_TRUE(azul(j.EstadoBMP, 5, 5));

    moveMouse(j.EstadoBMP, 5, 5);
    ASSERT_EQ(j.EstadoBMP->cursor().shape(), Qt::CrossCursor);
    soltaMouse(j.EstadoBMP, 5, 5);
    EXPECT_EQ(legendas(), TLegendasEquacao{});
    confereSemCruz();
    EXPECT_TRUE(j.LabelLat->text().isEmpty());
    EXPECT_EQ(j.StrCidade, "Não definida");
    EXPECT_EQ(j.LBEstacao->ItemIndex(), -1);
    EXPECT_EQ(j.TxtLatitude, dados_teste::alfa.latitude);
    EXPECT_TRUE(mensagens.isEmpty());
}

// ---- "&Calcular" ----------------------------------------------------------------------

TEST_F(EscolhaTest, CalcularNoEstadoInterpolaOPontoDigitado)
{
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    const std::string latitude = "19°55'17\"";
    const std::string longitude = "43°56'31\"";
    const QPoint pixel = pixelEmMinas(latitude, longitude);
    ASSERT_TRUE(azul(j.EstadoBMP, pixel.x(), pixel.y()));
    moveMouse(j.EstadoBMP, 5, 5);
    ASSERT_EQ(j.EstadoBMP->cursor().shape(), Qt::ArrowCursor);

    j.PrecLaAux->setText(q(latitude));
    j.PrecLoAux->setText(q(longitude));
    j.Calculalalo->click();
    EXPECT_EQ(j.TxtLatitude, latitude);
    EXPECT_EQ(j.TxtLongitude, longitude);
    EXPECT_EQ(j.PrecLaAux->Text(), q(latitude));
    EXPECT_EQ(j.PrecLoAux->Text(), q(longitude));
    EXPECT_EQ(legendas(), legendasEquacao(interpolada(latitude, longitude)));
    confereCruz(pixel, latitude, longitude);
    EXPECT_EQ(j.StrCidade, "Não definida");
    EXPECT_EQ(j.LBEstacao->ItemIndex(), -1);
    EXPECT_EQ(j.Autor->text(), QStringLiteral("Interpolação"));
    EXPECT_EQ(j.EstadoBMP->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(mensagens.isEmpty());
}

// Off the state the point is taken with no equation, and so with no source on show.
TEST_F(EscolhaTest, CalcularForaDoEstadoOuForaDosLimites)
{
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    // Inside the bounds, off the state.
    const dados_teste::TCoordenadas fora = dados_teste::doPixel(20, 70);
    ASSERT_FALSE(azul(j.EstadoBMP, 20, 70));
    j.PrecLaAux->setText(q(fora.latitude));
    j.PrecLoAux->setText(q(fora.longitude));
    j.Calculalalo->click();
    EXPECT_EQ(legendas(), TLegendasEquacao{});
    confereSemCruz();
    EXPECT_TRUE(j.LabelLat->text().isEmpty());
    EXPECT_TRUE(j.LabelLon->text().isEmpty());
    EXPECT_EQ(j.Autor->text(), QStringLiteral("Autor"));
    EXPECT_EQ(j.TxtLatitude, fora.latitude);
    EXPECT_EQ(j.StrCidade, "Não definida");
    EXPECT_EQ(j.PrecLaAux->Text(), q(fora.latitude));
    EXPECT_TRUE(mensagens.isEmpty());

    // Beyond the bounds: the message with the text as typed; nothing of the point is taken.
    j.PrecLaAux->setText(QStringLiteral("20°00'00\""));
    j.PrecLoAux->setText(QStringLiteral("39°00'00\""));
    j.Calculalalo->click();
    EXPECT_EQ(mensagens, QStringList{QStringLiteral("Longitude 39°00'00\" não definida.")});
    EXPECT_EQ(j.TxtLatitude, fora.latitude);
    EXPECT_EQ(j.TxtLongitude, fora.longitude);

    // A blank edit is an incomplete one, said in Portuguese.
    mensagens.clear();
    j.PrecLaAux->clear();
    j.Calculalalo->click();
    EXPECT_EQ(mensagens, QStringList{QStringLiteral(
                             "Latitude incompleta: digite os dois algarismos dos graus, dos minutos e dos segundos.")});
}

// ---- OK with no equation on show --------------------------------------------------------

// Closing then would hand back no equation while the state already changed: the window
// says so and stays open until the user picks one or cancels.
TEST_F(EscolhaTest, FecharSemEquacaoAvisaEContinuaAberta)
{
    const std::function<void(TfrmFoConsulta&)> semEquacao[] = {
        [](TfrmFoConsulta& j) {
            j.PrecLaAux->setText(QString::fromStdString(dados_teste::doPixel(20, 70).latitude));
            j.PrecLoAux->setText(QString::fromStdString(dados_teste::doPixel(20, 70).longitude));
            j.Calculalalo->click();
        },
        [this](TfrmFoConsulta&) { escolheEstado(2); },
    };
    for (const auto& acao : semEquacao) {
        mensagens.clear();
        cria({.IndEstado = 12, .IndEstacao = 5});
        bool abertaDepoisDoOk = false;
        const int resultado = executaModal([&] {
            acao(*janela);
            janela->BtnOk->click();
            QTest::keyClick(janela.get(), Qt::Key_Return);
            abertaDepoisDoOk = janela->isVisible();
            janela->BtnCancel->click();
        });
        EXPECT_TRUE(abertaDepoisDoOk);
        EXPECT_EQ(resultado, TfrmFoConsulta::mrCancel);
        EXPECT_EQ(mensagens, QStringList(2, q(MensagemSemEquacao)));
        EXPECT_EQ(janela->IndEstacao, 5);
    }

    // With an equation on show again, OK closes.
    cria({.IndEstado = 12, .IndEstacao = 5});
    EXPECT_EQ(executaModal([this] {
                  escolheEstado(2);
                  escolheEstado(12);
                  clicaItem(janela->LBEstacao, 1);
                  janela->BtnOk->click();
              }),
              TfrmFoConsulta::mrOk);
    EXPECT_EQ(janela->IndEstacao, 1);
}
