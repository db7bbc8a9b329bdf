#pragma once
// The geometry of the map of Brazil of the consultation: degrees to pixels linearly, as
// on the state pictures, with a little more room across than down so that Brazil keeps
// its shape at its latitudes. Its north edge lies north of the Equator (a negative
// latitude south). The lower-left corner stays free of land for the labels drawn over it.
#include "rainfall_equations/nucleo/TLimitesMapa.h"

inline constexpr TLimitesMapa LimitesMapaBrasil{34.75, 74.0, -5.3, 33.8, 13, 7, 423, 436};
