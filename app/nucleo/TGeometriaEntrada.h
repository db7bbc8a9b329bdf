#pragma once
// The geometry of the data-entry window's page of values: the accordion's five sections
// and their buttons in the left half, and the guide picture's frame and spot in the right
// half.
#include "app/nucleo/TRetangulo.h"

#include <array>

class TGeometriaEntrada {
public:
    // Height of a section of tags 1 to 4 open or closed; section 5 takes what the others leave.
    static int alturaAba(int aba, bool aberta);
    // Width of the left half while section `aba` is open.
    static int larguraEsquerda(int aba);

    // Where sections 1 to 5 and the buttons' panel lie in a left half `largura` wide and
    // `altura` high: sections 1 to 4 stack from the top at their heights, the buttons keep
    // to the bottom and section 5 takes what lies between.
    struct TAbas {
        std::array<TRetangulo, 5> secoes;
        TRetangulo botoes;
    };
    static TAbas alinhaAbas(int largura, int altura, const std::array<int, 4>& alturas);

    // The right half's width and the picture frame for a picture of that size: a tall
    // picture goes up, a short one down, and a wide one widens a narrow half.
    struct TImagem {
        int larguraDireita;
        TRetangulo moldura;
    };
    static TImagem ajustaImagem(int larguraImagem, int alturaImagem, const TRetangulo& moldura, int larguraDireita);

    // The spot of the rainfall section's picture, in its pixels, that a press while the
    // section is open takes for the terrace program; the picture draws its button there.
    static constexpr TRetangulo atalhoProgramaTerraco{3, 258, 57, 52};
};
