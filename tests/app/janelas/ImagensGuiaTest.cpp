#include "tests/app/janelas/NomesImagensGuia.h"
#include "app/TImagensGuia.h"
#include "app/nucleo/TGeometriaEntrada.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage abre(const char* nome)
{
    return QImage(TImagensGuia::pasta() + nome + ".bmp");
}

} // namespace

TEST(ImagensGuia, TodasAsImagensSaoBitmapsAoLadoDoPrograma)
{
    for (const char* nome : nomesImagensGuia) {
        QFile arquivo(TImagensGuia::pasta() + nome + ".bmp");
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly)) << nome;
        EXPECT_EQ(arquivo.read(2), QByteArray("BM")) << nome;
        EXPECT_FALSE(abre(nome).isNull()) << nome;
    }
}

// Each picture fits the right panel at the width its section leaves it: the wide ones
// widen the panel, the narrow ones leave room for the controls at their left.
TEST(ImagensGuia, TamanhosCabemNoPainelDaSuaSecao)
{
    for (const char* nome : nomesImagensGuia) {
        SCOPED_TRACE(nome);
        const QSize t = abre(nome).size();
        const QString n = QString::fromLatin1(nome);
        if (n.startsWith("Area_")) {
            EXPECT_LT(t.width(), 350);
            EXPECT_LE(11 + t.width() + 6, 326);
        } else if (n.startsWith("Tri") || n.startsWith("Trap") || n == "Comprimento_do_terraco") {
            EXPECT_LT(t.width(), 350);
            EXPECT_LE(11 + t.width() + 6, 346);
            EXPECT_LT(t.height(), 200);  // the frame drops below the step options
        } else {
            EXPECT_GT(t.width(), 350);
            EXPECT_LE(11 + t.width() + 6, 456);
            EXPECT_LE(40 + t.height() + 6, 471);
        }
    }
}

TEST(ImagensGuia, PrecipitacaoTemOAtalhoDoProgramaDeTerracos)
{
    const QImage imagem = abre("Precipitacao");
    const TRetangulo& atalho = TGeometriaEntrada::atalhoProgramaTerraco;
    int pintados = 0;
    int total = 0;
    for (int y = atalho.y; y < atalho.y + atalho.altura; ++y)
        for (int x = atalho.x; x < atalho.x + atalho.largura; ++x, ++total)
            pintados += imagem.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_GT(pintados, total * 8 / 10);
    // The spot stands apart from the white around it, and the button stays inside it.
    EXPECT_EQ(imagem.pixelColor(1, 300), QColor(Qt::white));
    EXPECT_EQ(imagem.pixelColor(64, 300), QColor(Qt::white));
    for (int y = atalho.y - 1; y <= atalho.y + atalho.altura; ++y)
        for (int x : {atalho.x - 1, atalho.x + atalho.largura})
            EXPECT_EQ(imagem.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
    for (int x = atalho.x - 1; x <= atalho.x + atalho.largura; ++x)
        for (int y : {atalho.y - 1, atalho.y + atalho.altura})
            EXPECT_EQ(imagem.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}
