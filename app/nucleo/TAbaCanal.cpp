#include "app/nucleo/TAbaCanal.h"

namespace {

constexpr int abaCanal = 2;
constexpr int larguraOpcoes = 20;

} // namespace

TAbaCanal::TMudanca TAbaCanal::mudanca(int aba, bool abre)
{
    if (aba != abaCanal)
        return {};
    if (abre)
        return {.mostraOpcoes = true, .variacaoDireita = larguraOpcoes, .refazOpcao = true, .refazTipoSecao = true};
    return {.variacaoDireita = -larguraOpcoes, .refazTipoSecao = true, .escondeOpcoes = true};
}
