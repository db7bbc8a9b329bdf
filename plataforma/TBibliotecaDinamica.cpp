#include "plataforma/TBibliotecaDinamica.h"

#include <dlfcn.h>

void* TBibliotecaDinamica::carrega(const std::string& nome)
{
    return dlopen(nome.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* TBibliotecaDinamica::entrada(void* modulo, const char* nome)
{
    return modulo == nullptr ? nullptr : dlsym(modulo, nome);
}

void TBibliotecaDinamica::libera(void* modulo)
{
    if (modulo != nullptr)
        dlclose(modulo);
}

std::string TBibliotecaDinamica::erro()
{
    const char* const motivo = dlerror();
    return motivo != nullptr ? motivo : "";
}
