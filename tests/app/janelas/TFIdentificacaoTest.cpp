#include "tests/app/janelas/AmbienteJanelas.h"
#include "plataforma/TLabeledEdit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QToolButton>

namespace {

const char* const edicoes[] = {"EIdentificacao", "EMunicipio", "EEstado", "ELocalidade",
                               "EProprietario",  "EData",      "EResponsavel"};

// The next control that the Tab key reaches.
QWidget* proximoNaTabulacao(QWidget* controle)
{
    QWidget* proximo = controle->nextInFocusChain();
    while (!(proximo->focusPolicy() & Qt::TabFocus))
        proximo = proximo->nextInFocusChain();
    return proximo;
}

} // namespace

class IdentificacaoTest : public JanelasTest {
protected:
    void SetUp() override
    {
        JanelasTest::SetUp();
        iniciaPrincipal();
        FPrincipal->Novo1->trigger();
        ASSERT_TRUE(FIdentificacao);
    }
};

TEST_F(IdentificacaoTest, CamposRotulosEBotoesNoLugar)
{
    TFIdentificacao* d = FIdentificacao;
    EXPECT_EQ(d->windowTitle(), "Identificação do Terraço");
    EXPECT_EQ(d->size(), QSize(424, 301));
    EXPECT_TRUE(d->windowFlags() & Qt::Tool);
    EXPECT_FALSE(FPrincipal->areaMdi()->isAncestorOf(d));

    const int topos[] = {29, 56, 83, 110, 137, 164, 191};
    const char* const rotulos[] = {"Identificação do Terraço", "Município", "Estado", "Localidade", "Proprietário",
                                   "Data (dd/mm/aaaa)", "Responsável"};
    QWidget* anterior = nullptr;
    for (int i = 0; i < 7; ++i) {
        auto* edicao = d->findChild<QLineEdit*>(edicoes[i]);
        ASSERT_NE(edicao, nullptr) << edicoes[i];
        EXPECT_EQ(edicao->geometry().topLeft(), QPoint(184, topos[i])) << edicoes[i];
        EXPECT_EQ(edicao->width(), 193) << edicoes[i];
        EXPECT_TRUE(edicao->text().isEmpty()) << edicoes[i];
        EXPECT_TRUE(edicao->inputMask().isEmpty()) << edicoes[i];
        if (anterior != nullptr) {
            EXPECT_EQ(proximoNaTabulacao(anterior), edicao) << edicoes[i];
        }
        anterior = edicao;

        QLabel* rotulo = nullptr;
        for (QLabel* l : d->findChildren<QLabel*>()) {
            if (l->buddy() == edicao)
                rotulo = l;
        }
        ASSERT_NE(rotulo, nullptr) << edicoes[i];
        EXPECT_EQ(rotulo->text(), QString::fromUtf8(rotulos[i]));
        // Right edges in line, just left of the edits.
        EXPECT_EQ(rotulo->geometry().right(), 179) << edicoes[i];
        EXPECT_GE(rotulo->width(), rotulo->sizeHint().width()) << edicoes[i];
        EXPECT_EQ(rotulo->y(), topos[i]) << edicoes[i];
    }

    struct Botao {
        QPushButton* botao;
        const char* nome;
        const char* legenda;
        int esquerda;
    };
    for (const Botao& b : {Botao{d->OK, "OK", "Ok", 122}, Botao{d->Cancelar, "Cancelar", "Cancelar", 214},
                           Botao{d->BitBtn1, "BitBtn1", "Ajuda", 303}}) {
        EXPECT_EQ(b.botao->objectName(), b.nome);
        EXPECT_EQ(b.botao->text(), b.legenda);
        EXPECT_EQ(b.botao->geometry(), QRect(b.esquerda, 259, 75, 25)) << b.nome;
    }
    EXPECT_EQ(proximoNaTabulacao(d->EResponsavel), d->OK);
    EXPECT_EQ(proximoNaTabulacao(d->OK), d->Cancelar);
    EXPECT_EQ(proximoNaTabulacao(d->Cancelar), d->BitBtn1);
    EXPECT_EQ(d->Bevel1->geometry().topLeft(), QPoint(16, 233));
    EXPECT_EQ(d->Bevel1->width(), 393);
    EXPECT_EQ(d->Bevel1->frameShape(), QFrame::HLine);
}

TEST_F(IdentificacaoTest, OkNumProjetoNovoAbreAEntradaDeDadosNaJanelaPrincipal)
{
    FIdentificacao->EIdentificacao->setText("Terraço 3");
    FIdentificacao->OK->click();
    ASSERT_TRUE(FEntdados);
    EXPECT_TRUE(FEntdados->isVisible());
    const auto molduras = FPrincipal->areaMdi()->subWindowList();
    ASSERT_EQ(molduras.size(), 1);
    EXPECT_EQ(molduras[0]->widget(), FEntdados.data());
    EXPECT_TRUE(FPrincipal->EntradaDeDados1->isEnabled());
    EXPECT_FALSE(FIdentificacao->isVisible());
    EXPECT_EQ(FIdentificacao->EIdentificacao->text(), "Terraço 3");
}

// A later "Ok" never throws away the values typed into the data entry.
TEST_F(IdentificacaoTest, OkDeNovoMantemAEntradaDeDadosPreenchida)
{
    FIdentificacao->OK->click();
    QPointer<TFEntdados> primeira = FEntdados;
    primeira->LblEdtK->setText("1200");
    FPrincipal->Sair2->trigger();
    FIdentificacao->EMunicipio->setText("Lavras");
    FIdentificacao->OK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(primeira);
    EXPECT_EQ(FEntdados.data(), primeira.data());
    EXPECT_EQ(FEntdados->LblEdtK->text(), "1200");
    EXPECT_EQ(FPrincipal->areaMdi()->subWindowList().size(), 1);
    EXPECT_FALSE(FIdentificacao->isVisible());
}

// Started from "&Identificação" without "Novo", the project can be saved and closed.
TEST_F(JanelasTest, OkSemNovoDaUmProjetoQueSeSalvaEFecha)
{
    iniciaPrincipal();
    FPrincipal->Sair2->trigger();
    FIdentificacao->OK->click();
    ASSERT_TRUE(FEntdados);
    for (QAction* item : {FPrincipal->SalvarComo1, FPrincipal->Fechar1, FPrincipal->EntradaDeDados1})
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    EXPECT_TRUE(FPrincipal->tbFechar->isEnabled());
}

TEST_F(IdentificacaoTest, OkNumProjetoLidoDeArquivoSoEsconde)
{
    FPrincipal->projetoAberto = true;
    auto* lida = new TFEntdados(nullptr);
    FEntdados = lida;
    FPrincipal->mostraJanelaFilha(lida);
    FIdentificacao->EProprietario->setText("Maria");
    FIdentificacao->OK->click();
    EXPECT_EQ(FEntdados.data(), lida);
    EXPECT_FALSE(FPrincipal->EntradaDeDados1->isEnabled());
    EXPECT_FALSE(FIdentificacao->isVisible());
    EXPECT_EQ(FIdentificacao->EProprietario->text(), "Maria");
}

// Without a data entry there is nothing to save; with one, "Cancelar" only hides.
TEST_F(IdentificacaoTest, CancelarTiraOSalvarComoSoSemEntradaDeDados)
{
    for (const bool comEntrada : {false, true}) {
        SCOPED_TRACE(comEntrada);
        if (comEntrada)
            FPrincipal->iniciaEntradaDeDados();
        FPrincipal->SalvarComo1->setEnabled(true);
        FPrincipal->projetoSalvo = true;
        FPrincipal->Sair2->trigger();
        FIdentificacao->EData->setText("12/03/2024");
        FIdentificacao->Cancelar->click();
        EXPECT_FALSE(FIdentificacao->isVisible());
        EXPECT_EQ(FPrincipal->SalvarComo1->isEnabled(), comEntrada);
        EXPECT_EQ(FPrincipal->projetoSalvo, comEntrada);
        EXPECT_EQ(FIdentificacao->EData->text(), "12/03/2024");
    }
}

TEST_F(IdentificacaoTest, FecharPelaMolduraSoEsconde)
{
    FPrincipal->SalvarComo1->setEnabled(true);
    FPrincipal->projetoSalvo = true;
    QPointer<TFIdentificacao> dialogo = FIdentificacao;
    dialogo->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(dialogo);
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_FALSE(FEntdados);
    EXPECT_TRUE(FPrincipal->SalvarComo1->isEnabled());
    EXPECT_TRUE(FPrincipal->projetoSalvo);
}

// Alone, the dialog only tells: "Ok" leaves it open for its owner to close, "Cancelar"
// closes it first; neither makes or changes any other window.
TEST_F(JanelasTest, OkECancelarSoAvisamODono)
{
    TFIdentificacao dialogo;
    dialogo.show();
    QStringList avisos;
    const auto anota = [&](const QString& aviso) { avisos << aviso + (dialogo.isVisible() ? " aberto" : " fechado"); };
    QObject::connect(&dialogo, &TFIdentificacao::confirmada, [&] { anota("Ok"); });
    QObject::connect(&dialogo, &TFIdentificacao::cancelada, [&] { anota("Cancelar"); });
    dialogo.OK->click();
    EXPECT_TRUE(dialogo.isVisible());
    dialogo.Cancelar->click();
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(avisos, (QStringList{"Ok aberto", "Cancelar fechado"}));
    EXPECT_FALSE(FEntdados);
    EXPECT_FALSE(FPrincipal);
}

TEST_F(IdentificacaoTest, AjudaAbreOContexto10025)
{
    FIdentificacao->BitBtn1->click();
    EXPECT_EQ(contextosPedidos(), std::vector<std::uintptr_t>{10025});
}

// Enter presses "Ok", or the button that has the keyboard; Esc presses "Cancelar", from
// any field.
TEST_F(IdentificacaoTest, EnterPressionaOBotaoPadraoEEscCancela)
{
    const struct {
        const char* controle;
        Qt::Key tecla;
        const char* botao;
    } casos[] = {
        {"EIdentificacao", Qt::Key_Return, "OK"},  {"EResponsavel", Qt::Key_Enter, "OK"},
        {"OK", Qt::Key_Return, "OK"},              {"Cancelar", Qt::Key_Return, "Cancelar"},
        {"BitBtn1", Qt::Key_Return, "BitBtn1"},    {"EData", Qt::Key_Escape, "Cancelar"},
        {"Cancelar", Qt::Key_Escape, "Cancelar"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.controle) + " " + QKeySequence(caso.tecla).toString().toStdString());
        FPrincipal->Sair2->trigger();
        ASSERT_TRUE(FIdentificacao->isVisible());
        QStringList pressionados;
        for (QPushButton* b : {FIdentificacao->OK, FIdentificacao->Cancelar, FIdentificacao->BitBtn1})
            QObject::connect(b, &QPushButton::clicked, FIdentificacao, [&pressionados, b] { pressionados << b->objectName(); });
        auto* controle = FIdentificacao->findChild<QWidget*>(caso.controle);
        ASSERT_NE(controle, nullptr);
        controle->setFocus();
        QTest::keyClick(controle, caso.tecla);
        EXPECT_EQ(pressionados, QStringList{caso.botao});
        for (QPushButton* b : {FIdentificacao->OK, FIdentificacao->Cancelar, FIdentificacao->BitBtn1})
            QObject::disconnect(b, &QPushButton::clicked, FIdentificacao, nullptr);
    }
}
