// The keyboard in the main window: every Alt+letter runs its menu, and every way into a
// window leaves the keyboard in it, on its first control, ready for typing.
#include "tests/app/janelas/AmbienteJanelas.h"
#include "app/URelatorioAvaliacao.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "plataforma/TDialogoArquivo.h"
#include "tests/app/janelas/DigitacaoTerraco.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include <array>
#include <functional>

namespace {

// A key of the user in the main window, as the keyboard sends it.
void tecla(Qt::Key k, Qt::KeyboardModifiers modificadores = Qt::NoModifier)
{
    QTest::keyClick(FPrincipal->windowHandle(), k, modificadores);
}

// Text typed by the user, letter by letter, where the keyboard is.
void digita(const char* texto)
{
    for (const char* letra = texto; *letra != '\0'; ++letra)
        QTest::keyClick(QGuiApplication::focusWindow(), *letra);
}

} // namespace

class TecladoTest : public JanelasTest {
protected:
    void SetUp() override
    {
        JanelasTest::SetUp();
        iniciaPrincipalAtiva();
    }

    void TearDown() override
    {
        if (QWidget* aberto = QApplication::activePopupWidget())
            aberto->close();
        TDialogoArquivo::substitui({});
        JanelasTest::TearDown();
    }

    // The identification dialog in front, active, with the keyboard in its first field.
    static void identificacaoProntaParaDigitar()
    {
        ASSERT_TRUE(FIdentificacao);
        ASSERT_TRUE(esperaAte([] { return QApplication::activeWindow() == FIdentificacao; }));
        EXPECT_EQ(QGuiApplication::focusWindow(), FIdentificacao->windowHandle());
        EXPECT_EQ(QApplication::focusWidget(), FIdentificacao->EIdentificacao);
        FIdentificacao->EIdentificacao->clear();
        digita("Lote 7");
        EXPECT_EQ(FIdentificacao->EIdentificacao->text(), QStringLiteral("Lote 7"));
    }
};

TEST_F(TecladoTest, CadaAltLetraAbreOSeuMenu)
{
    const struct {
        Qt::Key letra;
        QMenu* menu;
    } casos[] = {
        {Qt::Key_P, FPrincipal->Projeto1},
        {Qt::Key_A, FPrincipal->Avaliao1},
        {Qt::Key_I, FPrincipal->Resultados1},
    };
    for (const auto& caso : casos) {
        tecla(caso.letra, Qt::AltModifier);
        EXPECT_TRUE(esperaAte([&] { return QApplication::activePopupWidget() == caso.menu; }))
            << caso.menu->title().toStdString();
        QTest::keyClick(caso.menu, Qt::Key_Escape);
        QTest::keyClick(FPrincipal->menuBar(), Qt::Key_Escape);
        ASSERT_TRUE(esperaAte([] { return QApplication::activePopupWidget() == nullptr; }));
    }
    // "Ajuda" has no letter of its own.
    EXPECT_TRUE(QKeySequence::mnemonic(FPrincipal->Ajuda1->title()).isEmpty());
}

// "Novo" by its button, by the menu with the mouse and by Alt+P then N; and the menu item
// "Identificação" bringing the dialog back.
TEST_F(TecladoTest, CadaCaminhoAteAIdentificacaoDeixaOTecladoNoPrimeiroCampo)
{
    const struct {
        const char* caminho;
        std::function<void()> abre;
    } caminhos[] = {
        {"botão Novo", [] { QTest::mouseClick(FPrincipal->tbNovo, Qt::LeftButton); }},
        {"menu Novo", [] { FPrincipal->Novo1->trigger(); }},
        {"Alt+P, N",
         [] {
             tecla(Qt::Key_P, Qt::AltModifier);
             ASSERT_TRUE(esperaAte([] { return QApplication::activePopupWidget() == FPrincipal->Projeto1; }));
             QTest::keyClick(FPrincipal->Projeto1, Qt::Key_N);
         }},
        {"menu Identificação",
         [] {
             FIdentificacao->close();
             FPrincipal->Sair2->trigger();
         }},
    };
    for (const auto& caminho : caminhos) {
        SCOPED_TRACE(caminho.caminho);
        FPrincipal->activateWindow();
        ASSERT_TRUE(esperaAte([] { return QApplication::activeWindow() == FPrincipal; }));
        caminho.abre();
        identificacaoProntaParaDigitar();
    }
}

// Long texts, typed or read from a project, show from their start when the dialog comes back.
TEST_F(TecladoTest, IdentificacaoReabertaMostraOInicioDosTextosLongos)
{
    const std::string longo = "Terraço de base larga da encosta norte, junto à estrada";
    TDadosTerraco dados;
    dados.identificacao = {longo, longo, longo, longo, longo, longo, longo};
    QTemporaryDir pasta;
    const QString arquivo = pasta.path() + "/longo.txt";
    TGravadorProjeto::grava(arquivo.toStdString(), dados);
    TDialogoArquivo::substitui([arquivo](TDialogoArquivo::TTipo) { return arquivo; });
    FPrincipal->AbrirProjetoClick();
    ASSERT_TRUE(FIdentificacao);
    ASSERT_FALSE(FIdentificacao->isVisible());

    FPrincipal->Sair2->trigger();
    ASSERT_TRUE(esperaAte([] { return QApplication::activeWindow() == FIdentificacao; }));
    EXPECT_EQ(QApplication::focusWidget(), FIdentificacao->EIdentificacao);
    FIdentificacao->EMunicipio->setFocus();
    FIdentificacao->EMunicipio->end(false);
    digita(" e mais");
    FIdentificacao->close();

    FPrincipal->Sair2->trigger();
    ASSERT_TRUE(esperaAte([] { return QApplication::activeWindow() == FIdentificacao; }));
    for (const QLineEdit* campo : camposIdentificacao(FIdentificacao)) {
        EXPECT_GT(QFontMetrics(campo->font()).horizontalAdvance(campo->text()), campo->width());
        EXPECT_EQ(campo->cursorPosition(), 0) << campo->objectName().toStdString();
    }
}

// The field notebook and the evaluation report come in front with the keyboard in them.
TEST_F(TecladoTest, CadernetaERelatorioRecebemOTeclado)
{
    const struct {
        const char* janela;
        std::function<QWidget*()> abre;
    } casos[] = {
        {"caderneta", [] { FPrincipal->CadernetadeCampo1->trigger(); return static_cast<QWidget*>(FCadernetaDeCampo); }},
        {"relatório", [] { FPrincipal->RelatorioDeAvaliacaoClick(); return static_cast<QWidget*>(FRelatorioAvaliacao); }},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.janela);
        FPrincipal->activateWindow();
        ASSERT_TRUE(esperaAte([] { return QApplication::activeWindow() == FPrincipal; }));
        QWidget* janela = caso.abre();
        ASSERT_NE(janela, nullptr);
        EXPECT_TRUE(esperaAte([janela] { return QApplication::activeWindow() == janela; }));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->window(), janela);
    }
}
