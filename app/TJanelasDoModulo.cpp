// The windows of the module behind TJanelasSobDemanda, and its entry point. Here the
// project's owner creates those windows, connects them and forgets them, and makes the
// page of every evaluation report.
#include "app/TJanelasSobDemanda.h"

#include "app/UCadernetaDeCampo.h"
#include "app/UEntDados.h"
#include "app/URelatorioAvaliacao.h"
#include "plataforma/TAplicacao.h"
#include "plataforma/TImpressora.h"
#include "plataforma/TImpressoraPadrao.h"
#include "plataforma/TJanelaAtiva.h"

#include <QPrinter>
#include <QStackedWidget>

#include <optional>

namespace {

// The identification the owner hands in, and what the project's data entry shows now.
TPaginaRelatorio paginaDoProjeto(const TLigacoesProjeto& ligacoes)
{
    TPaginaRelatorio pagina;
    if (const std::optional<TTextosIdentificacao> identificacao = ligacoes.identificacao())
        pagina.textos.copiaIdentificacao(*identificacao);
    if (FEntdados) {
        const TFEntdados& j = *FEntdados;
        pagina.textos.copiaEntrada(j.lerDados(), j.resultadoNaTela(),
                                   {j.estadoConsulta, j.estacaoConsulta, j.localidadeConsulta});
        pagina.linhasGrafico = j.seriesGrafico;
    }
    return pagina;
}

// A new report, now the one in hand; one shown before is forgotten, not closed. Once
// closed, a report is forgotten only while it is still the one in hand.
TFRelatorioAvaliacao* criaRelatorio(QWidget* dono, const TLigacoesProjeto& ligacoes)
{
    auto* relatorio = new TFRelatorioAvaliacao([ligacoes] { return paginaDoProjeto(ligacoes); }, dono);
    TAplicacao::liga(relatorio, &TFRelatorioAvaliacao::fechado, ligacoes.contexto,
                     [relatorio, aoFechar = ligacoes.aoFecharRelatorio] {
                         if (FRelatorioAvaliacao == relatorio)
                             FRelatorioAvaliacao = nullptr;
                         aoFechar();
                     });
    FRelatorioAvaliacao = relatorio;
    return relatorio;
}

class TJanelasDoModulo final : public TJanelasSobDemanda {
public:
    bool haEntradaDeDados() const override { return !FEntdados.isNull(); }

    // The report of "Gerar relatório" belongs to the data entry, so it goes if the data
    // entry does.
    TFEntdados* criaEntradaDeDados(const TLigacoesProjeto& ligacoes) override
    {
        auto* entrada = new TFEntdados;
        TAplicacao::liga(entrada, &TFEntdados::pedidoFecharProjeto, ligacoes.contexto, ligacoes.aoPedirFechar);
        TAplicacao::liga(entrada, &TFEntdados::avaliacaoConcluida, ligacoes.contexto, ligacoes.aoConcluirAvaliacao);
        TAplicacao::liga(entrada, &TFEntdados::pedidoRelatorio, ligacoes.contexto,
                         [entrada, ligacoes] { criaRelatorio(entrada, ligacoes)->exec(); });
        FEntdados = entrada;
        return entrada;
    }

    QMdiSubWindow* mostraNaArea(QMdiArea* area, TFEntdados* janela) override
    {
        return TFEntdados::mostraNaArea(area, janela);
    }

    TDadosTerraco dadosDaEntrada() const override { return FEntdados->lerDados(); }

    void aplicaLeitura(const TLeituraProjeto& leitura) override { FEntdados->aplicaLeitura(leitura); }

    // The data-entry window keeps its data and results pages in the notebook "NotePaginas".
    void mostraPaginaDaEntrada(int pagina) override { FEntdados->NotePaginas->setCurrentIndex(pagina); }

    void fechaEntradaDeDados() override
    {
        if (FEntdados) {
            FEntdados->close();
            FEntdados = nullptr;
        }
    }

    void abreRelatorioAvaliacao(QWidget* dono, const TLigacoesProjeto& ligacoes) override
    {
        TJanelaAtiva::mostra(criaRelatorio(dono, ligacoes));
    }

    void abreCadernetaDeCampo(QWidget* dono) override
    {
        FCadernetaDeCampo = new TFCadernetaDeCampo(dono);
        TJanelaAtiva::mostra(FCadernetaDeCampo);
    }

    void fechaRelatorioECaderneta() override
    {
        if (FRelatorioAvaliacao) {
            FRelatorioAvaliacao->close();
            FRelatorioAvaliacao = nullptr;
        }
        if (FCadernetaDeCampo) {
            FCadernetaDeCampo->close();
            FCadernetaDeCampo = nullptr;
        }
    }

    // A cancelled dialog changes nothing.
    void configuraImpressora(QWidget* dono) override
    {
        if (TImpressora::configura(dono))
            TImpressoraPadrao::define(TImpressora::impressora().printerName());
    }
};

} // namespace

extern "C" __attribute__((visibility("default"))) TJanelasSobDemanda* janelasSobDemanda()
{
    static TJanelasDoModulo janelas;
    return &janelas;
}
