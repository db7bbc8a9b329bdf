// How long "Calcular" takes on a whole terrace, from its texts to the verdict.
#include "models/ConversaoNumerica.h"
#include "app/nucleo/TAvaliacaoTerraco.h"
#include "tests/app/nucleo/TerracoRealista.h"
#include "tests/bench/TerracoComSecoes.h"

#include <benchmark/benchmark.h>

namespace {

void avalia(benchmark::State& state, const TDadosTerraco& dados)
{
    TAvaliacaoTerraco avaliacao;
    for (auto _ : state) {
        const bool concluida = avaliacao.executa(dados);
        benchmark::DoNotOptimize(concluida);
        if (!concluida)
            state.SkipWithError("a avaliação falhou");
    }
}

void BM_AvaliacaoCompleta(benchmark::State& state)
{
    avalia(state, terracoRealista());
}
BENCHMARK(BM_AvaliacaoCompleta)->Unit(benchmark::kMicrosecond);

// The same terrace with many more sections, as a long terrace surveyed closely.
void BM_AvaliacaoComSecoes(benchmark::State& state)
{
    avalia(state, terracoComSecoes(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_AvaliacaoComSecoes)->Arg(10)->Arg(10000)->Unit(benchmark::kMicrosecond);

// One number of the results page: a stored double, and a value in extended precision
// that no double holds.
void BM_FormatDuasCasas(benchmark::State& state)
{
    const long double valor = state.range(0) == 0 ? 1234.5678 : 1234.5678L / 3;
    for (auto _ : state)
        benchmark::DoNotOptimize(formatDuasCasas(valor));
}
BENCHMARK(BM_FormatDuasCasas)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
