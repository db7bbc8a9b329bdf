#include "tests/app/janelas/FixtureEntrada.h"
#include "app/plataforma/TStringGrid.h"
#include "plataforma/TLabeledEdit.h"
#include "plataforma/TMaskEdit.h"
#include "plataforma/TRadioGroup.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

using TFEntdadosDados = FixtureEntrada;

namespace {

TDadosTerraco terracoPreenchido()
{
    TDadosTerraco d;
    d.LblEdtTr = "10";
    d.LblEdtK = "1234,5";
    d.LblEdtA = "0.15";
    d.LblEdtB = " 12 ";
    d.LblEdtC = "0,78";
    d.meLatitude = "21°14'30\"";
    d.MELongitude = "4 °  '5 \"";
    d.CBTipoSecao = secaoTriangular;
    d.RButtonSecaoTrapComum = false;
    d.RButtonSecaoTrapComDegrau = true;
    d.LblEdtComprimentoTerraco = "500";
    d.SGridCanalSecao.setRowCount(12);
    d.SGridCanalSecao.setCells(0, 11, "11");
    d.SGridCanalSecao.setCells(1, 1, "0,80");
    d.SGridCanalSecao.setCells(5, 11, "1,80");
    d.RadioGTipoDeLevantamento = levantamentoTrena;
    d.SGridMira.setCells(4, 1, "90");
    d.SGridTrena.setCells(0, 9, "32,5");
    d.RadioButtonNaoContribui = false;
    d.RadioButtonContribui = true;
    d.EdtAreaContibuicaoSemiELargura = "3";
    d.EdtAreaContibuicaoComprimento = "120";
    d.SGridCristaInicio.setCells(1, 0, "1,20");
    d.SGridCristaMeio.setRowCount(3);
    d.SGridCristaMeio.setCells(1, 2, "1,35");
    d.SGridCristaFim.setCells(1, 0, "1,10");
    d.LblEdtSoloTIE = "8";
    return d;
}

void entraNoFoco(QWidget* controle)
{
    QFocusEvent foco(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(controle, &foco);
}

} // namespace

TEST_F(TFEntdadosDados, JanelaNovaLeOTerracoPadrao)
{
    TFEntdados& j = mostra();
    EXPECT_EQ(j.lerDados(), TDadosTerraco());
    EXPECT_EQ(j.meLatitude->Text(), QStringLiteral("  °  '  \""));
    EXPECT_EQ(j.MELongitude->Text(), QStringLiteral("  °  '  \""));
    EXPECT_EQ(j.meLatitude->maxLength(), 9);
}

TEST_F(TFEntdadosDados, EscreverELerDevolveOsTextosComoEstao)
{
    TFEntdados& j = mostra();
    const TDadosTerraco d = terracoPreenchido();
    j.escreveDados(d);
    EXPECT_EQ(j.lerDados(), d);
    EXPECT_EQ(j.SGridCanalSecao->RowCount(), 12);
    EXPECT_EQ(j.LblEdtB->text(), QStringLiteral(" 12 "));

    j.meLatitude->setCursorPosition(0);
    QTest::keyClicks(j.meLatitude, QStringLiteral("07"));
    EXPECT_EQ(j.lerDados().meLatitude, "07°14'30\"");
}

TEST_F(TFEntdadosDados, EscreverNaoRodaNenhumaChave)
{
    TFEntdados& j = mostra();
    j.escreveDados(terracoPreenchido());
    EXPECT_EQ(j.SGridCanalSecao->ColWidths(4), 40);  // the section type switch did not run
    EXPECT_FALSE(j.EdtAreaContibuicaoSemiELargura->isEnabled());  // nor the road switch
    EXPECT_EQ(j.NoteAreaDeContribuicao->currentWidget()->objectName(), QStringLiteral("mira"));
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Precipitacao.bmp"));
    EXPECT_TRUE(mensagens.isEmpty());

    // The reader runs them afterwards, in its own order.
    j.TipoSecaoChange();
    j.TipoLevantamentoClick();
    j.AreaContribuicaoEstradaClick();
    EXPECT_EQ(j.SGridCanalSecao->ColWidths(4), 0);
    EXPECT_EQ(j.NoteAreaDeContribuicao->currentWidget()->objectName(), QStringLiteral("trena"));
    EXPECT_TRUE(j.EdtAreaContibuicaoSemiELargura->isEnabled());
    EXPECT_EQ(j.EdtAreaContibuicaoSemiELargura->text(), QStringLiteral("3"));
    // Their pictures belong to sections that are closed: the open one keeps its own.
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Precipitacao.bmp"));
}

TEST_F(TFEntdadosDados, TipoDeSecaoEscondeEMostraAsColunasDoFundo)
{
    TFEntdados& j = mostra();
    j.sbCanal->click();
    j.SGridCanalSecao->setCells(4, 1, QStringLiteral("2,5"));
    j.SGridCanalSecao->setCells(5, 1, QStringLiteral("1,80"));
    j.RButtonSecaoTrapComDegrau->click();

    j.CBTipoSecao->setCurrentIndex(secaoTriangular);
    emit j.CBTipoSecao->activated(secaoTriangular);
    const int triangular[] = {20, 56, 56, 56, 0, 0, 56, 56};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(j.SGridCanalSecao->ColWidths(c), triangular[c]) << c;
    EXPECT_EQ(j.SGridCanalSecao->Cells(4, 1), QStringLiteral("2,5"));
    EXPECT_FALSE(j.RButtonSecaoTrapComum->isVisible());
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Triang.bmp"));

    j.CBTipoSecao->setCurrentIndex(secaoTrapezoidal);
    emit j.CBTipoSecao->activated(secaoTrapezoidal);
    for (int c = 1; c < 8; ++c)
        EXPECT_EQ(j.SGridCanalSecao->ColWidths(c), 40) << c;
    EXPECT_EQ(j.SGridCanalSecao->Cells(5, 1), QStringLiteral("1,80"));
    EXPECT_TRUE(j.RButtonSecaoTrapComum->isVisible());
    EXPECT_TRUE(j.RButtonSecaoTrapComum->isChecked());
    EXPECT_FALSE(j.RButtonSecaoTrapComDegrau->isChecked());
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Trapez.bmp"));
}

TEST_F(TFEntdadosDados, OpcaoDoDegrauSoTrocaAImagem)
{
    TFEntdados& j = mostra();
    j.sbCanal->click();
    const QRect borda = j.PnBordaImage->geometry();
    j.RButtonSecaoTrapComDegrau->click();
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Trapez_Degrau.bmp"));
    j.RButtonSecaoTrapComum->click();
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Trapez.bmp"));
    EXPECT_EQ(j.PnBordaImage->geometry(), borda);
}

TEST_F(TFEntdadosDados, MetodoDeLevantamentoTrocaAPaginaEAImagem)
{
    TFEntdados& j = mostra();
    j.sbAreaDeContribuicao->click();
    j.SGridMira->setCells(1, 1, QStringLiteral("1,50"));
    j.RadioGTipoDeLevantamento->item(levantamentoTrena)->click();
    EXPECT_EQ(j.NoteAreaDeContribuicao->currentWidget()->objectName(), QStringLiteral("trena"));
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_Espacamento_Medio.bmp"));
    j.RadioGTipoDeLevantamento->item(levantamentoIrradiacao)->click();
    EXPECT_EQ(j.NoteAreaDeContribuicao->currentWidget()->objectName(), QStringLiteral("mira"));
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_Figura_inicial.bmp"));
    EXPECT_EQ(j.SGridMira->Cells(1, 1), QStringLiteral("1,50"));
}

TEST_F(TFEntdadosDados, EstradaLigaEDesligaAsSuasMedidas)
{
    TFEntdados& j = mostra();
    j.sbAreaDeContribuicao->click();
    EXPECT_FALSE(j.EdtAreaContibuicaoSemiELargura->isEnabled());
    EXPECT_FALSE(j.EdtAreaContibuicaoComprimento->isEnabled());

    j.RadioButtonContribui->click();
    EXPECT_TRUE(j.EdtAreaContibuicaoSemiELargura->isEnabled());
    EXPECT_TRUE(j.EdtAreaContibuicaoComprimento->isEnabled());
    EXPECT_EQ(j.EdtAreaContibuicaoComprimento->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_e_estrada.bmp"));
    j.EdtAreaContibuicaoSemiELargura->setText(QStringLiteral("3,5"));
    j.EdtAreaContibuicaoComprimento->setText(QStringLiteral("100"));

    j.RadioGTipoDeLevantamento->item(levantamentoTrena)->click();
    j.RadioButtonNaoContribui->click();
    EXPECT_FALSE(j.EdtAreaContibuicaoSemiELargura->isEnabled());
    EXPECT_EQ(j.EdtAreaContibuicaoSemiELargura->text(), QString());
    EXPECT_EQ(j.EdtAreaContibuicaoComprimento->text(), QString());
    EXPECT_EQ(j.EdtAreaContibuicaoComprimento->palette().color(QPalette::Base), QPalette().color(QPalette::Button));
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_Espacamento_Medio.bmp"));

    j.RadioButtonContribui->click();
    EXPECT_TRUE(j.EdtAreaContibuicaoSemiELargura->isEnabled());
    EXPECT_EQ(j.EdtAreaContibuicaoSemiELargura->text(), QString());
}

TEST_F(TFEntdadosDados, FocoNaEstradaEClickNoComprimentoMostramSuasImagens)
{
    TFEntdados& j = mostra();
    j.sbAreaDeContribuicao->click();
    j.RadioButtonContribui->click();
    j.RadioGTipoDeLevantamento->item(levantamentoTrena)->click();
    entraNoFoco(j.EdtAreaContibuicaoSemiELargura);
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_e_estrada.bmp"));
    j.RadioGTipoDeLevantamento->item(levantamentoIrradiacao)->click();
    entraNoFoco(j.EdtAreaContibuicaoComprimento);
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_e_estrada.bmp"));

    j.sbCanal->click();
    QTest::mousePress(j.LblEdtComprimentoTerraco, Qt::LeftButton);
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Comprimento_do_terraco.bmp"));
    EXPECT_EQ(j.PnBordaImage->size(), j.Image1->size() + QSize(6, 6));
}
