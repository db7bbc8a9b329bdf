// How long "Imprimir" of the evaluation report takes into a PDF file, and how large the
// file comes out, for the page of a realistic terrace.
#include "plataforma/TAplicacao.h"
#include "app/URelatorioAvaliacao.h"
#include "app/nucleo/TAvaliacaoTerraco.h"
#include "plataforma/TImpressora.h"
#include "tests/app/nucleo/TerracoRealista.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The report's page with the results of a realistic terrace on its labels and its chart.
TPaginaRelatorio paginaRealista()
{
    TAvaliacaoTerraco avaliacao;
    avaliacao.executa(terracoRealista());
    const TResultadoAvaliacao& r = avaliacao.resultado();
    TPaginaRelatorio pagina;
    pagina.textos.LIdentificacaoTerraco = "Terraço 3 - Gleba Norte";
    pagina.textos.LRVe = r.LblEdtRVe;
    pagina.textos.LRVn = r.LblEdtRVn;
    pagina.textos.LRVeVn = r.LblEdtVeVn;
    pagina.textos.LRAvaliacao = r.LblEdtAvaliacao;
    pagina.linhasGrafico = r.seriesGrafico;
    return pagina;
}

void BM_RelatorioAvaliacaoEmPdf(benchmark::State& state)
{
    const QTemporaryDir pasta;
    const QString pdf = pasta.filePath(QStringLiteral("relatorio.pdf"));
    TImpressora::substituiDialogo([&pdf](QPrinter& impressora) {
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        return true;
    });
    TFRelatorioAvaliacao relatorio(paginaRealista);
    relatorio.show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        relatorio.imprimirRelatorioAvaliacaoCilck();
    state.counters["kB"] = static_cast<double>(QFileInfo(pdf).size()) / 1024;
    TImpressora::substituiDialogo({});
}
BENCHMARK(BM_RelatorioAvaliacaoEmPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TAplicacao aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
