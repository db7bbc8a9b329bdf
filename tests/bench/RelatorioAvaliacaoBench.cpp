// How long "Imprimir" of the evaluation report takes into a PDF file, and how large the
// file comes out, for the page of a realistic terrace.
#include "plataforma/TAplicacao.h"
#include "app/URelatorioAvaliacao.h"
#include "app/nucleo/TAvaliacaoTerraco.h"
#include "app/plataforma/TGrafico.h"
#include "plataforma/TImpressora.h"
#include "tests/app/nucleo/TerracoRealista.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The report's page with the results of a realistic terrace on its labels and its chart.
void preenche(TFRelatorioAvaliacao& relatorio)
{
    TAvaliacaoTerraco avaliacao;
    avaliacao.executa(terracoRealista());
    const TResultadoAvaliacao& r = avaliacao.resultado();
    relatorio.LIdentificacaoTerraco->setText(QStringLiteral("Terraço 3 - Gleba Norte"));
    relatorio.LRVe->setText(QString::fromStdString(r.LblEdtRVe));
    relatorio.LRVn->setText(QString::fromStdString(r.LblEdtRVn));
    relatorio.LRVeVn->setText(QString::fromStdString(r.LblEdtVeVn));
    relatorio.LRAvaliacao->setText(QString::fromStdString(r.LblEdtAvaliacao));
    relatorio.Chart1->mostraLinhas(r.seriesGrafico);
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
    TFRelatorioAvaliacao relatorio;
    preenche(relatorio);
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
