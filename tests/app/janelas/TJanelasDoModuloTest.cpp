#include "tests/app/janelas/AmbienteJanelas.h"
#include "app/URelatorioAvaliacao.h"
#include "plataforma/TLabeledEdit.h"
#include "plataforma/nucleo/Excecoes.h"
#include "tests/app/nucleo/TerracoRealista.h"

#include <QPushButton>

#include <optional>

// The windows on demand as an owner of their own connects them, through the module's
// interface alone.
class JanelasDoModulo : public JanelasTest {
protected:
    QObject dono;
    QStringList avisos;
    TLigacoesProjeto ligacoes;

    void SetUp() override
    {
        JanelasTest::SetUp();
        ligacoes.contexto = &dono;
        ligacoes.identificacao = [] {
            return std::optional(TTextosIdentificacao{"Terraço 3", "Lavras", "MG", "", "", "", ""});
        };
        ligacoes.aoPedirFechar = [this] { avisos << "fechar"; };
        ligacoes.aoConcluirAvaliacao = [this] { avisos << "avaliação"; };
        ligacoes.aoFecharRelatorio = [this] { avisos << "relatório"; };
    }

    void TearDown() override
    {
        TJanelasSobDemanda::carrega().fechaRelatorioECaderneta();
        TJanelasSobDemanda::carrega().fechaEntradaDeDados();
        JanelasTest::TearDown();
    }

    TFEntdados* entradaCalculada()
    {
        TFEntdados* entrada = TJanelasSobDemanda::carrega().criaEntradaDeDados(ligacoes);
        entrada->show();
        entrada->escreveDados(terracoRealista());
        entrada->BttCalcula->click();
        EXPECT_EQ(entrada->paginaAtiva(), "CapacidadeDeArmazenamento");
        return entrada;
    }
};

// The page of a report is the identification its owner hands in and what the data entry
// shows; each event goes to the owner's command for it.
TEST_F(JanelasDoModulo, CadaEventoVaiAoSeuComandoDoDono)
{
    TFEntdados* entrada = entradaCalculada();
    TJanelasSobDemanda::carrega().abreRelatorioAvaliacao(nullptr, ligacoes);
    ASSERT_TRUE(FRelatorioAvaliacao);
    EXPECT_EQ(FRelatorioAvaliacao->LIdentificacaoTerraco->text(), "Terraço 3");
    EXPECT_EQ(FRelatorioAvaliacao->Lk->text(), "500");
    EXPECT_EQ(FRelatorioAvaliacao->LRAvaliacao->text(), entrada->LblEdtAvaliacao->text());
    FRelatorioAvaliacao->Button2->click();
    EXPECT_FALSE(FRelatorioAvaliacao);
    entrada->BttCancela->click();
    EXPECT_EQ(avisos, (QStringList{"avaliação", "relatório", "fechar"}));
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
}

// A command of the owner that fails shows its message, as any command does, and the
// window that told it goes on.
TEST_F(JanelasDoModulo, ComandoDoDonoQueFalhaMostraSuaMensagem)
{
    ligacoes.aoConcluirAvaliacao = [] { throw EInOutError("A avaliação não foi anotada."); };
    ligacoes.aoFecharRelatorio = [] { throw EInOutError("O relatório não foi esquecido."); };
    ligacoes.aoPedirFechar = [] { throw EInOutError("O projeto não foi fechado."); };
    TFEntdados* entrada = entradaCalculada();
    TJanelasSobDemanda::carrega().abreRelatorioAvaliacao(nullptr, ligacoes);
    ASSERT_TRUE(FRelatorioAvaliacao);
    QPointer<TFRelatorioAvaliacao> relatorio = FRelatorioAvaliacao;
    relatorio->Button2->click();
    EXPECT_FALSE(relatorio->isVisible());
    entrada->BttCancela->click();
    EXPECT_TRUE(entrada->isVisible());
    EXPECT_EQ(mensagens, (QStringList{"A avaliação não foi anotada.", "O relatório não foi esquecido.",
                                      "O projeto não foi fechado."}));
}
