#pragma once
// One equation i = K·T^a/(t+b)^c (i in mm/h, T in years, t in minutes) standing for the
// equations of several stations, each with its weight: the weighted geometric mean of
// their intensities, and the equation fitted to that mean by least squares on ln i.
//
// The mean's ln i is ln K̄ + ā·ln T − h(t): ā the weighted mean of the stations' a, and
// ln K̄ − h(t) the weighted mean of their ln K − c·ln(t + b). It is a power of T exactly,
// at every return period, so a least-squares fit over any full grid of return periods
// and durations takes ā for a and fits the durations alone: ln K − c·ln(t + b) to
// ln K̄ − h(t) at the durations below, from 5 minutes to 24 hours. For a fixed b that fit
// is linear in ln K and c; b is searched from 0 to BMaximo on a fixed grid and refined by
// golden section around the best point of the grid. There is no random start, so the same
// stations always give the same equation, and a station that carries all the weight gets
// its own coefficients back, to rounding.
#include "rainfall_equations/nucleo/TEstacao.h"

#include <array>

class TAjusteIDF {
public:
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
    // raises EInvalidOp (a mean of nothing).
    TCoeficientes ajusta() const;

private:
    long double SomaPesos = 0;
    // The sums of weight × ln K and of weight × a.
    long double SomaLnK = 0;
    long double SomaA = 0;
    // Per duration, the sum of weight × c·ln(t + b).
    std::array<long double, Duracoes.size()> SomaDuracao{};
};
