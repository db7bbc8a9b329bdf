// How long the data-entry window takes over "Calcular", from the click until the chart of
// the results page has been painted for the last time, for a short and a very long
// terrace. The user waits for that last paint, so the wait counts every paint the chart
// makes after the click; how many there were is shown beside the time.
#include "plataforma/TAplicacao.h"
#include "app/UEntDados.h"
#include "app/plataforma/TGrafico.h"
#include "plataforma/TCaixaMensagem.h"
#include "tests/bench/TerracoComSecoes.h"
#include "tests/janelas_comum/ContaPinturas.h"

#include <QCoreApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void BM_CalcularNaJanela(benchmark::State& state)
{
    QStringList mensagens;
    TCaixaMensagem::substitui([&](const QString& texto) { mensagens << texto; },
                              [](const QString&) { return TCaixaMensagem::TResposta::Cancelar; });
    TFEntdados janela;
    janela.escreveDados(terracoComSecoes(static_cast<int>(state.range(0))));
    janela.show();
    QCoreApplication::processEvents();
    const TContaPinturas pinturas(janela.Chart1->viewport());
    for (auto _ : state) {
        const auto clique = TContaPinturas::Relogio::now();
        janela.BttCalcula->click();
        const auto fim = pinturas.esperaCalmaria(TContaPinturas::Relogio::now());
        state.SetIterationTime(std::chrono::duration<double>(fim - clique).count());
    }
    state.counters["pinturas"] = benchmark::Counter(pinturas.quantas(), benchmark::Counter::kAvgIterations);
    if (!mensagens.isEmpty())
        state.SkipWithError(mensagens.front().toStdString().c_str());
    TCaixaMensagem::substitui({}, {});
}
BENCHMARK(BM_CalcularNaJanela)
    ->Arg(10)
    ->Arg(50)
    ->Arg(1000)
    ->Arg(9999)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TAplicacao aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
