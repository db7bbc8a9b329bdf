// Any bytes as a settings file are read, key by key and as each kind of rainfall event,
// or refused with the program's own errors; an event that read is left with no
// negative duration or total depth other than the unset -1.
#include "Excecoes.h"
#include "IniFile.h"
#include "PrecipitacaoExponencialNegativa.h"
#include "PrecipitacaoPluviograma.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string& arquivoDoFuzz()
{
    static std::string arquivo;
    return arquivo;
}

void apagaArquivo()
{
    std::error_code erro;
    std::filesystem::remove(arquivoDoFuzz(), erro);
}

// The file the bytes are written to, made once for this process and removed when it ends.
const std::string& criaArquivo()
{
    std::string modelo = (std::filesystem::temp_directory_path() / "ini_fuzz_XXXXXX").string();
    const int descritor = ::mkstemp(modelo.data());
    if (descritor < 0)
        std::abort();
    ::close(descritor);
    arquivoDoFuzz() = modelo;
    std::atexit(apagaArquivo);
    return arquivoDoFuzz();
}

void grava(const std::string& caminho, const std::uint8_t* dados, std::size_t tamanho)
{
    std::ofstream(caminho, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(dados),
                                                                     static_cast<std::streamsize>(tamanho));
}

void leChaves(const std::string& caminho)
{
    const TIniFile ini(caminho);
    try {
        ini.ReadString("PRECIPITACAO", "Versao", "");
        ini.ReadFloat("PRECIPITACAO", "Duracao", -1.0);
        ini.ReadDateTime("PRECIPITACAO", "Data", 0.0);
    } catch (const Exception&) {
    }
}

void confereEvento(const TPrecipitacao& evento)
{
    if ((evento.Duracao < 0.0 && evento.Duracao != -1.0) ||
        (evento.PrecipitacaoTotal < 0.0 && evento.PrecipitacaoTotal != -1.0))
        std::abort();
}

template <typename TEvento> void carregaEvento(const std::string& caminho, const std::string& sufixo)
{
    TEvento evento(sufixo);
    try {
        if (evento.carregaDoArquivo(caminho))
            confereEvento(evento);
    } catch (const Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    static const std::string& caminho = criaArquivo();
    grava(caminho, dados, tamanho);
    leChaves(caminho);
    // Reading an event may bring the file up to date, so each starts from the same bytes.
    carregaEvento<TPrecipitacaoExponencialNegativa>(caminho, "");
    grava(caminho, dados, tamanho);
    carregaEvento<TPrecipitacaoPluviograma>(caminho, "");
    grava(caminho, dados, tamanho);
    carregaEvento<TPrecipitacaoExponencialNegativa>(caminho, "_1");
    return 0;
}
