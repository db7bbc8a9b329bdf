#pragma once
// One line of the section chart as plain data: the window draws it with its chart
// layer, the evaluation report borrows it.
#include <cstdint>
#include <string>
#include <vector>

struct TCor {
    std::uint8_t vermelho = 0;
    std::uint8_t verde = 0;
    std::uint8_t azul = 0;

    bool operator==(const TCor&) const = default;
};

inline constexpr TCor clBlack{0, 0, 0};
inline constexpr TCor clTeal{0, 128, 128};
inline constexpr TCor clMaroon{128, 0, 0};
inline constexpr TCor clGreen{0, 128, 0};
inline constexpr TCor clGray{128, 128, 128};
inline constexpr TCor clBlue{0, 0, 255};
inline constexpr TCor clRed{255, 0, 0};

enum class TEstiloLinha { psSolid, psDash, psDot, psDashDot, psDashDotDot };

struct TPontoGrafico {
    double x = 0;  // distance from C, m
    double y = 0;  // elevation, m

    bool operator==(const TPontoGrafico&) const = default;
};

struct TSerieGrafico {
    std::string titulo;
    TCor cor;
    TEstiloLinha estilo = TEstiloLinha::psSolid;  // a new line series' pen
    std::vector<TPontoGrafico> pontos;

    bool operator==(const TSerieGrafico&) const = default;
};
