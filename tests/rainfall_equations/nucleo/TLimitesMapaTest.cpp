#include "rainfall_equations/nucleo/TLimitesMapa.h"

#include <gtest/gtest.h>

TEST(TLimitesMapa, SeteEstadosTemMapa)
{
    for (int estado = -1; estado <= 27; ++estado) {
        const bool temMapa = estado == 4 || estado == 7 || estado == 12 || estado == 15 || estado == 18
                             || estado == 24 || estado == 26;
        EXPECT_EQ(limitesMapaDoEstado(estado).has_value(), temMapa) << estado;
    }
    EXPECT_EQ(*limitesMapaDoEstado(12), (TLimitesMapa{39.856471, 51.04622, 14.232664, 22.922378, 16, 64, 420, 327}));
    EXPECT_EQ(*limitesMapaDoEstado(26), (TLimitesMapa{45.695667, 50.741611, 5.168047, 13.467389, 93, 7, 266, 437}));
}

TEST(TLimitesMapa, AsBordasCaemNosPixelsDaTabela)
{
    for (int estado : {4, 7, 12, 15, 18, 24, 26}) {
        const TLimitesMapa m = *limitesMapaDoEstado(estado);
        EXPECT_DOUBLE_EQ(*m.latitudeDaLinha(m.Y0), m.LatNorte);
        EXPECT_DOUBLE_EQ(*m.latitudeDaLinha(m.Y0 + m.Altura), m.LatSul);
        EXPECT_DOUBLE_EQ(*m.longitudeDaColuna(m.X0), m.LonOeste);
        EXPECT_DOUBLE_EQ(*m.longitudeDaColuna(m.X0 + m.Largura), m.LonLeste);
        EXPECT_DOUBLE_EQ(*m.linhaDaLatitude(m.LatSul), m.Y0 + m.Altura);
        EXPECT_DOUBLE_EQ(*m.colunaDaLongitude(m.LonOeste), m.X0);
        EXPECT_DOUBLE_EQ(*m.colunaDaLongitude(m.LonLeste), m.X0 + m.Largura);
        for (double pixel = 0; pixel < 450; pixel += 37) {
            EXPECT_NEAR(*m.linhaDaLatitude(*m.latitudeDaLinha(pixel)), pixel, 1e-9);
            EXPECT_NEAR(*m.colunaDaLongitude(*m.longitudeDaColuna(pixel)), pixel, 1e-9);
        }
    }
}

TEST(TLimitesMapa, MinasGeraisNoMeioDoMapa)
{
    const TLimitesMapa mg = *limitesMapaDoEstado(12);
    // Halfway between the bounds lies halfway between their pixels.
    EXPECT_NEAR(*mg.colunaDaLongitude((mg.LonLeste + mg.LonOeste) / 2), 16 + 210, 1e-9);
    EXPECT_NEAR(*mg.linhaDaLatitude((mg.LatNorte + mg.LatSul) / 2), 64 + 163.5, 1e-9);
    EXPECT_TRUE(mg.contemLatitude(mg.LatNorte));
    EXPECT_TRUE(mg.contemLatitude(mg.LatSul));
    EXPECT_FALSE(mg.contemLatitude(mg.LatSul + 1e-9));
    EXPECT_TRUE(mg.contemLongitude(mg.LonLeste));
    EXPECT_FALSE(mg.contemLongitude(mg.LonLeste - 1e-9));
}

TEST(TLimitesMapa, SemLimitesNaoHaConversao)
{
    const TLimitesMapa nenhum;
    EXPECT_FALSE(nenhum.latitudeDaLinha(10));
    EXPECT_FALSE(nenhum.longitudeDaColuna(10));
    EXPECT_FALSE(nenhum.linhaDaLatitude(20));
    EXPECT_FALSE(nenhum.colunaDaLongitude(45));
}

TEST(TLimitesMapa, PixelMaisProximoComMeioParaOPar)
{
    EXPECT_EQ(pixelMaisProximo(2.5), 2);
    EXPECT_EQ(pixelMaisProximo(3.5), 4);
    EXPECT_EQ(pixelMaisProximo(3.4999), 3);
    EXPECT_EQ(pixelMaisProximo(-0.5), 0);
    EXPECT_EQ(pixelMaisProximo(224.50001), 225);
}
