#pragma once
// How wide the columns of the data-entry window's grids stand: as the window first shows
// them, and in the channel's grid as its section type changes.
#include "app/nucleo/TGradeEntrada.h"

#include <array>
#include <optional>
#include <vector>

// A grid's column widths from column 0, and its own width.
struct TLargurasGrade {
    std::vector<int> colunas;
    int largura = 0;

    bool operator==(const TLargurasGrade&) const = default;
};

// What the channel shows for a section type: the widths of its grid's columns 1 to 7 (a
// width of 0 hides a column and keeps its texts), and whether the trapezium's options
// stand above the picture, back on the plain one.
struct TVistaTipoSecao {
    std::array<int, 7> larguras{};
    bool opcoesTrapezio = false;

    bool operator==(const TVistaTipoSecao&) const = default;
};

class TColunasEntrada {
public:
    // The widths a grid takes as the window first shows, whatever the section type: none
    // for the tape grid, which keeps those it was built with.
    static std::optional<TLargurasGrade> inicio(TGradeEntrada grade);

    // A triangle has no F2, so its grid hides C-F2 and F2 and widens the other columns:
    // both shapes fill the same 280 pixels beside the row numbers' column. None for an
    // index the combo box does not hold, which leaves the channel as it is.
    static std::optional<TVistaTipoSecao> tipoSecao(int tipoSecao);
};
