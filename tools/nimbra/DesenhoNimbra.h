#pragma once
// The pictures of the database, 450 × 450, drawn without smoothing so that every pixel
// has exactly the colour it stands for.
#include "rainfall_equations/nucleo/TLimitesMapa.h"

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>

#include <array>
#include <vector>

inline constexpr int LadoMapa = 450;

// The pixels from the west bound's column and the north bound's row to the east bound's
// column and the south bound's row, both ends included.
QRect pixelsDosLimites(const TLimitesMapa& limites);

// The picture of state `estado` over `limites`: the state pure blue, its neighbours grey
// on white, and a small blue disc around each of `pontos` (its gauges and seats, in
// pixels), so that each of them lies on the state even where the outline passes beside it.
// Blue stays within pixelsDosLimites: a disc at the edge is cut there.
QImage desenhaMapaEstado(int estado, const TLimitesMapa& limites, const std::array<QPainterPath, 27>& contornos,
                         const std::vector<QPoint>& pontos);

// The map of Brazil: each state flat in its colour, the Distrito Federal a small square,
// the codes in white or black, on white; 8 bits per pixel with a palette. Raises
// std::runtime_error, naming the pixel, when a pixel has a colour outside the palette.
QImage desenhaMapaBrasil(const std::array<QPainterPath, 27>& contornos);
