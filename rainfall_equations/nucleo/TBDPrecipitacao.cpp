#include "TBDPrecipitacao.h"

#include "Aritmetica.h"
#include "TArquivoDados.h"
#include "TCodigoWindows1252.h"
#include "TextoCoordenada.h"

#include <array>

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
    Localidades = std::move(lidas);
}

void TBDPrecipitacao::interpola(const std::string& latitude, const std::string& longitude, TEstacao& R) const
{
    const double latQ = leCoordenada(latitude);
    const double lonQ = leCoordenada(longitude);
    const std::vector<const TEstacao*> estacoes = estacoesDaInterpolacao(Estacoes);
    std::vector<long double> pesos;
    pesos.reserve(estacoes.size());
    long double soma = 0;
    for (const TEstacao* e : estacoes) {
        if (e->Latitude == latitude && e->Longitude == longitude) {
            R = *e;
            return;
        }
        const long double dLat = static_cast<long double>(leCoordenada(e->Latitude)) - latQ;
        const long double dLon = static_cast<long double>(leCoordenada(e->Longitude)) - lonQ;
        const long double d2 = dLat * dLat + dLon * dLon;
        // Texts that differ but name the same point (another mark between the digits) are
        // the station itself: its weight would be a division by zero.
        if (d2 == 0) {
            R = *e;
            return;
        }
        const long double d4 = d2 * d2;
        pesos.push_back(divide(1, d4 * d4 * d2));
        soma += pesos.back();
    }
    TEstacao resultado = R;
    resultado.K = resultado.A = resultado.B = resultado.C = 0;
    for (std::size_t i = 0; i < estacoes.size(); ++i) {
        const long double fracao = divide(pesos[i], soma);
        resultado.K = armazena(resultado.K + fracao * estacoes[i]->K);
        resultado.A = armazena(resultado.A + fracao * estacoes[i]->A);
        resultado.B = armazena(resultado.B + fracao * estacoes[i]->B);
        resultado.C = armazena(resultado.C + fracao * estacoes[i]->C);
    }
    resultado.Nome.clear();
    resultado.Autor = "Interpolação";
    resultado.Latitude = textoCoordenadaDoRegistro(latitude);
    resultado.Longitude = textoCoordenadaDoRegistro(longitude);
    R = std::move(resultado);
}
