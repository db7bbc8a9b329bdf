#include "plataforma/nucleo/TPastaPrograma.h"

#include <filesystem>

std::string pastaPrograma()
{
    std::error_code erro;
    const std::filesystem::path executavel = std::filesystem::read_symlink("/proc/self/exe", erro);
    if (erro)
        return std::filesystem::current_path().string() + "/";
    return executavel.parent_path().string() + "/";
}
