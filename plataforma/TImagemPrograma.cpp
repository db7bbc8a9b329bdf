#include "plataforma/TImagemPrograma.h"

#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TPastaPrograma.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>

#include <utility>

namespace {

// The program's own pictures are uncompressed 24-bit BMPs, read here in one pass: Qt's reader
// takes every pixel of such a file through the masks and shifts of all its formats, some
// forty instructions a pixel, most of what showing the start-up picture costs. The file is
// read where the system maps it: a copy would take memory page by page again. Any other
// file is Qt's, which this gives a null picture.
QImage leBmp24(const uchar* bytes, qint64 tamanho)
{
    if (bytes == nullptr || tamanho < 54 || bytes[0] != 'B' || bytes[1] != 'M' ||
        qFromLittleEndian<quint32>(bytes + 14) < 40 || qFromLittleEndian<quint16>(bytes + 28) != 24 ||
        qFromLittleEndian<quint32>(bytes + 30) != 0)
        return {};
    const qint64 inicio = qFromLittleEndian<quint32>(bytes + 10);
    const qint64 largura = qFromLittleEndian<qint32>(bytes + 18);
    const qint64 altura = qFromLittleEndian<qint32>(bytes + 22);
    const qint64 linhas = qAbs(altura);
    const qint64 bytesLinha = (largura * 3 + 3) / 4 * 4;
    if (largura <= 0 || linhas == 0 || inicio > tamanho || (tamanho - inicio) / bytesLinha < linhas)
        return {};
    QImage figura(int(largura), int(linhas), QImage::Format_RGB32);
    if (figura.isNull())
        return {};
    figura.setDotsPerMeterX(qFromLittleEndian<qint32>(bytes + 38));
    figura.setDotsPerMeterY(qFromLittleEndian<qint32>(bytes + 42));
    for (qint64 y = 0; y < linhas; ++y) {
        // The rows run from the bottom up, unless the height is negative.
        const uchar* origem = bytes + inicio + (altura > 0 ? linhas - 1 - y : y) * bytesLinha;
        auto* destino = reinterpret_cast<QRgb*>(figura.scanLine(int(y)));
        for (qint64 x = 0; x < largura; ++x, origem += 3)
            destino[x] = qRgb(origem[2], origem[1], origem[0]);
    }
    return figura;
}

} // namespace

QString TImagemPrograma::caminho(const QString& nome)
{
    return QFile::decodeName(QByteArray::fromStdString(pastaPrograma())) + QStringLiteral("imagens/") + nome;
}

QPixmap TImagemPrograma::carrega(const QString& nome)
{
    const QString arquivo = caminho(nome);
    if (!QFileInfo::exists(arquivo))
        throw EInOutError(("O arquivo " + arquivo + " não existe.").toStdString());
    QFile leitura(arquivo);
    QImage figura;
    if (leitura.open(QIODevice::ReadOnly))
        figura = leBmp24(leitura.map(0, leitura.size()), leitura.size());
    if (figura.isNull() && !figura.load(arquivo))
        throw EInOutError(("O arquivo " + arquivo + " não pôde ser lido.").toStdString());
    return QPixmap::fromImage(std::move(figura));
}
