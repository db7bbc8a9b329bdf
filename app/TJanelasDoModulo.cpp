// The windows of the module behind TJanelasSobDemanda, and its entry point.
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

#include <utility>

namespace {

class TJanelasDoModulo final : public TJanelasSobDemanda {
public:
    bool haEntradaDeDados() const override { return !FEntdados.isNull(); }

    TFEntdados* criaEntradaDeDados(QObject* contexto, std::function<void()> aoPedirFechar,
                                   std::function<void()> aoConcluirAvaliacao) override
    {
        FEntdados = new TFEntdados;
        TAplicacao::liga(FEntdados.data(), &TFEntdados::pedidoFecharProjeto, contexto, std::move(aoPedirFechar));
        QObject::connect(FEntdados, &TFEntdados::avaliacaoConcluida, contexto, std::move(aoConcluirAvaliacao));
        return FEntdados;
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

    void abreRelatorioAvaliacao(QWidget* dono) override
    {
        FRelatorioAvaliacao = new TFRelatorioAvaliacao(dono);
        TJanelaAtiva::mostra(FRelatorioAvaliacao);
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
