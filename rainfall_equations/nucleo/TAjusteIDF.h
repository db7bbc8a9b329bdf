#pragma once
// One equation i = K·T^a/(t+b)^c (i in mm/h, T in years, t in minutes) standing for the
// equations of several stations, each with its weight: the weighted geometric mean of
// their intensities over a grid of return periods and durations, and the equation fitted
// to that mean by least squares on ln i.
//
// On ln i the equation reads ln K + a·ln T − c·ln(t + b), which for a fixed b is linear
// in ln K, a and c. b is searched from 0 to BMaximo on a fixed grid and then refined by
// golden section around the best point of the grid: no random start, so the same
// stations always give the same equation. A station that carries all the weight gets its
// own coefficients back, to rounding.
#include "TEstacao.h"

#include <array>
#include <cstddef>

class TAjusteIDF {
public:
    // The grid of the mean and of the fit: years, and minutes from 5 to 24 hours.
    static constexpr std::array<double, 6> Periodos{2, 5, 10, 25, 50, 100};
    static constexpr std::array<double, 16> Duracoes{5, 10, 15, 20, 30, 45, 60, 90, 120, 180, 240, 360, 480, 720, 1080, 1440};

    struct TCoeficientes {
        double K = 0.0;
        double A = 0.0;
        double B = 0.0;
        double C = 0.0;
    };

    // Adds the equation of `estacao` with weight `peso` (greater than zero). A K that is
    // not positive or a b that leaves t + b not positive raises EInvalidOp.
    void acrescenta(long double peso, const TEstacao& estacao);

    // Whether no equation was added.
    bool vazio() const { return SomaPesos == 0; }

    // The equation fitted to the weighted mean of the ones added. With none added it
    // raises EZeroDivide.
    TCoeficientes ajusta() const;

    using TGrade = std::array<std::array<long double, Duracoes.size()>, Periodos.size()>;

private:
    // Per return period and duration, the sum of weight × ln i.
    TGrade SomaLn{};
    long double SomaPesos = 0;
};
