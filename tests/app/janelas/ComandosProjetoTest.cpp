#include "tests/app/nucleo/TerracoRealista.h"
#include "app/TImagensGuia.h"
#include "app/URelatorioAvaliacao.h"
#include "app/nucleo/TCaracteresNaoGravaveis.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "app/plataforma/TGrafico.h"
#include "app/plataforma/TStringGrid.h"
#include "plataforma/TDialogoArquivo.h"
#include "plataforma/TLabeledEdit.h"
#include "plataforma/TRadioGroup.h"
#include "plataforma/TextoQt.h"
#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "tests/app/janelas/AmbienteJanelas.h"
#include "tests/app/janelas/ConsultaNaEntrada.h"
#include "tests/app/janelas/DigitacaoTerraco.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

#include <array>
#include <deque>
#include <optional>

using TextoQt::q;

namespace {

QByteArray conteudo(const QString& caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

TDadosTerraco projetoRealista()
{
    TDadosTerraco d = terracoRealista();
    d.identificacao = {"Terraço 3", "Lavras", "MG", "Fazenda Água Limpa", "José Antônio", "12/03/2024",
                       "Eng. Agr. Márcia"};
    return d;
}

} // namespace

// The main window started, with every question answered from a queue and every answer
// asked for recorded.
class ComandosProjeto : public PrincipalComArquivos {
protected:
    std::deque<TCaixaMensagem::TResposta> respostas;
    QStringList perguntas;
    QTemporaryDir pasta;

    void SetUp() override
    {
        PrincipalComArquivos::SetUp();
        TCaixaMensagem::substitui([this](const QString& texto) { mensagens << texto; },
                                  [this](const QString& texto) {
                                      perguntas << texto;
                                      if (respostas.empty())
                                          return TCaixaMensagem::TResposta::Cancelar;
                                      const auto resposta = respostas.front();
                                      respostas.pop_front();
                                      return resposta;
                                  });
        iniciaPrincipal();
    }

    void TearDown() override
    {
        TImagensGuia::definePasta(QString());
        TImagensGuia::esqueceAvisos();
        PrincipalComArquivos::TearDown();
    }

    QString caminho(const QString& nome) const { return pasta.path() + "/" + nome; }

    QString gravaProjeto(const QString& nome, const TDadosTerraco& dados)
    {
        TGravadorProjeto::grava(caminho(nome).toStdString(), dados);
        return caminho(nome);
    }

    void abre(const QString& arquivo)
    {
        arquivosEscolhidos.push_back(arquivo);
        FPrincipal->Abrir1->trigger();
    }

    void salvaComo(const QString& arquivo)
    {
        arquivosEscolhidos.push_back(arquivo);
        FPrincipal->SalvarComo1->trigger();
    }

    // A new project with its data entry, as "Novo" and the identification's "Ok" give it.
    void novoProjeto()
    {
        FPrincipal->Novo1->trigger();
        FIdentificacao->OK->click();
        ASSERT_TRUE(FEntdados);
    }

    void abreSecao(QToolButton* botao) { QTest::mouseClick(botao, Qt::LeftButton); }
};

// ---- "Calcular" ---------------------------------------------------------------------------

TEST_F(ComandosProjeto, TerracoDigitadoAteOVeredito)
{
    novoProjeto();
    digitaTerraco(FEntdados);
    EXPECT_EQ(FEntdados->lerDados(), terracoRealista());

    QTest::mouseClick(FEntdados->BttCalcula, Qt::LeftButton);
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
    EXPECT_EQ(FEntdados->windowTitle(), "Capacidade de armazenamento do terraço");
    EXPECT_EQ(FEntdados->paginaAtiva(), "CapacidadeDeArmazenamento");
    const auto texto = [](const char* nome) { return FEntdados->findChild<QLineEdit*>(nome)->text(); };
    EXPECT_EQ(texto("LblEdtRVe"), "138,54 ");
    EXPECT_EQ(texto("LblEdtRVn"), "184,71 ");
    EXPECT_EQ(texto("LblEdtVeVn"), "75,00 ");
    EXPECT_EQ(texto("LblEdtAvaliacao"), "Terraço INADEQUADO!");
    EXPECT_EQ(texto("LblEdtRCotaCrista"), "0,47 ");
    EXPECT_EQ(FEntdados->LblRAc->text(), "9801,56 ");
    EXPECT_EQ(FEntdados->SGridResultadosAr->Cells(1, 2), "0,53 ");
    EXPECT_EQ(FEntdados->SGridRMedia->Cells(1, 0), "0,44 ");
    EXPECT_TRUE(FEntdados->MemObs->toPlainText().startsWith("Crista 4,00  cm acima"));
    EXPECT_EQ(FEntdados->nPontosCrista, 7);
    EXPECT_EQ(FEntdados->textoCota(FEntdados->SGridCristaInicio, 0), "0,43 ");
    EXPECT_EQ(FEntdados->textoCota(FEntdados->SGridCristaMeio, 4), "0,47 ");
    EXPECT_EQ(FEntdados->textoCota(FEntdados->SGridCristaMeio, 5), "");
    EXPECT_EQ(FEntdados->textoCota(FEntdados->SGridCristaFim, 0), "0,60 ");
    EXPECT_EQ(FEntdados->Chart1->quantidadeSeries(), 6);
    EXPECT_TRUE(FPrincipal->CapacidadedeArmazenamento1->isEnabled());

    FEntdados->Button1->click();
    EXPECT_EQ(FEntdados->windowTitle(), "Entrada de Dados");
    EXPECT_EQ(FEntdados->paginaAtiva(), "EntradaDeDados");
}

TEST_F(ComandosProjeto, CalculoQueFalhaMostraAMensagemEOQueJaSeEscreveu)
{
    novoProjeto();
    TDadosTerraco d = terracoRealista();
    d.EdtAreaContibuicaoSemiELargura.clear();
    FEntdados->escreveDados(d);

    FEntdados->BttCalcula->click();
    EXPECT_EQ(mensagens, QStringList{"Exitem campos necessários em brancos, por favor revise os campos de "
                                     "\"Precipitação\", \"Canal\", \"Área de Contribuição\", \"Perfil da Crista\" "
                                     "e \"Solo\"."});
    EXPECT_EQ(FEntdados->windowTitle(), "Capacidade de armazenamento do terraço");
    EXPECT_EQ(FEntdados->paginaAtiva(), "EntradaDeDados");
    EXPECT_FALSE(FPrincipal->CapacidadedeArmazenamento1->isEnabled());
    // The steps before the road wrote their part of the page.
    EXPECT_EQ(FEntdados->LblRLES->text(), "15,19 ");
    EXPECT_EQ(FEntdados->LblEdtRCotaCrista->text(), "0,47 ");
    EXPECT_EQ(FEntdados->SGridResultadosAr->Cells(1, 4), "0,50 ");
    EXPECT_EQ(FEntdados->Chart1->quantidadeSeries(), 6);
    EXPECT_TRUE(FEntdados->LblEdtRVe->text().isEmpty());
}

// A slip anyone makes in the grid, C-F1 typed past C-F2, after a run that gave a verdict:
// the message says where, and the results page keeps no verdict, not even the earlier one.
TEST_F(ComandosProjeto, TerracoImpossivelDizPorQueESemVeredito)
{
    novoProjeto();
    FEntdados->escreveDados(terracoRealista());
    FEntdados->BttCalcula->click();
    ASSERT_EQ(FEntdados->LblEdtAvaliacao->text(), "Terraço INADEQUADO!");
    FEntdados->Button1->click();

    abreSecao(FEntdados->sbCanal);
    digitaNaCelula(FEntdados->SGridCanalSecao, 2, 3, QStringLiteral("2,90"));
    FEntdados->BttCalcula->click();
    EXPECT_EQ(mensagens, QStringList{"Em \"Canal\", na seção 3, a distância C-F1 é maior que C-F2."});
    EXPECT_EQ(FEntdados->paginaAtiva(), "EntradaDeDados");

    FPrincipal->CapacidadedeArmazenamento1->trigger();
    EXPECT_EQ(FEntdados->paginaAtiva(), "CapacidadeDeArmazenamento");
    for (const QLineEdit* valor : {FEntdados->LblEdtRVe, FEntdados->LblEdtRVn, FEntdados->LblEdtVeVn,
                                   FEntdados->LblEdtAvaliacao})
        EXPECT_EQ(valor->text(), "") << valor->objectName().toStdString();
    EXPECT_EQ(FEntdados->MemObs->toPlainText(), "");
}

// Soil that takes in the whole storm: the page shows no verdict and says why in the
// observation's room, with no message box; a later verdict gives the room back.
TEST_F(ComandosProjeto, CalculoSemVereditoDizPorqueNaPagina)
{
    novoProjeto();
    TDadosTerraco d = terracoRealista();
    d.LblEdtSoloTIE = "1000";
    d.RadioButtonContribui = false;
    d.RadioButtonNaoContribui = true;
    FEntdados->escreveDados(d);
    FEntdados->BttCalcula->click();
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
    EXPECT_EQ(FEntdados->paginaAtiva(), "CapacidadeDeArmazenamento");
    EXPECT_EQ(FEntdados->LblEdtRVn->text(), "0,00 ");
    EXPECT_EQ(FEntdados->LblEdtVeVn->text(), "");
    EXPECT_EQ(FEntdados->LblEdtAvaliacao->text(), "");
    EXPECT_TRUE(FEntdados->LblEdtAvaliacao->isVisible());
    EXPECT_EQ(FEntdados->MemObs->toPlainText(), "");
    EXPECT_FALSE(FEntdados->MemObs->isVisible());
    EXPECT_FALSE(FEntdados->Label13->isVisible());
    EXPECT_TRUE(FEntdados->LblMotivoSemAvaliacao->isVisible());
    EXPECT_EQ(FEntdados->LblMotivoSemAvaliacao->text(),
              "Sem avaliação: não há escoamento, pois toda a chuva de projeto se infiltra.");
    // Every such line shows whole in its room.
    const QLabel* motivo = FEntdados->LblMotivoSemAvaliacao;
    const char* const linhas[] = {
        "Sem avaliação: não há área agrícola nem estrada que escoe para o terraço.",
        "Sem avaliação: o canal não tem seções levantadas.",
        "Sem avaliação: o canal não armazena água, pois nenhuma seção tem área abaixo da CBC e da CE.",
        "Sem avaliação: não há escoamento, pois toda a chuva de projeto se infiltra.",
        "Sem avaliação: o volume de escoamento é pequeno demais para aparecer (Vn 0,00 m³).",
    };
    for (const char* linha : linhas) {
        const QRect texto = motivo->fontMetrics().boundingRect(motivo->rect(), Qt::TextWordWrap, linha);
        EXPECT_LE(texto.height(), motivo->height()) << linha;
        EXPECT_LE(texto.width(), motivo->width()) << linha;
    }

    FEntdados->escreveDados(terracoRealista());
    FEntdados->BttCalcula->click();
    EXPECT_EQ(FEntdados->LblEdtAvaliacao->text(), "Terraço INADEQUADO!");
    EXPECT_FALSE(FEntdados->LblMotivoSemAvaliacao->isVisible());
    EXPECT_TRUE(FEntdados->MemObs->isVisible());
    EXPECT_TRUE(FEntdados->Label13->isVisible());
}

// Numbers are Brazilian from the program's start, before any evaluation.
TEST(InicioDoPrograma, NumerosBrasileirosDesdeOInicio)
{
    EXPECT_EQ(configuracaoRegional().DecimalSeparator, ',');
    EXPECT_EQ(configuracaoRegional().ThousandSeparator, '.');
    EXPECT_EQ(configuracaoRegional().DateSeparator, '/');
    EXPECT_EQ(configuracaoRegional().ShortDateFormat, "DD/MM/YYYY");
}

// ---- Open, save, close ---------------------------------------------------------------------

TEST_F(ComandosProjeto, AbrirCalcularSalvarComoFecharEAbrirDeNovo)
{
    const QString original = gravaProjeto("original.txt", projetoRealista());
    abre(original);
    ASSERT_TRUE(FEntdados);
    EXPECT_EQ(FPrincipal->nomeArquivo, original);
    EXPECT_EQ(FIdentificacao->EResponsavel->text(), "Eng. Agr. Márcia");
    EXPECT_FALSE(FIdentificacao->isVisible());
    EXPECT_TRUE(FEntdados->RadioButtonContribui->isChecked());
    EXPECT_TRUE(FEntdados->EdtAreaContibuicaoSemiELargura->isEnabled());
    EXPECT_EQ(FEntdados->LblEdtRVe->text(), "");

    FEntdados->BttCalcula->click();
    EXPECT_EQ(FEntdados->LblEdtAvaliacao->text(), "Terraço INADEQUADO!");

    salvaComo(caminho("copia"));
    EXPECT_EQ(FPrincipal->nomeArquivo, caminho("copia.txt"));
    EXPECT_EQ(conteudo(caminho("copia.txt")), conteudo(original));

    respostas = {TCaixaMensagem::TResposta::Nao};
    FPrincipal->Fechar1->trigger();
    EXPECT_FALSE(FEntdados);
    EXPECT_FALSE(FIdentificacao);

    abre(caminho("copia.txt"));
    ASSERT_TRUE(FEntdados);
    TDadosTerraco lido = FEntdados->lerDados();
    lido.identificacao = FIdentificacao->textos();
    EXPECT_EQ(lido, projetoRealista());
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
}

TEST_F(ComandosProjeto, ArquivoTriangularAbreComAsColunasDoTriangulo)
{
    abre(QStringLiteral(MORLIN_DIR_TESTES "/app/nucleo/dados/triangular_trena.txt"));
    ASSERT_TRUE(FEntdados);
    EXPECT_EQ(FEntdados->CBTipoSecao->currentIndex(), secaoTriangular);
    EXPECT_EQ(FEntdados->SGridCanalSecao->ColWidths(3), 56);
    EXPECT_EQ(FEntdados->SGridCanalSecao->ColWidths(4), 0);
    EXPECT_EQ(FEntdados->RadioGTipoDeLevantamento->ItemIndex(), levantamentoTrena);
    EXPECT_EQ(FEntdados->NoteAreaDeContribuicao->currentWidget()->objectName(), "trena");
    EXPECT_TRUE(FEntdados->RadioButtonNaoContribui->isChecked());
    EXPECT_FALSE(FEntdados->EdtAreaContibuicaoSemiELargura->isEnabled());
}

TEST_F(ComandosProjeto, SalvarEscreveDeVoltaNoMesmoArquivo)
{
    const QString arquivo = gravaProjeto("p.txt", projetoRealista());
    abre(arquivo);
    FEntdados->LblEdtSoloTIE->setText("12,5");
    FPrincipal->tbSalvar->click();
    EXPECT_TRUE(dialogos.size() == 1);
    TDadosTerraco esperado = projetoRealista();
    esperado.LblEdtSoloTIE = "12,5";
    EXPECT_EQ(conteudo(arquivo), QByteArray::fromStdString(TGravadorProjeto::texto(esperado)));
    EXPECT_TRUE(FPrincipal->projetoSalvo);
}

TEST_F(ComandosProjeto, SalvarComoAcrescentaTxtSalvoComAsMinusculas)
{
    novoProjeto();
    const struct {
        const char* escolhido;
        const char* gravado;
    } casos[] = {{"a.txt", "a.txt"}, {"b", "b.txt"}, {"c.TXT", "c.TXT.txt"}, {"d.txt.bak", "d.txt.bak.txt"}};
    for (const auto& [escolhido, gravado] : casos) {
        salvaComo(caminho(escolhido));
        EXPECT_EQ(FPrincipal->nomeArquivo, caminho(gravado));
        EXPECT_TRUE(QFileInfo::exists(caminho(gravado))) << gravado;
    }
}

// A file that exists is replaced only once the user agrees; "Não" brings the dialog back
// for another name, and a cancel there saves nothing. The question names the file that
// would be written, ".txt" added.
TEST_F(ComandosProjeto, SalvarComoPerguntaAntesDeSubstituirUmArquivo)
{
    const QString arquivo = gravaProjeto("existente.txt", projetoRealista());
    const QByteArray original = conteudo(arquivo);
    const QString pergunta = "O arquivo existente.txt já existe.\nDeseja substituí-lo?";
    novoProjeto();

    respostas = {TCaixaMensagem::TResposta::Nao};
    arquivosEscolhidos = {caminho("existente"), caminho("outro.txt")};
    FPrincipal->SalvarComo1->trigger();
    EXPECT_EQ(perguntas, QStringList{pergunta});
    EXPECT_EQ(dialogos.size(), 2u);
    EXPECT_EQ(conteudo(arquivo), original);
    EXPECT_EQ(FPrincipal->nomeArquivo, caminho("outro.txt"));

    perguntas.clear();
    respostas = {TCaixaMensagem::TResposta::Nao};
    salvaComo(arquivo);
    EXPECT_EQ(perguntas, QStringList{pergunta});
    EXPECT_EQ(conteudo(arquivo), original);
    EXPECT_EQ(FPrincipal->nomeArquivo, caminho("outro.txt"));

    respostas = {TCaixaMensagem::TResposta::Sim};
    salvaComo(arquivo);
    EXPECT_EQ(conteudo(arquivo), QByteArray::fromStdString(TGravadorProjeto::texto(TDadosTerraco{})));
    EXPECT_EQ(FPrincipal->nomeArquivo, arquivo);
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
}

TEST_F(ComandosProjeto, SalvarSemEntradaDeDadosEOperacaoInvalida)
{
    FPrincipal->SalvarClick();
    FPrincipal->SalvarComoClick();
    EXPECT_EQ(mensagens, (QStringList{"operação inválida", "operação inválida"}));
    EXPECT_TRUE(dialogos.empty());
}

TEST_F(ComandosProjeto, SalvarComoQueFalhaNaoTrocaOArquivoDoProjeto)
{
    const QString arquivo = gravaProjeto("p.txt", projetoRealista());
    abre(arquivo);
    salvaComo(caminho("pasta-que-nao-existe/outro.txt"));
    EXPECT_EQ(mensagens.size(), 1);
    EXPECT_EQ(FPrincipal->nomeArquivo, arquivo);
}

// ---- A failed open --------------------------------------------------------------------------

TEST_F(ComandosProjeto, AberturaQueFalhaDeixaOProjetoComoEstava)
{
    const QString arquivo = gravaProjeto("bom.txt", projetoRealista());
    abre(arquivo);
    QPointer<TFEntdados> entrada = FEntdados;
    QPointer<TFIdentificacao> identificacao = FIdentificacao;

    QFile ruim(caminho("ruim.txt"));
    ASSERT_TRUE(ruim.open(QIODevice::WriteOnly));
    ruim.write(conteudo(arquivo).replace("Tipo de secao:1", "Tipo de secao:x"));
    ruim.close();
    abre(caminho("ruim.txt"));
    abre(caminho("nao-existe.txt"));
    EXPECT_EQ(mensagens, (QStringList{"'x' is not a valid integer value", "File not found"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FEntdados.data(), entrada.data());
    EXPECT_EQ(FIdentificacao.data(), identificacao.data());
    EXPECT_EQ(FPrincipal->nomeArquivo, arquivo);
    EXPECT_EQ(FEntdados->LblEdtK->text(), "500");
}

// Missing guide pictures are told once each; the project is read to its end all the same.
TEST_F(ComandosProjeto, ImagensAusentesNaoInterrompemALeitura)
{
    const QString arquivo = gravaProjeto("p.txt", projetoRealista());
    TImagensGuia::definePasta(caminho("sem-imagens/"));
    abre(arquivo);
    abre(arquivo);
    ASSERT_TRUE(FEntdados);
    EXPECT_EQ(FEntdados->SGridCristaFim->Cells(1, 0), "1,45");
    EXPECT_EQ(FEntdados->LblEdtSoloTIE->text(), "10");
    EXPECT_FALSE(mensagens.isEmpty());
    EXPECT_EQ(mensagens.removeDuplicates(), 0);
    for (const QString& m : mensagens)
        EXPECT_TRUE(m.startsWith("O arquivo ") && m.endsWith(" não existe.")) << m.toStdString();
}

// ---- Save prompt ------------------------------------------------------------------------------

// A project just read, or just saved, closes without a question; a change asks, and Yes
// writes it back.
TEST_F(ComandosProjeto, FecharSoPerguntaComTrabalhoNaoSalvo)
{
    const QString arquivo = gravaProjeto("p.txt", projetoRealista());
    abre(arquivo);
    FPrincipal->tbFechar->click();
    EXPECT_TRUE(perguntas.isEmpty());
    EXPECT_FALSE(FEntdados);

    abre(arquivo);
    ASSERT_TRUE(FEntdados);
    FEntdados->LblEdtK->setText("600");
    FPrincipal->tbSalvar->click();
    FPrincipal->tbFechar->click();
    EXPECT_TRUE(perguntas.isEmpty());
    EXPECT_FALSE(FEntdados);

    abre(arquivo);
    ASSERT_TRUE(FEntdados);
    FEntdados->LblEdtK->setText("700");
    respostas = {TCaixaMensagem::TResposta::Cancelar};
    FPrincipal->tbFechar->click();
    EXPECT_EQ(perguntas, QStringList{"Deseja salvar o projeto?"});
    ASSERT_TRUE(FEntdados);

    respostas = {TCaixaMensagem::TResposta::Sim};
    FEntdados->BttCancela->click();
    EXPECT_FALSE(FEntdados);
    EXPECT_TRUE(conteudo(arquivo).contains("K:700\r\n"));
}

TEST_F(ComandosProjeto, NovoSemEntradaDeDadosNaoPergunta)
{
    FPrincipal->Novo1->trigger();
    FPrincipal->Novo1->trigger();
    EXPECT_TRUE(perguntas.isEmpty());
}

// Yes to the prompt of a project never saved, then a Save As that is cancelled or fails:
// every command that asked leaves the user in the project, nothing lost.
TEST_F(ComandosProjeto, SimESalvarComoCanceladoOuFalhoFicaNoProjeto)
{
    const std::pair<const char*, std::function<void()>> comandos[] = {
        {"Novo", [] { FPrincipal->Novo1->trigger(); }},
        {"Abrir", [] { FPrincipal->Abrir1->trigger(); }},
        {"Fechar", [] { FPrincipal->Fechar1->trigger(); }},
        {"Cancelar da entrada de dados", [] { FEntdados->BttCancela->click(); }},
        {"Sair", [] { FPrincipal->Sair1->trigger(); }},
        {"botão Sair", [] { FPrincipal->tbSair->click(); }},
        {"fechar a janela", [] { FPrincipal->close(); }},
    };
    novoProjeto();
    FEntdados->LblEdtK->setText("500");
    QPointer<TFEntdados> entrada = FEntdados;
    for (const QString& escolha : {QString(), caminho("pasta-que-nao-existe/p.txt")}) {
        for (const auto& [nome, executa] : comandos) {
            SCOPED_TRACE(std::string(nome) + " " + escolha.toStdString());
            respostas = {TCaixaMensagem::TResposta::Sim};
            arquivosEscolhidos = {escolha};
            dialogos.clear();
            mensagens.clear();
            executa();
            EXPECT_TRUE(respostas.empty());
            EXPECT_EQ(dialogos, std::vector<TDialogoArquivo::TTipo>{TDialogoArquivo::TTipo::salvar});
            EXPECT_EQ(mensagens.size(), escolha.isEmpty() ? 0 : 1);
            ASSERT_EQ(FEntdados.data(), entrada.data());
            EXPECT_TRUE(FIdentificacao);
            EXPECT_TRUE(FPrincipal->isVisible());
            EXPECT_TRUE(FPrincipal->SalvarComo1->isEnabled());
            EXPECT_EQ(FEntdados->LblEdtK->text(), "500");
        }
    }
    EXPECT_TRUE(QDir(pasta.path()).isEmpty());
}

// Yes in the prompt of "Abrir" writes the project's file, and cancelling the file
// dialog then keeps that save and changes nothing else.
TEST_F(ComandosProjeto, SimNoAbrirGravaECancelarODialogoMantemOResto)
{
    const QString arquivo = caminho("p.txt");
    novoProjeto();
    salvaComo(arquivo);
    FPrincipal->projetoSalvo = false;
    FEntdados->LblEdtK->setText("700");
    QPointer<TFEntdados> entrada = FEntdados;

    respostas = {TCaixaMensagem::TResposta::Sim};
    FPrincipal->Abrir1->trigger();
    EXPECT_TRUE(conteudo(arquivo).contains("K:700\r\n"));
    EXPECT_EQ(FEntdados.data(), entrada.data());
    EXPECT_FALSE(FPrincipal->projetoSalvo);
    // The file now holds what the windows show: the next open has nothing to ask.
    FPrincipal->Abrir1->trigger();
    EXPECT_EQ(perguntas.size(), 1);
}

TEST_F(ComandosProjeto, CancelarNoAvisoDeixaTudoComoEstava)
{
    novoProjeto();
    FEntdados->LblEdtTr->setText("10");
    QPointer<TFEntdados> entrada = FEntdados;
    for (QAction* comando : {FPrincipal->Novo1, FPrincipal->Abrir1, FPrincipal->Fechar1}) {
        respostas = {TCaixaMensagem::TResposta::Cancelar};
        comando->trigger();
    }
    EXPECT_EQ(perguntas.size(), 3);
    EXPECT_TRUE(dialogos.empty());
    EXPECT_EQ(FEntdados.data(), entrada.data());
    EXPECT_TRUE(FPrincipal->SalvarComo1->isEnabled());
}

// A project read or saved and then changed is unsaved work: new and open ask for it.
TEST_F(ComandosProjeto, MudancaDepoisDeAbrirFazNovoEAbrirPerguntarem)
{
    const QString arquivo = gravaProjeto("p.txt", projetoRealista());
    abre(arquivo);
    FPrincipal->Novo1->trigger();
    EXPECT_TRUE(perguntas.isEmpty());

    respostas = {TCaixaMensagem::TResposta::Nao};
    abre(arquivo);
    ASSERT_TRUE(FEntdados);
    perguntas.clear();
    FEntdados->SGridCanalSecao->setCells(1, 1, "0,96");
    respostas = {TCaixaMensagem::TResposta::Cancelar};
    FPrincipal->Novo1->trigger();
    respostas = {TCaixaMensagem::TResposta::Cancelar};
    FPrincipal->Abrir1->trigger();
    EXPECT_EQ(perguntas.size(), 2);

    FIdentificacao->EProprietario->setText("Outro");
    FEntdados->SGridCanalSecao->setCells(1, 1, "0,95");
    EXPECT_TRUE(FPrincipal->projetoAlterado());
    FPrincipal->SalvarClick();
    EXPECT_FALSE(FPrincipal->projetoAlterado());
}

// Leaving the program asks for unsaved work the same way, and "Cancelar" stays.
TEST_F(ComandosProjeto, SairPerguntaComoOFecharECancelarMantemOPrograma)
{
    FPrincipal->tbSair->click();
    EXPECT_TRUE(perguntas.isEmpty());
    EXPECT_FALSE(FPrincipal->isVisible());
    FPrincipal->show();

    novoProjeto();
    FEntdados->LblEdtK->setText("500");
    respostas = {TCaixaMensagem::TResposta::Cancelar};
    FPrincipal->tbSair->click();
    EXPECT_TRUE(FPrincipal->isVisible());
    EXPECT_TRUE(FEntdados);

    respostas = {TCaixaMensagem::TResposta::Nao};
    EXPECT_TRUE(FPrincipal->close());
    EXPECT_EQ(perguntas.size(), 2);
}

// Only a change from the project as it was created, read or last saved is unsaved work:
// a new project nobody touched, one read and calculated, one changed and changed back,
// leave without a question; a typed identification or a value asks.
TEST_F(ComandosProjeto, SoMudancaDoProjetoContaComoTrabalhoNaoSalvo)
{
    const auto saiSemPergunta = [this](const char* caso) {
        SCOPED_TRACE(caso);
        perguntas.clear();
        FPrincipal->Sair1->trigger();
        EXPECT_TRUE(perguntas.isEmpty());
        EXPECT_FALSE(FPrincipal->isVisible());
        FPrincipal->show();
    };
    const auto sairPergunta = [this](const char* caso) {
        SCOPED_TRACE(caso);
        perguntas.clear();
        respostas = {TCaixaMensagem::TResposta::Cancelar};
        FPrincipal->Sair1->trigger();
        EXPECT_EQ(perguntas.size(), 1);
        EXPECT_TRUE(FPrincipal->isVisible());
    };

    novoProjeto();
    saiSemPergunta("novo intocado");
    FEntdados->LblEdtK->setText("500");
    sairPergunta("valor digitado");
    FEntdados->LblEdtK->clear();
    saiSemPergunta("valor desfeito");
    FIdentificacao->EMunicipio->setText("Lavras");
    sairPergunta("identificação digitada");

    respostas = {TCaixaMensagem::TResposta::Nao};
    FPrincipal->Novo1->trigger();
    FIdentificacao->EIdentificacao->setText("Terraço 4");
    FIdentificacao->OK->click();
    sairPergunta("novo com a identificação digitada antes do Ok");

    respostas = {TCaixaMensagem::TResposta::Nao};
    abre(gravaProjeto("p.txt", projetoRealista()));
    ASSERT_TRUE(FEntdados);
    FEntdados->BttCalcula->click();
    EXPECT_EQ(FEntdados->LblEdtAvaliacao->text(), "Terraço INADEQUADO!");
    saiSemPergunta("lido e calculado");
}

// A lookup confirmed changes K, a, b, c and the coordinates: unsaved work, as if typed. A
// lookup cancelled changes nothing.
TEST_F(ComandosProjeto, ConsultaConfirmadaEhTrabalhoNaoSalvo)
{
    const QString arquivo = gravaProjeto("p.txt", projetoRealista());
    abre(arquivo);
    ASSERT_TRUE(FEntdados);
    EXPECT_EQ(consultaPelaEntrada(*FEntdados, [](TfrmFoConsulta& c) { c.BtnCancel->click(); }), 1);
    FPrincipal->tbFechar->click();
    EXPECT_TRUE(perguntas.isEmpty());
    EXPECT_FALSE(FEntdados);

    abre(arquivo);
    ASSERT_TRUE(FEntdados);
    EXPECT_EQ(consultaPelaEntrada(*FEntdados, [](TfrmFoConsulta& c) {
                  clicaEstacao(c, "Lavras");
                  c.BtnOk->click();
              }),
              1);
    EXPECT_EQ(FEntdados->LblEdtK->text(), "10224,81");
    respostas = {TCaixaMensagem::TResposta::Sim};
    FPrincipal->tbFechar->click();
    EXPECT_EQ(perguntas, QStringList{"Deseja salvar o projeto?"});
    EXPECT_FALSE(FEntdados);
    EXPECT_TRUE(conteudo(arquivo).contains("K:10224,81\r\n"));
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
}

// ---- What the commands switch -------------------------------------------------------------

namespace {

// on, off, or left as it was ("sem mudança").
enum TMarca { on, off, sm };

// SalvarComo1, Salvar1, tbSalvar, Fechar1, tbFechar, EntradaDeDados1,
// CapacidadedeArmazenamento1, RelatriodeAvaliao1, projetoSalvo, projetoAberto.
using TEstadoProjeto = std::array<TMarca, 10>;

std::vector<bool> estadoAtual()
{
    const TFPrincipal* p = FPrincipal;
    return {p->SalvarComo1->isEnabled(),
            p->Salvar1->isEnabled(),
            p->tbSalvar->isEnabled(),
            p->Fechar1->isEnabled(),
            p->tbFechar->isEnabled(),
            p->EntradaDeDados1->isEnabled(),
            p->CapacidadedeArmazenamento1->isEnabled(),
            p->RelatriodeAvaliao1->isEnabled(),
            p->projetoSalvo,
            p->projetoAberto};
}

} // namespace

TEST_F(ComandosProjeto, OQueCadaEventoLigaEDesliga)
{
    const QString arquivo = gravaProjeto("p.txt", projetoRealista());
    const struct {
        const char* evento;
        std::function<void()> executa;
        TEstadoProjeto esperado;
    } tabela[] = {
        {"inicio", [] {}, {{off, off, off, off, off, off, off, off, off, off}}},
        {"novo", [] { FPrincipal->Novo1->trigger(); }, {{on, sm, sm, on, on, sm, off, off, off, off}}},
        {"Ok da identificação", [] { FIdentificacao->OK->click(); }, {{sm, sm, sm, sm, sm, on, sm, sm, sm, sm}}},
        {"cálculo que conclui", [] { FEntdados->escreveDados(terracoRealista()); FEntdados->BttCalcula->click(); },
         {{sm, sm, sm, sm, sm, sm, on, on, sm, sm}}},
        {"relatório pelo menu e o seu Fechar",
         [] { FPrincipal->RelatriodeAvaliao1->trigger(); FRelatorioAvaliacao->Button2->click(); },
         {{sm, sm, sm, sm, sm, sm, sm, off, sm, sm}}},
        {"outro cálculo que conclui", [] { FEntdados->BttCalcula->click(); },
         {{sm, sm, sm, sm, sm, sm, sm, on, sm, sm}}},
        {"Salvar Como", [this] { salvaComo(caminho("novo.txt")); }, {{sm, on, on, on, on, on, sm, sm, on, sm}}},
        {"salvar", [] { FPrincipal->Salvar1->trigger(); }, {{sm, sm, sm, sm, sm, sm, sm, sm, on, sm}}},
        {"fechar", [this] { respostas = {TCaixaMensagem::TResposta::Nao}; FPrincipal->Fechar1->trigger(); },
         {{off, off, off, off, off, off, off, off, off, off}}},
        {"abrir", [this, arquivo] { abre(arquivo); }, {{on, on, on, on, on, on, off, off, on, on}}},
        {"Cancelar da identificação num projeto lido",
         [] { FPrincipal->Sair2->trigger(); FIdentificacao->Cancelar->click(); },
         {{sm, sm, sm, sm, sm, sm, sm, sm, sm, sm}}},
        {"novo depois de um projeto lido", [] { FPrincipal->Novo1->trigger(); },
         {{on, off, off, on, on, off, off, off, off, off}}},
        {"Cancelar da identificação num projeto novo", [] { FIdentificacao->Cancelar->click(); },
         {{off, sm, sm, sm, sm, sm, sm, sm, off, sm}}},
    };
    std::vector<bool> antes = estadoAtual();
    for (const auto& passo : tabela) {
        SCOPED_TRACE(passo.evento);
        passo.executa();
        const std::vector<bool> depois = estadoAtual();
        for (std::size_t i = 0; i < depois.size(); ++i) {
            const TMarca marca = passo.esperado[i];
            const bool valor = marca == sm ? antes[i] : marca == on;
            EXPECT_EQ(depois[i], valor) << "coluna " << i;
        }
        antes = depois;
    }
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
}

// The writer takes an empty identification when the dialog is gone instead of failing.
TEST_F(ComandosProjeto, GravarSemDialogoDeIdentificacaoDeixaAIdentificacaoVazia)
{
    novoProjeto();
    FEntdados->escreveDados(terracoRealista());
    FIdentificacao->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(FIdentificacao);
    salvaComo(caminho("sem-identificacao.txt"));
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(conteudo(caminho("sem-identificacao.txt")),
              QByteArray::fromStdString(TGravadorProjeto::texto(terracoRealista())));
}

// ---- Characters the project file cannot keep --------------------------------------------------

namespace {

// The project as a text editor saves it in UTF-8: a municipality the code page cannot
// hold, and the owner's accents typed as separate combining marks.
QByteArray projetoEmUtf8()
{
    std::string texto = TCodigoWindows1252::paraUtf8(TGravadorProjeto::texto(projetoRealista()));
    const auto troca = [&](const std::string& de, const std::string& para) {
        texto.replace(texto.find(de), de.size(), para);
    };
    troca("Lavras", "Łódź ✓");
    troca("José Antônio", "Jose\u0301 Anto\u0302nio");
    return QByteArray::fromStdString(texto);
}

const std::vector<TCampoNaoGravavel> perdidosDoUtf8{{"Identificação, Município", U"Łź✓"}};

bool escreve(const QString& caminho, const QByteArray& bytes)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::WriteOnly) && arquivo.write(bytes) == bytes.size();
}

} // namespace

// Opening names what a save could not keep, before anything is written; the accents
// typed apart join their letters and are no loss.
TEST_F(ComandosProjeto, AbrirArquivoComCaracteresQueOArquivoNaoGuardaAvisa)
{
    ASSERT_TRUE(escreve(caminho("Lodz.txt"), projetoEmUtf8()));
    abre(caminho("Lodz.txt"));
    ASSERT_TRUE(FEntdados);
    EXPECT_EQ(mensagens, QStringList{q(TCaracteresNaoGravaveis::avisoAbertura("Lodz.txt", perdidosDoUtf8))});
    EXPECT_EQ(FIdentificacao->EMunicipio->text(), QStringLiteral("Łódź ✓"));
    EXPECT_EQ(FIdentificacao->EProprietario->text(), QStringLiteral("José Antônio"));
    EXPECT_EQ(FIdentificacao->EProprietario->text().size(), 12);
    // Nothing was changed: the file keeps all of it, and closing does not ask.
    FPrincipal->tbFechar->click();
    EXPECT_TRUE(perguntas.isEmpty());
    EXPECT_EQ(conteudo(caminho("Lodz.txt")), projetoEmUtf8());
}

// A save that would put "?" in their place asks first: "Não" writes nothing and ends the
// command that saved; "Sim" writes "?" for each, and the project, no longer what the
// windows show, still asks before it is closed.
TEST_F(ComandosProjeto, SalvarComCaracteresQueOArquivoNaoGuardaPerguntaAntes)
{
    const QString pergunta = q(TCaracteresNaoGravaveis::perguntaGravacao(perdidosDoUtf8));
    ASSERT_TRUE(escreve(caminho("Lodz.txt"), projetoEmUtf8()));
    abre(caminho("Lodz.txt"));
    ASSERT_TRUE(FEntdados);
    FEntdados->LblEdtK->setText("600");

    respostas = {TCaixaMensagem::TResposta::Nao, TCaixaMensagem::TResposta::Nao};
    FPrincipal->tbSalvar->click();
    salvaComo(caminho("outro.txt"));
    EXPECT_EQ(perguntas, (QStringList{pergunta, pergunta}));
    EXPECT_EQ(conteudo(caminho("Lodz.txt")), projetoEmUtf8());
    EXPECT_FALSE(QFileInfo::exists(caminho("outro.txt")));
    EXPECT_EQ(FPrincipal->nomeArquivo, caminho("Lodz.txt"));

    // The close prompt's "Sim" meets the question too; its "Não" keeps the project open.
    perguntas.clear();
    respostas = {TCaixaMensagem::TResposta::Sim, TCaixaMensagem::TResposta::Nao};
    FPrincipal->tbFechar->click();
    EXPECT_EQ(perguntas, (QStringList{"Deseja salvar o projeto?", pergunta}));
    ASSERT_TRUE(FEntdados);

    perguntas.clear();
    respostas = {TCaixaMensagem::TResposta::Sim};
    FPrincipal->tbSalvar->click();
    TDadosTerraco esperado = projetoRealista();
    esperado.LblEdtK = "600";
    esperado.identificacao.EMunicipio = "?ód? ?";
    EXPECT_EQ(conteudo(caminho("Lodz.txt")), QByteArray::fromStdString(TGravadorProjeto::texto(esperado)));
    EXPECT_EQ(FIdentificacao->EMunicipio->text(), QStringLiteral("Łódź ✓"));
    respostas = {TCaixaMensagem::TResposta::Cancelar};
    FPrincipal->tbFechar->click();
    EXPECT_EQ(perguntas, (QStringList{pergunta, "Deseja salvar o projeto?"}));
    EXPECT_TRUE(FEntdados);
}

// Save As onto a link writes the file it names; a broken link says so and changes nothing.
TEST_F(ComandosProjeto, SalvarComoNumLinkGravaNoArquivoDele)
{
    abre(gravaProjeto("p.txt", projetoRealista()));
    ASSERT_TRUE(QFile::link(caminho("alvo.txt"), caminho("atalho.txt")));
    salvaComo(caminho("atalho.txt"));
    ASSERT_EQ(mensagens.size(), 1);
    EXPECT_TRUE(mensagens[0].contains(QStringLiteral("é um link simbólico para")));
    EXPECT_TRUE(QFileInfo(caminho("atalho.txt")).isSymLink());
    EXPECT_EQ(FPrincipal->nomeArquivo, caminho("p.txt"));

    gravaProjeto("alvo.txt", TDadosTerraco());
    respostas = {TCaixaMensagem::TResposta::Sim};
    salvaComo(caminho("atalho.txt"));
    EXPECT_TRUE(QFileInfo(caminho("atalho.txt")).isSymLink());
    EXPECT_EQ(conteudo(caminho("alvo.txt")), conteudo(caminho("p.txt")));
    EXPECT_EQ(FPrincipal->nomeArquivo, caminho("atalho.txt"));
}
