#pragma once
// The windows that need the chart library and printing (the data entry with its
// rainfall-equation lookup, the evaluation report, the field notebook and the printer
// setup) are a module of their own beside the program, loaded by the first command that
// opens one of them: the start shows its windows without those libraries. The main window
// reaches them only through this interface, and hears from them through the commands it
// hands in; their code reaches every layer below the windows in the program itself, which
// makes its symbols visible to the module and holds those layers whole.
#include "app/nucleo/TDadosTerraco.h"

#include <functional>
#include <optional>

class QMdiArea;
class QMdiSubWindow;
class QObject;
class QWidget;
class TFEntdados;
struct TLeituraProjeto;

// What the owner of the project's windows hands the windows on demand. Each command runs
// under the application's guard, while `contexto` lives.
struct TLigacoesProjeto {
    QObject* contexto = nullptr;
    // The project's identification as its dialog holds it; none without the dialog. Read
    // when an evaluation report makes its page.
    std::function<std::optional<TTextosIdentificacao>()> identificacao;
    // The data entry's "Cancelar".
    std::function<void()> aoPedirFechar;
    // An evaluation of the data entry ran to its verdict.
    std::function<void()> aoConcluirAvaliacao;
    // An evaluation report was closed, with its "Fechar" or as the window system asked.
    std::function<void()> aoFecharRelatorio;
};

class TJanelasSobDemanda {
public:
    virtual ~TJanelasSobDemanda() = default;

    // The module's windows, loading the module at the first call. A module that is missing
    // or does not load raises EInOutError with its path.
    static TJanelasSobDemanda& carrega();
    // The windows once the module is loaded, or null: none of them can exist before.
    static TJanelasSobDemanda* carregadas();
    // For tests: the windows linked into the test program; null brings back the module.
    static void substitui(TJanelasSobDemanda* janelas);

    // The project's data-entry window (FEntdados).
    virtual bool haEntradaDeDados() const = 0;
    // A new one, not yet shown, connected to `ligacoes`. Its "Gerar relatório" opens a new
    // evaluation report over it, modally.
    virtual TFEntdados* criaEntradaDeDados(const TLigacoesProjeto& ligacoes) = 0;
    // Shows `janela` in `area` with the frame the data entry has there.
    virtual QMdiSubWindow* mostraNaArea(QMdiArea* area, TFEntdados* janela) = 0;
    virtual TDadosTerraco dadosDaEntrada() const = 0;
    virtual void aplicaLeitura(const TLeituraProjeto& leitura) = 0;
    // The data page (0) or the results page (1).
    virtual void mostraPaginaDaEntrada(int pagina) = 0;
    // Closes it and forgets it.
    virtual void fechaEntradaDeDados() = 0;

    // A new evaluation report, connected to `ligacoes`, and a new field notebook, shown
    // without blocking; the ones shown before are forgotten, not closed. A report's page
    // is the project's identification and what the data entry shows when the report first
    // shows.
    virtual void abreRelatorioAvaliacao(QWidget* dono, const TLigacoesProjeto& ligacoes) = 0;
    virtual void abreCadernetaDeCampo(QWidget* dono) = 0;
    // Closes the ones last opened and forgets them.
    virtual void fechaRelatorioECaderneta() = 0;

    // The print dialog; a confirmed choice becomes the user's default printer.
    virtual void configuraImpressora(QWidget* dono) = 0;
};

// The module's entry point, which the program looks up by this name.
extern "C" TJanelasSobDemanda* janelasSobDemanda();
