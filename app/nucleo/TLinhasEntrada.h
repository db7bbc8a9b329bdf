#pragma once
// The rows of the data-entry window's grids: which grid the row commands of the open
// section change, and how each grid numbers its rows as the window first shows it and as
// rows come and go. Each command takes the grid's texts and gives them back changed.
#include "app/nucleo/TGradeEntrada.h"
#include "app/nucleo/TGradeTexto.h"

#include <optional>
#include <string>

class TLinhasEntrada {
public:
    // The grid of the row commands ("+", "-" and the grids' popup) while section `aba` is
    // open: the channel's, the survey's by the notebook's page ("mira" the sights, "trena"
    // the spacings) and the crest's intermediate points. None with sections 1 and 5 open,
    // nor on a page of another name.
    static std::optional<TGradeEntrada> gradeDaAba(int aba, const std::string& paginaLevantamento);

    // Headers and numbers as a new terrace has them, over whatever rows the grid has: the
    // channel and the sights numbered from 1 under their headers, the crest's points from
    // 1 and its ends "0"; the spacings have no number.
    static TGradeTexto numeraInicio(TGradeEntrada grade, TGradeTexto textos);

    // "+": an empty row at the end, then the numbers again. The channel's header corner
    // becomes " S." and the sights' stays " V."; the crest's points are numbered on from
    // their first row, which keeps its text.
    static TGradeTexto acrescentaLinha(TGradeEntrada grade, TGradeTexto textos);

    // The popup's commands: an empty row at `linha`, the rows from there moving down one
    // place, or row `linha` gone, the rows below moving up. Only the sights are numbered
    // again; the other grids' numbers go with their rows.
    static TGradeTexto insereLinha(TGradeEntrada grade, TGradeTexto textos, int linha);
    static TGradeTexto excluiLinha(TGradeEntrada grade, TGradeTexto textos, int linha);
};
