#include "rainfall_equations/nucleo/ColacaoNomes.h"

#include "plataforma/nucleo/TCodigoWindows1252.h"

#include <algorithm>
#include <string>

namespace {

// The Windows-1252 letter of a byte in lower case.
unsigned char minuscula(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 32);
    return c;
}

// The plain letter of a lower-case byte with an accent or a cedilla.
unsigned char semAcento(unsigned char c)
{
    if (c >= 0xE0 && c <= 0xE5)
        return 'a';
    if (c == 0xE7)
        return 'c';
    if (c >= 0xE8 && c <= 0xEB)
        return 'e';
    if (c >= 0xEC && c <= 0xEF)
        return 'i';
    if (c == 0xF1)
        return 'n';
    if ((c >= 0xF2 && c <= 0xF6) || c == 0xF8)
        return 'o';
    if (c >= 0xF9 && c <= 0xFC)
        return 'u';
    if (c == 0xFD || c == 0xFF)
        return 'y';
    return c;
}

template <typename Chave>
int comparaPor(const std::string& a, const std::string& b, Chave chave)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = chave(static_cast<unsigned char>(a[i]));
        const int cb = chave(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

int comparaNomes(std::string_view a, std::string_view b)
{
    const std::string ba = TCodigoWindows1252::deUtf8(a);
    const std::string bb = TCodigoWindows1252::deUtf8(b);
    if (const int letras = comparaPor(ba, bb, [](unsigned char c) { return semAcento(minuscula(c)); }))
        return letras;
    if (const int acentos = comparaPor(ba, bb, minuscula))
        return acentos;
    if (const int caixa = comparaPor(ba, bb, [](unsigned char c) { return c; }))
        return caixa;
    return a.compare(b);
}
