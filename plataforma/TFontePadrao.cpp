#include "TFontePadrao.h"

#include <QStringList>

QFont TFontePadrao::fonte()
{
    QFont fonte;
    fonte.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    fonte.setPixelSize(11);
    return fonte;
}
