#pragma once
// The geometry of a state picture (450 × 450 pixels): the coordinates of its edges and
// the pixels they fall on. Longitudes are degrees west and latitudes degrees south, so
// LonLeste < LonOeste and LatNorte < LatSul; column X0 lies on the west bound and column
// X0 + Largura on the east one, row Y0 on the north bound and row Y0 + Altura on the
// south one. Between them pixels and coordinates are linear.
//
// All zero until a state with a picture is chosen: the conversions then give nothing
// rather than divide zero by zero.
#include <optional>

struct TLimitesMapa {
    double LonLeste = 0.0;
    double LonOeste = 0.0;
    double LatNorte = 0.0;
    double LatSul = 0.0;
    double X0 = 0.0;
    double Y0 = 0.0;
    double Largura = 0.0;
    double Altura = 0.0;

    // The bounds themselves count as inside.
    bool contemLatitude(double latitude) const { return latitude >= LatNorte && latitude <= LatSul; }
    bool contemLongitude(double longitude) const { return longitude >= LonLeste && longitude <= LonOeste; }

    // Pixel to coordinates: LatNorte + (LatSul − LatNorte)·(Y − Y0)/Altura and
    // LonLeste − (LonLeste − LonOeste)·(Largura − (X − X0))/Largura.
    std::optional<double> latitudeDaLinha(double Y) const;
    std::optional<double> longitudeDaColuna(double X) const;

    // Coordinates to pixel (the point's PontoY and PontoX): (lat − LatNorte)·Altura/(LatSul
    // − LatNorte) + Y0 and Largura − Largura·(LonLeste − lon)/(LonLeste − LonOeste) + X0.
    std::optional<double> linhaDaLatitude(double latitude) const;
    std::optional<double> colunaDaLongitude(double longitude) const;

    bool operator==(const TLimitesMapa&) const = default;
};

// The bounds of the picture of state `indice` (0..26): Bahia, Espírito Santo, Minas
// Gerais, Paraná, Rio de Janeiro, São Paulo and Tocantins have one; every other state
// gives nothing.
std::optional<TLimitesMapa> limitesMapaDoEstado(int indice);

// The pixel a converted position falls on: the nearest whole number, an exact half to
// the even neighbour.
int pixelMaisProximo(double posicao);
