#include "plataforma/TextoQt.h"

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

} // namespace TextoQt
