#include "app/nucleo/TGeometriaEntrada.h"

#include <gtest/gtest.h>

TEST(TGeometriaEntrada, AlturasELargurasDasSecoes)
{
    const struct {
        int aba;
        int aberta;
        int fechada;
        int larguraEsquerda;
    } casos[] = {
        {1, 150, 40, 270}, {2, 243, 40, 350}, {3, 243, 40, 420}, {4, 243, 40, 270}, {5, 0, 40, 270}, {0, 0, 0, 0},
        {6, 0, 0, 0},
    };
    for (const auto& [aba, aberta, fechada, larguraEsquerda] : casos) {
        EXPECT_EQ(TGeometriaEntrada::alturaAba(aba, true), aberta) << aba;
        EXPECT_EQ(TGeometriaEntrada::alturaAba(aba, false), fechada) << aba;
        EXPECT_EQ(TGeometriaEntrada::larguraEsquerda(aba), larguraEsquerda) << aba;
    }
}

TEST(TGeometriaEntrada, SecoesEmpilhadasEBotoesEmBaixo)
{
    const TGeometriaEntrada::TAbas abas = TGeometriaEntrada::alinhaAbas(270, 471, {150, 40, 40, 40});
    EXPECT_EQ(abas.secoes[0], (TRetangulo{0, 0, 270, 150}));
    EXPECT_EQ(abas.secoes[1], (TRetangulo{0, 150, 270, 40}));
    EXPECT_EQ(abas.secoes[2], (TRetangulo{0, 190, 270, 40}));
    EXPECT_EQ(abas.secoes[3], (TRetangulo{0, 230, 270, 40}));
    EXPECT_EQ(abas.secoes[4], (TRetangulo{0, 270, 270, 161}));
    EXPECT_EQ(abas.botoes, (TRetangulo{0, 431, 270, 40}));
}

TEST(TGeometriaEntrada, SoloSemEspacoFicaSemAltura)
{
    const TGeometriaEntrada::TAbas abas = TGeometriaEntrada::alinhaAbas(350, 300, {243, 243, 40, 40});
    EXPECT_EQ(abas.secoes[4], (TRetangulo{0, 566, 350, 0}));
    EXPECT_EQ(abas.botoes, (TRetangulo{0, 260, 350, 40}));
}

TEST(TGeometriaEntrada, MolduraDaImagem)
{
    const struct {
        int largura;
        int altura;
        int topoAntes;
        int larguraDireita;
        int novaLarguraDireita;
        int topo;
    } casos[] = {
        {300, 250, 20, 320, 320, 20},   // a middling picture keeps its place
        {300, 310, 20, 320, 320, 20},   // a tall one goes up
        {300, 150, 20, 320, 320, 120},  // a short one goes down
        {400, 150, 20, 320, 450, 40},   // a wide one widens a narrow half
        {400, 250, 20, 450, 450, 20},   // and keeps a wide half as it is
        {300, 250, 20, 450, 320, 20},   // a narrow one narrows a wide half
        {350, 250, 20, 450, 450, 20},   // exactly 350 changes nothing
        {300, 250, 20, 400, 400, 20},
        // Each limit and the pixel beyond it, from a frame lower down.
        {300, 301, 77, 456, 326, 20},  {300, 300, 77, 456, 326, 77}, {300, 200, 77, 456, 326, 77},
        {300, 199, 77, 456, 326, 120}, {351, 250, 77, 369, 499, 40}, {351, 301, 77, 369, 499, 40},
        {351, 250, 77, 370, 370, 77},  {350, 250, 77, 300, 300, 77}, {350, 250, 77, 456, 456, 77},
        {349, 250, 77, 401, 271, 77},  {349, 250, 77, 400, 400, 77},
    };
    for (const auto& [largura, altura, topoAntes, larguraDireita, novaLarguraDireita, topo] : casos) {
        SCOPED_TRACE(testing::Message() << largura << "x" << altura << " do topo " << topoAntes << " em "
                                        << larguraDireita);
        const TRetangulo moldura{11, topoAntes, 436, 319};
        const TGeometriaEntrada::TImagem r = TGeometriaEntrada::ajustaImagem(largura, altura, moldura, larguraDireita);
        EXPECT_EQ(r.larguraDireita, novaLarguraDireita);
        EXPECT_EQ(r.moldura, (TRetangulo{11, topo, largura + 6, altura + 6}));
    }
}

// The spot of the rainfall picture that starts the terrace program: X 3 to 59, Y 258 to 309.
TEST(TGeometriaEntrada, AtalhoDoProgramaDeTerracos)
{
    const struct {
        int x, y;
        bool dentro;
    } casos[] = {{3, 258, true},   {59, 309, true},  {30, 280, true},  {59, 258, true},   {3, 309, true},
                 {2, 258, false},  {60, 258, false}, {3, 257, false},  {3, 310, false},   {100, 100, false},
                 {60, 310, false}, {2, 257, false}};
    for (const auto& [x, y, dentro] : casos)
        EXPECT_EQ(TGeometriaEntrada::atalhoProgramaTerraco.contem(x, y), dentro) << x << "," << y;
}
