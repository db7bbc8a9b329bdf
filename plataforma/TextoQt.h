#pragma once
// The one conversion between the cores' UTF-8 standard strings and the windows' Qt
// strings. The names are short because the windows call them on nearly every line
// that shows a core's text; a window brings them in with `using TextoQt::q;`.
#include <QString>

#include <string>
#include <string_view>

namespace TextoQt {

QString q(const std::string& utf8);
QString q(std::string_view utf8);
std::string s(const QString& texto);

} // namespace TextoQt
