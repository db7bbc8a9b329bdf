#include "models/NumeroDaCurva.h"

#include "models/Aritmetica.h"
#include "models/Precipitacao.h"
#include "models/PrecipitacaoPluviograma.h"
#include "plataforma/nucleo/Excecoes.h"

#include <cmath>

namespace {

using TPorCondicao = std::array<TColunasNumeroDaCurva, 4>;
using TPorTratamento = std::array<TPorCondicao, 4>;

constexpr TColunasNumeroDaCurva N{}; // no curve number known
constexpr TColunasNumeroDaCurva SemCultivo{98, 97, 94, 89};
constexpr TPorCondicao SemCultivoEmQualquerCondicao{SemCultivo, SemCultivo, SemCultivo, SemCultivo};
// Cultivo em fileiras estreitas com curvas de nível, in every condition but "Má".
constexpr TColunasNumeroDaCurva EstreitasEmNivel{93, 92, 87, 78};
constexpr TPorCondicao Floresta{N, {93, 89, 82, 65}, {91, 87, 78, 56}, {89, 85, 74, 43}};

// Upper bounds of the first three classes of TIE; a bound belongs to the lower class.
constexpr std::array<double, 3> LimitesTIE{3.0, 40.0, 190.0};

// The cumulative depth is searched in steps of this many minutes for the first one that
// exceeds Ia, up to the last bound: no design storm takes days to start its runoff.
constexpr double PassoBusca = 5.0;
constexpr double LimiteBusca = 100000.0;
// Each bisection step halves the bracket; after this many it is below the resolution of
// a double, so more steps cannot help.
constexpr int MaximoPassosBissecao = 400;
constexpr double ToleranciaBissecao = 1e-7;

const char* const MensagemSemInicio =
    "Erro: a lâmina precipitada acumulada não alcança a abstração inicial; não foi possível "
    "calcular o tempo do início do escoamento superficial.";
const char* const MensagemSemConvergencia =
    "Erro: o cálculo do tempo do início do escoamento superficial não convergiu.";

} // namespace

const TTabelaNumeroDaCurva TabelaNumeroDaCurva{{
    // Sem cultivo: the same in every treatment and condition.
    TPorTratamento{SemCultivoEmQualquerCondicao, SemCultivoEmQualquerCondicao,
                   SemCultivoEmQualquerCondicao, SemCultivoEmQualquerCondicao},
    // Cultivo em fileiras
    TPorTratamento{TPorCondicao{N, N, N, N},
                   TPorCondicao{N, {97, 95, 92, 86}, N, {96, 94, 90, 83}},
                   TPorCondicao{N, {95, 93, 91, 85}, N, {94, 92, 88, 82}},
                   TPorCondicao{N, {92, 91, 88, 82}, N, {92, 90, 86, 79}}},
    // Cultivo em fileiras estreitas
    TPorTratamento{TPorCondicao{N, N, N, N},
                   TPorCondicao{N, {95, 93, 89, 82}, N, {95, 93, 88, 80}},
                   TPorCondicao{EstreitasEmNivel, {94, 92, 88, 80}, EstreitasEmNivel, EstreitasEmNivel},
                   TPorCondicao{N, {92, 91, 86, 78}, N, {92, 90, 85, 77}}},
    // Leguminosas em fileiras estreitas
    TPorTratamento{TPorCondicao{N, N, N, N},
                   TPorCondicao{N, {96, 94, 89, 82}, N, {94, 92, 86, 76}},
                   TPorCondicao{N, {94, 93, 88, 81}, N, {93, 90, 84, 74}},
                   TPorCondicao{N, {93, 91, 87, 80}, N, {91, 89, 83, 70}}},
    // Pastagem para pastoreio
    TPorTratamento{TPorCondicao{N, N, N, N},
                   TPorCondicao{N, {96, 94, 91, 84}, {93, 91, 84, 69}, {91, 88, 78, 59}},
                   TPorCondicao{N, {95, 92, 83, 67}, {93, 88, 77, 43}, {91, 85, 55, 15}},
                   TPorCondicao{N, N, N, N}},
    // Floresta: the same in every treatment.
    TPorTratamento{Floresta, Floresta, Floresta, Floresta},
}};

TNumeroDaCurva::TNumeroDaCurva(double TIE)
{
    setTIE(TIE);
}

void TNumeroDaCurva::setTIE(double Valor)
{
    TIE = Valor >= 0.0 ? Valor : 0.0;
}

unsigned char TNumeroDaCurva::numeroDaCurva() const
{
    const std::size_t uso = UsoDoSolo.Tipo;
    const std::size_t tratamento = Tratamento.Tipo;
    const std::size_t condicao = CondicaoHidrologica.Tipo;
    if (uso >= TabelaNumeroDaCurva.size() || tratamento >= TabelaNumeroDaCurva[uso].size()
        || condicao >= TabelaNumeroDaCurva[uso][tratamento].size())
        return 0;
    std::size_t coluna = 0;
    while (coluna < LimitesTIE.size() && TIE > LimitesTIE[coluna])
        ++coluna;
    return TabelaNumeroDaCurva[uso][tratamento][condicao][coluna];
}

double TNumeroDaCurva::abstracaoInicial() const
{
    const unsigned char cn = numeroDaCurva();
    if (cn == 0)
        return 0.0;
    // 0.2·S, with the potential retention S = 254·(100/CN - 1) mm.
    return armazena((100.0L / cn - 1.0L) * 50.8L);
}

double TNumeroDaCurva::tempoInicioEscoamento(const TPrecipitacao& Evento) const
{
    const double ia = abstracaoInicial();
    if (!(Evento.PrecipitacaoTotal > ia))
        return Evento.Duracao;
    if (Evento.EhPluviograma) {
        const auto* pluviograma = dynamic_cast<const TPrecipitacaoPluviograma*>(&Evento);
        if (pluviograma == nullptr)
            throw EInvalidCast("Erro: o evento marcado como pluviograma não é uma precipitação de pluviograma.");
        return pluviograma->tempoPrimeiraIntensidade(TIE);
    }

    double inferior = 0.0;
    double superior = PassoBusca;
    while (!(Evento.laminaAcumulada(superior) > ia)) {
        if (superior >= LimiteBusca)
            throw EZeroDivide(MensagemSemInicio);
        inferior = superior;
        superior += PassoBusca;
    }
    double meio = (inferior + superior) / 2.0;
    for (int passo = 0; passo < MaximoPassosBissecao; ++passo) {
        const double lamina = Evento.laminaAcumulada(meio);
        if (lamina > ia)
            superior = meio;
        else if (lamina < ia)
            inferior = meio;
        meio = (inferior + superior) / 2.0;
        if (std::fabs(static_cast<long double>(Evento.laminaAcumulada(meio)) - ia) < ToleranciaBissecao)
            return meio;
    }
    throw EZeroDivide(MensagemSemConvergencia);
}

double TNumeroDaCurva::laminaEscoamento(TPrecipitacao& Evento) const
{
    const double tf = Evento.tempoFimEscoamento(TIE);
    // Without a duration the storm is taken to last until its runoff ends; set on every
    // call, so an earlier call with another rate leaves no trace.
    if (!(Evento.Duracao > 0.0))
        Evento.setPrecipitacaoTotal(Evento.laminaAcumulada(tf));
    const double ti = tempoInicioEscoamento(Evento);
    if (!(tf > 0.0) || !(static_cast<long double>(tf) - ti > 0.0L))
        return 0.0;
    const long double infiltrada = static_cast<long double>(TIE) * (static_cast<long double>(tf) - ti) / 60.0L;
    const double les = armazena(static_cast<long double>(Evento.laminaEntre(0.0, tf)) - infiltrada
                                - abstracaoInicial());
    return les >= 0.0 ? les : 0.0;
}
