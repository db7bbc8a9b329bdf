#include "rainfall_equations/nucleo/TBDPrecipitacao.h"

#include "models/Aritmetica.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "rainfall_equations/nucleo/TAjusteIDF.h"
#include "rainfall_equations/nucleo/TArquivoDados.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"

#include <array>
#include <optional>

namespace {

// The states whose stations make the interpolation.
constexpr std::array<int, 8> EstadosInterpolacao{4, 7, 8, 12, 15, 18, 24, 26};

// The text as the record's short string holds it: its first 9 characters.
std::string textoCoordenadaDoRegistro(const std::string& texto)
{
    return TCodigoWindows1252::paraUtf8(TCodigoWindows1252::deUtf8(texto).substr(0, TEstacao::CapacidadeCoordenada));
}

// The stations of the interpolation, in the order they are visited.
std::vector<const TEstacao*> estacoesDaInterpolacao(const std::vector<std::vector<TEstacao>>& estacoes)
{
    std::vector<const TEstacao*> visitadas;
    for (int estado : EstadosInterpolacao)
        if (static_cast<std::size_t>(estado) < estacoes.size())
            for (const TEstacao& e : estacoes[static_cast<std::size_t>(estado)])
                visitadas.push_back(&e);
    return visitadas;
}

// The square of the planar distance in degrees from the station to the point; nothing
// when a coordinate text of the station does not convert: such a station stays out and
// the others still serve.
std::optional<long double> distanciaAoQuadrado(const TEstacao& e, double latQ, double lonQ)
{
    try {
        const long double dLat = static_cast<long double>(leCoordenada(e.Latitude)) - latQ;
        const long double dLon = static_cast<long double>(leCoordenada(e.Longitude)) - lonQ;
        return dLat * dLat + dLon * dLon;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

} // namespace

TBDPrecipitacao::TBDPrecipitacao(std::string pasta) : Pasta(std::move(pasta))
{
}

void TBDPrecipitacao::leEstacoes()
{
    TArquivoDados arquivo = TArquivoDados::carrega(Pasta + ArquivoEstacoes);
    arquivo.pulaByte();
    std::vector<std::vector<TEstacao>> lidas(NumeroEstados);
    for (std::vector<TEstacao>& secao : lidas) {
        const std::size_t n = arquivo.leContagem(TEstacao::Tamanho);
        secao.reserve(n);
        for (std::size_t i = 0; i < n; ++i)
            secao.push_back(arquivo.leEstacao());
    }
    Estacoes = std::move(lidas);
}

void TBDPrecipitacao::leLocalidades(int Indice)
{
    Localidades.clear();
    Localidades = localidadesDoEstado(Indice);
}

std::vector<TLocalidade> TBDPrecipitacao::localidadesDoEstado(int Indice) const
{
    verificaIndiceEstado(Indice);
    TArquivoDados arquivo = TArquivoDados::carrega(Pasta + ArquivoLocalidades);
    arquivo.pulaByte();
    for (int s = 0; s < Indice; ++s)
        arquivo.pulaRegistros(arquivo.leContagem(TLocalidade::Tamanho), TLocalidade::Tamanho);
    const std::size_t n = arquivo.leContagem(TLocalidade::Tamanho);
    std::vector<TLocalidade> lidas;
    lidas.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        lidas.push_back(arquivo.leLocalidade());
    return lidas;
}

void TBDPrecipitacao::interpola(const std::string& latitude, const std::string& longitude, TEstacao& R) const
{
    const double latQ = leCoordenada(latitude);
    const double lonQ = leCoordenada(longitude);
    TAjusteIDF ajuste;
    for (const TEstacao* e : estacoesDaInterpolacao(Estacoes)) {
        if (e->Latitude == latitude && e->Longitude == longitude) {
            R = *e;
            return;
        }
        const std::optional<long double> d2 = distanciaAoQuadrado(*e, latQ, lonQ);
        if (!d2)
            continue;
        // Texts that differ but name the same point (another mark between the digits) are
        // the station itself: its weight would be a division by zero.
        if (*d2 == 0) {
            R = *e;
            return;
        }
        const long double d4 = *d2 * *d2;
        ajuste.acrescenta(divide(1, d4 * d4 * *d2), *e);
    }
    const TAjusteIDF::TCoeficientes equacao = ajuste.vazio() ? TAjusteIDF::TCoeficientes{} : ajuste.ajusta();
    TEstacao resultado = R;
    resultado.K = equacao.K;
    resultado.A = equacao.A;
    resultado.B = equacao.B;
    resultado.C = equacao.C;
    resultado.Nome.clear();
    resultado.Autor = "Interpolação";
    resultado.Latitude = textoCoordenadaDoRegistro(latitude);
    resultado.Longitude = textoCoordenadaDoRegistro(longitude);
    R = std::move(resultado);
}
