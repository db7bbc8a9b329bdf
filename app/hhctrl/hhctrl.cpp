// The help control's entry point, as the program's help binding looks it up by name.
#include "app/hhctrl/hhctrl.h"

#include "app/hhctrl/TFAjuda.h"

#include <QApplication>
#include <QPointer>

#include <dlfcn.h>

#include <type_traits>

namespace {

const int marcaDaBiblioteca = 0;

// Once a window of ours exists, its code must stay in memory even if the program frees
// the control while the application still runs.
void prendeBiblioteca()
{
    static bool presa = false;
    Dl_info info{};
    if (!presa && dladdr(&marcaDaBiblioteca, &info) != 0 && info.dli_fname != nullptr)
        presa = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE) != nullptr;
}

TFAjuda& janelaAjuda()
{
    static QPointer<TFAjuda> janela;
    if (janela.isNull()) {
        prendeBiblioteca();
        janela = new TFAjuda;
    }
    return *janela;
}

} // namespace

// Caller window, help file path, command and its data. Only the command that shows the
// topic of a context number is served; every other command does nothing and gives 0.
extern "C" __attribute__((visibility("default"))) std::intptr_t
HtmlHelpA(std::intptr_t /*janela*/, const char* arquivo, unsigned int comando, std::uintptr_t dados)
{
    if (comando != HH_HELP_CONTEXT || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return 0;
    try {
        TFAjuda& janela = janelaAjuda();
        const bool mostrou = janela.mostraContexto(arquivo != nullptr ? arquivo : "", static_cast<std::uint32_t>(dados));
        janela.mostraNaFrente(QApplication::activeModalWidget());
        return mostrou ? reinterpret_cast<std::intptr_t>(&janela) : 0;
    } catch (...) {
        return 0;
    }
}

static_assert(std::is_same_v<decltype(&HtmlHelpA), THtmlHelpProc>);
