// The guide picture belongs to the section on show and to the option in force, and the
// frame around it never shows more than its border.
#include "tests/app/nucleo/TerracoRealista.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "app/plataforma/TStringGrid.h"
#include "plataforma/TRadioGroup.h"
#include "tests/app/janelas/AmbienteJanelas.h"
#include "tests/app/janelas/FixtureEntrada.h"

#include <QComboBox>
#include <QRadioButton>
#include <QToolButton>

namespace {

// A terrace whose every switch points away from the first section: a road that drains
// into it, a tape survey, a triangular section.
TDadosTerraco terracoComTodasAsChaves()
{
    TDadosTerraco d = terracoRealista();
    d.RadioGTipoDeLevantamento = levantamentoTrena;
    d.SGridTrena.setCells(0, 0, "30");
    d.CBTipoSecao = secaoTriangular;
    return d;
}

} // namespace

// The project opened from a file through the main window.
class ImagemAoAbrir : public PrincipalComArquivos {
protected:
    QTemporaryDir pasta;

    void SetUp() override
    {
        PrincipalComArquivos::SetUp();
        iniciaPrincipal();
    }

    void abre(const TDadosTerraco& dados)
    {
        const QString arquivo = pasta.path() + "/projeto.txt";
        TGravadorProjeto::grava(arquivo.toStdString(), dados);
        arquivosEscolhidos.push_back(arquivo);
        FPrincipal->Abrir1->trigger();
        ASSERT_TRUE(FEntdados);
    }
};

TEST_F(ImagemAoAbrir, ProjetoAbertoMostraAImagemDaSecaoAberta)
{
    abre(terracoComTodasAsChaves());
    EXPECT_EQ(FEntdados->abaAberta, 1);
    EXPECT_EQ(FEntdados->imagemAtual(), QStringLiteral("Precipitacao.bmp"));
    EXPECT_TRUE(mensagens.isEmpty());

    // Each section then shows its own, as the options read from the file have it.
    FEntdados->sbAreaDeContribuicao->click();
    EXPECT_EQ(FEntdados->imagemAtual(), QStringLiteral("Area_Espacamento_Medio.bmp"));
    FEntdados->sbCanal->click();
    EXPECT_EQ(FEntdados->imagemAtual(), QStringLiteral("Triang.bmp"));
    FEntdados->sbPrecipitacao->click();
    EXPECT_EQ(FEntdados->imagemAtual(), QStringLiteral("Precipitacao.bmp"));
}

using ImagemDaSecao = FixtureEntrada;

// The picture of each section as it opens, for each survey method, is TEscolhaImagemGuia's
// table (AberturaDeCadaSecao); here the window applies it with the method it has checked
// when the section opens again, and fits the frame.
TEST_F(ImagemDaSecao, AreaDeContribuicaoAbreComAImagemDoLevantamentoEscolhido)
{
    TFEntdados& j = mostra();
    j.sbAreaDeContribuicao->click();
    j.RadioGTipoDeLevantamento->item(levantamentoTrena)->click();
    j.sbSolo->click();
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("SoloTIE.bmp"));
    j.sbAreaDeContribuicao->click();
    EXPECT_EQ(j.imagemAtual(), QStringLiteral("Area_Espacamento_Medio.bmp"));
    EXPECT_EQ(j.PnBordaImage->size(), j.Image1->size() + QSize(6, 6));
}

// Switches and grids of a closed section change their values, never the picture on show.
TEST_F(ImagemDaSecao, ControlesDeSecaoFechadaNaoTrocamAImagem)
{
    TFEntdados& j = mostra();
    j.escreveDados(terracoComTodasAsChaves());
    const std::vector<std::pair<const char*, std::function<void()>>> acoes{
        {"estrada", [&j] { j.AreaContribuicaoEstradaClick(); }},
        {"levantamento", [&j] { j.TipoLevantamentoClick(); }},
        {"tipo de seção", [&j] { j.TipoSecaoChange(); }},
        {"degrau", [&j] { j.mudaSecaoTrapezoidalClick(); }},
        {"célula do canal", [&j] { j.SGridCanalSecao->setCurrentCell(2, 3); }},
        {"célula da mira", [&j] { j.SGridMira->setCurrentCell(1, 2); }},
        {"clique na crista", [&j] { j.SGridCristaInicioClick(j.SGridCristaMeio); }},
        {"foco na estrada", [&j] { j.EdtAreaContibuicaoSemiELarguraEnter(); }},
        {"comprimento", [&j] { j.ImagemComprimentoClick(); }},
    };
    for (const auto& [nome, acao] : acoes) {
        SCOPED_TRACE(nome);
        acao();
        EXPECT_EQ(j.imagemAtual(), QStringLiteral("Precipitacao.bmp"));
    }
    j.sbSolo->click();
    for (const auto& [nome, acao] : acoes) {
        SCOPED_TRACE(nome);
        acao();
        EXPECT_EQ(j.imagemAtual(), QStringLiteral("SoloTIE.bmp"));
    }
}

// A picture smaller than the frame as drawn: around it, a border of 3 pixels, and beyond
// the border the window's background, not a block of the border's colour.
TEST_F(ImagemDaSecao, MolduraMaiorQueAImagemSoTemABorda)
{
    usaImagensDeTamanho(QSize(200, 150));
    TFEntdados& j = mostra();
    ASSERT_EQ(j.PnBordaImage->size(), QSize(436, 319));  // not fitted when the window shows
    ASSERT_EQ(j.Image1->size(), QSize(200, 150));
    const QImage tela = j.grab().toImage();
    const auto cor = [&](int x, int y) { return tela.pixelColor(j.PnBordaImage->mapTo(&j, QPoint(x, y))); };
    const QColor borda = j.palette().color(QPalette::WindowText);
    const QColor fundo = j.palette().color(QPalette::Window);
    EXPECT_EQ(cor(1, 1), borda);
    EXPECT_EQ(cor(204, 154), borda);
    EXPECT_EQ(cor(100, 80), QColor(Qt::gray));
    for (const QPoint& fora : {QPoint(206, 80), QPoint(300, 200), QPoint(100, 156), QPoint(430, 310)})
        EXPECT_EQ(cor(fora.x(), fora.y()), fundo) << fora.x() << "," << fora.y();
}
