#include "tests/app/janelas/FixtureEntrada.h"
#include "app/plataforma/TGrafico.h"
#include "app/plataforma/TStringGrid.h"
#include "plataforma/TLabeledEdit.h"
#include "plataforma/TMaskEdit.h"
#include "plataforma/TRadioGroup.h"
#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TPastaPrograma.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QHeaderView>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QApplication>

using TFEntdadosTest = FixtureEntrada;

TEST_F(TFEntdadosTest, AoMostrarAPrecipitacaoFicaAberta)
{
    TFEntdados antes;
    EXPECT_EQ(antes.abaAberta, 0);

    TFEntdados& j = mostra();
    EXPECT_EQ(j.windowTitle(), QStringLiteral("Entrada de Dados"));
    EXPECT_EQ(j.size(), QSize(744, 471));
    EXPECT_EQ(j.paginaAtiva(), QStringLiteral("EntradaDeDados"));
    EXPECT_EQ(j.abaAberta, 1);
    EXPECT_EQ(j.abaClicada, 1);
    EXPECT_TRUE(j.sbPrecipitacao->isChecked());
    for (QToolButton* b : {j.sbCanal, j.sbAreaDeContribuicao, j.sbPerfilDaCrista, j.sbSolo})
        EXPECT_FALSE(b->isChecked());
    EXPECT_EQ(j.PnPrecipitacao->height(), 150);
    EXPECT_EQ(j.PnCanal->height(), 40);
    EXPECT_EQ(j.PnCanal->y(), 150);
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Precipitacao.bmp"));
    EXPECT_EQ(j.Image1->size(), QSize(430, 313));
    EXPECT_EQ(j.PnEsquerda->width(), 417);
    EXPECT_EQ(j.PnDireita->geometry(), QRect(288, 0, 456, 471));
    EXPECT_EQ(j.PnBordaImage->geometry(), QRect(11, 20, 436, 319));
    EXPECT_TRUE(mensagens.isEmpty());

    j.BttAjuda->click();
    EXPECT_EQ(ajudas, std::vector<std::uint32_t>{10018});
}

TEST_F(TFEntdadosTest, GradesComCabecalhosNumerosELargurasDoInicio)
{
    TFEntdados& j = mostra();
    const struct {
        TStringGrid* grade;
        std::vector<int> larguras;
        int largura;
    } casos[] = {{j.SGridCanalSecao, {20, 40, 40, 40, 40, 40, 40, 40}, 328},
                 {j.SGridMira, {20, 41, 41, 41, 41}, 209},
                 {j.SGridCristaInicio, {20, 60, 60}, 146},
                 {j.SGridCristaMeio, {20, 60, 60}, 163},
                 {j.SGridCristaFim, {20, 60, 60}, 146},
                 {j.SGridTrena, {64}, 85}};
    for (const auto& [grade, larguras, largura] : casos) {
        SCOPED_TRACE(grade->objectName().toStdString());
        for (int c = 0; c < grade->ColCount(); ++c)
            EXPECT_EQ(grade->ColWidths(c), larguras[static_cast<std::size_t>(c)]);
        EXPECT_EQ(grade->width(), largura);
        EXPECT_EQ(grade->verticalHeader()->defaultSectionSize(), 24);
    }
    EXPECT_EQ(j.SGridCanalSecao->Cells(0, 0), QStringLiteral(" S"));
    EXPECT_EQ(j.SGridCanalSecao->Cells(6, 0), QStringLiteral("(C- FT)"));
    EXPECT_EQ(j.SGridCanalSecao->Cells(0, 9), QStringLiteral("9"));
    EXPECT_EQ(j.SGridMira->Cells(4, 0), QStringLiteral("Ânguloº"));
    EXPECT_EQ(j.SGridMira->Cells(0, 11), QStringLiteral("11"));
    EXPECT_EQ(j.SGridCristaInicio->Cells(0, 0), QStringLiteral("0"));
    EXPECT_EQ(j.SGridCristaMeio->Cells(0, 0), QStringLiteral("1"));
    EXPECT_EQ(j.SGridCristaMeio->Cells(0, 9), QStringLiteral("10"));
    EXPECT_EQ(j.SGridCristaFim->Cells(0, 0), QStringLiteral("0"));
    EXPECT_EQ(j.SGridCanalSecao->FixedRows(), 1);
    EXPECT_EQ(j.SGridCanalSecao->FixedCols(), 1);
    EXPECT_EQ(j.SGridCristaMeio->FixedRows(), 0);
    EXPECT_EQ(j.SGridCristaMeio->FixedCols(), 1);
    EXPECT_EQ(j.SGridTrena->FixedCols(), 0);
    EXPECT_EQ(j.SGridCristaInicio->property("Tag").toInt(), 1);
    EXPECT_EQ(j.SGridCristaMeio->property("Tag").toInt(), 2);
}

TEST_F(TFEntdadosTest, AbrirEFecharAAreaDeContribuicao)
{
    TFEntdados& j = mostra();
    QWidget* ocultas[] = {j.NoteAreaDeContribuicao, j.SpeedButton3, j.SpeedButton4};
    for (QWidget* c : ocultas)
        EXPECT_FALSE(c->isVisible());

    j.sbAreaDeContribuicao->click();
    EXPECT_EQ(j.abaAberta, 3);
    EXPECT_TRUE(j.sbAreaDeContribuicao->isChecked());
    EXPECT_FALSE(j.sbPrecipitacao->isChecked());
    EXPECT_EQ(j.PnAreaDeContribuicao->height(), 243);
    EXPECT_EQ(j.PnPrecipitacao->height(), 40);
    EXPECT_EQ(j.PnEsquerda->width(), 420);
    for (QWidget* c : ocultas)
        EXPECT_TRUE(c->isVisible());
    EXPECT_TRUE(j.RadioGTipoDeLevantamento->isVisible());
    EXPECT_TRUE(j.GroupBox1->isVisible());
    EXPECT_FALSE(j.LblEdtTr->isVisible());
    EXPECT_FALSE(j.LblEdtTr->EditLabel()->isVisible());
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_Figura_inicial.bmp"));
    // The narrow picture gives the left half its room.
    EXPECT_EQ(j.PnDireita->width(), 326);
    EXPECT_EQ(j.PnDireita->x(), 418);

    j.sbPerfilDaCrista->click();
    EXPECT_EQ(j.PnAreaDeContribuicao->height(), 40);
    for (QWidget* c : ocultas)
        EXPECT_FALSE(c->isVisible());
    EXPECT_FALSE(j.GroupBox1->isVisible());
    EXPECT_EQ(j.PnPerfiDaCrista->height(), 243);
    EXPECT_EQ(j.PnEsquerda->width(), 270);
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Cotas_das_extremidades_do_terraco.bmp"));

    j.sbSolo->click();
    EXPECT_TRUE(j.LblEdtSoloTIE->isVisible());
    EXPECT_EQ(j.PnPerfiDaCrista->height(), 40);
    EXPECT_EQ(j.PnSolo->y() + j.PnSolo->height(), 471 - 40);
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("SoloTIE.bmp"));
}

TEST_F(TFEntdadosTest, ClicarNaSecaoAbertaAMantem)
{
    TFEntdados& j = mostra();
    j.sbPerfilDaCrista->click();
    const QRect direita = j.PnDireita->geometry();
    const QRect borda = j.PnBordaImage->geometry();
    j.sbPerfilDaCrista->click();
    EXPECT_TRUE(j.sbPerfilDaCrista->isChecked());
    EXPECT_EQ(j.abaAberta, 4);
    EXPECT_EQ(j.PnPerfiDaCrista->height(), 243);
    EXPECT_EQ(j.PnDireita->geometry(), direita);
    EXPECT_EQ(j.PnBordaImage->geometry(), borda);
    EXPECT_TRUE(j.SGridCristaMeio->isVisible());

    j.abaEntradaDadosClick(j.BttCalcula);  // not a section button: nothing
    EXPECT_EQ(j.abaAberta, 4);
}

TEST_F(TFEntdadosTest, CanalTrapezoidalMostraAsOpcoesDoDegrau)
{
    usaImagensDeTamanho({350, 250});  // pictures that leave the frame fitting alone
    TFEntdados& j = mostra();
    EXPECT_FALSE(j.RButtonSecaoTrapComum->isVisible());
    j.sbCanal->click();
    EXPECT_TRUE(j.RButtonSecaoTrapComum->isVisible());
    EXPECT_TRUE(j.RButtonSecaoTrapComDegrau->isVisible());
    EXPECT_TRUE(j.RButtonSecaoTrapComum->isChecked());
    EXPECT_EQ(j.PnDireita->width(), 476);
    EXPECT_EQ(j.PnEsquerda->width(), 350);
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Trapez.bmp"));
    EXPECT_TRUE(j.LblEdtComprimentoTerraco->isVisible());

    j.RButtonSecaoTrapComDegrau->click();
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Trapez_Degrau.bmp"));

    j.sbSolo->click();  // closing the channel brings the option back to "comum"
    EXPECT_FALSE(j.RButtonSecaoTrapComum->isVisible());
    EXPECT_FALSE(j.RButtonSecaoTrapComDegrau->isVisible());
    EXPECT_TRUE(j.RButtonSecaoTrapComum->isChecked());
    EXPECT_EQ(j.PnDireita->width(), 456);
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(TFEntdadosTest, CanalTriangularNuncaMostraAsOpcoes)
{
    usaImagensDeTamanho({350, 250});
    TFEntdados& j = mostra();
    j.CBTipoSecao->setCurrentIndex(secaoTriangular);
    j.sbCanal->click();
    EXPECT_FALSE(j.RButtonSecaoTrapComum->isVisible());
    EXPECT_FALSE(j.RButtonSecaoTrapComDegrau->isVisible());
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Triang.bmp"));
    EXPECT_EQ(j.PnDireita->width(), 476);
    j.sbPrecipitacao->click();
    EXPECT_FALSE(j.RButtonSecaoTrapComum->isVisible());
    EXPECT_EQ(j.PnDireita->width(), 456);
}

// How the frame and the right half follow a picture's size is TGeometriaEntrada's table
// (MolduraDaImagem); here the window applies it to the picture it shows: a wide picture
// in a narrow right half widens it, which keeps to the window's right edge.
TEST_F(TFEntdadosTest, MolduraSeAjustaAImagem)
{
    TFEntdados& j = mostra();
    gravaImagem(QStringLiteral("Teste.bmp"), {351, 250});
    j.carregaImagem(QStringLiteral("Teste.bmp"));
    j.defineLarguraPnDireita(369);
    j.PnBordaImage->move(11, 77);
    j.ajustaPanelImage();
    EXPECT_EQ(j.PnDireita->width(), 499);
    EXPECT_EQ(j.PnDireita->x(), 744 - 499);
    EXPECT_EQ(j.PnBordaImage->geometry(), QRect(11, 40, 357, 256));
}

// Where the spot lies is TGeometriaEntrada's table (AtalhoDoProgramaDeTerracos); here the
// window applies it.
TEST_F(TFEntdadosTest, ImagemAbreOProgramaDeTerracosSoNoCanto)
{
    TFEntdados& j = mostra();
    const QString programa = QString::fromStdString(pastaPrograma()) + QStringLiteral("Quelvo");
    const struct {
        int x, y;
        bool inicia;
    } casos[] = {{3, 258, true}, {60, 258, false}};
    for (const auto& [x, y, inicia] : casos) {
        iniciados.clear();
        j.Image1MouseDown(Qt::LeftButton, x, y);
        EXPECT_EQ(iniciados.size(), inicia ? 1 : 0) << x << "," << y;
    }
    iniciados.clear();
    QTest::mousePress(j.Image1, Qt::RightButton, {}, QPoint(3, 258));
    EXPECT_EQ(iniciados, QStringList{programa});

    j.sbSolo->click();
    iniciados.clear();
    j.Image1MouseDown(Qt::LeftButton, 3, 258);
    EXPECT_TRUE(iniciados.isEmpty());
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(TFEntdadosTest, ProgramaDeTerracosAusenteOuQueFalhaAvisa)
{
    TFEntdados& j = mostra();
    const QString programa = QString::fromStdString(pastaPrograma()) + QStringLiteral("Quelvo");
    resultadoInicio = TIniciaProcesso::TResultado::inexistente;
    j.Image1MouseDown(Qt::LeftButton, 3, 258);
    EXPECT_EQ(mensagens, QStringList{QStringLiteral("O arquivo ") + programa + QStringLiteral(" não existe.")});
    mensagens.clear();
    resultadoInicio = TIniciaProcesso::TResultado::falhou;
    j.Image1MouseDown(Qt::LeftButton, 3, 258);
    EXPECT_EQ(mensagens, QStringList{QStringLiteral("Não foi possível iniciar o programa ") + programa + "."});
}

TEST_F(TFEntdadosTest, ImagemAusenteAvisaUmaVezESegue)
{
    TImagensGuia::definePasta(pasta.path() + "/");
    TFEntdados& j = mostra();
    const QString caminho = pasta.path() + QStringLiteral("/Precipitacao.bmp");
    EXPECT_EQ(mensagens, QStringList{QStringLiteral("O arquivo ") + caminho + QStringLiteral(" não existe.")});
    // The show went on all the same.
    EXPECT_TRUE(j.sbPrecipitacao->isChecked());
    EXPECT_EQ(j.PnPrecipitacao->height(), 150);
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 0), QStringLiteral("   (C) "));

    j.sbCanal->click();
    j.sbPrecipitacao->click();
    EXPECT_EQ(mensagens.count(QStringLiteral("O arquivo ") + caminho + QStringLiteral(" não existe.")), 1);
    EXPECT_EQ(mensagens.filter(QStringLiteral("Trapez.bmp")).size(), 1);
    EXPECT_TRUE(j.sbPrecipitacao->isChecked());

    gravaImagem(QStringLiteral("Ruim.bmp"), {10, 10});
    QFile(pasta.path() + QStringLiteral("/Ruim.bmp")).resize(20);
    j.carregaImagem(QStringLiteral("Ruim.bmp"));
    EXPECT_TRUE(mensagens.last().endsWith(QStringLiteral("Ruim.bmp não é uma imagem válida.")));
    EXPECT_EQ(j.Image1->size(), QSize(0, 0));
}

TEST_F(TFEntdadosTest, AjudaPelaSecaoClicadaPorUltimo)
{
    TFEntdados& j = mostra();
    QToolButton* botoes[] = {j.sbPrecipitacao, j.sbCanal, j.sbAreaDeContribuicao, j.sbPerfilDaCrista, j.sbSolo};
    for (QToolButton* b : botoes) {
        b->click();
        j.BttAjuda->click();
    }
    EXPECT_EQ(ajudas, (std::vector<std::uint32_t>{10018, 10017, 10014, 10016, 10019}));
    ajudas.clear();
    j.abaClicada = 0;
    j.ajudaClick();
    EXPECT_TRUE(ajudas.empty());
    j.Button3->click();
    EXPECT_EQ(ajudas, std::vector<std::uint32_t>{10015});

    EXPECT_EQ(j.meLatitude->property("HelpContext").toInt(), 32);
    EXPECT_EQ(j.MELongitude->property("HelpContext").toInt(), 32);
    EXPECT_EQ(j.NoteAreaDeContribuicao->widget(1)->objectName(), QStringLiteral("trena"));
    EXPECT_EQ(j.NoteAreaDeContribuicao->widget(1)->property("HelpContext").toInt(), 1);
    EXPECT_EQ(j.NotePaginas->widget(1)->property("HelpContext").toInt(), 1);
}

// The window's commands run under the application's guard: a help request that fails
// shows its message, whichever "Ajuda" asked for it.
TEST_F(TFEntdadosTest, AjudaQueFalhaMostraSuaMensagem)
{
    TFEntdados& j = mostra();
    TAjudaAplicacao::defineManipulador([](std::uint16_t, std::uint32_t contexto, bool&) -> bool {
        throw EInOutError("A ajuda " + std::to_string(contexto) + " não abriu.");
    });
    j.BttAjuda->click();
    j.Button3->click();
    EXPECT_EQ(mensagens, (QStringList{"A ajuda 10018 não abriu.", "A ajuda 10015 não abriu."}));
}

TEST_F(TFEntdadosTest, BotoesDasPaginas)
{
    TFEntdados& j = mostra();
    j.setWindowTitle(QStringLiteral("Capacidade de armazenamento do terraço"));
    j.mostraPagina(QStringLiteral("CapacidadeDeArmazenamento"));
    EXPECT_EQ(j.paginaAtiva(), QStringLiteral("CapacidadeDeArmazenamento"));
    j.Button1->click();
    EXPECT_EQ(j.windowTitle(), QStringLiteral("Entrada de Dados"));
    EXPECT_EQ(j.paginaAtiva(), QStringLiteral("EntradaDeDados"));

    QSignalSpy fechar(&j, &TFEntdados::pedidoFecharProjeto);
    j.BttCancela->click();
    EXPECT_EQ(fechar.count(), 1);
    EXPECT_TRUE(j.isVisible());
    EXPECT_EQ(j.Button2->text(), QStringLiteral("Gerar relatório"));
    EXPECT_TRUE(j.Button2->isEnabled());
    // The report is its owner's to make.
    QSignalSpy relatorio(&j, &TFEntdados::pedidoRelatorio);
    j.Button2->click();
    EXPECT_EQ(relatorio.count(), 1);
    EXPECT_TRUE(j.findChildren<QDialog*>().isEmpty());
    EXPECT_EQ(j.BttCalcula->text(), QStringLiteral("Calcular"));
}

TEST_F(TFEntdadosTest, PaginaDeResultadosComoDesenhada)
{
    TFEntdados& j = mostra();
    for (QLabel* l : {j.LblRLES, j.LblRLESestrada, j.LblRAc, j.LblRAcEstrada})
        EXPECT_EQ(l->text(), QStringLiteral("-"));
    for (TLabeledEdit* e : {j.LblEdtRCotaCrista, j.LblEdtRCotaBigode, j.LblEdtRVe, j.LblEdtRVn, j.LblEdtVeVn,
                            j.LblEdtAvaliacao})
        EXPECT_TRUE(e->isReadOnly());
    EXPECT_EQ(j.LblEdtRVe->EditLabel()->text(), QStringLiteral("       Ve(m³)"));
    EXPECT_EQ(j.LblEdtRVe->posicaoRotulo(), TLabeledEdit::TPosicaoRotulo::lpAbove);
    EXPECT_EQ(j.LblEdtAvaliacao->EditLabel()->text(), QStringLiteral("Avaliação:"));
    EXPECT_TRUE(j.MemObs->isReadOnly());
    EXPECT_EQ(j.MemObs->property("Tag").toInt(), 0);
    EXPECT_FALSE(j.LblMotivoSemAvaliacao->isVisibleTo(j.PnResultados));
    EXPECT_EQ(j.SGridResultadosAr->RowCount(), 6);
    EXPECT_EQ(j.SGridResultadosAr->FixedRows(), 1);
    EXPECT_EQ(j.SGridResultadosAr->FixedCols(), 0);
    EXPECT_EQ(j.SGridRMedia->FixedCols(), 1);
    EXPECT_EQ(j.SGridRMedia->ColWidths(1), 55);
    EXPECT_EQ(j.Chart1->geometry(), QRect(231, 66, 513, 377));
    EXPECT_EQ(j.Chart1->quantidadeSeries(), 0);
}

TEST_F(TFEntdadosTest, NaAreaDeDocumentosSemBotoesEFechaSozinha)
{
    QMdiArea area;
    area.resize(900, 650);
    area.show();
    FEntdados = new TFEntdados;
    QMdiSubWindow* subjanela = TFEntdados::mostraNaArea(&area, FEntdados);
    EXPECT_FALSE(subjanela->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(subjanela->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(subjanela->windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(subjanela->windowTitle(), QStringLiteral("Entrada de Dados"));
    EXPECT_EQ(FEntdados->abaAberta, 1);  // shown, so started
    EXPECT_EQ(FEntdados->size(), QSize(744, 471));

    FEntdados->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(FEntdados.isNull());
    EXPECT_TRUE(area.subWindowList().isEmpty());

    FEntdados = new TFEntdados;
    TFEntdados::mostraNaArea(&area, FEntdados)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(FEntdados.isNull());
    EXPECT_TRUE(area.subWindowList().isEmpty());
}

TEST_F(TFEntdadosTest, NaAreaDeDocumentosOTecladoComecaNoTempoDeRetorno)
{
    QMdiArea area;
    area.resize(900, 650);
    area.show();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    FEntdados = new TFEntdados;
    TFEntdados::mostraNaArea(&area, FEntdados);
    ASSERT_EQ(QApplication::focusWidget(), FEntdados->LblEdtTr);
    QTest::keyClicks(FEntdados->LblEdtTr, QStringLiteral("25"));
    EXPECT_EQ(FEntdados->LblEdtTr->text(), QStringLiteral("25"));
    FEntdados->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
