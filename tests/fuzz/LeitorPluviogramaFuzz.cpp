// Any bytes as a rain-gauge chart file either read, giving points at strictly ascending,
// non-negative times with non-negative intensities and a finite, non-negative total
// depth, or are refused with the program's own errors, leaving the event reset.
#include "tests/fuzz/ArquivoDoFuzz.h"
#include "models/PrecipitacaoPluviograma.h"
#include "plataforma/nucleo/Excecoes.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void confereLido(const TPrecipitacaoPluviograma& evento)
{
    const std::int32_t n = evento.getNumPontos();
    if (n <= 0)
        std::abort();
    double anterior = -1.0;
    for (std::int32_t i = 0; i < n; ++i) {
        const TPontoPluviograma ponto = evento.getPonto(i);
        if (!(ponto.Tempo > anterior) || !(ponto.Intensidade >= 0.0) || !std::isfinite(ponto.Intensidade))
            std::abort();
        anterior = ponto.Tempo;
    }
    if (!std::isfinite(evento.PrecipitacaoTotal) || evento.PrecipitacaoTotal < 0.0)
        std::abort();
    evento.intensidade(evento.Duracao / 2.0);
    evento.laminaEntre(0.0, evento.Duracao / 3.0);
    evento.tempoPrimeiraIntensidade(evento.getPonto(0).Intensidade);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    static const std::string& caminho = ArquivoDoFuzz::cria("pluviograma_fuzz");
    ArquivoDoFuzz::grava(caminho, dados, tamanho);
    TPrecipitacaoPluviograma evento;
    try {
        evento.carregaPluviograma(caminho);
    } catch (const Exception&) {
        if (evento.getNumPontos() != 0 || evento.PrecipitacaoTotal != -1.0)
            std::abort();
        return 0;
    }
    confereLido(evento);
    return 0;
}
