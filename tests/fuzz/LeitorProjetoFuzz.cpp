// Any bytes given to the project reader either read or fail with the program's own
// errors; what reads, written and read again, settles after one round.
#include "plataforma/nucleo/Excecoes.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "app/nucleo/TLeitorProjeto.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);
    TLeituraProjeto primeira;
    try {
        primeira = TLeitorProjeto::leTexto(bytes);
    } catch (const EConvertError&) {
        return 0;
    }
    // A "-" sight field keeps a new window's row number, so the first round may change
    // what the file held; from then on writing and reading give the same project.
    const TLeituraProjeto segunda = TLeitorProjeto::leTexto(TGravadorProjeto::texto(primeira.dados));
    const std::string texto = TGravadorProjeto::texto(segunda.dados);
    const TLeituraProjeto terceira = TLeitorProjeto::leTexto(texto);
    if (!(terceira.dados == segunda.dados) || !(terceira.efeitos == segunda.efeitos)
        || TGravadorProjeto::texto(terceira.dados) != texto)
        std::abort();
    return 0;
}
