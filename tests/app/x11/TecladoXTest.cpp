// Under a window manager, every way into a window leaves it in front, active, with the
// keyboard in it; every section of the data entry takes the keyboard as it opens; and the
// identification dialog answers Enter and Esc.
#include "tests/app/x11/AmbienteX.h"
#include "app/URelatorioAvaliacao.h"
#include "app/plataforma/TStringGrid.h"
#include "plataforma/TLabeledEdit.h"

#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include <functional>

class TecladoX : public JanelasXTest {
protected:
    void SetUp() override
    {
        JanelasXTest::SetUp();
        iniciaPrincipalNaTela();
    }

    void TearDown() override
    {
        if (QWidget* aberto = QApplication::activePopupWidget())
            aberto->close();
        JanelasXTest::TearDown();
    }

    // The identification dialog in front, active, with the keyboard in its first field.
    void identificacaoProntaParaDigitar()
    {
        ASSERT_TRUE(esperaAte([] { return FIdentificacao && FIdentificacao->isVisible(); }));
        ASSERT_TRUE(ativa(FIdentificacao));
        EXPECT_TRUE(esperaAte([this] { return tela.acimaDe(FIdentificacao, FPrincipal); }));
        FIdentificacao->EIdentificacao->clear();
        EXPECT_TRUE(recebeDigitacao(FIdentificacao->EIdentificacao, QStringLiteral("Lote 7")));
    }

    // A new project's data entry, opened by Enter in the identification dialog.
    void abreEntradaDeDados()
    {
        tela.clica(FPrincipal->tbNovo);
        ASSERT_NO_FATAL_FAILURE(identificacaoProntaParaDigitar());
        tela.tecla(Qt::Key_Return);
        ASSERT_TRUE(esperaAte([] { return FEntdados && !FIdentificacao->isVisible(); }));
    }
};

// "Novo" by its button, by the menu with the mouse and by Alt+P then N; and the menu item
// "Identificação" bringing the dialog back.
TEST_F(TecladoX, CadaCaminhoAteAIdentificacaoDeixaOTecladoNoPrimeiroCampo)
{
    const struct {
        const char* caminho;
        std::function<void()> abre;
    } caminhos[] = {
        {"botão Novo", [this] { tela.clica(FPrincipal->tbNovo); }},
        {"menu Novo", [this] { escolheNoMenu(FPrincipal->Projeto1, FPrincipal->Novo1); }},
        {"Alt+P, N",
         [this] {
             tela.tecla(Qt::Key_P, Qt::AltModifier);
             ASSERT_TRUE(esperaAte([] { return QApplication::activePopupWidget() == FPrincipal->Projeto1; }));
             tela.tecla(Qt::Key_N);
         }},
        {"menu Identificação", [this] { escolheNoMenu(FPrincipal->Projeto1, FPrincipal->Sair2); }},
    };
    for (const auto& caminho : caminhos) {
        SCOPED_TRACE(caminho.caminho);
        if (FIdentificacao)
            FIdentificacao->close();
        tela.clica(FPrincipal->statusBar());
        ASSERT_TRUE(ativa(FPrincipal));
        caminho.abre();
        ASSERT_NO_FATAL_FAILURE(identificacaoProntaParaDigitar());
    }
}

// The field notebook and the evaluation report come in front with the keyboard in them.
TEST_F(TecladoX, CadernetaERelatorioVemParaAFrenteComOTeclado)
{
    const struct {
        const char* janela;
        std::function<QWidget*()> abre;
    } casos[] = {
        {"caderneta",
         [this] {
             escolheNoMenu(FPrincipal->Resultados1, FPrincipal->CadernetadeCampo1);
             esperaAte([] { return FCadernetaDeCampo != nullptr; });
             return static_cast<QWidget*>(FCadernetaDeCampo);
         }},
        {"relatório", [] { FPrincipal->RelatorioDeAvaliacaoClick(); return static_cast<QWidget*>(FRelatorioAvaliacao); }},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.janela);
        tela.clica(FPrincipal->statusBar());
        ASSERT_TRUE(ativa(FPrincipal));
        QWidget* janela = caso.abre();
        ASSERT_NE(janela, nullptr);
        EXPECT_TRUE(ativa(janela));
        EXPECT_TRUE(esperaAte([&] { return tela.noTopo(janela); }));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->window(), janela);
    }
}

// Enter in the identification dialog presses "Ok": the data entry opens with the keyboard
// on the return period.
TEST_F(TecladoX, EnterNaIdentificacaoAbreAEntradaComOTecladoNoTempoDeRetorno)
{
    ASSERT_NO_FATAL_FAILURE(abreEntradaDeDados());
    EXPECT_TRUE(ativa(FPrincipal));
    EXPECT_TRUE(recebeDigitacao(FEntdados->LblEdtTr, QStringLiteral("25")));
}

// Esc in the identification dialog presses "Cancelar": no data entry, nothing to save.
TEST_F(TecladoX, EscNaIdentificacaoCancela)
{
    tela.clica(FPrincipal->tbNovo);
    ASSERT_NO_FATAL_FAILURE(identificacaoProntaParaDigitar());
    tela.tecla(Qt::Key_Escape);
    ASSERT_TRUE(esperaAte([] { return !FIdentificacao->isVisible(); }));
    EXPECT_FALSE(FEntdados);
    EXPECT_FALSE(FPrincipal->SalvarComo1->isEnabled());
    EXPECT_TRUE(ativa(FPrincipal));
}

// A section opened with a click takes the keyboard in its first field.
TEST_F(TecladoX, SecaoAbertaRecebeOTecladoNoPrimeiroCampo)
{
    ASSERT_NO_FATAL_FAILURE(abreEntradaDeDados());
    TFEntdados& e = *FEntdados;
    const struct {
        QToolButton* secao;
        QWidget* campo;
    } casos[] = {
        {e.sbCanal, e.LblEdtComprimentoTerraco}, {e.sbAreaDeContribuicao, e.SGridMira},
        {e.sbPerfilDaCrista, e.SGridCristaInicio}, {e.sbSolo, e.LblEdtSoloTIE},
        {e.sbPrecipitacao, e.LblEdtTr},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.secao->text().toStdString());
        tela.clica(caso.secao);
        ASSERT_TRUE(esperaAte([&] { return caso.campo->isVisible(); }));
        EXPECT_TRUE(esperaAte([&] { return QApplication::focusWidget() == caso.campo; }));
        if (auto* edicao = qobject_cast<QLineEdit*>(caso.campo)) {
            edicao->clear();
            EXPECT_TRUE(recebeDigitacao(edicao, QStringLiteral("12")));
        } else {
            auto* grade = static_cast<TStringGrid*>(caso.campo);
            tela.digita(QStringLiteral("12"));
            tela.tecla(Qt::Key_Return);
            EXPECT_TRUE(esperaAte([grade] { return grade->Cells(grade->Col(), grade->Row()) == QStringLiteral("12"); }));
        }
    }
}
