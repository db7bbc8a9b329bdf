#include "rainfall_equations/nucleo/CoordenadasConsulta.h"

#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"

bool pertenceAoEstado(std::optional<TCor> cor)
{
    return cor == CorAreaEstado;
}

namespace {

// The degrees of `texto`, or the Portuguese message naming the coordinate: the reader's
// own names only the piece, in the words of the number conversion.
double graus(const std::string& nome, const std::string& texto)
{
    try {
        return leCoordenada(texto);
    } catch (const EConvertError&) {
        throw EConvertError(nome + " " + texto + " não é uma coordenada válida.");
    }
}

bool digito(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::string> coordenadaIncompleta(const std::string& campo, const std::string& texto)
{
    const std::string bytes = TCodigoWindows1252::deUtf8(texto);
    const bool completa = bytes.size() == 9 && digito(bytes[0]) && digito(bytes[1]) && bytes[2] == '\xB0'
                          && digito(bytes[3]) && digito(bytes[4]) && bytes[5] == '\'' && digito(bytes[6])
                          && digito(bytes[7]) && bytes[8] == '"';
    if (completa)
        return std::nullopt;
    return campo + " incompleta: digite os dois algarismos dos graus, dos minutos e dos segundos.";
}

double latitudeAceita(const std::string& texto, const TLimitesMapa& limites, bool comLimites)
{
    const double valor = graus("Latitude", texto);
    if (comLimites && !limites.contemLatitude(valor))
        throw Exception("Latitude " + texto + " não definida.");
    return valor;
}

double longitudeAceita(const std::string& texto, const TLimitesMapa& limites, bool comLimites)
{
    const double valor = graus("Longitude", texto);
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
