#include "CoordenadasConsulta.h"

#include "Excecoes.h"
#include "TextoCoordenada.h"

bool pertenceAoEstado(std::optional<TCor> cor)
{
    return cor == CorAreaEstado;
}

double latitudeAceita(const std::string& texto, const TLimitesMapa& limites, bool comLimites)
{
    const double valor = leCoordenada(texto);
    if (comLimites && !limites.contemLatitude(valor))
        throw Exception("Latitude " + texto + " não definida.");
    return valor;
}

double longitudeAceita(const std::string& texto, const TLimitesMapa& limites, bool comLimites)
{
    const double valor = leCoordenada(texto);
    if (comLimites && !limites.contemLongitude(valor))
        throw Exception("Longitude " + texto + " não definida.");
    return valor;
}

std::optional<TPontoGraus> pontoDoPixel(int X, int Y, const TLimitesMapa& limites)
{
    const std::optional<double> latitude = limites.latitudeDaLinha(Y);
    const std::optional<double> longitude = limites.longitudeDaColuna(X);
    if (!latitude || !longitude || !limites.contemLatitude(*latitude) || !limites.contemLongitude(*longitude))
        return std::nullopt;
    return TPontoGraus{*latitude, *longitude};
}

std::optional<TTextosPonto> textosDoPixel(bool sobreEstado, int X, int Y, const TLimitesMapa& limites)
{
    if (!sobreEstado)
        return TTextosPonto{CoordenadaZero, CoordenadaZero};
    const std::optional<double> latitude = limites.latitudeDaLinha(Y);
    const std::optional<double> longitude = limites.longitudeDaColuna(X);
    if (!latitude || !longitude)
        return std::nullopt;
    return TTextosPonto{formataCoordenada(*latitude), formataCoordenada(*longitude)};
}
