#include "tools/desenho/Fonte.h"

#include <QStringList>

QFont fonte(int pixels, bool negrito)
{
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}

QFont fonteLarga(int pixels, bool negrito)
{
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(pixels);
    f.setBold(negrito);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
