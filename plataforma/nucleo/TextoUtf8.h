#pragma once
// The characters of a UTF-8 text, one code point each, and back: for the rules that judge a
// text character by character.
#include <string>
#include <string_view>

// The code points of a text that is valid UTF-8, as every text of the windows is.
std::u32string caracteresUtf8(std::string_view texto);

std::string textoUtf8(std::u32string_view caracteres);
