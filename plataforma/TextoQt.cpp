#include "plataforma/TextoQt.h"

#include <algorithm>

namespace TextoQt {

QString q(const std::string& utf8)
{
    return q(std::string_view(utf8));
}

QString q(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string s(const QString& texto)
{
    return texto.toStdString();
}

QString composto(const QString& texto)
{
    return texto.normalized(QString::NormalizationForm_C);
}

// Text in ASCII has nothing to compose; a long terrace's grids are mostly so.
std::string composto(const std::string& utf8)
{
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return utf8;
    return s(composto(q(utf8)));
}

} // namespace TextoQt
