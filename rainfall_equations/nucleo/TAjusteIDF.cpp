#include "TAjusteIDF.h"

#include "Aritmetica.h"
#include "FaixasCoeficientes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t NPeriodos = TAjusteIDF::Periodos.size();
constexpr std::size_t NDuracoes = TAjusteIDF::Duracoes.size();

// The grid of b: BMaximo·(k/N)² for k = 0..N, finer near 0, where a change of b moves the
// short durations most.
constexpr int PassosGradeB = 48;
// Golden-section steps: they shrink the bracket of two grid steps below the precision of b.
constexpr int PassosSecaoAurea = 80;

// The mean of ln i on the grid, less its overall mean ȳ, and what the fit takes from it
// that does not depend on b. On a full grid of periods by durations, ln T and any
// function of t are uncorrelated, so the least-squares slope on ln T is the same for
// every b and the one on ln(t + b) is a fit of one variable.
struct TMediaCentrada {
    TAjusteIDF::TGrade desvios{};
    // Per duration, the sum over the periods of the deviations.
    std::array<long double, NDuracoes> porDuracao{};
    std::array<long double, NPeriodos> lnTCentrado{};
    long double media = 0;
    long double mediaLnT = 0;
    long double A = 0;
};

// The fit for one b: ln K, c and the sum of the squared residuals on ln i.
struct TRetaB {
    long double b = 0;
    long double lnK = 0;
    long double C = 0;
    long double quadrados = 0;
};

const std::array<long double, NPeriodos>& lnPeriodos()
{
    static const std::array<long double, NPeriodos> valores = [] {
        std::array<long double, NPeriodos> v{};
        for (std::size_t p = 0; p < NPeriodos; ++p)
            v[p] = ln(TAjusteIDF::Periodos[p]);
        return v;
    }();
    return valores;
}

TMediaCentrada centra(const TAjusteIDF::TGrade& soma, long double pesos)
{
    TMediaCentrada m;
    for (std::size_t p = 0; p < NPeriodos; ++p)
        for (std::size_t d = 0; d < NDuracoes; ++d) {
            m.desvios[p][d] = divide(soma[p][d], pesos);
            m.media += m.desvios[p][d];
        }
    m.media /= NPeriodos * NDuracoes;
    for (long double lnT : lnPeriodos())
        m.mediaLnT += lnT;
    m.mediaLnT /= NPeriodos;
    long double suu = 0;
    long double suy = 0;
    for (std::size_t p = 0; p < NPeriodos; ++p) {
        m.lnTCentrado[p] = lnPeriodos()[p] - m.mediaLnT;
        for (std::size_t d = 0; d < NDuracoes; ++d) {
            m.desvios[p][d] -= m.media;
            m.porDuracao[d] += m.desvios[p][d];
            suu += m.lnTCentrado[p] * m.lnTCentrado[p];
            suy += m.lnTCentrado[p] * m.desvios[p][d];
        }
    }
    m.A = divide(suy, suu);
    return m;
}

TRetaB ajustaComB(const TMediaCentrada& m, long double b)
{
    std::array<long double, NDuracoes> v{};
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
        svv += NPeriodos * v[d] * v[d];
        svy += v[d] * m.porDuracao[d];
    }
    // The slope on ln(t + b), which is −c.
    const long double inclinacao = divide(svy, svv);
    TRetaB r{b, m.media - m.A * m.mediaLnT - inclinacao * mediaV, -inclinacao, 0};
    for (std::size_t p = 0; p < NPeriodos; ++p)
        for (std::size_t d = 0; d < NDuracoes; ++d) {
            const long double residuo = m.desvios[p][d] - m.A * m.lnTCentrado[p] - inclinacao * v[d];
            r.quadrados += residuo * residuo;
        }
    return r;
}

long double pontoDaGrade(int k)
{
    const long double fracao = static_cast<long double>(k) / PassosGradeB;
    return BMaximo * fracao * fracao;
}

// The best b of the grid, then golden section between its two neighbours.
TRetaB melhorB(const TMediaCentrada& m)
{
    int melhorK = 0;
    TRetaB melhor = ajustaComB(m, pontoDaGrade(0));
    for (int k = 1; k <= PassosGradeB; ++k) {
        const TRetaB r = ajustaComB(m, pontoDaGrade(k));
        if (r.quadrados < melhor.quadrados) {
            melhor = r;
            melhorK = k;
        }
    }
    const long double razao = (std::sqrt(5.0L) - 1) / 2;
    long double inicio = pontoDaGrade(std::max(melhorK - 1, 0));
    long double fim = pontoDaGrade(std::min(melhorK + 1, PassosGradeB));
    TRetaB r1 = ajustaComB(m, fim - razao * (fim - inicio));
    TRetaB r2 = ajustaComB(m, inicio + razao * (fim - inicio));
    for (int passo = 0; passo < PassosSecaoAurea; ++passo) {
        for (const TRetaB& r : {r1, r2})
            if (r.quadrados < melhor.quadrados)
                melhor = r;
        if (r1.quadrados < r2.quadrados) {
            fim = r2.b;
            r2 = r1;
            r1 = ajustaComB(m, fim - razao * (fim - inicio));
        } else {
            inicio = r1.b;
            r1 = r2;
            r2 = ajustaComB(m, inicio + razao * (fim - inicio));
        }
    }
    return melhor;
}

} // namespace

void TAjusteIDF::acrescenta(long double peso, const TEstacao& estacao)
{
    const long double lnK = ln(estacao.K);
    for (std::size_t d = 0; d < NDuracoes; ++d) {
        const long double semPeriodo = lnK - estacao.C * ln(Duracoes[d] + static_cast<long double>(estacao.B));
        for (std::size_t p = 0; p < NPeriodos; ++p)
            SomaLn[p][d] += peso * (semPeriodo + estacao.A * lnPeriodos()[p]);
    }
    SomaPesos += peso;
}

TAjusteIDF::TCoeficientes TAjusteIDF::ajusta() const
{
    const TMediaCentrada media = centra(SomaLn, SomaPesos);
    const TRetaB reta = melhorB(media);
    return {armazena(exponencial(reta.lnK)), armazena(media.A), armazena(reta.b), armazena(reta.C)};
}
