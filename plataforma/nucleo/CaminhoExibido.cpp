#include "plataforma/nucleo/CaminhoExibido.h"

#include <system_error>

namespace fs = std::filesystem;

std::string caminhoExibido(const fs::path& caminho)
{
    std::error_code erro;
    fs::path exibido = fs::weakly_canonical(caminho, erro);
    if (erro)
        exibido = caminho.lexically_normal();
    if (!exibido.has_filename() && exibido.has_relative_path())
        exibido = exibido.parent_path();
    return exibido.string();
}
