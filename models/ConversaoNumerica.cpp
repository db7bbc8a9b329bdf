#include "models/ConversaoNumerica.h"

#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "plataforma/nucleo/Excecoes.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <vector>

namespace {

bool ehBranco(char c)
{
    return c == ' ' || c == '\t';
}

bool ehDigito(char c)
{
    return c >= '0' && c <= '9';
}

[[noreturn]] void realInvalido(const std::string& texto)
{
    throw EConvertError("'" + texto + "' is not a valid floating point value");
}

// Copies the number of `texto` into the C notation that from_chars reads, checking
// its shape on the way; returns false when the text is not a number.
bool normalizaReal(const std::string& texto, std::string& numero)
{
    const char separador = configuracaoRegional().DecimalSeparator;
    std::size_t i = 0;
    const std::size_t n = texto.size();
    while (i < n && ehBranco(texto[i]))
        ++i;
    if (i < n && (texto[i] == '+' || texto[i] == '-')) {
        if (texto[i] == '-')
            numero += '-';
        ++i;
    }
    bool temDigito = false;
    while (i < n && ehDigito(texto[i])) {
        numero += texto[i++];
        temDigito = true;
    }
    if (i < n && texto[i] == separador) {
        numero += '.';
        ++i;
        while (i < n && ehDigito(texto[i])) {
            numero += texto[i++];
            temDigito = true;
        }
    }
    if (!temDigito)
        return false;
    if (i < n && (texto[i] == 'e' || texto[i] == 'E')) {
        numero += 'e';
        ++i;
        if (i < n && (texto[i] == '+' || texto[i] == '-'))
            numero += texto[i++];
        if (i >= n || !ehDigito(texto[i]))
            return false;
        while (i < n && ehDigito(texto[i]))
            numero += texto[i++];
    }
    while (i < n && ehBranco(texto[i]))
        ++i;
    return i == n;
}

// Whether a number that does not fit a double (C notation, as normalizaReal writes it)
// is too small rather than too large: the power of ten of its first significant digit
// is negative.
bool pequenoDemais(const std::string& numero)
{
    const std::size_t e = std::min(numero.find('e'), numero.size());
    long long expoente = 0;
    for (std::size_t i = e + 1; i < numero.size(); ++i)
        if (ehDigito(numero[i]))
            expoente = std::min(expoente * 10 + (numero[i] - '0'), 1000000LL);
    if (e + 1 < numero.size() && numero[e + 1] == '-')
        expoente = -expoente;
    const std::size_t ponto = std::min(numero.find('.'), e);
    const std::size_t primeiro = numero.find_first_of("123456789");
    const long long posicao = primeiro < ponto ? static_cast<long long>(ponto - primeiro) - 1
                                               : -static_cast<long long>(primeiro - ponto);
    return posicao + expoente < 0;
}

// The digits of |valor| rounded to `casas` decimals, an exact half away from zero,
// as an integer part and a decimal part without separators.
struct TDigitos {
    std::string inteiros;
    std::string decimais;
    bool negativo = false;
};

// `valor` in fixed notation with `precisao` decimals; `folga` is room for its integer
// digits.
template <typename Real>
std::string fixo(Real valor, int precisao, std::size_t folga)
{
    std::string texto(static_cast<std::size_t>(precisao) + folga, '\0');
    const auto [fim, erro] = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                           std::chars_format::fixed, precisao);
    if (erro != std::errc())
        throw EOverflow("Estouro de ponto flutuante.");
    texto.resize(static_cast<std::size_t>(fim - texto.data()));
    return texto;
}

// The exact decimal expansion of |valor| with at least `casas` + 1 decimals, so that
// the digit after the last one kept tells whether to round up.
std::string expansaoExata(long double valor, int casas)
{
    const long double absoluto = std::fabs(valor);
    const auto duplo = static_cast<double>(absoluto);
    if (static_cast<long double>(duplo) == absoluto) {
        // A double's expansion ends with its last bit: a value of n bits after the binary
        // point has exactly n decimals, at most 1074. The expansion through double also
        // costs a tenth of the extended one.
        int expoente = 0;
        const auto mantissa = static_cast<unsigned long long>(std::ldexp(std::frexp(duplo, &expoente), 53));
        const int bitsFracao = mantissa == 0 ? 0 : 53 - expoente - std::countr_zero(mantissa);
        return fixo(duplo, std::max(bitsFracao, casas + 1), 320);
    }
    // Enough digits to hold every extended value that could be a tie, so rounding looks
    // at the true tail.
    return fixo(absoluto, casas + 1100, 5000);
}

TDigitos arredonda(long double valor, int casas)
{
    if (!std::isfinite(valor))
        throw EInvalidOp("Operação de ponto flutuante inválida.");
    TDigitos d;
    d.negativo = std::signbit(valor);
    const std::string exato = expansaoExata(valor, casas);
    const std::size_t ponto = exato.find('.');
    std::string digitos = exato.substr(0, ponto) + exato.substr(ponto + 1, static_cast<std::size_t>(casas));
    const bool sobe = exato[ponto + 1 + static_cast<std::size_t>(casas)] >= '5';
    if (sobe) {
        int i = static_cast<int>(digitos.size()) - 1;
        while (i >= 0 && digitos[static_cast<std::size_t>(i)] == '9')
            digitos[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            digitos.insert(digitos.begin(), '1');
        else
            ++digitos[static_cast<std::size_t>(i)];
    }
    const std::size_t nInteiros = digitos.size() - static_cast<std::size_t>(casas);
    d.inteiros = digitos.substr(0, nInteiros);
    d.decimais = digitos.substr(nInteiros);
    if (d.inteiros.find_first_not_of('0') == std::string::npos
        && d.decimais.find_first_not_of('0') == std::string::npos)
        d.negativo = false;
    return d;
}

// The significant digits of |valor| rounded to `quantos`, an exact half away from zero,
// and the power of ten of the first: |valor| is about 0.d1d2... times 10^(expoente + 1).
struct TSignificativos {
    std::string digitos;
    int expoente = 0;
};

TSignificativos significativos(long double valor, int quantos)
{
    // Enough digits for the exact expansion of any double, so a tie is seen as one.
    constexpr int precisao = 1100;
    std::vector<char> texto(precisao + 64);
    auto [fim, erro] = std::to_chars(texto.data(), texto.data() + texto.size(), std::fabs(valor),
                                     std::chars_format::scientific, precisao);
    if (erro != std::errc())
        throw EOverflow("Estouro de ponto flutuante.");
    const std::string exato(texto.data(), fim);
    const std::size_t e = exato.find('e');
    const std::string todos = exato.substr(0, 1) + exato.substr(2, e - 2);
    TSignificativos s{todos.substr(0, static_cast<std::size_t>(quantos)), std::stoi(exato.substr(e + 1))};
    if (todos[static_cast<std::size_t>(quantos)] >= '5') {
        int i = quantos - 1;
        while (i >= 0 && s.digitos[static_cast<std::size_t>(i)] == '9')
            s.digitos[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            s.digitos.insert(s.digitos.begin(), '1');
            s.digitos.pop_back();
            ++s.expoente;
        } else {
            ++s.digitos[static_cast<std::size_t>(i)];
        }
    }
    s.digitos.erase(s.digitos.find_last_not_of('0') + 1);
    return s;
}

std::string agrupa(const std::string& inteiros, char separador)
{
    std::string resultado;
    const std::size_t n = inteiros.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            resultado += separador;
        resultado += inteiros[i];
    }
    return resultado;
}

} // namespace

double strToFloat(const std::string& texto)
{
    std::string numero;
    if (!normalizaReal(texto, numero))
        realInvalido(texto);
    double valor = 0.0;
    const auto [fim, erro] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
    // A number below the smallest double reads as zero, as the hardware rounds it.
    if (erro == std::errc::result_out_of_range && pequenoDemais(numero))
        return numero[0] == '-' ? -0.0 : 0.0;
    if (erro != std::errc() || fim != numero.data() + numero.size() || !std::isfinite(valor))
        realInvalido(texto);
    return valor;
}

int strToInt(const std::string& texto)
{
    std::size_t i = 0;
    while (i < texto.size() && ehBranco(texto[i]))
        ++i;
    const bool negativo = i < texto.size() && texto[i] == '-';
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+'))
        ++i;
    long long valor = 0;
    const std::size_t inicio = i;
    while (i < texto.size() && ehDigito(texto[i]) && valor <= INT_MAX + 1LL)
        valor = valor * 10 + (texto[i++] - '0');
    if (i == inicio || i != texto.size() || valor > (negativo ? INT_MAX + 1LL : INT_MAX))
        throw EConvertError("'" + texto + "' is not a valid integer value");
    return static_cast<int>(negativo ? -valor : valor);
}

std::string floatToStr(long double valor)
{
    constexpr int precisao = 15;
    if (!std::isfinite(valor))
        throw EInvalidOp("Operação de ponto flutuante inválida.");
    if (valor == 0.0L)
        return "0";
    const TSignificativos s = significativos(valor, precisao);
    const char separador = configuracaoRegional().DecimalSeparator;
    std::string texto = valor < 0.0L ? "-" : "";
    const auto n = static_cast<int>(s.digitos.size());
    if (s.expoente < -4 || s.expoente >= precisao) {
        texto += s.digitos.substr(0, 1);
        if (n > 1)
            texto += separador + s.digitos.substr(1);
        return texto + "E" + std::to_string(s.expoente);
    }
    if (s.expoente < 0)
        return texto + "0" + separador + std::string(static_cast<std::size_t>(-s.expoente - 1), '0') + s.digitos;
    const int inteiros = s.expoente + 1;
    if (n <= inteiros)
        return texto + s.digitos + std::string(static_cast<std::size_t>(inteiros - n), '0');
    return texto + s.digitos.substr(0, static_cast<std::size_t>(inteiros)) + separador
           + s.digitos.substr(static_cast<std::size_t>(inteiros));
}

std::string formatFixo(long double valor, int casas)
{
    const TDigitos d = arredonda(valor, casas);
    std::string texto = d.negativo ? "-" : "";
    texto += d.inteiros;
    if (casas > 0)
        texto += configuracaoRegional().DecimalSeparator + d.decimais;
    return texto;
}

std::string formatFloat(const std::string& padrao, long double valor)
{
    const std::size_t ponto = padrao.find('.');
    const std::string antes = padrao.substr(0, ponto);
    int casas = 0;
    if (ponto != std::string::npos)
        for (std::size_t i = ponto + 1; i < padrao.size() && padrao[i] == '0'; ++i)
            ++casas;
    std::size_t minimoInteiros = 0;
    for (char c : antes)
        if (c == '0')
            ++minimoInteiros;

    const TConfiguracaoRegional& regional = configuracaoRegional();
    const TDigitos d = arredonda(valor, casas);
    std::string inteiros = d.inteiros.substr(std::min(d.inteiros.find_first_not_of('0'), d.inteiros.size()));
    if (inteiros.size() < minimoInteiros)
        inteiros.insert(0, minimoInteiros - inteiros.size(), '0');
    if (antes.find(',') != std::string::npos)
        inteiros = agrupa(inteiros, regional.ThousandSeparator);
    std::string texto = d.negativo ? "-" : "";
    texto += inteiros;
    if (casas > 0)
        texto += regional.DecimalSeparator + d.decimais;
    return texto;
}

std::string formatDuasCasas(long double valor)
{
    return formatFixo(valor, 2) + " ";
}

std::optional<double> realComPonto(std::string_view texto)
{
    std::size_t i = 0;
    const std::size_t n = texto.size();
    if (i < n && (texto[i] == '+' || texto[i] == '-'))
        ++i;
    std::size_t digitos = 0;
    for (; i < n && ehDigito(texto[i]); ++i)
        ++digitos;
    if (i < n && texto[i] == '.')
        for (++i; i < n && ehDigito(texto[i]); ++i)
            ++digitos;
    if (digitos == 0)
        return std::nullopt;
    if (i < n && (texto[i] == 'e' || texto[i] == 'E')) {
        ++i;
        if (i < n && (texto[i] == '+' || texto[i] == '-'))
            ++i;
        if (i == n || !ehDigito(texto[i]))
            return std::nullopt;
        while (i < n && ehDigito(texto[i]))
            ++i;
    }
    if (i != n)
        return std::nullopt;
    // from_chars takes no plus sign.
    if (texto.front() == '+')
        texto.remove_prefix(1);
    double valor = 0.0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (erro != std::errc() || fim != texto.data() + texto.size() || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}
