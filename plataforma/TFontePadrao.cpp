#include "plataforma/TFontePadrao.h"

#include <QStringList>

QFont TFontePadrao::fonte(int pixels)
{
    QFont fonte;
    fonte.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    fonte.setPixelSize(pixels);
    return fonte;
}

QFont TFontePadrao::estreita(int pixels)
{
    QFont fonte;
    fonte.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    fonte.setPixelSize(pixels);
    return fonte;
}

QFont TFontePadrao::aba()
{
    QFont fonte;
    fonte.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans Condensed")});
    fonte.setPixelSize(12);
    fonte.setBold(true);
    return fonte;
}
