#include "rainfall_equations/nucleo/TAjusteIDF.h"

#include "models/Aritmetica.h"
#include "rainfall_equations/nucleo/FaixasCoeficientes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr std::size_t NDuracoes = TAjusteIDF::Duracoes.size();
using TPorDuracao = std::array<long double, NDuracoes>;

// The grid of b: BMaximo·(k/N)² for k = 0..N, finer near 0, where a change of b moves the
// short durations most.
constexpr int PassosGradeB = 48;
// Golden-section steps: they shrink the bracket of two grid steps below the precision of b.
constexpr int PassosSecaoAurea = 80;

// The fit for one b: ln K, c and the sum of the squared residuals on ln i.
struct TRetaB {
    long double b = 0;
    long double lnK = 0;
    long double C = 0;
    long double quadrados = 0;
};

// The mean's ln K̄ − h(t) per duration, less its own mean, and that mean.
struct TCurvaCentrada {
    TPorDuracao desvios{};
    long double media = 0;
};

TRetaB ajustaComB(const TCurvaCentrada& curva, long double b)
{
    TPorDuracao v{};
    long double mediaV = 0;
    for (std::size_t d = 0; d < NDuracoes; ++d) {
        v[d] = ln(TAjusteIDF::Duracoes[d] + b);
        mediaV += v[d];
    }
    mediaV /= NDuracoes;
    long double svv = 0;
    long double svy = 0;
    for (std::size_t d = 0; d < NDuracoes; ++d) {
        v[d] -= mediaV;
        svv += v[d] * v[d];
        svy += v[d] * curva.desvios[d];
    }
    // The slope on ln(t + b), which is −c.
    const long double inclinacao = divide(svy, svv);
    TRetaB r{b, curva.media - inclinacao * mediaV, -inclinacao, 0};
    for (std::size_t d = 0; d < NDuracoes; ++d) {
        const long double residuo = curva.desvios[d] - inclinacao * v[d];
        r.quadrados += residuo * residuo;
    }
    return r;
}

long double pontoDaGrade(int k)
{
    const long double fracao = static_cast<long double>(k) / PassosGradeB;
    return BMaximo * fracao * fracao;
}

// The best b of the grid, then golden section between its two neighbours; the best b met
// on the way is the answer.
TRetaB melhorB(const TCurvaCentrada& curva)
{
    int melhorK = 0;
    TRetaB melhor = ajustaComB(curva, pontoDaGrade(0));
    for (int k = 1; k <= PassosGradeB; ++k) {
        const TRetaB r = ajustaComB(curva, pontoDaGrade(k));
        if (r.quadrados < melhor.quadrados) {
            melhor = r;
            melhorK = k;
        }
    }
    const long double razao = (std::sqrt(5.0L) - 1) / 2;
    long double inicio = pontoDaGrade(std::max(melhorK - 1, 0));
    long double fim = pontoDaGrade(std::min(melhorK + 1, PassosGradeB));
    TRetaB r1 = ajustaComB(curva, fim - razao * (fim - inicio));
    TRetaB r2 = ajustaComB(curva, inicio + razao * (fim - inicio));
    for (int passo = 0; passo < PassosSecaoAurea; ++passo) {
        for (const TRetaB& r : {r1, r2})
            if (r.quadrados < melhor.quadrados)
                melhor = r;
        if (r1.quadrados < r2.quadrados) {
            fim = r2.b;
            r2 = r1;
            r1 = ajustaComB(curva, fim - razao * (fim - inicio));
        } else {
            inicio = r1.b;
            r1 = r2;
            r2 = ajustaComB(curva, inicio + razao * (fim - inicio));
        }
    }
    return melhor;
}

} // namespace

void TAjusteIDF::acrescenta(long double peso, const TEstacao& estacao)
{
    const long double b = estacao.B;
    const long double lnK = ln(estacao.K);
    // The checked logarithm of the shortest duration vouches for the longer ones.
    const long double lnMaisCurta = ln(Duracoes[0] + b);
    SomaPesos += peso;
    SomaLnK += peso * lnK;
    SomaA += peso * estacao.A;
    SomaDuracao[0] += peso * estacao.C * lnMaisCurta;
    for (std::size_t d = 1; d < NDuracoes; ++d)
        SomaDuracao[d] += peso * estacao.C * std::log(Duracoes[d] + b);
}

TAjusteIDF::TCoeficientes TAjusteIDF::ajusta() const
{
    TCurvaCentrada curva;
    for (std::size_t d = 0; d < NDuracoes; ++d) {
        curva.desvios[d] = divide(SomaLnK - SomaDuracao[d], SomaPesos);
        curva.media += curva.desvios[d];
    }
    curva.media /= NDuracoes;
    for (long double& desvio : curva.desvios)
        desvio -= curva.media;
    const TRetaB reta = melhorB(curva);
    return {armazena(exponencial(reta.lnK)), armazena(divide(SomaA, SomaPesos)), armazena(reta.b), armazena(reta.C)};
}
