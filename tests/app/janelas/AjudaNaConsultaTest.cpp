// Help asked for in the consultation, a modal window, comes in front and takes the user's
// clicks while the consultation stays open, and the user goes back to the consultation
// afterwards. Clicks and keys go through the window system, as a user's do, so a window
// that a modal window blocks does not get them.
#include "tests/app/janelas/AmbienteJanelas.h"
#include "plataforma/nucleo/TPastaPrograma.h"
#include "rainfall_equations/FoConsulta.h"
#include "tests/app/janelas/ConsultaNaEntrada.h"
#include "tests/app/janelas/JanelaAjuda.h"

namespace {

// A click of the user on `controle`, at `ponto` of it (its centre when none), through its window.
void clica(QWidget* controle, std::optional<QPoint> ponto = std::nullopt)
{
    QWidget* janela = controle->window();
    const QPoint naJanela = controle->mapTo(janela, ponto.value_or(controle->rect().center()));
    QTest::mouseClick(janela->windowHandle(), Qt::LeftButton, {}, naJanela);
}

} // namespace

class AjudaNaConsulta : public JanelasTest {
protected:
    void SetUp() override
    {
        JanelasTest::SetUp();
        HHControlModule = nullptr;
        HHProc = nullptr;
        HHLoadControl();
        ASSERT_NE(HHProc, nullptr);
        TfrmFoConsulta::definePastaDados({});
        iniciaPrincipal();
        FPrincipal->arquivoAjuda = QString::fromStdString(pastaPrograma() + "AjudaMorlin.chm");
        FPrincipal->NovoClick();
        FIdentificacao->OKClick();
        ASSERT_TRUE(FEntdados);
    }

    void TearDown() override
    {
        if (QMainWindow* ajuda = janelaAjuda())
            ajuda->hide();
        HHUnloadControl();
        JanelasTest::TearDown();
    }

    // The help window on show in front of the consultation, taking the input.
    static void ajudaNaFrente(QMainWindow* ajuda)
    {
        ASSERT_NE(ajuda, nullptr);
        EXPECT_TRUE(esperaAte([ajuda] { return QApplication::activeWindow() == ajuda; }));
        EXPECT_TRUE(ajuda->isVisible());
        EXPECT_EQ(QGuiApplication::focusWindow(), ajuda->windowHandle());
    }

    // A click on a link of the page on show, and on "Início", each shows its topic.
    static void navegaNaAjuda(QMainWindow* ajuda)
    {
        QTextBrowser* navegador = pagina(ajuda);
        const QUrl antes = navegador->source();
        const auto ligacao = primeiraLigacao(navegador);
        ASSERT_TRUE(ligacao.has_value()) << navegador->documentTitle().toStdString();
        clica(navegador->viewport(), ligacao->second);
        EXPECT_TRUE(esperaAte([&] { return navegador->source() != antes; }));
        EXPECT_EQ(navegador->source(), antes.resolved(QUrl(ligacao->first)));

        QToolButton* inicio = botaoInicio(ajuda);
        ASSERT_NE(inicio, nullptr);
        clica(inicio);
        EXPECT_TRUE(esperaAte([&] { return navegador->documentTitle() == topicoConteudo; }));
    }
};

TEST_F(AjudaNaConsulta, AjudaPedidaNaConsultaFicaNaFrenteEUsavelEAConsultaVoltaDepois)
{
    QPointer<QMainWindow> ajuda;
    int resultado = -1;
    EXPECT_EQ(consultaPelaEntrada(*FEntdados,
                                  [&](TfrmFoConsulta& c) {
                                      ASSERT_TRUE(esperaAte([&c] { return QApplication::activeWindow() == &c; }));
                                      QTest::keyClick(c.windowHandle(), Qt::Key_F1);
                                      ajuda = janelaAjuda();
                                      ajudaNaFrente(ajuda);
                                      EXPECT_EQ(pagina(ajuda)->documentTitle(), topicoConsulta);
                                      navegaNaAjuda(ajuda);

                                      // Back to the consultation: its "Ajuda" answers the first click.
                                      clica(c.BtnAjuda);
                                      ajudaNaFrente(ajuda);
                                      EXPECT_EQ(pagina(ajuda)->documentTitle(), topicoConsulta);
                                      clica(c.BtnCancel);
                                      resultado = c.result();
                                  }),
              1);
    EXPECT_EQ(resultado, TfrmFoConsulta::mrCancel);

    // The help window outlives the consultation, still on show and usable.
    ASSERT_FALSE(ajuda.isNull());
    EXPECT_TRUE(ajuda->isVisible());
    EXPECT_EQ(ajuda->parentWidget(), nullptr);
    navegaNaAjuda(ajuda);
}

// A help window opened from the main window before the consultation is the one that comes
// in front of it.
TEST_F(AjudaNaConsulta, JanelaDeAjudaJaAbertaPassaParaAFrenteDaConsulta)
{
    FPrincipal->Contedo1->trigger();
    QPointer<QMainWindow> ajuda = janelaAjuda();
    ajudaNaFrente(ajuda);
    EXPECT_EQ(consultaPelaEntrada(*FEntdados,
                                  [&](TfrmFoConsulta& c) {
                                      clica(c.BtnAjuda);
                                      EXPECT_EQ(janelaAjuda(), ajuda.data());
                                      ajudaNaFrente(ajuda);
                                      navegaNaAjuda(ajuda);
                                      c.BtnCancel->click();
                                  }),
              1);
    EXPECT_FALSE(ajuda.isNull());
}

// The help menu of the consultation: the contents, and the consultation's own topic.
TEST_F(AjudaNaConsulta, ItensDoMenuDeAjudaDaConsultaMostramSeusTopicos)
{
    QStringList titulos;
    EXPECT_EQ(consultaPelaEntrada(*FEntdados,
                                  [&](TfrmFoConsulta& c) {
                                      for (QAction* item : {c.Contedo1, c.ObterAjudaSobre1}) {
                                          item->trigger();
                                          ajudaNaFrente(janelaAjuda());
                                          titulos << pagina(janelaAjuda())->documentTitle();
                                      }
                                      c.BtnCancel->click();
                                  }),
              1);
    EXPECT_EQ(titulos, (QStringList{topicoConteudo, topicoConsulta}));
}
