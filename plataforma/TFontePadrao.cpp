#include "plataforma/TFontePadrao.h"

#include <QStringList>

namespace {

QString nome(TFontePadrao::TFace face)
{
    switch (face) {
    case TFontePadrao::TFace::verdana:
        return QStringLiteral("Verdana");
    case TFontePadrao::TFace::arial:
        return QStringLiteral("Arial");
    case TFontePadrao::TFace::tahoma:
        break;
    }
    return QStringLiteral("Tahoma");
}

QFont comFamilias(const QStringList& familias, int pixels)
{
    QFont fonte;
    fonte.setFamilies(familias);
    fonte.setPixelSize(pixels);
    return fonte;
}

} // namespace

QFont TFontePadrao::fonte(int pixels, TFace face)
{
    return comFamilias({nome(face), QStringLiteral("DejaVu Sans")}, pixels);
}

QFont TFontePadrao::estreita(int pixels, TFace face)
{
    return comFamilias({nome(face), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")}, pixels);
}

QFont TFontePadrao::aba()
{
    QFont fonte = estreita(12, TFace::verdana);
    fonte.setBold(true);
    return fonte;
}
