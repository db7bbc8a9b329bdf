#include "rainfall_equations/nucleo/TextoCoordenada.h"

#include "models/ConversaoNumerica.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"

#include <cmath>

namespace {

// The characters from position `inicio` (counting from 1), at most `quantos` of them;
// empty beyond the end.
long double peca(const std::string& bytes, std::size_t inicio, std::size_t quantos)
{
    const std::string texto = inicio <= bytes.size() ? bytes.substr(inicio - 1, quantos) : std::string();
    return strToFloat(TCodigoWindows1252::paraUtf8(texto));
}

// Two digits at least, of which the first two are kept.
std::string doisDigitos(long double inteiro)
{
    return formatFloat("00", inteiro).substr(0, 2);
}

} // namespace

double leCoordenada(const std::string& texto)
{
    const std::string bytes = TCodigoWindows1252::deUtf8(texto);
    const long double graus = peca(bytes, 1, 2);
    const long double minutos = peca(bytes, 4, 2);
    const long double segundos = peca(bytes, 7, 2);
    return static_cast<double>((segundos / 60 + minutos) / 60 + graus);
}

std::string formataCoordenada(double graus)
{
    const long double valor = graus;
    const long double inteiros = std::trunc(valor);
    const long double minutos = (valor - inteiros) * 60;
    const long double minutosInteiros = std::trunc(minutos);
    const long double segundos = std::trunc((minutos - minutosInteiros) * 60);
    return doisDigitos(inteiros) + "°" + doisDigitos(minutosInteiros) + "'" + doisDigitos(segundos) + "\"";
}

std::string formataCoordenadaArredondada(double graus)
{
    const long long segundos = std::llround(static_cast<long double>(graus) * 3600);
    return doisDigitos(segundos / 3600) + "°" + doisDigitos(segundos % 3600 / 60) + "'" + doisDigitos(segundos % 60) + "\"";
}
