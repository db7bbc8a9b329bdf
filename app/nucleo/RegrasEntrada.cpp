#include "RegrasEntrada.h"

#include "ConversaoNumerica.h"

#include <cstddef>

namespace {

constexpr std::size_t maximoDecimais = 5;

bool ehDigito(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool ehSeparador(char32_t c)
{
    return c == U',' || c == U'.';
}

// Characters, not bytes, so that a pasted accent counts once.
std::size_t caracteresApos(const std::string& texto, std::size_t posicao)
{
    std::size_t n = 0;
    for (std::size_t i = posicao + 1; i < texto.size(); ++i)
        if ((static_cast<unsigned char>(texto[i]) & 0xC0) != 0x80)
            ++n;
    return n;
}

} // namespace

char32_t teclaDecimal(const std::string& texto, char32_t tecla, char separador)
{
    if (tecla == teclaRetrocesso)
        return tecla;
    const std::size_t posicao = texto.find(separador);
    if (posicao == std::string::npos)
        return teclaGrade(tecla, separador);
    if (caracteresApos(texto, posicao) >= maximoDecimais)
        return teclaEngolida;
    return ehDigito(tecla) ? tecla : teclaEngolida;
}

char32_t teclaGrade(char32_t tecla, char separador)
{
    if (ehSeparador(tecla))
        return static_cast<char32_t>(separador);
    return ehDigito(tecla) || tecla == teclaRetrocesso ? tecla : teclaEngolida;
}

std::string textoCotaCrista(TGradeCrista grade, int linha, const std::vector<double>& cotas, int nPontos)
{
    if (nPontos == 0)
        return "        -";
    int indice = -1;
    switch (grade) {
    case TGradeCrista::inicio: indice = 0; break;
    case TGradeCrista::fim: indice = nPontos - 1; break;
    case TGradeCrista::meio: indice = linha + 2 < nPontos ? linha + 1 : -1; break;
    }
    // Counts and elevations come from one evaluation; a count the list cannot serve shows
    // nothing rather than reading past it.
    if (indice < 0 || static_cast<std::size_t>(indice) >= cotas.size())
        return std::string();
    return formatDuasCasas(cotas[static_cast<std::size_t>(indice)]);
}
