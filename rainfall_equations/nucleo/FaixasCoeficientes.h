#pragma once
// The coefficients that a published equation i = K·T^a/(t+b)^c of a station can have. A
// station outside them is damaged data: one such station would make every equation
// combined from it absurd. Each span holds every shipped station with a wide margin (the
// shipped ones have K 274 to 14,616, a 0.086 to 0.31, b 0.725 to 93.2 min and c 0.525 to
// 1.351), and lies within the range "Calcular" of the data-entry window takes for the same
// coefficient, so every equation the consultation hands over is one the evaluation runs.
#include "rainfall_equations/nucleo/TEstacao.h"

inline constexpr double KMinimo = 10;
inline constexpr double KMaximo = 100000;
inline constexpr double AMaximo = 1;
// Minutes; also the widest b that the interpolation's fit tries.
inline constexpr double BMaximo = 300;
inline constexpr double CMinimo = 0.3;
inline constexpr double CMaximo = 3;

// KMinimo <= K <= KMaximo, 0 <= a <= AMaximo, 0 <= b <= BMaximo and CMinimo <= c <= CMaximo;
// a NaN is outside every span.
bool coeficientesPlausiveis(const TEstacao& e);
