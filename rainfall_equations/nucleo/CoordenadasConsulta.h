#pragma once
// The point of the consultation window: the coordinate texts it takes for its point and
// what its edits read while the mouse moves over a state picture.
#include "rainfall_equations/nucleo/CoresMapaBrasil.h"
#include "rainfall_equations/nucleo/TLimitesMapa.h"

#include <optional>
#include <string>

// A pixel of a state picture belongs to the state when it is exactly pure blue; a
// position outside the picture (no colour) does not.
inline constexpr TCor CorAreaEstado{0, 0, 255};
bool pertenceAoEstado(std::optional<TCor> cor);

// The degrees of a latitude (longitude) text the window may keep. While the state picture
// is on show (`comLimites`) a value outside the bounds raises Exception
// "Latitude <texto> não definida." ("Longitude <texto> não definida."), the text as given;
// the bounds themselves are inside. A text whose pieces are not numbers raises
// EConvertError "Latitude <texto> não é uma coordenada válida." ("Longitude ...").
double latitudeAceita(const std::string& texto, const TLimitesMapa& limites, bool comLimites);
double longitudeAceita(const std::string& texto, const TLimitesMapa& limites, bool comLimites);

// The message for a coordinate edit named `campo` ("Latitude", "Longitude") that holds
// `texto` with a digit left out; nothing when all six digits are there with the marks in
// place ("DD°MM'SS\"").
std::optional<std::string> coordenadaIncompleta(const std::string& campo, const std::string& texto);

// The coordinates of a point, in degrees south and west.
struct TPontoGraus {
    double Latitude = 0.0;
    double Longitude = 0.0;

    bool operator==(const TPontoGraus&) const = default;
};

// The point a click on picture pixel (X, Y) picks: its coordinates when both lie within the
// bounds (the bounds themselves included); nothing beyond them, or while the bounds are
// still all zero.
std::optional<TPontoGraus> pontoDoPixel(int X, int Y, const TLimitesMapa& limites);

struct TTextosPonto {
    std::string Latitude;
    std::string Longitude;

    bool operator==(const TTextosPonto&) const = default;
};

// What the two edits read with the mouse on picture pixel (X, Y): its coordinates, each
// truncated to whole seconds, when the pixel is on the state (`sobreEstado`), the zero
// text when it is not. Nothing on the state while the bounds are still all zero: the
// edits then keep what they read.
std::optional<TTextosPonto> textosDoPixel(bool sobreEstado, int X, int Y, const TLimitesMapa& limites);
