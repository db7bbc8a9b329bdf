#include "plataforma/nucleo/TCodigoWindows1252.h"

namespace {

// The characters of the bytes 0x80 to 0x9F; an undefined byte stands for itself.
constexpr char32_t faixa80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t caractere(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? faixa80[byte - 0x80] : byte;
}

void acrescentaUtf8(std::string& saida, char32_t c)
{
    if (c < 0x80) {
        saida += static_cast<char>(c);
    } else if (c < 0x800) {
        saida += static_cast<char>(0xC0 | (c >> 6));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        saida += static_cast<char>(0xE0 | (c >> 12));
        saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The byte of a character, or '?' when the code page has none.
char byte1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (unsigned i = 0; i < 32; ++i)
        if (faixa80[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes the UTF-8 sequence at `i` and moves past it. A malformed sequence (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate, a value beyond
// U+10FFFF) gives a character no code page holds and moves one byte only.
constexpr char32_t invalido = 0xFFFFFFFF;

char32_t proximoCaractere(std::string_view texto, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(texto[k]); };
    const unsigned char b0 = byte(i);
    int seguintes = 0;
    char32_t minimo = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        seguintes = 1;
        minimo = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        seguintes = 2;
        minimo = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        seguintes = 3;
        minimo = 0x10000;
    }
    if (seguintes == 0 || i + static_cast<std::size_t>(seguintes) >= texto.size()) {
        ++i;
        return invalido;
    }
    char32_t c = b0 & (0x3F >> seguintes);
    for (int k = 1; k <= seguintes; ++k) {
        const unsigned char b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return invalido;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return invalido;
    }
    i += static_cast<std::size_t>(seguintes) + 1;
    return c;
}

} // namespace

std::string TCodigoWindows1252::paraUtf8(std::string_view bytes)
{
    std::string saida;
    saida.reserve(bytes.size());
    for (char b : bytes)
        acrescentaUtf8(saida, caractere(static_cast<unsigned char>(b)));
    return saida;
}

bool TCodigoWindows1252::utf8Valido(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();)
        if (proximoCaractere(bytes, i) == invalido)
            return false;
    return true;
}

bool TCodigoWindows1252::representa(char32_t c)
{
    return c == U'?' || byte1252(c) != '?';
}

std::string TCodigoWindows1252::deUtf8(std::string_view texto)
{
    std::string saida;
    saida.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();)
        saida += byte1252(proximoCaractere(texto, i));
    return saida;
}
