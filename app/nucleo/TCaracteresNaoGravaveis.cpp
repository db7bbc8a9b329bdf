#include "app/nucleo/TCaracteresNaoGravaveis.h"

#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "plataforma/nucleo/TextoUtf8.h"

#include <cstdio>

namespace {

// A long list would hide the question under it; the first fields tell what is wrong.
constexpr std::size_t camposListados = 10;

constexpr std::string_view arquivoDoProjeto = "o arquivo do projeto (Windows-1252) não guarda";

struct TFaixa {
    char32_t primeiro;
    char32_t ultimo;
};

// The combining marks of the Latin, Greek and Cyrillic accents and of symbols.
constexpr TFaixa marcas[] = {{0x0300, 0x036F}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x20D0, 0x20FF}, {0xFE20, 0xFE2F}};

// Characters that show nothing of their own: joiners, direction marks, variation selectors.
constexpr TFaixa invisiveis[] = {{0x061C, 0x061C}, {0x180E, 0x180E}, {0x200B, 0x200F}, {0x202A, 0x202E},
                                 {0x2060, 0x206F}, {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}, {0xE0000, 0xE007F},
                                 {0xE0100, 0xE01EF}};

template <std::size_t N>
bool em(const TFaixa (&faixas)[N], char32_t c)
{
    for (const TFaixa& f : faixas)
        if (c >= f.primeiro && c <= f.ultimo)
            return true;
    return false;
}

std::string codigo(char32_t c)
{
    char texto[12];
    std::snprintf(texto, sizeof texto, "U+%04X", static_cast<unsigned>(c));
    return texto;
}

std::string entreAspas(std::u32string_view c)
{
    return "\"" + textoUtf8(c) + "\"";
}

std::string separadosPorVirgula(const std::u32string& caracteres)
{
    std::string texto;
    for (char32_t c : caracteres)
        texto += (texto.empty() ? "" : ", ") + TCaracteresNaoGravaveis::descreve(c);
    return texto;
}

// "A", "A nem B", "A, B nem C".
std::string ligadosPorNem(const std::u32string& caracteres)
{
    std::string texto;
    for (std::size_t i = 0; i < caracteres.size(); ++i) {
        if (i > 0)
            texto += i + 1 == caracteres.size() ? " nem " : ", ";
        texto += TCaracteresNaoGravaveis::descreve(caracteres[i]);
    }
    return texto;
}

std::string linhas(const std::vector<TCampoNaoGravavel>& campos)
{
    std::string texto;
    for (std::size_t i = 0; i < campos.size() && i < camposListados; ++i)
        texto += campos[i].campo + ": " + separadosPorVirgula(campos[i].caracteres) + "\n";
    if (campos.size() > camposListados) {
        const std::size_t resto = campos.size() - camposListados;
        texto += "… e mais " + std::to_string(resto) + (resto == 1 ? " campo\n" : " campos\n");
    }
    return texto;
}

void acrescentaUmaVez(std::u32string& lista, char32_t c)
{
    if (lista.find(c) == std::u32string::npos)
        lista += c;
}

} // namespace

std::u32string TCaracteresNaoGravaveis::doTexto(std::string_view texto)
{
    std::u32string lista;
    for (char32_t c : caracteresUtf8(texto))
        if (!TCodigoWindows1252::representa(c))
            acrescentaUmaVez(lista, c);
    return lista;
}

std::vector<TCampoNaoGravavel> TCaracteresNaoGravaveis::doProjeto(const TDadosTerraco& dados)
{
    std::vector<TCampoNaoGravavel> campos;
    percorreTextos(dados, [&](const TLugarTexto& lugar, const std::string& texto) {
        std::u32string caracteres = doTexto(texto);
        if (!caracteres.empty())
            campos.push_back({nomeDoLugar(lugar), std::move(caracteres)});
    });
    return campos;
}

std::string TCaracteresNaoGravaveis::descreve(char32_t c)
{
    if (c == U'\n' || c == U'\r' || c == 0x2028 || c == 0x2029)
        return "a quebra de linha";
    if (c == U'\t')
        return "a tabulação";
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return "o caractere de controle " + codigo(c);
    if (em(marcas, c))
        return entreAspas(std::u32string{U'\u25CC', c});
    if (em(invisiveis, c))
        return "o caractere invisível " + codigo(c);
    return entreAspas(std::u32string(1, c));
}

std::string TCaracteresNaoGravaveis::avisoAbertura(const std::string& nomeArquivo,
                                                   const std::vector<TCampoNaoGravavel>& campos)
{
    return "O arquivo \"" + nomeArquivo + "\" tem caracteres que " + std::string(arquivoDoProjeto) + ":\n\n"
           + linhas(campos)
           + "\nOs campos os mostram como estão, mas, se o projeto for salvo assim, cada um deles será gravado "
             "como \"?\". Troque-os antes de salvar para não perdê-los.";
}

std::string TCaracteresNaoGravaveis::perguntaGravacao(const std::vector<TCampoNaoGravavel>& campos)
{
    return "O arquivo do projeto (Windows-1252) não guarda estes caracteres:\n\n" + linhas(campos)
           + "\nSalvar assim mesmo, com \"?\" no lugar de cada um deles?\n"
             "Com \"Não\", nada é gravado e os campos ficam como estão, para que você os troque.";
}

std::string TCaracteresNaoGravaveis::motivoRecusa(const std::u32string& recusados, bool umCaractere)
{
    const std::string descritos = ligadosPorNem(recusados);
    if (umCaractere && recusados.size() == 1 && descritos.front() == '"')
        return descritos + " não foi aceito: " + std::string(arquivoDoProjeto) + " esse caractere.";
    return "O texto não foi aceito: " + std::string(arquivoDoProjeto) + " " + descritos + ".";
}

TDadosTerraco TCaracteresNaoGravaveis::comoGravado(const TDadosTerraco& dados)
{
    TDadosTerraco gravado = dados;
    percorreTextos(gravado, [](std::string& texto) {
        if (!doTexto(texto).empty())
            texto = TCodigoWindows1252::paraUtf8(TCodigoWindows1252::deUtf8(texto));
    });
    return gravado;
}
