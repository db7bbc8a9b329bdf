// The private file a fuzz target writes its bytes to, for readers that take a path.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace ArquivoDoFuzz {

inline std::string& caminho()
{
    static std::string arquivo;
    return arquivo;
}

inline void apaga()
{
    std::error_code erro;
    std::filesystem::remove(caminho(), erro);
}

// Made once for this process, named after `prefixo`, and removed when the process ends.
inline const std::string& cria(const std::string& prefixo)
{
    std::string modelo = (std::filesystem::temp_directory_path() / (prefixo + "_XXXXXX")).string();
    const int descritor = ::mkstemp(modelo.data());
    if (descritor < 0)
        std::abort();
    ::close(descritor);
    caminho() = modelo;
    std::atexit(apaga);
    return caminho();
}

inline void grava(const std::string& arquivo, const std::uint8_t* dados, std::size_t tamanho)
{
    std::ofstream(arquivo, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(dados), static_cast<std::streamsize>(tamanho));
}

} // namespace ArquivoDoFuzz
