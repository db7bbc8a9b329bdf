// Help asked for in the consultation, a modal window, under a window manager: it comes in
// front and takes the user's clicks, stays above the consultation while the user clicks
// between the two, and once the consultation closes it stays behind the window the user
// returns to.
#include "tests/app/x11/AmbienteX.h"
#include "plataforma/nucleo/TPastaPrograma.h"
#include "rainfall_equations/FoConsulta.h"
#include "tests/app/janelas/ConsultaNaEntrada.h"
#include "tests/app/janelas/JanelaAjuda.h"

#include <QGroupBox>
#include <QPushButton>

class AjudaSobreConsultaX : public JanelasXTest {
protected:
    void SetUp() override
    {
        JanelasXTest::SetUp();
        HHControlModule = nullptr;
        HHProc = nullptr;
        HHLoadControl();
        ASSERT_NE(HHProc, nullptr);
        TfrmFoConsulta::definePastaDados({});
        iniciaPrincipalNaTela();
        FPrincipal->arquivoAjuda = QString::fromStdString(pastaPrograma() + "AjudaMorlin.chm");
        FPrincipal->NovoClick();
        FIdentificacao->OKClick();
        ASSERT_TRUE(FEntdados);
        ASSERT_TRUE(ativa(FPrincipal));
    }

    void TearDown() override
    {
        if (QMainWindow* ajuda = janelaAjuda())
            ajuda->hide();
        HHUnloadControl();
        JanelasXTest::TearDown();
    }

    // "Consulta" clicked through the screen, with `acao` run on the consultation once it
    // is on show and active; the number of consultations that came up.
    int consulta(const std::function<void(TfrmFoConsulta&)>& acao)
    {
        TNaConsulta naConsulta([&](TfrmFoConsulta& c) {
            EXPECT_TRUE(ativa(&c));
            acao(c);
        });
        tela.clica(FEntdados->BttConsulta);
        esperaAte([&] { return naConsulta.vezes == 1 && !frmFoConsulta; }, 8000);
        return naConsulta.vezes;
    }

    // The help window in front, active, on the topic of the consultation.
    QMainWindow* ajudaNaFrente()
    {
        QMainWindow* ajuda = nullptr;
        EXPECT_TRUE(esperaAte([&] { return (ajuda = janelaAjuda()) != nullptr && ajuda->isVisible(); }));
        if (ajuda == nullptr)
            return nullptr;
        EXPECT_TRUE(ativa(ajuda));
        EXPECT_TRUE(esperaAte([&] { return tela.noTopo(ajuda); }));
        EXPECT_EQ(pagina(ajuda)->documentTitle(), topicoConsulta);
        return ajuda;
    }

    // A click on the page's first link shows its topic: the window takes the user's clicks.
    void seguePrimeiraLigacao(QMainWindow* ajuda)
    {
        QTextBrowser* navegador = pagina(ajuda);
        const QUrl antes = navegador->source();
        const auto ligacao = primeiraLigacao(navegador);
        ASSERT_TRUE(ligacao.has_value());
        tela.clica(navegador->viewport()->mapToGlobal(ligacao->second));
        EXPECT_TRUE(esperaAte([&] { return navegador->source() == antes.resolved(QUrl(ligacao->first)); }));
    }

    // The help window moved aside, as a user drags it, so the consultation's title and
    // its "Fechar" show beside it.
    void afasta(QMainWindow* ajuda, const TfrmFoConsulta& c)
    {
        ajuda->setGeometry(10, c.frameGeometry().top() + 120, 560, 500);
        const QPoint fechar = c.BtnOk->mapToGlobal(c.BtnOk->rect().center());
        ASSERT_TRUE(esperaAte([&] { return !tela.cobre(ajuda, tituloDa(c)) && !tela.cobre(ajuda, fechar); }));
    }

    // A point of the consultation's title bar, where the window manager takes a click.
    static QPoint tituloDa(const QWidget& janela)
    {
        const int altura = janela.geometry().top() - janela.frameGeometry().top();
        return {janela.frameGeometry().right() - 200, janela.frameGeometry().top() + altura / 2};
    }
};

TEST_F(AjudaSobreConsultaX, F1NaConsultaTrazAAjudaParaAFrenteEAceitaCliques)
{
    EXPECT_EQ(consulta([&](TfrmFoConsulta& c) {
                  tela.tecla(Qt::Key_F1);
                  QMainWindow* ajuda = ajudaNaFrente();
                  ASSERT_NE(ajuda, nullptr);
                  seguePrimeiraLigacao(ajuda);
                  c.done(TfrmFoConsulta::mrCancel);
              }),
              1);
}

TEST_F(AjudaSobreConsultaX, CliqueDeVoltaNaConsultaDeixaAAjudaAcimaDela)
{
    EXPECT_EQ(consulta([&](TfrmFoConsulta& c) {
                  tela.clica(c.BtnAjuda);
                  QMainWindow* ajuda = ajudaNaFrente();
                  ASSERT_NE(ajuda, nullptr);
                  afasta(ajuda, c);
                  tela.clica(tituloDa(c));
                  EXPECT_TRUE(ativa(&c));
                  EXPECT_TRUE(esperaAte([&] { return tela.acimaDe(ajuda, &c) && tela.acimaDe(ajuda, FPrincipal); }));
                  seguePrimeiraLigacao(ajuda);
                  c.done(TfrmFoConsulta::mrCancel);
              }),
              1);
}

// "Fechar" hands the screen back to the data entry: the help stays on show, behind it.
TEST_F(AjudaSobreConsultaX, DepoisDeFecharAAjudaFicaAtrasDaJanelaPrincipal)
{
    QPointer<QMainWindow> ajuda;
    EXPECT_EQ(consulta([&](TfrmFoConsulta& c) {
                  tela.clica(c.BtnAjuda);
                  ajuda = ajudaNaFrente();
                  ASSERT_FALSE(ajuda.isNull());
                  afasta(ajuda, c);
                  tela.clica(c.BtnOk);
                  esperaAte([&c] { return !c.isVisible(); });
              }),
              1);
    ASSERT_FALSE(ajuda.isNull());
    EXPECT_TRUE(ativa(FPrincipal));
    EXPECT_TRUE(ajuda->isVisible());
    EXPECT_TRUE(esperaAte([&] { return tela.acimaDe(FPrincipal, ajuda); }));
    EXPECT_EQ(QApplication::focusWidget(), FEntdados->BttConsulta);
}
