#include "rainfall_equations/nucleo/TMudancaEstado.h"
#include "rainfall_equations/nucleo/UnBD.h"

#include <gtest/gtest.h>

TEST(TMudancaEstado, CadaEstadoEmUmDosTresMapas)
{
    for (int estado = 0; estado < NumeroEstados; ++estado) {
        const TMudancaEstado m = mudancaEstado(estado, "/dados/");
        const std::string& nome = NomesEstados[static_cast<std::size_t>(estado)];
        EXPECT_EQ(m.Legenda, "Nimbra 2.1 - Estado: " + nome + "     ") << estado;
        EXPECT_EQ(m.Limites, limitesMapaDoEstado(estado)) << estado;
        switch (estado) {
        case 4: case 7: case 12: case 15: case 18: case 24: case 26:
            EXPECT_EQ(m.Mapa, TMapaEstado::Proprio) << estado;
            EXPECT_EQ(m.Figura, "/dados/" + SiglasEstados[static_cast<std::size_t>(estado)] + ".bmp");
            EXPECT_EQ(m.MensagemSemFigura,
                      "Erro. Não foi possível localizar o arquivo BMP do estado selecinado (" + nome + ").");
            break;
        case 2: case 6: case 22: case 25:
            EXPECT_EQ(m.Mapa, TMapaEstado::Anterior) << estado;
            EXPECT_EQ(m.Figura, "") << estado;
            break;
        default:
            EXPECT_EQ(m.Mapa, TMapaEstado::Brasil) << estado;
            EXPECT_EQ(m.Figura, "") << estado;
        }
    }
}

TEST(TMudancaEstado, MinasGeraisTemAFiguraMGEOsSeusLimites)
{
    const TMudancaEstado m = mudancaEstado(12, "/prog/../Arquivos Comuns/Nimbra/");
    EXPECT_EQ(m.Legenda, "Nimbra 2.1 - Estado: Minas Gerais     ");
    EXPECT_EQ(m.Figura, "/prog/../Arquivos Comuns/Nimbra/MG.bmp");
    EXPECT_EQ(m.Limites, (TLimitesMapa{39.856471, 51.04622, 14.232664, 22.922378, 16, 64, 420, 327}));
    EXPECT_EQ(mudancaEstado(4, "p/").MensagemSemFigura,
              "Erro. Não foi possível localizar o arquivo BMP do estado selecinado (Bahia).");
}

TEST(TMudancaEstado, IndiceForaDosEstadosEhRecusado)
{
    EXPECT_THROW(mudancaEstado(27, "/"), ENumeroEstado);
    EXPECT_THROW(mudancaEstado(-1, "/"), ENumeroEstado);
}
