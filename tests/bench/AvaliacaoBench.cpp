// How long "Calcular" takes on a whole terrace, from its texts to the verdict.
#include "TAvaliacaoTerraco.h"
#include "TerracoRealista.h"

#include <benchmark/benchmark.h>

namespace {

void BM_AvaliacaoCompleta(benchmark::State& state)
{
    const TDadosTerraco dados = terracoRealista();
    TAvaliacaoTerraco avaliacao;
    for (auto _ : state) {
        const bool concluida = avaliacao.executa(dados);
        benchmark::DoNotOptimize(concluida);
        if (!concluida)
            state.SkipWithError("a avaliação falhou");
    }
}
BENCHMARK(BM_AvaliacaoCompleta)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
