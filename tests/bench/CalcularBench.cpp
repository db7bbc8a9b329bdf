// How long the data-entry window takes over "Calcular", from the click until the results
// page with its chart has been laid out and painted, for a short and a very long terrace.
#include "plataforma/TAplicacao.h"
#include "app/UEntDados.h"
#include "plataforma/TCaixaMensagem.h"
#include "tests/bench/TerracoComSecoes.h"

#include <QCoreApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

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
    for (auto _ : state) {
        janela.BttCalcula->click();
        QCoreApplication::processEvents();
    }
    if (!mensagens.isEmpty())
        state.SkipWithError(mensagens.front().toStdString().c_str());
    TCaixaMensagem::substitui({}, {});
}
BENCHMARK(BM_CalcularNaJanela)->Arg(10)->Arg(50)->Arg(1000)->Arg(9999)->Unit(benchmark::kMillisecond);

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
