// How long the consultation waits for the database: the stations of all states when the
// window opens, the localities of Minas Gerais when that state is chosen, and one
// interpolation over every station of the eight states that take part.
#include "TBDPrecipitacao.h"

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

} // namespace

BENCHMARK_MAIN();
