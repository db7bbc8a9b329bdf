#include "tests/rainfall_equations/janelas/AmbienteNimbra.h"
#include "plataforma/TFontePadrao.h"
#include "plataforma/TVisualizacaoRelatorio.h"
#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TPastaPrograma.h"
#include "rainfall_equations/RelatorioNimbra.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// The crosshair and its labels at pixel (x, y), placed as the consultation window places
// them.
TElementosFigura noPonto(QImage estado, const QString& latitude, const QString& longitude, int x, int y)
{
    TElementosFigura e;
    e.Estado = std::move(estado);
    e.TextoLatitude = latitude;
    e.TextoLongitude = longitude;
    e.PosicaoLongitude = {x > 200 ? x - 62 : x + 5, y > 100 ? 15 : 420};
    e.PosicaoLatitude = {x > 100 ? 10 : 385, y > 30 ? y - 20 : y + 10};
    e.TopoEixoX = y;
    e.LarguraEixoX = 450;
    e.EsquerdaEixoY = x;
    e.AlturaEixoY = 450;
    return e;
}

QImage mapaAzul()
{
    QImage mapa(450, 450, QImage::Format_RGB32);
    mapa.fill(Qt::blue);
    mapa.setPixelColor(5, 5, Qt::red);
    return mapa;
}

bool preto(const QImage& figura, int x, int y)
{
    return figura.pixelColor(x, y) == Qt::black;
}

// What the report had in hand while it ran.
struct TExecucao {
    std::vector<std::pair<QString, QString>> parametros;
    QString arquivo;
    bool arquivoExistia = false;
    QImage figura;
};

using TParametros = std::vector<std::pair<QString, QString>>;

TParametros esperados(const TValoresRelatorio& v, const QString& figura)
{
    return {{"Localidade", v.Localidade}, {"Estado", v.Estado}, {"Latitude", v.Latitude},
            {"Longitude", v.Longitude},   {"K", v.K},           {"a", v.A},
            {"b", v.B},                   {"c", v.C},           {"Autor", v.Autor},
            {"Figura", figura}};
}

const TValoresRelatorio estacao{QStringLiteral("Belo Horizonte"),
                                QStringLiteral("Minas Gerais"),
                                QStringLiteral("19°55'00\""),
                                QStringLiteral("43°56'00\""),
                                QStringLiteral("1.447,872"),
                                QStringLiteral("0,100"),
                                QStringLiteral("20,000"),
                                QStringLiteral("0,840"),
                                QStringLiteral("GOMES JR. (2026)")};

class RelatorioNimbra : public NimbraJanelasTest {
protected:
    std::vector<TExecucao> execucoes;
    std::function<void(TProjetoRelatorio&)> depoisDeRegistrar = [](TProjetoRelatorio&) {};

    void SetUp() override
    {
        NimbraJanelasTest::SetUp();
        TProjetoRelatorio::substituiExecucao([this](TProjetoRelatorio& projeto) {
            TExecucao execucao;
            execucao.parametros = projeto.parametros();
            execucao.arquivo = projeto.parametro(QStringLiteral("Figura"));
            execucao.arquivoExistia = QFile::exists(execucao.arquivo);
            execucao.figura = QImage(execucao.arquivo);
            execucoes.push_back(execucao);
            depoisDeRegistrar(projeto);
        });
    }

    // Neither the picture nor the folder made for it is left.
    void confereNadaFicou(const QString& arquivo) const
    {
        ASSERT_FALSE(arquivo.isEmpty());
        EXPECT_FALSE(QFile::exists(arquivo));
        EXPECT_FALSE(QFileInfo::exists(QFileInfo(arquivo).absolutePath()));
    }
};

} // namespace

TEST_F(RelatorioNimbra, ParametrosNaOrdemDepoisDeEstacaoPontoECalcularForaDoEstado)
{
    const TValoresRelatorio ponto{QStringLiteral("Não definida"),
                                  QStringLiteral("Minas Gerais"),
                                  QStringLiteral("18°10'25\""),
                                  QStringLiteral("45°02'11\""),
                                  QStringLiteral("1.502,310"),
                                  QStringLiteral("0,148"),
                                  QStringLiteral("18,220"),
                                  QStringLiteral("0,812"),
                                  QStringLiteral("Interpolação")};
    // Off the state "&Calcular" empties the four captions and leaves the source button as
    // the pick before left it.
    const TValoresRelatorio foraDoEstado{QStringLiteral("Não definida"), QStringLiteral("Minas Gerais"),
                                         QStringLiteral("15°00'00\""),   QStringLiteral("40°00'00\""),
                                         QString(), QString(), QString(), QString(),
                                         QStringLiteral("Interpolação")};
    const std::vector<std::pair<TValoresRelatorio, TElementosFigura>> casos{
        {estacao, noPonto(mapaAzul(), estacao.Latitude, estacao.Longitude, 231, 188)},
        {ponto, noPonto(mapaAzul(), ponto.Latitude, ponto.Longitude, 120, 90)},
        {foraDoEstado, noPonto(mapaAzul(), QString(), QString(), 400, 40)},
    };
    for (const auto& [valores, elementos] : casos) {
        SCOPED_TRACE(valores.Localidade.toStdString() + " " + valores.K.toStdString());
        execucoes.clear();
        imprimeRelatorioNimbra(valores, elementos, nullptr);
        ASSERT_EQ(execucoes.size(), 1u);
        const TExecucao& execucao = execucoes.front();
        EXPECT_EQ(execucao.parametros, esperados(valores, execucao.arquivo));
        EXPECT_TRUE(QFileInfo(execucao.arquivo).isAbsolute());
        // The picture is there while the report runs, and it is the drawn one.
        EXPECT_TRUE(execucao.arquivoExistia);
        EXPECT_EQ(execucao.figura.convertToFormat(QImage::Format_RGB32), geraFigura(elementos));
        confereNadaFicou(execucao.arquivo);
    }
}

TEST_F(RelatorioNimbra, NenhumBitBmpDaPastaDoProgramaOuDaAtualEhTocado)
{
    const QStringList sentinelas{QString::fromStdString(pastaPrograma()) + QStringLiteral("Bit.bmp"),
                                 QDir::current().filePath(QStringLiteral("Bit.bmp"))};
    for (const QString& caminho : sentinelas) {
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write("sentinela");
    }
    imprimeRelatorioNimbra(estacao, noPonto(QImage(), estacao.Latitude, estacao.Longitude, 224, 224), nullptr);
    ASSERT_EQ(execucoes.size(), 1u);
    for (const QString& caminho : sentinelas) {
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
        EXPECT_EQ(arquivo.readAll(), QByteArray("sentinela"));
        EXPECT_NE(QFileInfo(execucoes.front().arquivo).absolutePath(), QFileInfo(caminho).absolutePath());
    }
    // Under CTest the current folder is the program's: one file for both.
    for (const QString& caminho : sentinelas)
        QFile::remove(caminho);
    confereNadaFicou(execucoes.front().arquivo);
}

TEST_F(RelatorioNimbra, UmRelatorioQueFalhaNaoDeixaAFigura)
{
    depoisDeRegistrar = [](TProjetoRelatorio&) { throw Exception("O relatório falhou."); };
    EXPECT_THROW(imprimeRelatorioNimbra(estacao, noPonto(QImage(), {}, {}, 10, 10), nullptr), Exception);
    ASSERT_EQ(execucoes.size(), 1u);
    confereNadaFicou(execucoes.front().arquivo);
}

TEST_F(RelatorioNimbra, UmaImpressoraQueFalhaNaoDeixaAFigura)
{
    depoisDeRegistrar = [](TProjetoRelatorio& projeto) {
        QPrinter impressora;
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(QStringLiteral("/pasta/que/nao/existe/relatorio.pdf"));
        projeto.imprime(impressora);
    };
    EXPECT_THROW(imprimeRelatorioNimbra(estacao, noPonto(QImage(), {}, {}, 10, 10), nullptr), EInOutError);
    ASSERT_EQ(execucoes.size(), 1u);
    confereNadaFicou(execucoes.front().arquivo);
}

// The report as the user runs it: the preview opens maximised at the page's real size;
// printing from it asks for the destination, and a PDF file gets the page.
class VisualizacaoRelatorioNimbra : public NimbraJanelasTest {
protected:
    QTemporaryDir saida;
    int dialogos = 0;
    bool confirma = false;
    QString pdf() const { return saida.filePath(QStringLiteral("relatorio.pdf")); }

    void SetUp() override
    {
        NimbraJanelasTest::SetUp();
        TImpressora::substituiDialogo([this](QPrinter& impressora) {
            ++dialogos;
            impressora.setOutputFormat(QPrinter::PdfFormat);
            impressora.setOutputFileName(pdf());
            return confirma;
        });
    }

    void TearDown() override
    {
        TImpressora::impressora().setOutputFileName(QString());
        NimbraJanelasTest::TearDown();
    }

    // Opens the preview, checks it, prints from it and closes it.
    void executa()
    {
        bool maximizada = false;
        qreal zoom = 0;
        QString titulo;
        QString figura;
        bool figuraExiste = false;
        TRespostaModal<TVisualizacaoRelatorio> resposta([&](TVisualizacaoRelatorio& janela) {
            maximizada = janela.windowState().testFlag(Qt::WindowMaximized);
            zoom = janela.Previa->zoomFactor();
            titulo = janela.windowTitle();
            figura = janela.projeto().parametro(QStringLiteral("Figura"));
            figuraExiste = QFile::exists(figura);
            janela.Imprimir->trigger();
            janela.Fechar->trigger();
        });
        imprimeRelatorioNimbra(estacao, noPonto(mapaAzul(), estacao.Latitude, estacao.Longitude, 231, 188), nullptr);
        EXPECT_EQ(resposta.vezes, 1);
        EXPECT_TRUE(maximizada);
        EXPECT_DOUBLE_EQ(zoom, 1.0);
        EXPECT_EQ(titulo, QStringLiteral("Visualização do relatório"));
        EXPECT_TRUE(figuraExiste);
        EXPECT_FALSE(QFile::exists(figura));
        EXPECT_EQ(dialogos, 1);
    }
};

TEST_F(VisualizacaoRelatorioNimbra, ImpressaoCanceladaNaoImprimeNemDeixaAFigura)
{
    confirma = false;
    executa();
    EXPECT_FALSE(QFile::exists(pdf()));
}

TEST_F(VisualizacaoRelatorioNimbra, ImprimeUmaPaginaNoArquivoPdf)
{
    confirma = true;
    executa();
    QFile arquivo(pdf());
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QByteArray conteudo = arquivo.readAll();
    EXPECT_TRUE(conteudo.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(conteudo).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
    EXPECT_EQ(TImpressora::impressora().docName(), QStringLiteral("Relatório da equação de chuvas intensas"));
}

TEST(GeraFigura, SemMapaUmaFiguraBrancaComACruzEOPonto)
{
    const int x = 200;
    const int y = 100;
    const QImage figura = geraFigura(noPonto(QImage(), QString(), QString(), x, y));
    ASSERT_EQ(figura.size(), QSize(450, 450));
    EXPECT_EQ(figura.pixelColor(20, 300), Qt::white);
    EXPECT_EQ(figura.pixelColor(449, 449), Qt::white);
    // The crosshair runs across the whole picture.
    for (int i = 0; i < 450; ++i) {
        EXPECT_TRUE(preto(figura, i, y)) << i;
        EXPECT_TRUE(preto(figura, x, i)) << i;
        EXPECT_EQ(preto(figura, i, y + 5), i == x) << i;
        EXPECT_EQ(preto(figura, x + 5, i), i == y) << i;
    }
    // The dot: six pixels across within the corners three pixels either way, its own
    // corners left out.
    for (int j = y - 6; j <= y + 6; ++j)
        for (int i = x - 6; i <= x + 6; ++i) {
            if (i == x || j == y)
                continue;
            const bool naCaixa = i >= x - 3 && i <= x + 2 && j >= y - 3 && j <= y + 2;
            const bool canto = (i == x - 3 || i == x + 2) && (j == y - 3 || j == y + 2);
            EXPECT_EQ(preto(figura, i, j), naCaixa && !canto) << i << ", " << j;
        }
}

TEST(GeraFigura, CopiaOMapaComOsTextosSobreBrancoNasPosicoesDosRotulos)
{
    const QString latitude = QStringLiteral("19°55'00\"");
    const QString longitude = QStringLiteral("43°56'00\"");
    const TElementosFigura elementos = noPonto(mapaAzul(), latitude, longitude, 231, 188);
    const QImage figura = geraFigura(elementos);
    EXPECT_EQ(figura.pixelColor(5, 5), Qt::red);
    EXPECT_EQ(figura.pixelColor(300, 300), Qt::blue);
    const QFontMetrics medida(TFontePadrao::fonte());
    for (const auto& [texto, posicao] : {std::pair{latitude, elementos.PosicaoLatitude},
                                          std::pair{longitude, elementos.PosicaoLongitude}}) {
        SCOPED_TRACE(texto.toStdString());
        const QRect celula(posicao, QSize(medida.horizontalAdvance(texto), medida.height()));
        EXPECT_EQ(figura.pixelColor(celula.topLeft()), Qt::white);
        EXPECT_EQ(figura.pixelColor(celula.topRight()), Qt::white);
        EXPECT_EQ(figura.pixelColor(celula.topLeft() - QPoint(1, 0)), Qt::blue);
        EXPECT_EQ(figura.pixelColor(celula.topRight() + QPoint(1, 0)), Qt::blue);
        int escuros = 0;
        for (int j = celula.top(); j <= celula.bottom(); ++j)
            for (int i = celula.left(); i <= celula.right(); ++i)
                escuros += qGray(figura.pixel(i, j)) < 128 ? 1 : 0;
        EXPECT_GT(escuros, 20);
    }
}

// Before any pick, or after one off the state, the crosshair and the labels stand where
// they were: empty labels leave the map as it is.
TEST(GeraFigura, RotulosVaziosNaoApagamOMapa)
{
    TElementosFigura elementos = noPonto(mapaAzul(), QString(), QString(), 224, 224);
    elementos.PosicaoLatitude = {72, 44};
    elementos.PosicaoLongitude = {72, 58};
    const QImage figura = geraFigura(elementos);
    EXPECT_EQ(figura.pixelColor(72, 44), Qt::blue);
    EXPECT_EQ(figura.pixelColor(80, 62), Qt::blue);
    EXPECT_TRUE(preto(figura, 0, 224));
    EXPECT_TRUE(preto(figura, 224, 449));
}
