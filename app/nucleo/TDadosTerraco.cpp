#include "app/nucleo/TDadosTerraco.h"

#include <string>

TDadosTerraco::TDadosTerraco()
{
    for (int c = 0; c < SGridCanalSecao.ColCount(); ++c)
        SGridCanalSecao.setCells(c, 0, cabecalhoCanal[c]);
    for (int r = 1; r < SGridCanalSecao.RowCount(); ++r)
        SGridCanalSecao.setCells(0, r, std::to_string(r));
    for (int c = 0; c < SGridMira.ColCount(); ++c)
        SGridMira.setCells(c, 0, cabecalhoMira[c]);
    for (int r = 1; r < SGridMira.RowCount(); ++r)
        SGridMira.setCells(0, r, std::to_string(r));
    SGridCristaInicio.setCells(0, 0, "0");
    for (int r = 0; r < SGridCristaMeio.RowCount(); ++r)
        SGridCristaMeio.setCells(0, r, std::to_string(r + 1));
    SGridCristaFim.setCells(0, 0, "0");
}
