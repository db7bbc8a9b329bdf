// How long the consultation waits for the database: the stations of all states when the
// window opens, the localities of Minas Gerais when that state is chosen, and the
// interpolation of a locality or a click on the map, each over every station of the
// eight states that take part, with the equation fitted to their mean intensities, and
// that fit alone.
#include "rainfall_equations/nucleo/CoordenadasConsulta.h"
#include "rainfall_equations/nucleo/TAjusteIDF.h"
#include "rainfall_equations/nucleo/TBDPrecipitacao.h"
#include "rainfall_equations/nucleo/TLimitesMapa.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int MinasGerais = 12;

void BM_leEstacoes(benchmark::State& state)
{
    TBDPrecipitacao bd;
    for (auto _ : state) {
        bd.leEstacoes();
        benchmark::DoNotOptimize(bd.Estacoes.data());
    }
}
BENCHMARK(BM_leEstacoes)->Unit(benchmark::kMicrosecond);

void BM_leLocalidadesMinasGerais(benchmark::State& state)
{
    TBDPrecipitacao bd;
    for (auto _ : state) {
        bd.leLocalidades(MinasGerais);
        benchmark::DoNotOptimize(bd.Localidades.data());
    }
}
BENCHMARK(BM_leLocalidadesMinasGerais)->Unit(benchmark::kMicrosecond);

// One interpolation per seat of Minas Gerais; none of them stands on a station's texts
// more than by chance, so nearly every call weighs all the stations.
void BM_interpola(benchmark::State& state)
{
    TBDPrecipitacao bd;
    bd.leEstacoes();
    bd.leLocalidades(MinasGerais);
    TEstacao resultado;
    std::size_t i = 0;
    for (auto _ : state) {
        const TLocalidade& l = bd.Localidades[i++ % bd.Localidades.size()];
        bd.interpola(l.Latitude, l.Longitude, resultado);
        benchmark::DoNotOptimize(resultado.K);
    }
}
BENCHMARK(BM_interpola)->Unit(benchmark::kMicrosecond);

// A click on the map of Minas Gerais: the pixel's coordinates, their texts and the
// interpolation there, over pixels spread across the picture's bounds.
void BM_cliqueNoMapa(benchmark::State& state)
{
    TBDPrecipitacao bd;
    bd.leEstacoes();
    const TLimitesMapa limites = *limitesMapaDoEstado(MinasGerais);
    TEstacao resultado;
    int i = 0;
    for (auto _ : state) {
        const int x = static_cast<int>(limites.X0) + (i * 37) % static_cast<int>(limites.Largura);
        const int y = static_cast<int>(limites.Y0) + (i * 53) % static_cast<int>(limites.Altura);
        ++i;
        const TPontoGraus ponto = *pontoDoPixel(x, y, limites);
        bd.interpola(formataCoordenada(ponto.Latitude), formataCoordenada(ponto.Longitude), resultado);
        benchmark::DoNotOptimize(resultado.K);
    }
}
BENCHMARK(BM_cliqueNoMapa)->Unit(benchmark::kMicrosecond);

// The fit alone, once the stations' mean is made: the search over b.
void BM_ajustaEquacao(benchmark::State& state)
{
    TAjusteIDF ajuste;
    TEstacao baixa;
    baixa.K = 700;
    baixa.A = 0.17;
    baixa.B = 4;
    baixa.C = 0.7;
    TEstacao alta;
    alta.K = 10000;
    alta.A = 0.19;
    alta.B = 45;
    alta.C = 1.15;
    ajuste.acrescenta(1, baixa);
    ajuste.acrescenta(1, alta);
    for (auto _ : state)
        benchmark::DoNotOptimize(ajuste.ajusta());
}
BENCHMARK(BM_ajustaEquacao)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
