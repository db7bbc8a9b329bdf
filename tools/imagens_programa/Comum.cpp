#include "tools/imagens_programa/Desenhos.h"

#include <QColor>

// Grey of the same lightness, paled, as a disabled button usually looks.
QImage desativada(const QImage& figura)
{
    QImage cinza = figura.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < cinza.height(); ++y) {
        auto* linha = reinterpret_cast<QRgb*>(cinza.scanLine(y));
        for (int x = 0; x < cinza.width(); ++x) {
            const int claro = 120 + qGray(linha[x]) * 45 / 100;
            linha[x] = qRgba(claro, claro, claro, qAlpha(linha[x]) * 80 / 100);
        }
    }
    return cinza;
}
