#include "TextoQt.h"

namespace TextoQt {

QString q(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

std::string s(const QString& texto)
{
    return texto.toStdString();
}

} // namespace TextoQt
