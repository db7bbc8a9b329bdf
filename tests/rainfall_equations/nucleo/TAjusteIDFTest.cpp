#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/nucleo/TAjusteIDF.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

TEstacao equacao(double K, double A, double B, double C)
{
    TEstacao e;
    e.K = K;
    e.A = A;
    e.B = B;
    e.C = C;
    return e;
}

double intensidade(const TEstacao& e, double T, double t)
{
    return e.K * std::pow(T, e.A) / std::pow(t + e.B, e.C);
}

double intensidade(const TAjusteIDF::TCoeficientes& e, double T, double t)
{
    return e.K * std::pow(T, e.A) / std::pow(t + e.B, e.C);
}

} // namespace

// One equation alone, whatever its weight, comes back as it went in: the ends of the
// shipped stations' spans, b at 0 and at the widest b tried, and a b that falls between
// the points of the search grid.
TEST(TAjusteIDF, UmaEquacaoSozinhaVoltaComoEntrou)
{
    for (const TEstacao& e : {equacao(274.09, 0.28, 6.0, 0.56), equacao(14615.726, 0.2, 93.244, 1.351),
                              equacao(1000, 0.086, 0.725, 0.525), equacao(1500, 0.31, 0, 0.8),
                              equacao(3000, 0.15, 300, 2.5), equacao(2081.48, 0.21, 23.0, 0.88)}) {
        for (long double peso : {1e-20L, 1.0L, 3.7e35L}) {
            TAjusteIDF ajuste;
            ajuste.acrescenta(peso, e);
            const TAjusteIDF::TCoeficientes r = ajuste.ajusta();
            EXPECT_NEAR(r.K / e.K, 1, 1e-10) << e.K;
            EXPECT_NEAR(r.A, e.A, 1e-12) << e.K;
            EXPECT_NEAR(r.B, e.B, 1e-9) << e.K;
            EXPECT_NEAR(r.C, e.C, 1e-12) << e.K;
        }
    }
}

// With one b for all, the geometric mean of the intensities is itself an equation of
// the same form: K the weighted geometric mean of the K, a and c the weighted means.
TEST(TAjusteIDF, MesmoBDaAMediaExata)
{
    TAjusteIDF ajuste;
    ajuste.acrescenta(3, equacao(800, 0.12, 15, 0.7));
    ajuste.acrescenta(1, equacao(6400, 0.2, 15, 1.1));
    const TAjusteIDF::TCoeficientes r = ajuste.ajusta();
    // 800^(3/4) × 6400^(1/4) = 800 × 8^(1/4)
    EXPECT_NEAR(r.K, 800 * std::pow(8.0, 0.25), 1e-8);
    EXPECT_NEAR(r.A, 0.14, 1e-12);
    EXPECT_NEAR(r.B, 15, 1e-8);
    EXPECT_NEAR(r.C, 0.8, 1e-12);
}

// The two kinds of published curve, K near 700 with a small b and c, and K near 10,000
// with b near 45 and c above 1: the mean of their coefficients would be a curve neither
// has. The fitted equation stays within 2 % of the span between the two at every return
// period and duration (where the two curves cross it cannot quite follow both) and within
// 4 % of their geometric mean, and its a is the mean a exactly.
TEST(TAjusteIDF, DuasFormasDeCurvaFicamEntreAsDuas)
{
    const TEstacao baixa = equacao(700, 0.17, 4, 0.7);
    const TEstacao alta = equacao(10000, 0.19, 45, 1.15);
    TAjusteIDF ajuste;
    ajuste.acrescenta(1, baixa);
    ajuste.acrescenta(1, alta);
    const TAjusteIDF::TCoeficientes r = ajuste.ajusta();
    EXPECT_NEAR(r.A, 0.18, 1e-12);
    EXPECT_GT(r.B, 4);
    EXPECT_LT(r.B, 45);
    EXPECT_GT(r.C, 0.7);
    EXPECT_LT(r.C, 1.15);
    for (double T : {2, 5, 10, 25, 50, 100})
        for (double t : {5, 10, 15, 30, 60, 120, 360, 720, 1440}) {
            const double i1 = intensidade(baixa, T, t);
            const double i2 = intensidade(alta, T, t);
            const double i = intensidade(r, T, t);
            EXPECT_GE(i, 0.98 * std::min(i1, i2)) << T << " anos, " << t << " min";
            EXPECT_LE(i, 1.02 * std::max(i1, i2)) << T << " anos, " << t << " min";
            EXPECT_NEAR(i / std::sqrt(i1 * i2), 1, 0.04) << T << " anos, " << t << " min";
        }
}

TEST(TAjusteIDF, SemEquacaoNaoHaAjuste)
{
    TAjusteIDF ajuste;
    EXPECT_TRUE(ajuste.vazio());
    EXPECT_THROW(ajuste.ajusta(), EInvalidOp);
    ajuste.acrescenta(1, equacao(1000, 0.15, 10, 0.8));
    EXPECT_FALSE(ajuste.vazio());
}
