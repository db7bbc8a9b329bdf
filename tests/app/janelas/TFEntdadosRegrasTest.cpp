#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "app/plataforma/TStringGrid.h"
#include "plataforma/TLabeledEdit.h"
#include "plataforma/TRadioGroup.h"
#include "tests/app/janelas/FixtureEntrada.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

namespace {

class TFEntdadosRegras : public FixtureEntrada {
protected:
    void TearDown() override
    {
        defineConfiguracaoRegional(TConfiguracaoRegional::doSistema());
        FixtureEntrada::TearDown();
    }

    static void usaSeparador(char separador)
    {
        TConfiguracaoRegional c = TConfiguracaoRegional::brasileira();
        c.DecimalSeparator = separador;
        defineConfiguracaoRegional(c);
    }

    // The window with every numeric edit on show and enabled.
    TFEntdados& mostraComEdicoes()
    {
        TFEntdados& j = mostra();
        j.sbAreaDeContribuicao->click();
        j.RadioButtonContribui->click();
        return j;
    }

    static QString comSeparador(const char* texto, char separador)
    {
        return QString::fromUtf8(texto).replace(QLatin1Char(','), QLatin1Char(separador));
    }
};

// Types `teclas` into a cell the way a user does: the first key goes to the grid and opens
// the cell's editor, the rest go to the editor, Return ends the editing.
void digitaNaCelula(TStringGrid* grade, int coluna, int linha, const QString& teclas)
{
    grade->setCurrentCell(linha - grade->FixedRows(), coluna - grade->FixedCols());
    for (QChar c : teclas) {
        QWidget* editor = grade->indexWidget(grade->currentIndex());
        QTest::keyClick(editor ? editor : grade, c.toLatin1());
    }
    if (QWidget* editor = grade->indexWidget(grade->currentIndex())) {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
}

void selecionaCelula(TStringGrid* grade, int coluna, int linha)
{
    grade->setCurrentCell(linha - grade->FixedRows(), coluna - grade->FixedCols());
}

QStringList coluna(const TStringGrid* grade, int c)
{
    QStringList textos;
    for (int r = 0; r < grade->RowCount(); ++r)
        textos << grade->Cells(c, r);
    return textos;
}

QStringList numeros(int de, int ate)
{
    QStringList textos;
    for (int n = de; n <= ate; ++n)
        textos << QString::number(n);
    return textos;
}

// Where a cell is drawn, in the grid's own coordinates.
QRect areaDaCelula(const TStringGrid* grade, int coluna, int linha)
{
    const QModelIndex indice = grade->model()->index(linha - grade->FixedRows(), coluna - grade->FixedCols());
    return grade->visualRect(indice).translated(grade->viewport()->pos());
}

void pressiona(TStringGrid* grade, Qt::MouseButton botao, int linha)
{
    const QPoint ponto = areaDaCelula(grade, grade->FixedCols(), linha).center() - grade->viewport()->pos();
    QTest::mousePress(grade->viewport(), botao, {}, ponto);
    QTest::mouseRelease(grade->viewport(), botao, {}, ponto);
}

} // namespace

// ---- Numeric edits ----------------------------------------------------------------

TEST_F(TFEntdadosRegras, EdicoesNumericasAceitamUmSeparadorComoOEmVigor)
{
    for (char separador : {',', '.'}) {
        SCOPED_TRACE(separador);
        usaSeparador(separador);
        TFEntdados& j = mostraComEdicoes();
        const QString esperado = comSeparador("1,5", separador);
        for (QLineEdit* e : std::initializer_list<QLineEdit*>{
                 j.LblEdtK, j.LblEdtA, j.LblEdtB, j.LblEdtC, j.LblEdtComprimentoTerraco,
                 j.EdtAreaContibuicaoSemiELargura, j.EdtAreaContibuicaoComprimento, j.LblEdtSoloTIE}) {
            QTest::keyClicks(e, QStringLiteral("-a1.x,5.,-"));
            EXPECT_EQ(e->text(), esperado) << e->objectName().toStdString();
        }
        j.LblEdtK->clear();
        QTest::keyClicks(j.LblEdtK, QStringLiteral("12,"));
        EXPECT_EQ(j.LblEdtK->text(), comSeparador("12,", separador));
    }
}

TEST_F(TFEntdadosRegras, CincoDecimaisNoMaximoEmQualquerPontoDoTexto)
{
    usaSeparador(',');
    TFEntdados& j = mostraComEdicoes();
    QLineEdit* k = j.LblEdtK;
    QTest::keyClicks(k, QStringLiteral("1,2345"));
    QTest::keyClick(k, '6');
    EXPECT_EQ(k->text(), QStringLiteral("1,23456"));
    QTest::keyClicks(k, QStringLiteral("78"));
    EXPECT_EQ(k->text(), QStringLiteral("1,23456"));
    QTest::keyClick(k, Qt::Key_Backspace);
    EXPECT_EQ(k->text(), QStringLiteral("1,2345"));
    QTest::keyClick(k, '9');
    EXPECT_EQ(k->text(), QStringLiteral("1,23459"));

    // The whole text counts, not where the caret or the selection stands.
    k->setCursorPosition(0);
    QTest::keyClick(k, '7');
    EXPECT_EQ(k->text(), QStringLiteral("1,23459"));
    k->selectAll();
    QTest::keyClick(k, '7');
    EXPECT_EQ(k->text(), QStringLiteral("1,23459"));
}

TEST_F(TFEntdadosRegras, TeclasDeEdicaoEAtalhosContinuamValendo)
{
    usaSeparador(',');
    TFEntdados& j = mostraComEdicoes();
    QLineEdit* k = j.LblEdtK;
    QTest::keyClicks(k, QStringLiteral("1,23456"));
    QTest::keyClick(k, Qt::Key_Home);
    QTest::keyClick(k, Qt::Key_Delete);
    EXPECT_EQ(k->text(), QStringLiteral(",23456"));
    QTest::keyClick(k, Qt::Key_Right);
    QTest::keyClick(k, Qt::Key_Backspace);
    EXPECT_EQ(k->text(), QStringLiteral("23456"));

    QTest::keyClick(k, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(k->text(), QStringLiteral(",23456"));
    k->setText(QStringLiteral("3,25"));
    QTest::keyClick(k, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(k->selectedText(), QStringLiteral("3,25"));
    QTest::keyClick(k, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("3,25"));
    QTest::keyClick(j.LblEdtB, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(j.LblEdtB->text(), QStringLiteral("3,25"));
    // Pasted text meets the typing rules: a minus sign refuses the whole paste.
    QGuiApplication::clipboard()->setText(QStringLiteral("-7,12"));
    QTest::keyClick(j.LblEdtA, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(j.LblEdtA->text(), QString());
}

TEST_F(TFEntdadosRegras, PeriodoDeRetornoNaoTemFiltro)
{
    usaSeparador(',');
    TFEntdados& j = mostra();
    QTest::keyClicks(j.LblEdtTr, QStringLiteral("-10.5,x"));
    EXPECT_EQ(j.LblEdtTr->text(), QStringLiteral("-10.5,x"));
}

TEST_F(TFEntdadosRegras, FiltroSoJulgaEdicoes)
{
    TFEntdados& j = mostra();
    QChar tecla(QLatin1Char('5'));
    j.apenasDouble(j.CBTipoSecao, tecla);
    EXPECT_TRUE(tecla.isNull());
}

// ---- Grid cells -------------------------------------------------------------------

TEST_F(TFEntdadosRegras, CelulasAceitamAlgarismosESeparadoresSemLimite)
{
    for (char separador : {',', '.'}) {
        SCOPED_TRACE(separador);
        usaSeparador(separador);
        TFEntdados& j = mostra();
        const struct {
            QToolButton* secao;
            TStringGrid* grade;
            int coluna, linha;
        } casos[] = {{j.sbCanal, j.SGridCanalSecao, 3, 2},       {j.sbAreaDeContribuicao, j.SGridMira, 4, 1},
                     {j.sbPerfilDaCrista, j.SGridCristaInicio, 1, 0}, {j.sbPerfilDaCrista, j.SGridCristaMeio, 1, 3},
                     {j.sbPerfilDaCrista, j.SGridCristaFim, 1, 0}};
        for (const auto& [secao, grade, c, r] : casos) {
            secao->click();
            digitaNaCelula(grade, c, r, QStringLiteral("-1.2x,3,"));
            EXPECT_EQ(grade->Cells(c, r), comSeparador("1,2,3,", separador)) << grade->objectName().toStdString();
        }
        j.RadioGTipoDeLevantamento->item(levantamentoTrena)->click();
        digitaNaCelula(j.SGridTrena, 0, 4, QStringLiteral("a32.5"));
        EXPECT_EQ(j.SGridTrena->Cells(0, 4), comSeparador("32,5", separador));
    }
}

TEST_F(TFEntdadosRegras, CelulaComNumeroAceitaOutroSeparador)
{
    usaSeparador(',');
    TFEntdados& j = mostra();
    j.sbCanal->click();
    j.SGridCanalSecao->setCells(1, 1, QStringLiteral("1,2"));
    selecionaCelula(j.SGridCanalSecao, 1, 1);
    QTest::keyClick(j.SGridCanalSecao, Qt::Key_F2);
    QWidget* editor = j.SGridCanalSecao->indexWidget(j.SGridCanalSecao->currentIndex());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, QStringLiteral(".-"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 1), QStringLiteral("1,2,"));
}

TEST_F(TFEntdadosRegras, SoALeituraDaCristaSeEdita)
{
    usaSeparador(',');
    TFEntdados& j = mostra();
    j.sbPerfilDaCrista->click();
    for (TStringGrid* g : {j.SGridCristaInicio, j.SGridCristaMeio, j.SGridCristaFim}) {
        SCOPED_TRACE(g->objectName().toStdString());
        selecionaCelula(g, 2, 0);
        EXPECT_FALSE(g->Options().testFlag(TStringGrid::goEditing));
        QTest::keyClick(g, '5');
        EXPECT_EQ(g->indexWidget(g->currentIndex()), nullptr);
        EXPECT_EQ(g->Cells(2, 0), QString());

        digitaNaCelula(g, 1, 0, QStringLiteral("1,35"));
        EXPECT_TRUE(g->Options().testFlag(TStringGrid::goEditing));
        EXPECT_EQ(g->Cells(1, 0), QStringLiteral("1,35"));
    }
}

// ---- The crest's elevations -------------------------------------------------------

TEST_F(TFEntdadosRegras, CotaDaCristaAntesEDepoisDaAvaliacao)
{
    usaSeparador(',');
    TFEntdados& j = mostra();
    j.sbPerfilDaCrista->click();
    for (TStringGrid* g : {j.SGridCristaInicio, j.SGridCristaMeio, j.SGridCristaFim})
        for (int r = 0; r < g->RowCount(); ++r)
            EXPECT_EQ(j.textoCota(g, r), QStringLiteral("        -")) << g->objectName().toStdString() << r;

    j.cotasCrista = {100.0, 99.456, 98.5, 97.125};
    j.nPontosCrista = 4;
    EXPECT_EQ(j.textoCota(j.SGridCristaInicio, 0), QStringLiteral("100,00 "));
    EXPECT_EQ(j.textoCota(j.SGridCristaFim, 0), QStringLiteral("97,13 "));
    EXPECT_EQ(coluna(j.SGridCristaMeio, 0), numeros(1, 10));
    QStringList meio;
    for (int r = 0; r < j.SGridCristaMeio->RowCount(); ++r)
        meio << j.textoCota(j.SGridCristaMeio, r);
    EXPECT_EQ(meio, QStringList({"99,46 ", "98,50 ", "", "", "", "", "", "", "", ""}));
}

TEST_F(TFEntdadosRegras, ColunaDaCotaDesenhadaEmCinzaSobreACelula)
{
    TFEntdados& j = mostra();
    j.sbPerfilDaCrista->click();
    const QColor cinza = j.SGridCristaMeio->palette().color(QPalette::Button);
    for (bool avaliado : {false, true}) {
        j.nPontosCrista = avaliado ? 3 : 0;
        j.cotasCrista = {1.0, 2.0, 3.0};
        for (TStringGrid* g : {j.SGridCristaInicio, j.SGridCristaMeio, j.SGridCristaFim}) {
            SCOPED_TRACE(g->objectName().toStdString());
            selecionaCelula(g, 2, 0);  // even the current cell is grey
            const QImage imagem = g->grab().toImage();
            const QRect cota = areaDaCelula(g, 2, 0);
            EXPECT_EQ(imagem.pixelColor(cota.right() - 2, cota.bottom() - 2), cinza);
            const QRect leitura = areaDaCelula(g, 1, 0);
            EXPECT_NE(imagem.pixelColor(leitura.right() - 2, leitura.bottom() - 2), cinza);
        }
    }
}

// ---- Guide pictures of the grids --------------------------------------------------

// Which picture each column of each kind of section has is TEscolhaImagemGuia's table
// (its tests FamiliaDasColunasDoCanal and ColunasDoCanal); here the window applies it: a
// cell picked shows its column's picture for the section's type and step as the controls
// have them, with the frame fitted, and a column without a picture leaves the one on show.
TEST_F(TFEntdadosRegras, ImagemDoCanalPelaColunaPeloTipoEPeloDegrau)
{
    TFEntdados& j = mostra();
    j.sbCanal->click();
    selecionaCelula(j.SGridCanalSecao, 2, 1);
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Trapez_C-F1.bmp"));
    EXPECT_EQ(j.PnBordaImage->size(), j.Image1->size() + QSize(6, 6));

    j.RButtonSecaoTrapComDegrau->click();
    selecionaCelula(j.SGridCanalSecao, 7, 2);
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Trapez_Degrau_FT.bmp"));

    j.CBTipoSecao->setCurrentIndex(secaoTriangular);
    emit j.CBTipoSecao->activated(secaoTriangular);
    const struct {
        int coluna;
        const char* imagem;
    } casos[] = {{3, "Triang_F1.bmp"}, {4, "Triang.bmp"}};
    for (const auto& [coluna, imagem] : casos) {
        SCOPED_TRACE(coluna);
        j.carregaImagem(QStringLiteral("Triang.bmp"));
        j.SgridCanalSelectCell(coluna);
        EXPECT_EQ(j.imagemAtual(), QString::fromLatin1(imagem));
    }
    EXPECT_TRUE(mensagens.isEmpty());
}

// The sight grid's column pictures are TEscolhaImagemGuia's table (its test
// ColunasDaMiraEGradesDaCrista); here a cell picked shows its column's, with the frame
// fitted. Each crest grid shows the picture of its tag, and a click leaves the frame as
// it is.
TEST_F(TFEntdadosRegras, ImagensDaMiraEDaCrista)
{
    TFEntdados& j = mostra();
    j.sbAreaDeContribuicao->click();
    selecionaCelula(j.SGridMira, 3, 2);
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_Irradiacao_FI.bmp"));
    EXPECT_EQ(j.PnBordaImage->size(), j.Image1->size() + QSize(6, 6));

    j.sbPerfilDaCrista->click();
    const struct {
        TStringGrid* grade;
        const char* imagem;
    } casos[] = {{j.SGridCristaMeio, "Cotas_da_crista.bmp"},
                 {j.SGridCristaFim, "Cotas_das_extremidades_do_terraco.bmp"},
                 {j.SGridCristaMeio, "Cotas_da_crista.bmp"},
                 {j.SGridCristaInicio, "Cotas_das_extremidades_do_terraco.bmp"}};
    for (const auto& [grade, imagem] : casos) {
        const QRect borda = j.PnBordaImage->geometry();
        const QPoint ponto = areaDaCelula(grade, 1, 0).center() - grade->viewport()->pos();
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, ponto);
        EXPECT_EQ(j.imagemAtual(), QString::fromUtf8(imagem));
        EXPECT_EQ(j.PnBordaImage->geometry(), borda);  // a click does not fit the frame
    }
}

// ---- Switches ---------------------------------------------------------------------

TEST_F(TFEntdadosRegras, TrocaDoTipoDeSecaoNumaGradePreenchida)
{
    usaSeparador(',');
    TFEntdados& j = mostra();
    j.sbCanal->click();
    for (int c = 1; c <= 7; ++c)
        digitaNaCelula(j.SGridCanalSecao, c, 2, QString::number(c) + ".5");
    j.RButtonSecaoTrapComDegrau->click();

    j.CBTipoSecao->setCurrentIndex(secaoTriangular);
    emit j.CBTipoSecao->activated(secaoTriangular);
    EXPECT_EQ(j.SGridCanalSecao->ColWidths(4), 0);
    EXPECT_EQ(j.SGridCanalSecao->ColWidths(5), 0);
    EXPECT_EQ(j.SGridCanalSecao->ColWidths(6), 56);
    EXPECT_FALSE(j.RButtonSecaoTrapComDegrau->isVisible());

    j.CBTipoSecao->setCurrentIndex(secaoTrapezoidal);
    emit j.CBTipoSecao->activated(secaoTrapezoidal);
    for (int c = 1; c <= 7; ++c) {
        EXPECT_EQ(j.SGridCanalSecao->ColWidths(c), 40) << c;
        EXPECT_EQ(j.SGridCanalSecao->Cells(c, 2), QString::number(c) + ",5") << c;
    }
    EXPECT_EQ(j.SGridCanalSecao->ColWidths(0), 20);
    EXPECT_TRUE(j.RButtonSecaoTrapComum->isChecked());
    EXPECT_FALSE(j.RButtonSecaoTrapComDegrau->isChecked());
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Trapez.bmp"));
}

TEST_F(TFEntdadosRegras, OpcoesSoRodamQuandoPassamAMarcadas)
{
    TFEntdados& j = mostra();
    j.sbAreaDeContribuicao->click();
    j.RadioButtonContribui->click();
    j.EdtAreaContibuicaoSemiELargura->setText(QStringLiteral("4"));
    selecionaCelula(j.SGridMira, 2, 1);
    j.RadioButtonContribui->click();  // already checked: nothing runs
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_Irradiacao_FM.bmp"));
    j.RadioButtonNaoContribui->click();
    EXPECT_EQ(j.EdtAreaContibuicaoSemiELargura->text(), QString());
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_Figura_inicial.bmp"));

    j.sbCanal->click();
    j.RButtonSecaoTrapComDegrau->click();
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Trapez_Degrau.bmp"));
    selecionaCelula(j.SGridCanalSecao, 1, 1);
    j.RButtonSecaoTrapComDegrau->click();
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Trapez_Degrau_C.bmp"));
}

TEST_F(TFEntdadosRegras, LevantamentoEEstradaPeloUsuario)
{
    TFEntdados& j = mostra();
    j.sbAreaDeContribuicao->click();
    j.RadioButtonContribui->click();
    QTest::keyClicks(j.EdtAreaContibuicaoSemiELargura, QStringLiteral("6.5"));
    QTest::keyClicks(j.EdtAreaContibuicaoComprimento, QStringLiteral("120"));
    j.RadioGTipoDeLevantamento->item(levantamentoTrena)->click();
    EXPECT_EQ(j.NoteAreaDeContribuicao->currentWidget()->objectName(), QStringLiteral("trena"));
    EXPECT_TRUE(j.SGridTrena->isVisible());
    j.RadioButtonNaoContribui->click();
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_Espacamento_Medio.bmp"));
    EXPECT_FALSE(j.EdtAreaContibuicaoComprimento->isEnabled());
    EXPECT_EQ(j.EdtAreaContibuicaoComprimento->text(), QString());
    j.RadioButtonContribui->click();
    EXPECT_TRUE(j.EdtAreaContibuicaoComprimento->isEnabled());
    EXPECT_EQ(j.EdtAreaContibuicaoSemiELargura->text(), QString());
}

// ---- Row selection ----------------------------------------------------------------

TEST_F(TFEntdadosRegras, BotaoDireitoSelecionaALinhaDaGradeDaSecaoAberta)
{
    TFEntdados& j = mostra();
    j.sbCanal->click();
    j.SGridCanalSecao->setRow(3);
    pressiona(j.SGridCanalSecao, Qt::RightButton, 5);
    EXPECT_TRUE(j.SGridCanalSecao->Options().testFlag(TStringGrid::goRowSelect));
    EXPECT_EQ(j.SGridCanalSecao->Row(), 3);  // the popup commands act on this row
    pressiona(j.SGridCanalSecao, Qt::LeftButton, 5);
    EXPECT_FALSE(j.SGridCanalSecao->Options().testFlag(TStringGrid::goRowSelect));
    EXPECT_TRUE(j.SGridCanalSecao->Options().testFlag(TStringGrid::goEditing));
    EXPECT_EQ(j.SGridCanalSecao->Row(), 5);

    j.sbAreaDeContribuicao->click();
    j.RadioGTipoDeLevantamento->item(levantamentoTrena)->click();
    pressiona(j.SGridTrena, Qt::RightButton, 2);
    EXPECT_TRUE(j.SGridTrena->Options().testFlag(TStringGrid::goRowSelect));
    EXPECT_FALSE(j.SGridMira->Options().testFlag(TStringGrid::goRowSelect));
    pressiona(j.SGridTrena, Qt::MiddleButton, 2);
    EXPECT_FALSE(j.SGridTrena->Options().testFlag(TStringGrid::goRowSelect));

    // The grid is that of the open section, whichever grid was pressed.
    j.sbPerfilDaCrista->click();
    j.SgridMiraMouseDown(Qt::RightButton);
    EXPECT_TRUE(j.SGridCristaMeio->Options().testFlag(TStringGrid::goRowSelect));
    j.sbSolo->click();
    j.SgridMiraMouseDown(Qt::RightButton);
    EXPECT_FALSE(j.SGridCanalSecao->Options().testFlag(TStringGrid::goRowSelect));
}

// ---- Row commands -----------------------------------------------------------------

TEST_F(TFEntdadosRegras, MenuDasGradesNasQuatroListas)
{
    TFEntdados& j = mostra();
    const QList<QAction*> itens = j.PopupMenuGridMira->actions();
    ASSERT_EQ(itens.size(), 3);
    EXPECT_EQ(itens[0]->objectName(), QStringLiteral("Excluirlinha1"));
    EXPECT_EQ(itens[0]->text(), QStringLiteral("Inserir linha antes"));
    EXPECT_EQ(itens[1]->objectName(), QStringLiteral("Inserirlinhadepois1"));
    EXPECT_EQ(itens[1]->text(), QStringLiteral("Inserir linha depois"));
    EXPECT_EQ(itens[2]->objectName(), QStringLiteral("Excluirlinha2"));
    EXPECT_EQ(itens[2]->text(), QStringLiteral("Excluir linha"));
    for (TStringGrid* g : {j.SGridCanalSecao, j.SGridMira, j.SGridTrena, j.SGridCristaMeio})
        EXPECT_EQ(g->PopupMenu(), j.PopupMenuGridMira) << g->objectName().toStdString();
    for (TStringGrid* g : {j.SGridCristaInicio, j.SGridCristaFim})
        EXPECT_EQ(g->PopupMenu(), nullptr) << g->objectName().toStdString();

    j.sbCanal->click();
    const QPoint ponto = areaDaCelula(j.SGridCanalSecao, 1, 2).center() - j.SGridCanalSecao->viewport()->pos();
    QContextMenuEvent pedido(QContextMenuEvent::Mouse, ponto, j.SGridCanalSecao->viewport()->mapToGlobal(ponto));
    QCoreApplication::sendEvent(j.SGridCanalSecao->viewport(), &pedido);
    EXPECT_TRUE(j.PopupMenuGridMira->isVisible());
    j.PopupMenuGridMira->close();
}

TEST_F(TFEntdadosRegras, MaisAcrescentaLinhaNumerada)
{
    TFEntdados& j = mostra();
    j.sbCanal->click();
    j.SpeedButton1->click();
    EXPECT_EQ(coluna(j.SGridCanalSecao, 0), QStringList{" S."} + numeros(1, 10));
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 10), QString());

    j.sbAreaDeContribuicao->click();
    j.SpeedButton3->click();
    EXPECT_EQ(coluna(j.SGridMira, 0), QStringList{" V."} + numeros(1, 12));
    j.RadioGTipoDeLevantamento->item(levantamentoTrena)->click();
    j.SpeedButton3->click();
    EXPECT_EQ(coluna(j.SGridTrena, 0), QStringList(11, QString()));

    j.sbPerfilDaCrista->click();
    j.SpeedButton5->click();
    EXPECT_EQ(coluna(j.SGridCristaMeio, 0), numeros(1, 11));
    EXPECT_EQ(j.SGridCristaInicio->RowCount(), 1);
    EXPECT_EQ(j.SGridCristaFim->RowCount(), 1);
}

TEST_F(TFEntdadosRegras, InserirEExcluirNoCanalLevamOsNumerosComAsLinhas)
{
    TFEntdados& j = mostra();
    j.sbCanal->click();
    for (int r = 1; r <= 9; ++r)
        j.SGridCanalSecao->setCells(1, r, QStringLiteral("c%1").arg(r));

    j.SGridCanalSecao->setRow(3);
    j.Excluirlinha1->trigger();
    QStringList numeracao = QStringList{" S", "1", "2", ""} + numeros(3, 9);
    EXPECT_EQ(coluna(j.SGridCanalSecao, 0), numeracao);
    EXPECT_EQ(coluna(j.SGridCanalSecao, 1),
              QStringList({"   (C) ", "c1", "c2", "", "c3", "c4", "c5", "c6", "c7", "c8", "c9"}));

    j.Excluirlinha2->trigger();  // the empty row 3 goes again
    j.Excluirlinha2->trigger();
    EXPECT_EQ(coluna(j.SGridCanalSecao, 0), QStringList({" S", "1", "2", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 3), QStringLiteral("c4"));

    j.SGridCanalSecao->setRow(8);
    j.Inserirlinhadepois1->trigger();
    EXPECT_EQ(j.SGridCanalSecao->RowCount(), 10);
    EXPECT_EQ(j.SGridCanalSecao->Cells(0, 8), QStringLiteral("9"));
    EXPECT_EQ(j.SGridCanalSecao->Cells(0, 9), QString());
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 9), QString());
}

TEST_F(TFEntdadosRegras, MiraRenumeradaPeloMenu)
{
    TFEntdados& j = mostra();
    j.sbAreaDeContribuicao->click();
    j.SGridMira->setCells(2, 4, QStringLiteral("1,5"));
    j.SGridMira->setRow(3);
    j.Excluirlinha1->trigger();
    EXPECT_EQ(coluna(j.SGridMira, 0), QStringList{" V."} + numeros(1, 12));
    EXPECT_EQ(j.SGridMira->Cells(2, 5), QStringLiteral("1,5"));
    j.Inserirlinhadepois1->trigger();  // after row 3: the old row 4 moves to 5 and 6
    EXPECT_EQ(coluna(j.SGridMira, 0), QStringList{" V."} + numeros(1, 13));
    EXPECT_EQ(j.SGridMira->Cells(2, 6), QStringLiteral("1,5"));
    j.SGridMira->setRow(6);
    j.Excluirlinha2->trigger();
    EXPECT_EQ(coluna(j.SGridMira, 0), QStringList{" V."} + numeros(1, 12));
    EXPECT_EQ(coluna(j.SGridMira, 2), QStringList{" FM"} + QStringList(12, QString()));
}

TEST_F(TFEntdadosRegras, TrenaSemLinhaFixa)
{
    TFEntdados& j = mostra();
    j.sbAreaDeContribuicao->click();
    j.RadioGTipoDeLevantamento->item(levantamentoTrena)->click();
    for (int r = 0; r < 10; ++r)
        j.SGridTrena->setCells(0, r, QString::number(30 + r));
    j.SGridTrena->setRow(0);
    j.Excluirlinha1->trigger();
    EXPECT_EQ(coluna(j.SGridTrena, 0), QStringList{""} + numeros(30, 39));

    j.SGridTrena->setRow(10);
    j.Excluirlinha2->trigger();  // the last row: nothing moves
    EXPECT_EQ(coluna(j.SGridTrena, 0), QStringList{""} + numeros(30, 38));
    j.SGridTrena->setRow(0);
    j.Excluirlinha2->trigger();
    EXPECT_EQ(coluna(j.SGridTrena, 0), numeros(30, 38));
}

TEST_F(TFEntdadosRegras, CristaPeloMenuNaoRenumera)
{
    TFEntdados& j = mostra();
    j.sbPerfilDaCrista->click();
    j.SGridCristaMeio->setRow(1);
    j.Excluirlinha2->trigger();
    EXPECT_EQ(coluna(j.SGridCristaMeio, 0), QStringList{"1"} + numeros(3, 10));
    j.Excluirlinha1->trigger();
    EXPECT_EQ(coluna(j.SGridCristaMeio, 0), QStringList({"1", ""}) + numeros(3, 10));
    j.SpeedButton5->click();
    EXPECT_EQ(coluna(j.SGridCristaMeio, 0), numeros(1, 11));
}

TEST_F(TFEntdadosRegras, PrecipitacaoESoloAbertosNadaMuda)
{
    TFEntdados& j = mostra();
    const TDadosTerraco antes = j.lerDados();
    QAction* itens[] = {j.Excluirlinha1, j.Inserirlinhadepois1, j.Excluirlinha2};
    for (QToolButton* secao : {j.sbPrecipitacao, j.sbSolo}) {
        secao->click();
        j.adicionaLinhaClick();
        j.removeLinhaClick();
        for (QAction* item : itens)
            item->trigger();
        EXPECT_EQ(j.lerDados(), antes);
        EXPECT_EQ(j.gradeDaAbaAberta(), nullptr);
    }
}

TEST_F(TFEntdadosRegras, MenosNuncaDeixaAGradeSemLinha)
{
    TFEntdados& j = mostra();
    j.sbPerfilDaCrista->click();
    for (int i = 0; i < 12; ++i)
        j.SpeedButton6->click();
    EXPECT_EQ(j.SGridCristaMeio->RowCount(), 1);
    EXPECT_EQ(j.SGridCristaMeio->Cells(0, 0), QStringLiteral("1"));
    j.Excluirlinha2->trigger();
    EXPECT_EQ(j.SGridCristaMeio->RowCount(), 1);

    // Down to two rows the header stays fixed; one more "-" leaves the header as a row.
    j.sbCanal->click();
    for (int i = 0; i < 8; ++i)
        j.SpeedButton2->click();
    EXPECT_EQ(j.SGridCanalSecao->RowCount(), 2);
    EXPECT_EQ(j.SGridCanalSecao->FixedRows(), 1);
    j.SpeedButton2->click();
    EXPECT_EQ(j.SGridCanalSecao->RowCount(), 1);
    EXPECT_EQ(j.SGridCanalSecao->FixedRows(), 0);
    EXPECT_EQ(j.SGridCanalSecao->Cells(0, 0), QStringLiteral(" S"));
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 0), QStringLiteral("   (C) "));
    j.SpeedButton2->click();
    EXPECT_EQ(j.SGridCanalSecao->RowCount(), 1);
}

TEST_F(TFEntdadosRegras, LinhaQueSaiNaoVoltaComOMais)
{
    usaSeparador(',');
    TFEntdados& j = mostra();
    j.sbCanal->click();
    digitaNaCelula(j.SGridCanalSecao, 1, 9, QStringLiteral("1.25"));
    j.SpeedButton2->click();
    j.SpeedButton1->click();
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 9), QString());
    EXPECT_EQ(j.SGridCanalSecao->Cells(0, 9), QStringLiteral("9"));

    // A deleted row's texts do not come back at the end either.
    j.SGridCanalSecao->setCells(1, 9, QStringLiteral("2,5"));
    j.SGridCanalSecao->setRow(2);
    j.Excluirlinha2->trigger();
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 8), QStringLiteral("2,5"));
    j.SpeedButton1->click();
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 9), QString());
}

TEST_F(TFEntdadosRegras, MenuAgeNaLinhaAtualDeAntesDoBotaoDireito)
{
    TFEntdados& j = mostra();
    j.sbCanal->click();
    for (int r = 1; r <= 9; ++r)
        j.SGridCanalSecao->setCells(2, r, QStringLiteral("d%1").arg(r));
    j.SGridCanalSecao->setRow(4);
    pressiona(j.SGridCanalSecao, Qt::RightButton, 7);
    j.Excluirlinha2->trigger();
    EXPECT_EQ(j.SGridCanalSecao->Cells(2, 4), QStringLiteral("d5"));
    EXPECT_EQ(j.SGridCanalSecao->Cells(2, 7), QStringLiteral("d8"));
    EXPECT_EQ(j.SGridCanalSecao->RowCount(), 9);
}
