// Any bytes as a settings file are read, key by key and as each kind of rainfall event,
// or refused with the program's own errors; an event that read is left with no
// negative duration or total depth other than the unset -1.
#include "tests/fuzz/ArquivoDoFuzz.h"
#include "models/IniFile.h"
#include "models/PrecipitacaoExponencialNegativa.h"
#include "models/PrecipitacaoPluviograma.h"
#include "plataforma/nucleo/Excecoes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

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
    static const std::string& caminho = ArquivoDoFuzz::cria("ini_fuzz");
    ArquivoDoFuzz::grava(caminho, dados, tamanho);
    leChaves(caminho);
    // Reading an event may bring the file up to date, so each starts from the same bytes.
    carregaEvento<TPrecipitacaoExponencialNegativa>(caminho, "");
    ArquivoDoFuzz::grava(caminho, dados, tamanho);
    carregaEvento<TPrecipitacaoPluviograma>(caminho, "");
    ArquivoDoFuzz::grava(caminho, dados, tamanho);
    carregaEvento<TPrecipitacaoExponencialNegativa>(caminho, "_1");
    return 0;
}
