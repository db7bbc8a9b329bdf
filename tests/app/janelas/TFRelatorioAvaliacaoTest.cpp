#include "tests/app/janelas/AmbienteJanelas.h"
#include "app/URelatorioAvaliacao.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "app/plataforma/TGrafico.h"
#include "plataforma/TLabeledEdit.h"
#include "plataforma/TProjetoRelatorio.h"
#include "rainfall_equations/TLayoutRelatorioNimbra.h"
#include "tests/app/janelas/ConsultaNaEntrada.h"
#include "tests/app/janelas/DigitacaoTerraco.h"
#include "tests/bench/TerracoComSecoes.h"

#include <QAction>
#include <QChart>
#include <QDir>
#include <QLineSeries>
#include <QFontInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QValueAxis>

#include <algorithm>
#include <functional>

namespace {

const TTextosIdentificacao identificacaoRealista{"Terraço 3",    "Lavras",     "MG", "Fazenda Água Limpa",
                                                 "José Antônio", "12/03/2024", "Eng. Agr. Márcia"};

struct TLinhaDesenhada {
    QString nome;
    QColor cor;
    Qt::PenStyle estilo;
    QList<QPointF> pontos;

    bool operator==(const TLinhaDesenhada&) const = default;
};

// What a chart draws, series by series in their order.
std::vector<TLinhaDesenhada> linhasDesenhadas(const TGrafico* grafico)
{
    std::vector<TLinhaDesenhada> linhas;
    for (int i = 0; i < grafico->quantidadeSeries(); ++i) {
        const TLinhaDesenho* serie = grafico->serie(i);
        linhas.push_back({serie->titulo, serie->caneta.color(), serie->caneta.style(), serie->pontos});
    }
    return linhas;
}

int paginasDoPdf(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return -1;
    const QString conteudo = QString::fromLatin1(arquivo.readAll());
    if (!conteudo.startsWith("%PDF"))
        return -1;
    return static_cast<int>(conteudo.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

} // namespace

// The main window started, with a project whose realistic terrace was calculated.
class RelatorioAvaliacao : public PrincipalComArquivos {
protected:
    QTemporaryDir pasta;

    void SetUp() override
    {
        PrincipalComArquivos::SetUp();
        // Every "Deseja salvar o projeto?" is answered No.
        TCaixaMensagem::substitui([this](const QString& texto) { mensagens << texto; },
                                  [](const QString&) { return TCaixaMensagem::TResposta::Nao; });
        iniciaPrincipal();
    }

    void TearDown() override
    {
        TImpressora::impressora().setOutputFileName({});
        PrincipalComArquivos::TearDown();
        EXPECT_FALSE(FRelatorioAvaliacao);
    }

    void projetoNovo()
    {
        FPrincipal->Novo1->trigger();
        FIdentificacao->defineTextos(identificacaoRealista);
        FIdentificacao->OK->click();
        ASSERT_TRUE(FEntdados);
    }

    void calcula(const TDadosTerraco& dados)
    {
        FEntdados->escreveDados(dados);
        FEntdados->BttCalcula->click();
        ASSERT_TRUE(FPrincipal->RelatriodeAvaliao1->isEnabled());
    }

    void projetoCalculado()
    {
        projetoNovo();
        calcula(terracoRealista());
    }

    TFRelatorioAvaliacao* relatorioPeloMenu()
    {
        FPrincipal->RelatriodeAvaliao1->trigger();
        EXPECT_TRUE(FRelatorioAvaliacao);
        return FRelatorioAvaliacao;
    }

    // Runs `acao` on the report of "Gerar relatório" from inside its modal loop, then
    // closes the report with "Fechar" if `acao` left it open, so no test hangs.
    void noRelatorioModal(const std::function<void(TFRelatorioAvaliacao&)>& acao)
    {
        auto* vigia = new QTimer(FPrincipal);
        vigia->setInterval(5);
        QObject::connect(vigia, &QTimer::timeout, vigia, [vigia, acao] {
            const QPointer<TFRelatorioAvaliacao> relatorio = FRelatorioAvaliacao;
            if (!relatorio || !relatorio->isVisible())
                return;
            vigia->stop();
            vigia->deleteLater();
            acao(*relatorio);
            if (relatorio && relatorio->isVisible())
                relatorio->Button2->click();
        });
        vigia->start();
    }

    // A file for the "Abrir" dialog to choose.
    QString arquivoDeProjeto(const QString& nome, const TDadosTerraco& dados)
    {
        const QString caminho = pasta.filePath(nome);
        TGravadorProjeto::grava(caminho.toStdString(), dados);
        return caminho;
    }

    void esperaOsApagados() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

// ---- The window ------------------------------------------------------------------------

TEST_F(RelatorioAvaliacao, PaginaDoTamanhoDeUmaFolhaComSuasPartes)
{
    projetoCalculado();
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    EXPECT_EQ(r->windowTitle(), "FRelatorioAvaliacao");
    EXPECT_FALSE(r->isModal());
    EXPECT_EQ(r->parent(), FPrincipal.data());
    EXPECT_EQ(r->size(), QSize(819, 680));
    EXPECT_EQ(r->ScrollBox1->geometry(), QRect(0, 0, 819, 680));
    EXPECT_EQ(r->ScrollBox1->widget(), r->Panel1);
    EXPECT_EQ(r->Panel1->size(), QSize(798, 1120));
    // The page's whole width shows beside the vertical bar.
    EXPECT_GE(r->ScrollBox1->viewport()->width(), 798);
    EXPECT_FALSE(r->ScrollBox1->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(r->ScrollBox1->verticalScrollBar()->isVisible());
    EXPECT_EQ(r->Panel2->geometry(), QRect(40, 40, 718, 81));
    EXPECT_EQ(r->Splitter1->geometry(), QRect(40, 121, 718, 3));
    EXPECT_EQ(r->Panel3->geometry(), QRect(40, 124, 718, 533));
    EXPECT_EQ(r->Panel4->geometry(), QRect(40, 657, 718, 403));
    EXPECT_EQ(r->Chart1->geometry(), QRect(0, 0, 718, 403));
    EXPECT_EQ(r->LTitulo->text().toStdString(), "AVALIAÇÃO DA CAPACIDADE DE ARMAZENAMENTO DO TERRAÇO");
    EXPECT_EQ(r->LTitulo->pos(), QPoint(50, 52));
    // The whole title stays on the page.
    EXPECT_LE(r->LTitulo->geometry().right(), r->Panel2->width());
    EXPECT_EQ(r->Button1->text(), "Imprimir");
    EXPECT_EQ(r->Button1->geometry(), QRect(343, 0, 75, 25));
    EXPECT_EQ(r->Button2->text(), "Fechar");
    EXPECT_EQ(r->Button2->geometry(), QRect(424, 0, 75, 25));
    EXPECT_EQ(r->LIdentificacaoTerraco->pos(), QPoint(181, 39));
    EXPECT_EQ(r->LRObservaContinua->pos(), QPoint(395, 494));
    EXPECT_EQ(r->Chart1->chart()->title(), "Seções do canal do Terraço");
    EXPECT_EQ(r->Chart1->eixoDistancia()->titleText(), "Distância(m)");
    EXPECT_EQ(r->Chart1->eixoCotas()->titleText(), "Cotas(m)");
    r->Button2->click();
}

// The project as entered and calculated: identification, rainfall, channel, field, road,
// soil and every result. No lookup was made, so its place names stay empty.
TEST_F(RelatorioAvaliacao, PreenchidoComAIdentificacaoOsDadosEOsResultados)
{
    projetoCalculado();
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    const struct {
        QLabel* rotulo;
        const char* esperado;
    } casos[] = {
        {r->LIdentificacaoTerraco, "Terraço 3"},
        {r->LEstado, "MG"},
        {r->LMunicipio, "Lavras"},
        {r->LProprietario, "José Antônio"},
        {r->LResponsavel, "Eng. Agr. Márcia"},
        {r->LDataDoLevantamento, "12/03/2024"},
        {r->LLocalidade, "Fazenda Água Limpa"},
        {r->LT, "10 anos"},
        {r->Lk, "500"},
        {r->La, "0,2"},
        {r->Lb, "10"},
        {r->Lc, "0,8"},
        {r->LPLatitude, "  °  '  \""},
        {r->LPEstado, ""},
        {r->LPMunicipio, ""},
        {r->LPLocalidade, ""},
        {r->LComprimentoTerraco, "250"},
        {r->LPerfilSecao, "trapezoidal comum"},
        {r->LTipoLevantamento, "Utilizando nível ótico"},
        {r->LComprimentoEstrada, "250"},
        {r->LLarguraEstrada, "4"},
        {r->LTieAgricola, "10"},
        {r->LRAcAgricola, "9801,56 "},
        {r->LRAcEstrada, "1000,00 "},
        {r->LRCrista, "0,47 "},
        {r->LRVe, "138,54 "},
        {r->LRVn, "184,71 "},
        {r->LRVeVn, "75,00 "},
        {r->LRAvaliacao, "Terraço INADEQUADO!"},
        {r->LRObservacao, " acima da cota da extremidade!"},
        {r->LRObservaContinua, "Não atingiu a altura de segurança!"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(c.rotulo->text(), QString::fromUtf8(c.esperado)) << c.rotulo->objectName().toStdString();
    EXPECT_EQ(r->LRLESAgricola->text(), FEntdados->LblRLES->text());
    EXPECT_EQ(r->LRLESEstrada->text(), FEntdados->LblRLESestrada->text());
    EXPECT_EQ(r->LRBigode->text(), FEntdados->LblEdtRCotaBigode->text());
    // Each value label is found by its name.
    EXPECT_EQ(r->findChild<QLabel*>("LRAvaliacao"), r->LRAvaliacao);
    r->Button2->click();
}

// The page is filled once, when shown: later changes to the data entry do not reach it.
TEST_F(RelatorioAvaliacao, PreenchidoUmaVezAoSerMostrado)
{
    projetoCalculado();
    TFRelatorioAvaliacao naoMostrado;
    EXPECT_EQ(naoMostrado.Lk->text(), "-");
    EXPECT_EQ(naoMostrado.Chart1->quantidadeSeries(), 0);

    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    FEntdados->LblEdtK->setText("999");
    r->hide();
    r->show();
    EXPECT_EQ(r->Lk->text(), "500");
    r->Button2->click();
}

// The page is the one the report's creator makes when it first shows, whatever the
// project's windows hold; "Fechar" tells the owner and leaves forgetting the report to it.
TEST_F(RelatorioAvaliacao, PaginaDoCriadorEFecharSoAvisaODono)
{
    projetoCalculado();
    int paginas = 0;
    auto* r = new TFRelatorioAvaliacao(
        [&paginas] {
            ++paginas;
            TPaginaRelatorio pagina;
            pagina.textos.LIdentificacaoTerraco = "Terraço 9";
            pagina.textos.Lk = "1234,5";
            return pagina;
        },
        FPrincipal);
    EXPECT_EQ(paginas, 0);
    r->show();
    EXPECT_EQ(paginas, 1);
    EXPECT_EQ(r->LIdentificacaoTerraco->text(), "Terraço 9");
    EXPECT_EQ(r->Lk->text(), "1234,5");
    EXPECT_EQ(r->La->text(), "-");
    EXPECT_EQ(r->Chart1->quantidadeSeries(), 0);

    QPointer<TFRelatorioAvaliacao> emMaos = relatorioPeloMenu();
    QSignalSpy fechado(r, &TFRelatorioAvaliacao::fechado);
    r->Button2->click();
    EXPECT_EQ(fechado.count(), 1);
    EXPECT_EQ(paginas, 1);
    EXPECT_EQ(FRelatorioAvaliacao, emMaos);
    EXPECT_TRUE(FPrincipal->RelatriodeAvaliao1->isEnabled());
    emMaos->Button2->click();
}

// Why a label of the page is not drawn whole at the page's size, or runs into another;
// empty when every one is. A hidden label is not drawn.
std::string rotulosInteiros(const TFRelatorioAvaliacao& r, const std::vector<QString>& esperados)
{
    QStringList problemas;
    auto rotulos = r.Panel3->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    rotulos.removeIf([&r](const QLabel* l) { return !l->isVisibleTo(r.Panel3); });
    for (const QString& texto : esperados)
        if (std::none_of(rotulos.begin(), rotulos.end(), [&texto](const QLabel* l) { return l->text() == texto; }))
            problemas << "\"" + texto + "\" não está inteiro na página";
    for (const QLabel* l : rotulos) {
        const QString nome = "\"" + l->text() + "\"";
        if (l->font().pixelSize() != 13)
            problemas << nome + " em " + QString::number(l->font().pixelSize()) + " px";
        const QFontMetrics medidas(l->font());
        const QRect texto = medidas.boundingRect(QRect(QPoint(0, 0), l->size()), Qt::TextWordWrap, l->text());
        if (!l->wordWrap() && medidas.horizontalAdvance(l->text().trimmed()) > l->width())
            problemas << nome + " cortado na largura";
        if (texto.height() > l->height())
            problemas << nome + " cortado na altura";
        if (!r.Panel3->rect().contains(l->geometry()))
            problemas << nome + " sai da página";
        for (const QLabel* outro : rotulos)
            if (outro < l && outro->geometry().intersects(l->geometry()))
                problemas << nome + " sobre \"" + outro->text() + "\"";
    }
    return problemas.join("; ").toStdString();
}

// Every value is written whole at the labels' size. A value moves along its line when the
// one before it is long, its line moves back from the page's edge, a text of several words
// wraps onto a second line, and the lines below and the chart make room for it.
TEST_F(RelatorioAvaliacao, ValoresInteirosNoTamanhoDaPagina)
{
    const struct {
        const char* identificacao;
        const char* k;
        const char* estacao;
        const char* municipio;
    } casos[] = {
        {"Terraço 3 - Gleba Norte", "500", "", "Lavras"},
        // The longest K of the database (Rondonópolis, MT) and a station of 44 characters.
        {"Terraço 3", "14615,726", "ESTACAO CLIMATOLOGICA PRINCIPAL DE MMMMMMMMM", "Lavras"},
        {"Terraço 3 da gleba norte, talhão 12, ao lado da estrada velha", "10224,81", "Lavras",
         "São João del-Rei, distrito de Emboabas, Minas Gerais, Brasil, América do Sul"},
    };
    projetoCalculado();
    for (const auto& c : casos) {
        TTextosIdentificacao identificacao = identificacaoRealista;
        identificacao.EIdentificacao = c.identificacao;
        identificacao.EMunicipio = c.municipio;
        FIdentificacao->defineTextos(identificacao);
        FEntdados->BttCalcula->click();
        FEntdados->LblEdtK->setText(c.k);
        FEntdados->estacaoConsulta = c.estacao;
        TFRelatorioAvaliacao* r = relatorioPeloMenu();
        ASSERT_TRUE(r && esperaAte([r] { return r->isVisible(); }));
        EXPECT_EQ(rotulosInteiros(*r, {c.identificacao, c.k, c.estacao, c.municipio, "0,47 "}), "")
            << c.identificacao;
        // The page keeps its size; the chart has the rest of it.
        EXPECT_EQ(r->Panel3->y() + r->Panel3->height(), r->Panel4->y());
        EXPECT_EQ(r->Panel4->y() + r->Panel4->height(), 1060);
        EXPECT_EQ(r->Chart1->size(), r->Panel4->size());
        EXPECT_GE(r->Chart1->height(), 300);
        r->Button2->click();
    }
}

// Values that fit keep the places the page gives them, on one line each.
TEST_F(RelatorioAvaliacao, ValoresCurtosNosSeusLugares)
{
    projetoCalculado();
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    EXPECT_EQ(r->LIdentificacaoTerraco->pos(), QPoint(181, 39));
    EXPECT_EQ(r->Lk->pos(), QPoint(35, 195));
    EXPECT_EQ(r->LRBigode->pos(), QPoint(658, 420));
    EXPECT_EQ(r->LRObservaContinua->pos(), QPoint(395, 494));
    EXPECT_FALSE(r->LIdentificacaoTerraco->wordWrap());
    EXPECT_EQ(r->Panel3->height(), 533);
    EXPECT_EQ(rotulosInteiros(*r, {}), "");
    r->Button2->click();
}

TEST_F(RelatorioAvaliacao, PerfilDaSecaoPeloTipoEPelaOpcaoDoDegrau)
{
    projetoNovo();
    const struct {
        int tipo;
        bool comDegrau;
        const char* esperado;
    } casos[] = {
        {secaoTrapezoidal, true, "trapezoidal com degrau"},
        {secaoTrapezoidal, false, "trapezoidal comum"},
        {secaoTriangular, false, "triangular"},
    };
    for (const auto& c : casos) {
        TDadosTerraco d = terracoRealista();
        d.CBTipoSecao = c.tipo;
        d.RButtonSecaoTrapComum = !c.comDegrau;
        d.RButtonSecaoTrapComDegrau = c.comDegrau;
        calcula(d);
        TFRelatorioAvaliacao* r = relatorioPeloMenu();
        EXPECT_EQ(r->LPerfilSecao->text(), c.esperado);
        r->Button2->click();
    }
}

// The place of a lookup as the data-entry window keeps it; a long station name is cut.
TEST_F(RelatorioAvaliacao, LugarDaConsultaComAEstacaoCortadaEm44Caracteres)
{
    projetoCalculado();
    const QString estacao = QStringLiteral("Estação Pluviográfica de São João del-Rei 01234567");
    ASSERT_EQ(estacao.size(), 50);
    FEntdados->estadoConsulta = "Minas Gerais";
    FEntdados->estacaoConsulta = estacao.toStdString();
    FEntdados->localidadeConsulta = "-";
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    EXPECT_EQ(r->LPEstado->text(), "Minas Gerais");
    EXPECT_EQ(r->LPMunicipio->text(), estacao.left(44));
    EXPECT_EQ(r->LPLocalidade->text(), "-");
    r->Button2->click();
}

// The observation by the memo's Tag; a memo the evaluation left empty shows nothing.
TEST_F(RelatorioAvaliacao, ObservacaoPelaTagDoMemorando)
{
    projetoCalculado();
    const QString seguranca = "Crista 10,00  cm acima da cota da extremidade! Não atingiu a altura de segurança!";
    const struct {
        QString memo;
        int tag;
        QString linha1;
        QString linha2;
    } casos[] = {
        {seguranca, 0, " acima da cota da extremidade!", "Não atingiu a altura de segurança!"},
        {"Crista 20,00  cm acima da cota da extremidade!", 1, "Crista 20,00  cm acima da cota da extremidade!", ""},
        {"Crista 0,00  cm abaixo da extremidade!", 2, "Crista 0,00  cm abaixo da extremidade!", ""},
        {"", 0, "", ""},
    };
    for (const auto& c : casos) {
        FEntdados->BttCalcula->click();
        FEntdados->MemObs->setPlainText(c.memo);
        FEntdados->MemObs->setProperty("Tag", c.tag);
        TFRelatorioAvaliacao* r = relatorioPeloMenu();
        EXPECT_EQ(r->LRObservacao->text(), c.linha1) << c.tag;
        EXPECT_EQ(r->LRObservaContinua->text(), c.linha2) << c.tag;
        r->Button2->click();
    }
}

// A calculation that ends without an observation (nothing drains into the terrace) leaves
// the memo empty at Tag 0: the report shows no observation at all.
TEST_F(RelatorioAvaliacao, CalculoSemObservacaoNaoMostraObservacao)
{
    projetoNovo();
    TDadosTerraco d = terracoRealista();
    d.RadioGTipoDeLevantamento = levantamentoTrena;
    d.SGridTrena.setCells(0, 0, "0");
    d.RadioButtonContribui = false;
    d.RadioButtonNaoContribui = true;
    calcula(d);
    ASSERT_TRUE(FEntdados->MemObs->toPlainText().isEmpty());
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    EXPECT_EQ(r->LRObservacao->text(), "");
    EXPECT_EQ(r->LRObservaContinua->text(), "");
    EXPECT_EQ(r->LRAvaliacao->text(), "");
    EXPECT_EQ(r->LTipoLevantamento->text(), "Utilizando trena");
    r->Button2->click();
}

// Why the results have no verdict stands in the observation's room, its caption hidden;
// a report of results with a verdict shows the observation's caption and no such line.
TEST_F(RelatorioAvaliacao, SemVereditoDizPorqueNoLugarDaObservacao)
{
    const auto legendaObservacao = [](const TFRelatorioAvaliacao* r) {
        for (const QLabel* l : r->Panel3->findChildren<QLabel*>())
            if (l->text() == "Observação : ")
                return l;
        return static_cast<const QLabel*>(nullptr);
    };
    projetoNovo();
    TDadosTerraco d = terracoRealista();
    d.RadioGTipoDeLevantamento = levantamentoTrena;
    d.RadioButtonContribui = false;
    d.RadioButtonNaoContribui = true;
    calcula(d);
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    EXPECT_EQ(r->LRAvaliacao->text(), "");
    EXPECT_EQ(r->LRMotivoSemAvaliacao->text(),
              "Sem avaliação: não há área agrícola nem estrada que escoe para o terraço.");
    EXPECT_TRUE(r->LRMotivoSemAvaliacao->isVisible());
    ASSERT_TRUE(legendaObservacao(r));
    EXPECT_FALSE(legendaObservacao(r)->isVisible());
    // Wrapped within the page, below the verdict's line and above the chart.
    const QRect lugar = r->LRMotivoSemAvaliacao->geometry();
    EXPECT_LE(lugar.right(), r->Panel3->width());
    EXPECT_GT(lugar.top(), r->LRAvaliacao->geometry().bottom());
    EXPECT_LE(lugar.bottom(), r->Panel3->height());
    EXPECT_GE(lugar.height(), r->LRMotivoSemAvaliacao->heightForWidth(lugar.width()));
    EXPECT_EQ(rotulosInteiros(*r, {r->LRMotivoSemAvaliacao->text()}), "");
    r->Button2->click();

    calcula(terracoRealista());
    r = relatorioPeloMenu();
    EXPECT_FALSE(r->LRMotivoSemAvaliacao->isVisible());
    ASSERT_TRUE(legendaObservacao(r));
    EXPECT_TRUE(legendaObservacao(r)->isVisible());
    r->Button2->click();
}

// ---- The chart -------------------------------------------------------------------------

// The report draws the same lines with series of its own; the results page keeps its
// chart whole while the report is open and after it closes.
TEST_F(RelatorioAvaliacao, GraficoComAsMesmasLinhasESeriesProprias)
{
    projetoCalculado();
    const std::vector<TLinhaDesenhada> entrada = linhasDesenhadas(FEntdados->Chart1);
    ASSERT_EQ(entrada.size(), 6u);
    EXPECT_EQ(entrada[0].nome, "Seção 1");
    EXPECT_EQ(entrada[0].estilo, Qt::DashLine);
    EXPECT_EQ(entrada[1].estilo, Qt::DotLine);
    EXPECT_EQ(entrada[1].cor, QColor(0, 128, 128));
    EXPECT_EQ(entrada[4].nome, "CBC");
    EXPECT_EQ(entrada[4].cor, QColor(0, 0, 255));
    EXPECT_EQ(entrada[5].nome, "CE");

    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    EXPECT_EQ(linhasDesenhadas(r->Chart1), entrada);
    EXPECT_EQ(linhasDesenhadas(FEntdados->Chart1), entrada);
    for (int i = 0; i < 6; ++i)
        EXPECT_NE(r->Chart1->serie(i), FEntdados->Chart1->serie(i));

    r->Button2->click();
    EXPECT_EQ(linhasDesenhadas(FEntdados->Chart1), entrada);
}

// The report borrows the legend too: a terrace of thirty sections has every line named
// under the report's chart.
TEST_F(RelatorioAvaliacao, GraficoDeTrintaSecoesNomeiaCadaLinha)
{
    projetoNovo();
    calcula(terracoComSecoes(30));
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    ASSERT_TRUE(esperaAte([r] { return r->isVisible(); }));
    EXPECT_EQ(r->Chart1->chart()->size(), QSizeF(r->Chart1->size()));
    const auto itens = r->Chart1->itensLegenda();
    ASSERT_EQ(itens.size(), 32u);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(itens[static_cast<std::size_t>(i)].titulo, r->Chart1->serie(i)->titulo) << i;
        EXPECT_TRUE(QRectF(r->Chart1->rect()).contains(itens[static_cast<std::size_t>(i)].area)) << i;
    }
    r->Button2->click();
}

// ---- "Fechar" ---------------------------------------------------------------------------

TEST_F(RelatorioAvaliacao, FecharDesligaOItemDoMenuEEsqueceORelatorio)
{
    projetoCalculado();
    QPointer<TFRelatorioAvaliacao> r = relatorioPeloMenu();
    ASSERT_TRUE(r->isVisible());
    r->Button2->click();
    EXPECT_FALSE(FRelatorioAvaliacao);
    EXPECT_FALSE(FPrincipal->RelatriodeAvaliao1->isEnabled());
    esperaOsApagados();
    EXPECT_FALSE(r);
    // The results page stays as it was, and a new calculation brings the item back.
    EXPECT_TRUE(FPrincipal->CapacidadedeArmazenamento1->isEnabled());
    FEntdados->BttCalcula->click();
    EXPECT_TRUE(FPrincipal->RelatriodeAvaliao1->isEnabled());
}

TEST_F(RelatorioAvaliacao, EscFechaComoOFechar)
{
    projetoCalculado();
    QPointer<TFRelatorioAvaliacao> r = relatorioPeloMenu();
    QTest::keyClick(r.data(), Qt::Key_Escape);
    EXPECT_FALSE(FRelatorioAvaliacao);
    EXPECT_FALSE(FPrincipal->RelatriodeAvaliao1->isEnabled());
    esperaOsApagados();
    EXPECT_FALSE(r);
}

// A report the program forgot for a newer one closes alone: the newer one stays open
// and stays the report in hand.
TEST_F(RelatorioAvaliacao, FecharUmRelatorioEsquecidoNaoFechaONovo)
{
    projetoCalculado();
    QPointer<TFRelatorioAvaliacao> antigo = relatorioPeloMenu();
    QPointer<TFRelatorioAvaliacao> novo = relatorioPeloMenu();
    ASSERT_NE(antigo, novo);
    antigo->Button2->click();
    esperaOsApagados();
    EXPECT_FALSE(antigo);
    ASSERT_TRUE(novo);
    EXPECT_TRUE(novo->isVisible());
    EXPECT_EQ(FRelatorioAvaliacao, novo);
    novo->Button2->click();
}

// ---- Printing ---------------------------------------------------------------------------

TEST_F(RelatorioAvaliacao, ImpressaoCanceladaNaoImprimeNemAvisaEOsBotoesVoltam)
{
    projetoCalculado();
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    const QString pdf = pasta.filePath("cancelado.pdf");
    bool botoesNoDialogo = true;
    respostaDialogo = [&](QPrinter& impressora) {
        botoesNoDialogo = r->Button1->isVisible() || r->Button2->isVisible();
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        return false;
    };
    r->Button1->click();
    EXPECT_FALSE(botoesNoDialogo);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
    EXPECT_TRUE(r->Button1->isVisible());
    EXPECT_TRUE(r->Button2->isVisible());
    r->Button2->click();
}

// One sheet, the page without its buttons stretched over it, as text and lines: the PDF
// embeds its fonts with their character maps (so its text can be searched and copied),
// holds no picture at all (the chart is lines too), and stays small. The file is kept
// beside the tests (relatorio_avaliacao.pdf) for a person to look at.
TEST_F(RelatorioAvaliacao, ImprimeAPaginaNumaFolhaEmPdfComoTexto)
{
    projetoCalculado();
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    ASSERT_TRUE(esperaAte([r] { return r->isVisible(); }));
    const QString pdf = QDir::current().filePath("relatorio_avaliacao.pdf");
    QFile::remove(pdf);
    respostaDialogo = [&pdf](QPrinter& impressora) {
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        return true;
    };
    r->Button1->click();
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
    EXPECT_EQ(paginasDoPdf(pdf), 1);
    QFile arquivo(pdf);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QByteArray conteudo = arquivo.readAll();
    EXPECT_LT(conteudo.size(), 200 * 1024);
    EXPECT_GE(conteudo.count("/FontFile2"), 2);  // plain and bold
    EXPECT_EQ(conteudo.count("/ToUnicode"), conteudo.count("/FontFile2"));
    EXPECT_EQ(conteudo.count("/Subtype /Image"), 0);
    EXPECT_EQ(TImpressora::impressora().docName(), TFRelatorioAvaliacao::documento);
    EXPECT_TRUE(r->Button1->isVisible());
    r->Button2->click();
}

// The printer is shared: a rainfall-equation report printed before leaves its name on it,
// and the evaluation report still prints under its own.
TEST_F(RelatorioAvaliacao, DocumentoComONomeDoProprioRelatorio)
{
    const TLayoutRelatorioNimbra chuvas;
    TProjetoRelatorio projetoChuvas(chuvas);
    TImpressora::impressora().setOutputFormat(QPrinter::PdfFormat);
    TImpressora::impressora().setOutputFileName(pasta.filePath("chuvas.pdf"));
    projetoChuvas.imprime(TImpressora::impressora());
    ASSERT_EQ(TImpressora::impressora().docName(), chuvas.titulo());

    projetoCalculado();
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    respostaDialogo = [this](QPrinter& impressora) {
        impressora.setOutputFileName(pasta.filePath("avaliacao.pdf"));
        return true;
    };
    r->Button1->click();
    EXPECT_EQ(TImpressora::impressora().docName(), QStringLiteral("Relatório de avaliação do terraço"));
    EXPECT_TRUE(QFile::exists(pasta.filePath("avaliacao.pdf")));
    r->Button2->click();
}

// A printer that cannot start the job: its message, and the buttons come back.
TEST_F(RelatorioAvaliacao, ErroDaImpressoraMostraAMensagemEOsBotoesVoltam)
{
    projetoCalculado();
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    respostaDialogo = [this](QPrinter& impressora) {
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pasta.filePath("pasta que nao existe/relatorio.pdf"));
        return true;
    };
    r->Button1->click();
    EXPECT_EQ(mensagens, QStringList{"Não foi possível iniciar a impressão."});
    EXPECT_TRUE(r->Button1->isVisible());
    EXPECT_TRUE(r->Button2->isVisible());
    r->Button2->click();
}

namespace {

// A device that keeps what is drawn on it as text and counts the pictures.
class TMotorRegistro : public QPaintEngine {
public:
    TMotorRegistro() : QPaintEngine(QPaintEngine::AllFeatures) {}
    QString textos;
    std::vector<std::pair<QString, int>> itens;  // each text drawn, with its pixel size
    int figuras = 0;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++figuras; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { ++figuras; }
    void drawTextItem(const QPointF&, const QTextItem& texto) override
    {
        textos += texto.text() + '\n';
        itens.emplace_back(texto.text(), QFontInfo(texto.font()).pixelSize());
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    Type type() const override { return QPaintEngine::User; }
};

class TRegistroDesenho : public QPaintDevice {
public:
    mutable TMotorRegistro motor;
    QPaintEngine* paintEngine() const override { return &motor; }

protected:
    int metric(PaintDeviceMetric medida) const override
    {
        switch (medida) {
        case PdmWidth:
            return 798;
        case PdmHeight:
            return 1120;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(medida);
        }
    }
};

// The recorded page, played on a white picture of its own size.
QImage figuraDoDesenho(const QPicture& desenho, const QSize& tamanho)
{
    QImage figura(tamanho, QImage::Format_RGB32);
    figura.fill(Qt::white);
    QPainter pintor(&figura);
    pintor.drawPicture(0, 0, desenho);
    return figura;
}

} // namespace

// The printed drawing leaves the buttons out and shows the chart's lines.
TEST_F(RelatorioAvaliacao, DesenhoDaPaginaSemOsBotoes)
{
    projetoCalculado();
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    ASSERT_TRUE(esperaAte([r] { return r->isVisible(); }));
    const QImage comBotoes = figuraDoDesenho(r->desenhoDaPagina(), r->Panel1->size());
    r->Button1->hide();
    r->Button2->hide();
    const QPicture desenho = r->desenhoDaPagina();
    r->Button1->show();
    r->Button2->show();
    EXPECT_EQ(desenho.boundingRect(), QRect(0, 0, 798, 1120));
    const QImage semBotoes = figuraDoDesenho(desenho, r->Panel1->size());
    const QPoint botao = r->Button1->mapTo(r->Panel1, QPoint(10, 12));
    EXPECT_NE(comBotoes.pixelColor(botao), QColor(Qt::white));
    EXPECT_EQ(semBotoes.pixelColor(botao), QColor(Qt::white));
    // Somewhere in the chart's area a pure blue "CBC" pixel is drawn.
    const QRect grafico(r->Panel4->geometry());
    bool azul = false;
    for (int y = grafico.top(); y <= grafico.bottom() && !azul; ++y)
        for (int x = grafico.left(); x <= grafico.right() && !azul; ++x)
            azul = semBotoes.pixelColor(x, y) == QColor(0, 0, 255);
    EXPECT_TRUE(azul);
    r->Button2->click();
}

// What "Imprimir" sends to the printer holds every value of the page as text at the
// labels' size, and no picture: the chart too is lines and text.
TEST_F(RelatorioAvaliacao, DesenhoImpressoGuardaOsValoresComoTexto)
{
    projetoNovo();
    TTextosIdentificacao identificacao = identificacaoRealista;
    identificacao.EIdentificacao = "Terraço 3 - Gleba Norte";
    FIdentificacao->defineTextos(identificacao);
    calcula(terracoRealista());
    TFRelatorioAvaliacao* r = relatorioPeloMenu();
    ASSERT_TRUE(esperaAte([r] { return r->isVisible(); }));
    // "Imprimir" records the page with its buttons hidden.
    r->Button1->hide();
    r->Button2->hide();
    TRegistroDesenho registro;
    {
        QPainter pintor(&registro);
        pintor.drawPicture(0, 0, r->desenhoDaPagina());
    }
    r->Button2->show();
    const TMotorRegistro& m = registro.motor;
    EXPECT_EQ(m.figuras, 0);
    for (const QLabel* valor : {r->LIdentificacaoTerraco, r->LRCrista, r->Lk, r->LRVeVn, r->LRAvaliacao}) {
        const QString texto = valor->text().trimmed();
        const auto item = std::find_if(m.itens.begin(), m.itens.end(),
                                       [&texto](const auto& i) { return i.first.trimmed() == texto; });
        ASSERT_NE(item, m.itens.end()) << texto.toStdString();
        EXPECT_EQ(item->second, 13) << texto.toStdString();
    }
    EXPECT_TRUE(m.textos.contains("Seções do canal do Terraço"));
    EXPECT_TRUE(m.textos.contains("Seção 1"));
    r->Button2->click();
}

// ---- "Gerar relatório" ----------------------------------------------------------------

// From the first key typed to the report: identification, terrace, "Calcular", then
// "Gerar relatório" opens the report modally over the data-entry window.
TEST_F(RelatorioAvaliacao, DaDigitacaoAoRelatorio)
{
    FPrincipal->Novo1->trigger();
    digitaIdentificacao(FIdentificacao, identificacaoRealista);
    QTest::mouseClick(FIdentificacao->OK, Qt::LeftButton);
    ASSERT_TRUE(FEntdados);
    digitaTerraco(FEntdados);
    QTest::mouseClick(FEntdados->BttCalcula, Qt::LeftButton);
    ASSERT_EQ(FEntdados->paginaAtiva(), "CapacidadeDeArmazenamento");
    EXPECT_TRUE(FPrincipal->RelatriodeAvaliao1->isEnabled());

    bool mostrado = false;
    noRelatorioModal([&mostrado](TFRelatorioAvaliacao& r) {
        mostrado = true;
        EXPECT_TRUE(r.isModal());
        EXPECT_EQ(r.parent(), FEntdados.data());
        EXPECT_EQ(r.LIdentificacaoTerraco->text(), "Terraço 3");
        EXPECT_EQ(r.LMunicipio->text(), "Lavras");
        EXPECT_EQ(r.LEstado->text(), "MG");
        EXPECT_EQ(r.LResponsavel->text(), "Eng. Agr. Márcia");
        EXPECT_EQ(r.LT->text(), "10 anos");
        EXPECT_EQ(r.Lk->text(), "500");
        EXPECT_EQ(r.La->text(), "0,2");
        EXPECT_EQ(r.Lb->text(), "10");
        EXPECT_EQ(r.Lc->text(), "0,8");
        EXPECT_EQ(r.LRVeVn->text(), "75,00 ");
        EXPECT_EQ(r.LRAvaliacao->text(), "Terraço INADEQUADO!");
        EXPECT_EQ(r.LPEstado->text(), "");
        EXPECT_EQ(r.LPMunicipio->text(), "");
        EXPECT_EQ(r.Chart1->quantidadeSeries(), 6);
        r.Button2->click();
    });
    QTest::mouseClick(FEntdados->Button2, Qt::LeftButton);
    EXPECT_TRUE(mostrado);
    EXPECT_FALSE(FRelatorioAvaliacao);
    EXPECT_FALSE(FPrincipal->RelatriodeAvaliao1->isEnabled());
    EXPECT_EQ(FEntdados->Chart1->quantidadeSeries(), 6);
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
}

// The rainfall equation looked up for a station of Minas Gerais reaches the report with
// its place. The page is printed to a file kept beside the tests
// (relatorio_consulta.pdf) for a person to look at.
TEST_F(RelatorioAvaliacao, DaConsultaAoRelatorio)
{
    projetoNovo();
    digitaTerraco(FEntdados);
    QTest::mouseClick(FEntdados->sbPrecipitacao, Qt::LeftButton);
    EXPECT_EQ(consultaPelaEntrada(*FEntdados, [](TfrmFoConsulta& c) {
                  EXPECT_EQ(c.Estado.Indice(), 12);
                  clicaEstacao(c, "Lavras");
                  QTest::mouseClick(c.BtnOk, Qt::LeftButton);
              }),
              1);
    EXPECT_EQ(FEntdados->LblEdtK->text(), "10224,81");
    QTest::mouseClick(FEntdados->BttCalcula, Qt::LeftButton);
    ASSERT_EQ(FEntdados->paginaAtiva(), "CapacidadeDeArmazenamento");
    const QString avaliacao = FEntdados->LblEdtAvaliacao->text();
    EXPECT_EQ(avaliacao, "Terraço INADEQUADO!");

    const QString pdf = QDir::current().filePath("relatorio_consulta.pdf");
    QFile::remove(pdf);
    respostaDialogo = [&pdf](QPrinter& impressora) {
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        return true;
    };
    bool mostrado = false;
    noRelatorioModal([&](TFRelatorioAvaliacao& r) {
        mostrado = true;
        const struct {
            QLabel* rotulo;
            QString esperado;
        } casos[] = {
            {r.LPMunicipio, "Lavras"},
            {r.LPEstado, "Minas Gerais"},
            {r.LPLocalidade, "-"},
            {r.LPLatitude, QString::fromUtf8("21°14'00\"")},
            {r.LPLongitude, QString::fromUtf8("45°00'00\"")},
            {r.LT, "10 anos"},
            {r.Lk, "10224,81"},
            {r.La, "0,187"},
            {r.Lb, "56,281"},
            {r.Lc, "1,149"},
            {r.LRVeVn, FEntdados->LblEdtVeVn->text()},
            {r.LRAvaliacao, avaliacao},
        };
        for (const auto& c : casos)
            EXPECT_EQ(c.rotulo->text(), c.esperado) << c.rotulo->objectName().toStdString();
        ASSERT_TRUE(esperaAte([&r] { return r.isVisible(); }));
        r.Button1->click();
        r.Button2->click();
    });
    QTest::mouseClick(FEntdados->Button2, Qt::LeftButton);
    EXPECT_TRUE(mostrado);
    EXPECT_EQ(paginasDoPdf(pdf), 1);
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
}

// ---- The report outlives its project's windows ---------------------------------------

TEST_F(RelatorioAvaliacao, FecharOProjetoFechaORelatorio)
{
    projetoCalculado();
    QPointer<TFRelatorioAvaliacao> r = relatorioPeloMenu();
    FPrincipal->Fechar1->trigger();
    EXPECT_FALSE(FRelatorioAvaliacao);
    EXPECT_FALSE(FPrincipal->RelatriodeAvaliao1->isEnabled());
    ASSERT_TRUE(esperaAte([&r] { return !r && !FEntdados; }));
}

// Another project opened while the report is open frees the data-entry window it was
// filled from; the report keeps its page and its chart, prints, and closes.
TEST_F(RelatorioAvaliacao, RelatorioSobreviveATrocaDaEntradaDeDados)
{
    projetoCalculado();
    QPointer<TFRelatorioAvaliacao> r = relatorioPeloMenu();
    QPointer<TFEntdados> antiga = FEntdados.data();
    arquivosEscolhidos.push_back(arquivoDeProjeto("outro.txt", terracoRealista()));
    FPrincipal->Abrir1->trigger();
    ASSERT_TRUE(esperaAte([&antiga] { return !antiga; }));
    ASSERT_TRUE(FEntdados);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->isVisible());
    EXPECT_EQ(r->LIdentificacaoTerraco->text(), "Terraço 3");
    EXPECT_EQ(r->Chart1->quantidadeSeries(), 6);
    r->repaint();

    const QString pdf = pasta.filePath("depois.pdf");
    respostaDialogo = [&pdf](QPrinter& impressora) {
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        return true;
    };
    r->Button1->click();
    EXPECT_EQ(paginasDoPdf(pdf), 1);

    r->Button2->click();
    EXPECT_FALSE(FPrincipal->RelatriodeAvaliao1->isEnabled());
    ASSERT_TRUE(esperaAte([&r] { return !r; }));
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
}

// The project closed while the modal report of "Gerar relatório" is open (its data-entry
// window owns it): the report goes with its window and nothing touches either afterwards.
TEST_F(RelatorioAvaliacao, ProjetoFechadoComORelatorioModalAberto)
{
    projetoCalculado();
    bool mostrado = false;
    noRelatorioModal([&mostrado](TFRelatorioAvaliacao&) {
        mostrado = true;
        FPrincipal->FecharProjetoClick();
    });
    FEntdados->Button2->click();
    EXPECT_TRUE(mostrado);
    EXPECT_FALSE(FRelatorioAvaliacao);
    ASSERT_TRUE(esperaAte([] { return !FEntdados; }));
    EXPECT_FALSE(FPrincipal->RelatriodeAvaliao1->isEnabled());
}

