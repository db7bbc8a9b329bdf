#include "app/nucleo/TAbaCanal.h"

#include <gtest/gtest.h>

TEST(TAbaCanal, AbrirEFecharOCanalERefazerOTipoDeSecao)
{
    using TMudanca = TAbaCanal::TMudanca;
    const TMudanca abre{
        .mostraOpcoes = true, .variacaoDireita = 20, .refazOpcao = true, .refazTipoSecao = true};
    const TMudanca fecha{.variacaoDireita = -20, .refazTipoSecao = true, .escondeOpcoes = true};
    const struct {
        int aba;
        bool abre;
        TMudanca mudanca;
    } casos[] = {
        {2, true, abre}, {2, false, fecha}, {1, true, {}},  {1, false, {}}, {3, true, {}}, {4, false, {}},
        {5, true, {}},   {0, true, {}},     {6, false, {}},
    };
    for (const auto& [aba, abrindo, mudanca] : casos)
        EXPECT_EQ(TAbaCanal::mudanca(aba, abrindo), mudanca) << aba << " " << abrindo;
}

// However often the channel opens and closes, the right half comes back to its width.
TEST(TAbaCanal, FecharDevolveALarguraQueAbrirDeu)
{
    EXPECT_EQ(TAbaCanal::mudanca(2, true).variacaoDireita + TAbaCanal::mudanca(2, false).variacaoDireita, 0);
}
