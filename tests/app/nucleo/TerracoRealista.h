#pragma once
// A whole terrace as a user types it: a ten-year storm, four trapezoidal sections of a
// 250 m terrace, five sights over the field, a road that drains into the terrace, seven
// crest readings and the soil's infiltration rate.
#include "app/nucleo/TDadosTerraco.h"

#include <initializer_list>

inline TDadosTerraco terracoRealista()
{
    TDadosTerraco d;
    d.LblEdtTr = "10";
    d.LblEdtK = "500";
    d.LblEdtA = "0,2";
    d.LblEdtB = "10";
    d.LblEdtC = "0,8";
    d.LblEdtSoloTIE = "10";

    d.CBTipoSecao = secaoTrapezoidal;
    d.LblEdtComprimentoTerraco = "250";
    const std::initializer_list<const char*> secoes[] = {
        {"0,95", "1,80", "1,98", "2,60", "1,93", "4,80", "1,20"},
        {"0,90", "1,70", "2,02", "2,50", "1,96", "4,60", "1,15"},
        {"1,00", "1,90", "2,05", "2,80", "2,00", "5,00", "1,25"},
        {"0,92", "1,75", "2,00", "2,55", "1,94", "4,70", "1,18"},
    };
    for (int r = 1; r <= 4; ++r) {
        int coluna = 1;
        for (const char* texto : secoes[r - 1])
            d.SGridCanalSecao.setCells(coluna++, r, texto);
    }

    d.RadioGTipoDeLevantamento = levantamentoIrradiacao;
    const std::initializer_list<const char*> visadas[] = {
        {"1,850", "1,500", "1,150", "0"},  {"1,900", "1,450", "1,000", "40"},
        {"2,000", "1,500", "1,000", "85"}, {"1,800", "1,400", "1,000", "130"},
        {"1,700", "1,350", "1,000", "175"},
    };
    for (int r = 1; r <= 5; ++r) {
        int coluna = 1;
        for (const char* texto : visadas[r - 1])
            d.SGridMira.setCells(coluna++, r, texto);
    }
    d.RadioButtonNaoContribui = false;
    d.RadioButtonContribui = true;
    d.EdtAreaContibuicaoSemiELargura = "4";
    d.EdtAreaContibuicaoComprimento = "250";

    d.SGridCristaInicio.setCells(1, 0, "1,62");
    int linha = 0;
    for (const char* leitura : {"1,48", "1,55", "1,41", "1,50", "1,58"})
        d.SGridCristaMeio.setCells(1, linha++, leitura);
    d.SGridCristaFim.setCells(1, 0, "1,45");
    return d;
}
