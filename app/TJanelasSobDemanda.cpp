#include "app/TJanelasSobDemanda.h"

#include "plataforma/TBibliotecaDinamica.h"
#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TPastaPrograma.h"

#include <filesystem>
#include <string>

namespace {

const char* const nomeModulo = "janelasSobDemanda.so";

TJanelasSobDemanda* janelas = nullptr;

// The module stays loaded for the rest of the run: its windows' code must outlive them.
TJanelasSobDemanda* carregaModulo()
{
    const std::string caminho = pastaPrograma() + nomeModulo;
    if (!std::filesystem::exists(caminho))
        throw EInOutError("O arquivo " + caminho + " não existe.");
    void* const modulo = TBibliotecaDinamica::carrega(caminho);
    const auto entrada =
        reinterpret_cast<TJanelasSobDemanda* (*)()>(TBibliotecaDinamica::entrada(modulo, "janelasSobDemanda"));
    if (entrada == nullptr)
        throw EInOutError("O arquivo " + caminho + " não pôde ser carregado: " + TBibliotecaDinamica::erro());
    return entrada();
}

} // namespace

TJanelasSobDemanda& TJanelasSobDemanda::carrega()
{
    if (janelas == nullptr)
        janelas = carregaModulo();
    return *janelas;
}

TJanelasSobDemanda* TJanelasSobDemanda::carregadas()
{
    return janelas;
}

void TJanelasSobDemanda::substitui(TJanelasSobDemanda* substitutas)
{
    janelas = substitutas;
}
