// Any bytes as the stations file and the localities file of the database either read or
// are refused with the program's own errors, never read beyond their end; whatever reads
// can be interpolated over, and a refused locality read leaves no localities behind.
#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/nucleo/TBDPrecipitacao.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string& pastaDoFuzz()
{
    static std::string pasta;
    return pasta;
}

void apagaPasta()
{
    std::error_code erro;
    std::filesystem::remove_all(pastaDoFuzz(), erro);
}

// The folder the two files are written to, made once and removed when the run ends.
const std::string& criaPasta()
{
    std::string modelo = (std::filesystem::temp_directory_path() / "nimbra_fuzz_XXXXXX").string();
    if (::mkdtemp(modelo.data()) == nullptr)
        std::abort();
    pastaDoFuzz() = modelo + "/";
    std::atexit(apagaPasta);
    return pastaDoFuzz();
}

void grava(const std::string& caminho, const std::uint8_t* dados, std::size_t tamanho)
{
    std::ofstream(caminho, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(dados),
                                                                     static_cast<std::streamsize>(tamanho));
}

void interpolaEm(const TBDPrecipitacao& bd, const std::string& latitude, const std::string& longitude)
{
    TEstacao r;
    try {
        bd.interpola(latitude, longitude, r);
    } catch (const Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    static const std::string& pasta = criaPasta();
    grava(pasta + ArquivoEstacoes, dados, tamanho);
    grava(pasta + ArquivoLocalidades, dados, tamanho);

    TBDPrecipitacao bd(pasta);
    try {
        bd.leEstacoes();
        if (bd.Estacoes.size() != 27)
            std::abort();
    } catch (const Exception&) {
        if (!bd.Estacoes.empty())
            std::abort();
    }
    interpolaEm(bd, "20°00'00\"", "45°00'00\"");
    for (const auto& secao : bd.Estacoes)
        if (!secao.empty())
            interpolaEm(bd, secao.front().Latitude, secao.front().Longitude);

    const int indice = tamanho > 0 ? dados[0] % 29 - 1 : 0;
    try {
        bd.leLocalidades(indice);
        for (std::size_t i = 0; i < bd.Localidades.size() && i < 3; ++i)
            interpolaEm(bd, bd.Localidades[i].Latitude, bd.Localidades[i].Longitude);
    } catch (const Exception&) {
        if (!bd.Localidades.empty())
            std::abort();
    }
    return 0;
}
