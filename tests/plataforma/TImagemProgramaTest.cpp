#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/TImagemPrograma.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// A picture with a different colour in every pixel, so a row or a channel out of place shows.
QImage figuraDeTeste(int largura, int altura)
{
    QImage figura(largura, altura, QImage::Format_RGB32);
    for (int y = 0; y < altura; ++y)
        for (int x = 0; x < largura; ++x)
            figura.setPixel(x, y, qRgb(40 * x % 256, 70 * y % 256, (x * 13 + y * 29) % 256));
    return figura;
}

QByteArray arquivoDe(const QImage& figura, const char* formato = "BMP")
{
    QByteArray bytes;
    QBuffer saida(&bytes);
    saida.open(QIODevice::WriteOnly);
    figura.save(&saida, formato);
    return bytes;
}

void grava(const QString& arquivo, const QByteArray& conteudo)
{
    QFile saida(arquivo);
    ASSERT_TRUE(saida.open(QIODevice::WriteOnly));
    ASSERT_EQ(saida.write(conteudo), conteudo.size());
}

// The same 24-bit BMP with its rows from the top down, as a negative height says.
QByteArray deCimaParaBaixo(QByteArray bmp)
{
    auto* bytes = reinterpret_cast<uchar*>(bmp.data());
    const qint32 largura = qFromLittleEndian<qint32>(bytes + 18);
    const qint32 altura = qFromLittleEndian<qint32>(bytes + 22);
    const int inicio = qFromLittleEndian<qint32>(bytes + 10);
    const int linha = (largura * 3 + 3) / 4 * 4;
    QByteArray linhas;
    for (int y = altura - 1; y >= 0; --y)
        linhas += bmp.mid(inicio + y * linha, linha);
    bmp.replace(inicio, linhas.size(), linhas);
    qToLittleEndian<qint32>(-altura, bytes + 22);
    return bmp;
}

} // namespace

TEST(ImagemPrograma, ArquivoQueFaltaDizQualArquivo)
{
    const QString caminho = TImagemPrograma::caminho("nao existe.bmp");
    try {
        TImagemPrograma::carrega("nao existe.bmp");
        FAIL() << "sem erro";
    } catch (const EInOutError& erro) {
        EXPECT_EQ(QString::fromStdString(erro.Message()), "O arquivo " + caminho + " não existe.");
    }
}

// Every picture reads as Qt's own reader reads the same file: the program's pictures and
// 24-bit BMPs of every row padding and either row order, which the program reads itself,
// and whatever else a file may hold, which it leaves to Qt. A file cut short reads no
// further than its end.
TEST(ImagemPrograma, LeComoOLeitorDoQt)
{
    for (const char* nome : {"Abertura Morlin.bmp", "Caderneta.bmp"}) {
        const QImage doQt = QPixmap(TImagemPrograma::caminho(QLatin1String(nome))).toImage();
        ASSERT_FALSE(doQt.isNull()) << nome;
        EXPECT_EQ(TImagemPrograma::carrega(QLatin1String(nome)).toImage(), doQt) << nome;
    }

    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QByteArray larguraImpar = arquivoDe(figuraDeTeste(5, 3));
    const struct {
        const char* nome;
        QByteArray conteudo;
    } casos[] = {
        {"um pixel.bmp", arquivoDe(figuraDeTeste(1, 1))},
        {"largura impar.bmp", larguraImpar},
        {"largura par.bmp", arquivoDe(figuraDeTeste(8, 4))},
        {"de cima para baixo.bmp", deCimaParaBaixo(larguraImpar)},
        {"oito bits.bmp", arquivoDe(figuraDeTeste(6, 2).convertToFormat(QImage::Format_Indexed8))},
        {"png com nome de bmp.bmp", arquivoDe(figuraDeTeste(4, 4), "PNG")},
    };
    const QDir imagens(TImagemPrograma::caminho(QString()));
    for (const auto& caso : casos) {
        const QString arquivo = pasta.filePath(QLatin1String(caso.nome));
        grava(arquivo, caso.conteudo);
        const QImage doQt = QPixmap(arquivo).toImage();
        ASSERT_FALSE(doQt.isNull()) << caso.nome;
        EXPECT_EQ(TImagemPrograma::carrega(imagens.relativeFilePath(arquivo)).toImage(), doQt) << caso.nome;
    }

    const QString truncado = pasta.filePath(QStringLiteral("truncado.bmp"));
    grava(truncado, larguraImpar.left(larguraImpar.size() - 7));
    EXPECT_EQ(TImagemPrograma::carrega(imagens.relativeFilePath(truncado)).size(), QSize(5, 3));
}

TEST(ImagemPrograma, ArquivoQueNaoEFiguraDizQueNaoPodeSerLido)
{
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("texto.bmp"));
    grava(arquivo, "BM nada de figura aqui");
    const QString nome = QDir(TImagemPrograma::caminho(QString())).relativeFilePath(arquivo);
    try {
        TImagemPrograma::carrega(nome);
        FAIL() << "sem erro";
    } catch (const EInOutError& erro) {
        EXPECT_EQ(QString::fromStdString(erro.Message()),
                  "O arquivo " + TImagemPrograma::caminho(nome) + " não pôde ser lido.");
    }
}
