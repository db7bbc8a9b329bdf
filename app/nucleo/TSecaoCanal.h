#pragma once
// One surveyed cross-section of the channel. The fields hold first the staff readings
// and the distances from C as typed, then the elevations and the widths of the three
// stretches C-F1, F1-F2 and F2-FT (F1-FT in a triangular section).
struct TSecaoCanal {
    double cotaC = 0;
    double larguraCF1 = 0;   // w1
    double cotaF1 = 0;
    double larguraF1F2 = 0;  // C to F2 as typed, then w2; trapezoidal sections only
    double cotaF2 = 0;       // trapezoidal sections only
    double larguraF2FT = 0;  // C to FT as typed, then w3
    double cotaFT = 0;
};
