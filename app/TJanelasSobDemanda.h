#pragma once
// The windows that need the chart library and printing (the data entry with its
// rainfall-equation lookup, the evaluation report, the field notebook and the printer
// setup) are a module of their own beside the program, loaded by the first command that
// opens one of them: the start shows its windows without those libraries. The main window
// reaches them only through this interface; their code reaches the main window, the
// identification dialog and every layer below in the program itself, which makes its
// symbols visible to the module and holds those layers whole.
#include "app/nucleo/TDadosTerraco.h"

#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QObject;
class QWidget;
class TFEntdados;
struct TLeituraProjeto;

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
    // A new one, not yet shown; while `contexto` lives, its "Cancelar" runs `aoPedirFechar`
    // under the application's guard, and every evaluation it completes runs
    // `aoConcluirAvaliacao`.
    virtual TFEntdados* criaEntradaDeDados(QObject* contexto, std::function<void()> aoPedirFechar,
                                           std::function<void()> aoConcluirAvaliacao) = 0;
    // Shows `janela` in `area` with the frame the data entry has there.
    virtual QMdiSubWindow* mostraNaArea(QMdiArea* area, TFEntdados* janela) = 0;
    virtual TDadosTerraco dadosDaEntrada() const = 0;
    virtual void aplicaLeitura(const TLeituraProjeto& leitura) = 0;
    // The data page (0) or the results page (1).
    virtual void mostraPaginaDaEntrada(int pagina) = 0;
    // Closes it and forgets it.
    virtual void fechaEntradaDeDados() = 0;

    // A new evaluation report and a new field notebook, shown without blocking; the ones
    // shown before are forgotten, not closed.
    virtual void abreRelatorioAvaliacao(QWidget* dono) = 0;
    virtual void abreCadernetaDeCampo(QWidget* dono) = 0;
    // Closes the ones last opened and forgets them.
    virtual void fechaRelatorioECaderneta() = 0;

    // The print dialog; a confirmed choice becomes the user's default printer.
    virtual void configuraImpressora(QWidget* dono) = 0;
};

// The module's entry point, which the program looks up by this name.
extern "C" TJanelasSobDemanda* janelasSobDemanda();
