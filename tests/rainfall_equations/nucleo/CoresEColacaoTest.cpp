#include "rainfall_equations/nucleo/ColacaoNomes.h"
#include "rainfall_equations/nucleo/CoresMapaBrasil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

TEST(CoresMapaBrasil, CadaCorNomeiaUmEstado)
{
    std::set<int> estados;
    for (const TCorEstado& linha : CoresEstados) {
        EXPECT_EQ(estadoDaCor(linha.Cor), linha.Estado);
        EXPECT_FALSE(corSemEstado(linha.Cor));
        estados.insert(linha.Estado);
    }
    for (const TCorEstado& linha : CoresEstadosSemDados) {
        EXPECT_FALSE(estadoDaCor(linha.Cor));
        EXPECT_TRUE(corSemEstado(linha.Cor));
        estados.insert(linha.Estado);
    }
    EXPECT_EQ(estados.size(), 27u);
    EXPECT_EQ(estadoDaCor({0, 0, 255}), 12);
    EXPECT_EQ(estadoDaCor({153, 255, 153}), 26);
    EXPECT_FALSE(estadoDaCor(CorFundoMapa));
    EXPECT_FALSE(estadoDaCor(CorLetraEscura));
    EXPECT_TRUE(corSemEstado({255, 255, 255}));
    EXPECT_TRUE(corSemEstado({0, 0, 0}));
    EXPECT_FALSE(corSemEstado({1, 0, 0}));
}

TEST(ColacaoNomes, OrdemDosNomes)
{
    const std::vector<std::string> esperada{
        "Abaeté",   "Abaetetuba", "Açucena",    "Água Boa",   "Aimorés",     "Alvorada d'Oeste",
        "Alvorada do Norte",      "Sao Paulo",  "São Paulo",  "são Paulo",   "São Paulo do Potengi",
        "Sapucaí",  "Sapucaia",   "Sete Lagoas", "Várzea",    "Varzelândia", "Vitória da Conquista"};
    std::vector<std::string> nomes = esperada;
    std::reverse(nomes.begin(), nomes.end());
    std::sort(nomes.begin(), nomes.end(), precedeNome);
    EXPECT_EQ(nomes, esperada);
    for (std::size_t i = 0; i + 1 < esperada.size(); ++i) {
        EXPECT_LT(comparaNomes(esperada[i], esperada[i + 1]), 0) << esperada[i];
        EXPECT_GT(comparaNomes(esperada[i + 1], esperada[i]), 0) << esperada[i];
    }
    EXPECT_EQ(comparaNomes("Viçosa", "Viçosa"), 0);
}
