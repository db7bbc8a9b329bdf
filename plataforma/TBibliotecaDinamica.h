#pragma once
// Loading a shared library and looking up its entry points.
#include <string>

class TBibliotecaDinamica {
public:
    // The module, or null when the library cannot be loaded. A plain name is looked up
    // on the system's library path; a path is taken as it stands.
    static void* carrega(const std::string& nome);
    static void* entrada(void* modulo, const char* nome);
    static void libera(void* modulo);
    // Why the last load or look-up failed, as the system's loader tells it.
    static std::string erro();
};
