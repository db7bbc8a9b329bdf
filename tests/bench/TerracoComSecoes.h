#pragma once
// The realistic terrace with as many sections as asked: its four sections typed again
// and again down the grid, the row numbers written as the window writes them.
#include "tests/app/nucleo/TerracoRealista.h"

#include <string>

inline TDadosTerraco terracoComSecoes(int secoes)
{
    TDadosTerraco d = terracoRealista();
    const TGradeTexto quatro = d.SGridCanalSecao;
    d.SGridCanalSecao.setRowCount(secoes + 1);
    for (int r = 1; r <= secoes; ++r) {
        d.SGridCanalSecao.setCells(0, r, std::to_string(r));
        for (int coluna = 1; coluna < d.SGridCanalSecao.ColCount(); ++coluna)
            d.SGridCanalSecao.setCells(coluna, r, quatro.Cells(coluna, (r - 1) % 4 + 1));
    }
    return d;
}
