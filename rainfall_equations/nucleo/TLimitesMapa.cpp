#include "rainfall_equations/nucleo/TLimitesMapa.h"

#include <array>
#include <cmath>
#include <utility>

namespace {
using Real = long double;
}

std::optional<double> TLimitesMapa::latitudeDaLinha(double Y) const
{
    if (Altura == 0)
        return std::nullopt;
    return static_cast<double>(LatNorte + (static_cast<Real>(LatSul) - LatNorte) * (Y - Y0) / Altura);
}

std::optional<double> TLimitesMapa::longitudeDaColuna(double X) const
{
    if (Largura == 0)
        return std::nullopt;
    return static_cast<double>(LonLeste - (static_cast<Real>(LonLeste) - LonOeste) * (Largura - (static_cast<Real>(X) - X0)) / Largura);
}

std::optional<double> TLimitesMapa::linhaDaLatitude(double latitude) const
{
    if (LatSul - LatNorte == 0)
        return std::nullopt;
    return static_cast<double>((static_cast<Real>(latitude) - LatNorte) * Altura / (static_cast<Real>(LatSul) - LatNorte) + Y0);
}

std::optional<double> TLimitesMapa::colunaDaLongitude(double longitude) const
{
    if (LonLeste - LonOeste == 0)
        return std::nullopt;
    return static_cast<double>(Largura - Largura * (static_cast<Real>(LonLeste) - longitude) / (static_cast<Real>(LonLeste) - LonOeste) + X0);
}

std::optional<TLimitesMapa> limitesMapaDoEstado(int indice)
{
    static const std::array<std::pair<int, TLimitesMapa>, 7> tabela{{
        {4, {37.339722, 46.629028, 8.532272, 18.349041, 16, 5, 414, 436}},
        {7, {39.664805, 41.879249, 17.891117, 21.301478, 86, 10, 278, 429}},
        {12, {39.856471, 51.04622, 14.232664, 22.922378, 16, 64, 420, 327}},
        {15, {48.023056, 54.618958, 22.516105, 26.715944, 27, 101, 420, 267}},
        {18, {40.956445, 44.888529, 20.763474, 23.36849, 10, 82, 430, 284}},
        {24, {44.160556, 53.109609, 19.779323, 25.311931, 10, 92, 430, 265}},
        {26, {45.695667, 50.741611, 5.168047, 13.467389, 93, 7, 266, 437}},
    }};
    for (const auto& [estado, limites] : tabela)
        if (estado == indice)
            return limites;
    return std::nullopt;
}

int pixelMaisProximo(double posicao)
{
    return static_cast<int>(std::nearbyint(posicao));
}
