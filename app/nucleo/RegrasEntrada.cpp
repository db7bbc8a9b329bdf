#include "app/nucleo/RegrasEntrada.h"

#include "app/nucleo/TCaracteresNaoGravaveis.h"
#include "models/ConversaoNumerica.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "plataforma/nucleo/TextoUtf8.h"

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

bool ehControle(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// A change is read as one stretch of `antes` replaced by one stretch of `depois`: what
// both share at their start and at their end stays, whatever lies between came in.
struct TTrecho {
    std::u32string prefixo;
    std::u32string vindos;
    std::u32string sufixo;
};

TTrecho trechoAlterado(const std::string& antes, const std::string& depois)
{
    const std::u32string de = caracteresUtf8(antes);
    const std::u32string para = caracteresUtf8(depois);
    std::size_t inicio = 0;
    while (inicio < de.size() && inicio < para.size() && de[inicio] == para[inicio])
        ++inicio;
    std::size_t fim = 0;
    while (fim < de.size() - inicio && fim < para.size() - inicio
           && de[de.size() - 1 - fim] == para[para.size() - 1 - fim])
        ++fim;
    return {para.substr(0, inicio), para.substr(inicio, para.size() - inicio - fim), de.substr(de.size() - fim)};
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

char32_t teclaTexto(char32_t tecla)
{
    if (tecla == teclaRetrocesso)
        return tecla;
    return !ehControle(tecla) && TCodigoWindows1252::representa(tecla) ? tecla : teclaEngolida;
}

std::optional<std::string> textoAposAlteracao(const std::string& antes, const std::string& depois,
                                              const TRegraTecla& regra)
{
    const TTrecho trecho = trechoAlterado(antes, depois);
    if (trecho.vindos.empty())
        return depois;
    std::u32string digitados;
    std::string texto = antes;
    for (char32_t c : trecho.vindos) {
        const char32_t entregue = regra(texto, c);
        if (entregue == teclaEngolida || entregue == teclaRetrocesso)
            return std::nullopt;
        digitados += entregue;
        texto = textoUtf8(trecho.prefixo + digitados + trecho.sufixo);
    }
    return texto;
}

std::optional<std::string> alteracaoDecimal(const std::string& antes, const std::string& depois, char separador)
{
    return textoAposAlteracao(antes, depois, [separador](const std::string& texto, char32_t c) {
        return teclaDecimal(texto, c, separador);
    });
}

std::optional<std::string> alteracaoGrade(const std::string& antes, const std::string& depois, char separador)
{
    return textoAposAlteracao(antes, depois,
                              [separador](const std::string&, char32_t c) { return teclaGrade(c, separador); });
}

std::optional<std::string> alteracaoTexto(const std::string& antes, const std::string& depois)
{
    return textoAposAlteracao(antes, depois, [](const std::string&, char32_t c) { return teclaTexto(c); });
}

std::string motivoRecusaTexto(const std::string& antes, const std::string& depois)
{
    const std::u32string vindos = trechoAlterado(antes, depois).vindos;
    std::u32string recusados;
    for (char32_t c : vindos)
        if (teclaTexto(c) == teclaEngolida && recusados.find(c) == std::u32string::npos)
            recusados += c;
    return recusados.empty() ? std::string() : TCaracteresNaoGravaveis::motivoRecusa(recusados, vindos.size() == 1);
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
