#include "rainfall_equations/nucleo/TRestauracao.h"

#include <gtest/gtest.h>

namespace {

struct Caso {
    int estacao;
    int localidade;
    bool ponto;
    int posicaoEstacao;
    int posicaoLocalidade;
    TEscolhaRestaurada escolha;
};

} // namespace

// Minas Gerais in these cases holds 176 stations and 853 localities; Goiás 3 stations
// and none.
TEST(TRestauracao, EstacaoDepoisLocalidadeDepoisPonto)
{
    using E = TEscolhaRestaurada;
    for (const Caso& c : {
             Caso{0, 0, false, 0, 0, E::Estacao},
             Caso{0, 0, true, 0, 0, E::Estacao},
             Caso{175, 852, true, 175, 852, E::Estacao},
             Caso{-1, 3, true, -1, 3, E::Localidade},
             Caso{-1, -1, true, -1, -1, E::Ponto},
             Caso{-1, -1, false, -1, -1, E::Nenhuma},
             // Only -1 means "none kept": another negative position selects nothing and
             // restores nothing.
             Caso{-2, 3, true, -1, 3, E::Nenhuma},
             Caso{-1, -2, true, -1, -1, E::Nenhuma},
         }) {
        const TRestauracao r = restauracao(c.estacao, c.localidade, 176, 853, c.ponto);
        EXPECT_EQ(r.PosicaoEstacao, c.posicaoEstacao) << c.estacao << " " << c.localidade;
        EXPECT_EQ(r.PosicaoLocalidade, c.posicaoLocalidade) << c.estacao << " " << c.localidade;
        EXPECT_EQ(r.Escolha, c.escolha) << c.estacao << " " << c.localidade;
    }
}

TEST(TRestauracao, PosicaoAlemDosRegistrosNaoSelecionaNemEscolhe)
{
    // A station kept from Minas Gerais while the consultation opens on Goiás.
    TRestauracao r = restauracao(40, 0, 3, 0, true);
    EXPECT_EQ(r.PosicaoEstacao, -1);
    EXPECT_EQ(r.PosicaoLocalidade, -1);
    EXPECT_EQ(r.Escolha, TEscolhaRestaurada::Nenhuma);

    r = restauracao(3, -1, 3, 0, false);
    EXPECT_EQ(r.PosicaoEstacao, -1);
    EXPECT_EQ(r.Escolha, TEscolhaRestaurada::Nenhuma);

    // A locality kept for a state whose localities are not read.
    r = restauracao(-1, 5, 3, 0, true);
    EXPECT_EQ(r.PosicaoLocalidade, -1);
    EXPECT_EQ(r.Escolha, TEscolhaRestaurada::Nenhuma);

    // The station still comes back when only the locality lies beyond.
    r = restauracao(2, 5, 3, 0, false);
    EXPECT_EQ(r.PosicaoEstacao, 2);
    EXPECT_EQ(r.PosicaoLocalidade, -1);
    EXPECT_EQ(r.Escolha, TEscolhaRestaurada::Estacao);

    // A state with no stations at all.
    r = restauracao(0, 0, 0, 0, false);
    EXPECT_EQ(r.PosicaoEstacao, -1);
    EXPECT_EQ(r.Escolha, TEscolhaRestaurada::Nenhuma);
}
