#include "plataforma/nucleo/TextoUtf8.h"

std::u32string caracteresUtf8(std::string_view texto)
{
    std::u32string saida;
    for (std::size_t i = 0; i < texto.size();) {
        const auto b = static_cast<unsigned char>(texto[i]);
        const std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b : b & (0xFF >> (n + 1));
        for (std::size_t k = 1; k < n && i + k < texto.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(texto[i + k]) & 0x3F);
        saida += c;
        i += n;
    }
    return saida;
}

std::string textoUtf8(std::u32string_view caracteres)
{
    std::string saida;
    for (char32_t c : caracteres) {
        if (c < 0x80) {
            saida += static_cast<char>(c);
        } else if (c < 0x800) {
            saida += static_cast<char>(0xC0 | (c >> 6));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            saida += static_cast<char>(0xE0 | (c >> 12));
            saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            saida += static_cast<char>(0xF0 | (c >> 18));
            saida += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            saida += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return saida;
}
