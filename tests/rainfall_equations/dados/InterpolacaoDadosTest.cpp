// The interpolation over the database as the build makes it, at every municipal seat of
// the eight states whose stations take part: the equation handed back stays among the
// stations that carry the weight.
#include "rainfall_equations/nucleo/TBDPrecipitacao.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr std::array<int, 8> EstadosInterpolacao{4, 7, 8, 12, 15, 18, 24, 26};
constexpr std::array<double, 6> Periodos{2, 5, 10, 25, 50, 100};
constexpr std::array<double, 9> Duracoes{5, 10, 15, 30, 60, 120, 360, 720, 1440};
// A station counts among those that carry the weight from this share on.
constexpr long double PesoMinimo = 0.01L;
// From this share on a station carries the weight alone.
constexpr long double PesoSozinha = 1 - 1e-9L;

double intensidade(const TEstacao& e, double T, double t)
{
    return e.K * std::pow(T, e.A) / std::pow(t + e.B, e.C);
}

struct TPesada {
    const TEstacao* estacao;
    long double fracao;
};

// The stations of the eight states with their share of the weight 1/d¹⁰ at the point,
// worked out here on their own; the ones that carry at least PesoMinimo. Their mean is
// the geometric one, as the interpolation's.
std::vector<TPesada> estacoesQuePesam(const TBDPrecipitacao& bd, double lat, double lon)
{
    std::vector<TPesada> todas;
    long double soma = 0;
    for (int estado : EstadosInterpolacao)
        for (const TEstacao& e : bd.Estacoes[static_cast<std::size_t>(estado)]) {
            const long double dLat = static_cast<long double>(leCoordenada(e.Latitude)) - lat;
            const long double dLon = static_cast<long double>(leCoordenada(e.Longitude)) - lon;
            const long double d2 = dLat * dLat + dLon * dLon;
            const long double peso = 1 / (d2 * d2 * d2 * d2 * d2);
            todas.push_back({&e, peso});
            soma += peso;
        }
    std::vector<TPesada> pesam;
    for (TPesada& p : todas) {
        p.fracao /= soma;
        if (p.fracao >= PesoMinimo)
            pesam.push_back(p);
    }
    return pesam;
}

// The worst case met, with the seat and the point where it was met.
struct TPior {
    double valor = 0;
    std::string onde;

    void registra(double v, const std::string& lugar)
    {
        if (v > valor) {
            valor = v;
            onde = lugar;
        }
    }
};

struct TFiguras {
    TPior foraDaFaixa;
    TPior longeDaMedia;
    TPior sozinha;
    int sedes = 0;
    int sedesSozinhas = 0;
};

void confereSede(const TBDPrecipitacao& bd, const TLocalidade& sede, const std::string& sigla, TFiguras& f)
{
    TEstacao r;
    bd.interpola(sede.Latitude, sede.Longitude, r);
    ++f.sedes;
    if (r.Autor != "Interpolação")
        return;
    const std::vector<TPesada> pesam = estacoesQuePesam(bd, leCoordenada(sede.Latitude), leCoordenada(sede.Longitude));
    long double somaFracoes = 0;
    for (const TPesada& p : pesam)
        somaFracoes += p.fracao;
    for (double T : Periodos)
        for (double t : Duracoes) {
            double menor = INFINITY;
            double maior = 0;
            long double lnMedia = 0;
            for (const TPesada& p : pesam) {
                const double i = intensidade(*p.estacao, T, t);
                menor = std::min(menor, i);
                maior = std::max(maior, i);
                lnMedia += p.fracao / somaFracoes * std::log(static_cast<long double>(i));
            }
            const double i = intensidade(r, T, t);
            const std::string lugar = sede.Nome + " (" + sigla + "), T = " + std::to_string(static_cast<int>(T))
                                      + " anos, t = " + std::to_string(static_cast<int>(t)) + " min";
            f.foraDaFaixa.registra(std::max({menor / i - 1, i / maior - 1, 0.0}), lugar);
            f.longeDaMedia.registra(std::abs(i / static_cast<double>(std::exp(lnMedia)) - 1), lugar);
        }
    if (pesam.size() == 1 && pesam.front().fracao >= PesoSozinha) {
        ++f.sedesSozinhas;
        const TEstacao& e = *pesam.front().estacao;
        for (auto [dele, devolvido] : {std::pair{e.K, r.K}, {e.A, r.A}, {e.B, r.B}, {e.C, r.C}})
            f.sozinha.registra(std::abs(devolvido / dele - 1), sede.Nome + " (" + sigla + ") em " + e.Nome);
    }
}

void mostra(const char* titulo, const TPior& p)
{
    std::printf("%s: %.3g %% em %s\n", titulo, 100 * p.valor, p.onde.c_str());
}

} // namespace

TEST(InterpolacaoDados, EquacaoDeCadaSedeFicaEntreSuasEstacoes)
{
    TBDPrecipitacao bd;
    bd.leEstacoes();
    TFiguras f;
    for (int estado : EstadosInterpolacao) {
        bd.leLocalidades(estado);
        ASSERT_FALSE(bd.Localidades.empty()) << estado;
        for (const TLocalidade& sede : bd.Localidades)
            confereSede(bd, sede, SiglasEstados[static_cast<std::size_t>(estado)], f);
    }
    std::printf("%d sedes; %d com uma só estação pesando\n", f.sedes, f.sedesSozinhas);
    mostra("Mais fora da faixa das estações", f.foraDaFaixa);
    mostra("Mais longe da média geométrica", f.longeDaMedia);
    mostra("Maior diferença de uma estação sozinha", f.sozinha);
    EXPECT_LE(f.foraDaFaixa.valor, 0.04) << f.foraDaFaixa.onde;
    EXPECT_LE(f.longeDaMedia.valor, 0.08) << f.longeDaMedia.onde;
    EXPECT_GT(f.sedesSozinhas, 0);
    // Six significant digits.
    EXPECT_LE(f.sozinha.valor, 5e-7) << f.sozinha.onde;
}
