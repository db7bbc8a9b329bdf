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

// The text with its accents composed (Unicode NFC): "e" and a combining acute accent
// become "é". The cores have no table of Unicode of their own, so the windows compose
// what the user brings in, typed, pasted or read from a file, before it reaches them.
QString composto(const QString& texto);
std::string composto(const std::string& utf8);

} // namespace TextoQt
