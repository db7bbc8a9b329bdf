#pragma once
// Where the crosshair of a point on a state picture (450 × 450 pixels) goes, with its two
// coordinate labels. The longitude label runs along the vertical line near the top edge,
// near the bottom edge when the point lies in the top 100 rows, and left of the line when
// the point lies right of column 200. The latitude label runs along the horizontal line
// at the left edge, at the right edge when the point lies in the leftmost 100 columns,
// 20 pixels above the line, 10 below it when the point lies in the top 30 rows.

struct TPosicao {
    int Esquerda = 0;
    int Topo = 0;

    bool operator==(const TPosicao&) const = default;
};

struct TPosicaoEixos {
    int EixoYEsquerda = 0; // the vertical line
    int EixoXTopo = 0;     // the horizontal line
    TPosicao LabelLon;
    TPosicao LabelLat;

    bool operator==(const TPosicaoEixos&) const = default;
};

// For the point at picture column `x`, row `y`.
TPosicaoEixos posicaoEixos(int x, int y);

// On the map of Brazil the two labels stand in the place block of the chosen place.
inline constexpr TPosicao LabelLatCidade{71, 43};
inline constexpr TPosicao LabelLonCidade{71, 58};
