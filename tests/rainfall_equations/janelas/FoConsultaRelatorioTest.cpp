// The consultation's source button and report, with what the picks left on show.
#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"
#include "models/Utils.h"
#include "plataforma/TMaskEdit.h"
#include "plataforma/TProjetoRelatorio.h"
#include "rainfall_equations/FoAutor.h"
#include "rainfall_equations/nucleo/FontesDados.h"
#include "tests/rainfall_equations/janelas/AmbienteNimbra.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>

#include <utility>
#include <vector>

namespace {

QString q(std::string_view texto)
{
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

using TParametros = std::vector<std::pair<QString, QString>>;

} // namespace

class RelatorioConsultaTest : public ConsultaTest {
protected:
    // What each report run had: its parameters but the picture's path, and the picture.
    std::vector<TParametros> parametros;
    std::vector<QImage> figuras;

    void SetUp() override
    {
        ConsultaTest::SetUp();
        TProjetoRelatorio::substituiExecucao([this](TProjetoRelatorio& projeto) {
            TParametros p = projeto.parametros();
            EXPECT_EQ(p.back().first, QStringLiteral("Figura"));
            figuras.push_back(QImage(p.back().second).convertToFormat(QImage::Format_RGB32));
            p.pop_back();
            parametros.push_back(p);
        });
    }

    void TearDown() override
    {
        TProjetoRelatorio::substituiExecucao({});
        ConsultaTest::TearDown();
    }

    // The report's parameters for what the window shows now.
    TParametros esperados(const QString& localidade, const QString& autor) const
    {
        const TfrmFoConsulta& j = *janela;
        return {{"Localidade", localidade},
                {"Estado", QString::fromStdString(j.Estado.getNome())},
                {"Latitude", QString::fromStdString(j.TxtLatitude)},
                {"Longitude", QString::fromStdString(j.TxtLongitude)},
                {"K", j.PrecK->text()},
                {"a", j.PrecA->text()},
                {"b", j.PrecB->text()},
                {"c", j.PrecC->text()},
                {"Autor", autor}};
    }
};

TEST_F(RelatorioConsultaTest, ParametrosDepoisDeEstacaoCliqueECalcularForaDoEstado)
{
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;

    clicaItem(j.LBEstacao, 5);
    const TEstacao& estacao = j.BD.Estacoes[12][5];
    j.BtnRelat->click();
    ASSERT_EQ(parametros.size(), 1u);
    EXPECT_EQ(parametros.back(), esperados(QString::fromStdString(estacao.Nome), q(ChaveCompilacaoIDF)));
    EXPECT_EQ(parametros.back()[4].second.toStdString(), formataNumero(3, estacao.K));
    // The state map with the crosshair through the station and the dot on it.
    const QImage& figura = figuras.back();
    const QPoint ponto(j.EixoY->x(), j.EixoX->y());
    EXPECT_EQ(figura.size(), QSize(450, 450));
    EXPECT_EQ(figura.pixelColor(ponto), Qt::black);
    EXPECT_EQ(figura.pixelColor(ponto.x() - 2, ponto.y() + 1), Qt::black);
    EXPECT_EQ(figura.pixelColor(ponto.x(), 440), Qt::black);
    EXPECT_EQ(figura.pixelColor(445, ponto.y()), Qt::black);

    // A point clicked on the map; the menu item runs the same report.
    ASSERT_TRUE(azul(j.EstadoBMP, 226, 228));
    moveMouse(j.EstadoBMP, 226, 228);
    soltaMouse(j.EstadoBMP, 226, 228);
    j.Relatrio1->trigger();
    ASSERT_EQ(parametros.size(), 2u);
    EXPECT_EQ(parametros.back(), esperados(QStringLiteral("Não definida"), QStringLiteral("Interpolação")));
    EXPECT_FALSE(parametros.back()[4].second.isEmpty());
    EXPECT_EQ(figuras.back().pixelColor(226, 228), Qt::black);

    // "&Calcular" off the state: no parameters and no source.
    const TLimitesMapa mg = *limitesMapaDoEstado(12);
    ASSERT_FALSE(azul(j.EstadoBMP, 20, 70));
    j.PrecLaAux->setText(QString::fromStdString(formataCoordenada(*mg.latitudeDaLinha(70))));
    j.PrecLoAux->setText(QString::fromStdString(formataCoordenada(*mg.longitudeDaColuna(20))));
    j.Calculalalo->click();
    j.BtnRelat->click();
    ASSERT_EQ(parametros.size(), 3u);
    EXPECT_EQ(parametros.back(), esperados(QStringLiteral("Não definida"), QStringLiteral("Autor")));
    for (int i = 4; i < 8; ++i)
        EXPECT_TRUE(parametros.back()[static_cast<std::size_t>(i)].second.isEmpty()) << i;
    EXPECT_TRUE(mensagens.isEmpty());
}

// A state without a map of its own on show never prints another state's map, such as the
// one loaded last with an old crosshair on it: the report has no picture and says so.
TEST_F(RelatorioConsultaTest, EstadoSemMapaProprioNaoImprimeOMapaDeOutro)
{
    cria({.IndEstado = 8, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    j.BtnRelat->click();
    ASSERT_EQ(figuras.size(), 1u);
    EXPECT_TRUE(figuras.back().isNull());
    EXPECT_EQ(parametros.back()[1].second, QStringLiteral("Goiás"));

    escolheEstado(12);
    j.BtnRelat->click();
    ASSERT_FALSE(figuras.back().isNull());
    // Goiás and Amapá after Minas Gerais, whose picture the window still holds (and for
    // Amapá still shows).
    for (int estado : {8, 2}) {
        escolheEstado(12);
        escolheEstado(estado);
        j.BtnRelat->click();
        EXPECT_TRUE(figuras.back().isNull()) << estado;
    }
    EXPECT_FALSE(j.EstadoBMP->isHidden());
    EXPECT_TRUE(mensagens.isEmpty());
}

// A station's source button opens the reference of the compilation it comes from; an
// interpolated equation's opens the box that explains the interpolation.
TEST_F(RelatorioConsultaTest, BotaoAutorDaEstacaoEDaLocalidade)
{
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    const TFonteEquacao* compilacao = procuraFonte(ChaveCompilacaoIDF);
    ASSERT_NE(compilacao, nullptr);
    QStringList mostrado;
    {
        TRespostaModal<TfrmFoAutor> resposta([&mostrado](TfrmFoAutor& dialogo) {
            mostrado << dialogo.Autor->text() << dialogo.Livro->text() << dialogo.Pagina->text();
            dialogo.OK->click();
        });
        j.Autor->click();
        EXPECT_EQ(resposta.vezes, 1);
    }
    EXPECT_EQ(mostrado, (QStringList{q(compilacao->Autores), q(compilacao->Obra), q(compilacao->Detalhes)}));
    EXPECT_TRUE(frmFoAutor.isNull());
    EXPECT_TRUE(mensagens.isEmpty());

    clicaItem(j.LBLocalidade, 0);
    j.Autor->click();
    EXPECT_EQ(mensagens, QStringList{q(TextoInterpolacao)});
}
