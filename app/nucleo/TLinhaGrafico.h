#pragma once
// One line of the section chart as plain data: the window draws it with its chart
// layer, the evaluation report borrows it.
#include "models/SerieGrafico.h"

#include <string>
#include <vector>

inline constexpr TCor clBlack = 0x000000;
inline constexpr TCor clTeal = 0x008080;
inline constexpr TCor clMaroon = 0x800000;
inline constexpr TCor clGreen = 0x008000;
inline constexpr TCor clGray = 0x808080;
// The colours of sections 21 to 40, each far from the others and from those above.
inline constexpr TCor corLaranja = 0xFF8000;
inline constexpr TCor corMagenta = 0xFF00FF;
inline constexpr TCor corOliva = 0x808000;
inline constexpr TCor corRoxo = 0x800080;
inline constexpr TCor corAzulCeu = 0x0099FF;
inline constexpr TCor clBlue = 0x0000FF;
inline constexpr TCor clRed = 0xFF0000;

enum class TEstiloLinha { psSolid, psDash, psDot, psDashDot, psDashDotDot };

struct TPontoGrafico {
    double x = 0;  // distance from C, m
    double y = 0;  // elevation, m

    bool operator==(const TPontoGrafico&) const = default;
};

struct TLinhaGrafico {
    std::string titulo;
    TCor cor = CorAutomatica;  // 0xRRGGBB; the automatic colour is the chart's own, black
    TEstiloLinha estilo = TEstiloLinha::psSolid;
    std::vector<TPontoGrafico> pontos;

    bool operator==(const TLinhaGrafico&) const = default;
};
