#include "plataforma/nucleo/Excecoes.h"
#include "models/PrecipitacaoExponencialNegativa.h"
#include "models/SerieGrafico.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double Tolerancia = 5e-5; // the figures below are given to 4 decimals

const char* const MensagemFimEscoamento =
    "Erro: divisão por zero ao tentar calcular o tempo do fim do escoamento superficial "
    "utilizando o perfil de precipitação exponencial negativa.";

struct TPonto {
    double x;
    double y;
    std::string rotulo;
    TCor cor;
};

class TSerieDeTeste : public TSerieGrafico {
public:
    std::vector<TPonto> pontos;
    int remocoes = 0;
    void removePontos() override
    {
        pontos.clear();
        ++remocoes;
    }
    void adicionaPonto(double X, double Y, const std::string& Rotulo, TCor Cor) override
    {
        pontos.push_back({X, Y, Rotulo, Cor});
    }
    void adicionaPontoNulo(double, double, const std::string&) override { ADD_FAILURE() << "ponto nulo"; }
};

// An event of another kind, to be copied from.
class TOutroEvento : public TPrecipitacao {
public:
    TOutroEvento() = default;
    void recalcula() override {}
};

// K = 500, Tr = 10 years, a = 0.2, b = 10 min, c = 0.8, duration unset.
class ChuvaDeProjeto : public ::testing::Test {
protected:
    ChuvaDeProjeto() { define(chuva, 500.0, 10.0, 0.2, 10.0, 0.8); }

    static void define(TPrecipitacaoExponencialNegativa& p, double K, double Tr, double a, double b, double c)
    {
        p.setK(K);
        p.setTr(Tr);
        p.setA(a);
        p.setB(b);
        p.setC(c);
    }

    TPrecipitacaoExponencialNegativa chuva;
};

TEST(PrecipitacaoExponencialNegativa, NovaChuvaSemParametros)
{
    const TPrecipitacaoExponencialNegativa semSufixo;
    const TPrecipitacaoExponencialNegativa comSufixo("_1");
    for (const auto* p : {&semSufixo, &comSufixo}) {
        for (double valor : {p->A, p->B, p->C, p->D, p->PrecipitacaoTotal, p->Duracao, p->IntensidadePico,
                             p->TempoPico, p->Tr, p->K, p->KTr})
            EXPECT_EQ(valor, -1.0);
        EXPECT_EQ(p->CKTr, 0.0);
        EXPECT_EQ(p->CMaisUm, 0.0);
        EXPECT_EQ(p->Data, 0.0);
        EXPECT_FALSE(p->EhPluviograma);
    }
    EXPECT_EQ(semSufixo.Sufixo, "");
    EXPECT_EQ(comSufixo.Sufixo, "_1");
}

TEST_F(ChuvaDeProjeto, CoeficientesLaminasEIntensidades)
{
    EXPECT_NEAR(chuva.KTr, 792.4466, Tolerancia);
    EXPECT_NEAR(chuva.CKTr, 633.9573, Tolerancia);
    EXPECT_DOUBLE_EQ(chuva.CMaisUm, 1.8);
    EXPECT_EQ(chuva.D, -1.0);
    const struct { double valor; double esperado; } casos[] = {
        {chuva.intensidade(0.0), 125.5943},       {chuva.laminaAcumulada(5.0), 7.5669},
        {chuva.laminaAcumulada(60.0), 26.4784},   {chuva.intensidade(60.0), 8.3218},
        {chuva.derivadaIntensidade(0.0), -20.0951}, {chuva.laminaAcumulada(0.0), 0.0},
    };
    for (const auto& caso : casos)
        EXPECT_NEAR(caso.valor, caso.esperado, Tolerancia);
    EXPECT_EQ(chuva.laminaEntre(0.0, 60.0), chuva.laminaAcumulada(60.0));
    EXPECT_NEAR(chuva.laminaEntre(5.0, 60.0), 26.4784 - 7.5669, 2 * Tolerancia);
}

TEST_F(ChuvaDeProjeto, IntensidadeEDerivadaSaoAsTaxasDaLamina)
{
    const double h = 1e-4;
    for (double t : {0.5, 8.0, 49.9, 300.0}) {
        const double taxa = (chuva.laminaAcumulada(t + h) - chuva.laminaAcumulada(t - h)) / (2 * h);
        EXPECT_NEAR(chuva.intensidade(t), 60.0 * taxa, 1e-5) << t;
        const double derivada = (chuva.intensidade(t + h) - chuva.intensidade(t - h)) / (2 * h);
        EXPECT_NEAR(chuva.derivadaIntensidade(t), derivada, 1e-5) << t;
    }
}

TEST_F(ChuvaDeProjeto, FimDoEscoamento)
{
    const struct { double duracao; double TIE; double fim; } casos[] = {
        {-1.0, 10.0, 49.9227}, {-1.0, 50.0, 8.1388}, {-1.0, 1.0, 598.8919},
        {-1.0, 150.0, 0.0},    {120.0, 10.0, 49.9227}, {2.0, 50.0, 8.1388},
    };
    for (const auto& caso : casos) {
        chuva.Duracao = caso.duracao;
        const double fim = chuva.tempoFimEscoamento(caso.TIE);
        EXPECT_NEAR(fim, caso.fim, Tolerancia) << caso.TIE << " " << caso.duracao;
        if (fim > 0.0) {
            EXPECT_NEAR(chuva.intensidade(fim), caso.TIE, 1e-9);
        }
    }
}

// The equations cover rainfalls of up to 24 hours: a storm whose intensity stays above
// the road's 1 mm/h for longer ends there. The last two would fall to it only after
// half a year, where no fixed step of the iteration is coarser than the spacing of
// the doubles it closes in on.
TEST(PrecipitacaoExponencialNegativa, ChuvaTerminaEmVinteEQuatroHoras)
{
    const struct { const char* nome; double K, Tr, a, b, c; } casos[] = {
        {"Itanhaém (SP), 46 dias", 500.02, 10.0, 0.155, 16.91, 0.525},
        {"Momuna (SP), 92 dias", 745.325, 100.0, 0.17, 25.0, 0.558},
        {"192 dias", 11789.0, 28.0, 0.18, 4.78, 0.7},
        {"737 dias", 8867.0, 52.0, 0.29, 67.3, 0.66},
    };
    for (const auto& caso : casos) {
        TPrecipitacaoExponencialNegativa chuva;
        chuva.setK(caso.K);
        chuva.setTr(caso.Tr);
        chuva.setA(caso.a);
        chuva.setB(caso.b);
        chuva.setC(caso.c);
        EXPECT_GT(chuva.intensidade(TPrecipitacaoExponencialNegativa::DuracaoMaxima), 1.0) << caso.nome;
        EXPECT_EQ(chuva.tempoFimEscoamento(1.0), 1440.0) << caso.nome;
    }
}

TEST_F(ChuvaDeProjeto, SemEscoamentoQuandoOPicoNaoSuperaATaxa)
{
    EXPECT_EQ(chuva.tempoFimEscoamento(chuva.intensidade(0.0)), 0.0);
    EXPECT_EQ(chuva.tempoFimEscoamento(200.0), 0.0);
}

TEST_F(ChuvaDeProjeto, IteracaoSemFimViraErroDeDivisaoPorZero)
{
    // With a rate of 0 and c of 1 or less the intensity never falls to 0.
    for (double c : {0.8, 1.0, 0.3}) {
        chuva.setC(c);
        try {
            chuva.tempoFimEscoamento(0.0);
            ADD_FAILURE() << "c = " << c;
        } catch (const EZeroDivide& e) {
            EXPECT_EQ(e.Message(), MensagemFimEscoamento);
        }
    }
}

// A storm on which Newton's method, started at minute 0, jumps between minutes 0 and 1
// for ever without any arithmetic failing: only the bound on its steps ends the search.
class TChuvaQueOscila : public TPrecipitacaoExponencialNegativa {
public:
    double intensidade(double t) const override { return 10.0 + t * t * t - 2.0 * t + 2.0; }
    double derivadaIntensidade(double t) const override { return 3.0 * t * t - 2.0; }
};

TEST(PrecipitacaoExponencialNegativa, IteracaoQueNaoConvergeTemLimite)
{
    TChuvaQueOscila chuva;
    try {
        chuva.tempoFimEscoamento(10.0);
        ADD_FAILURE();
    } catch (const EZeroDivide& e) {
        EXPECT_EQ(e.Message(), MensagemFimEscoamento);
    }
}

TEST_F(ChuvaDeProjeto, ErroNoPicoChegaComoEsta)
{
    // K·Tr^a / b^c is beyond the range of a double.
    chuva.setB(1e-300);
    chuva.setC(3.0);
    EXPECT_THROW(chuva.tempoFimEscoamento(10.0), EOverflow);
}

// The search starts where the intensity is defined, whatever the duration: with a b of
// half a minute or less, half the unset duration (-0.5 min) left t + b not positive. An
// equation without b falls to the rate where its power of t says.
TEST_F(ChuvaDeProjeto, FimDoEscoamentoComBPequenoOuNulo)
{
    const struct { double b; double TIE; double fim; } casos[] = {
        {0.5, 10.0, 33.4671}, {0.3, 10.0, 32.7639}, {0.3, 1.0, 563.5377},
        {1e-5, 10.0, 31.6228}, {0.0, 10.0, 31.6228}, {0.0, 1.0, 562.3413},
    };
    for (const auto& caso : casos) {
        chuva.setB(caso.b);
        const double fim = chuva.tempoFimEscoamento(caso.TIE);
        EXPECT_NEAR(fim, caso.fim, Tolerancia) << caso.b << " " << caso.TIE;
        EXPECT_NEAR(chuva.intensidade(fim), caso.TIE, 1e-9) << caso.b << " " << caso.TIE;
    }
}

// i = K·Tr^a / t^c: nothing has fallen at the start, and the depth grows as t^(1 - c).
TEST_F(ChuvaDeProjeto, EquacaoSemB)
{
    chuva.setB(0.0);
    EXPECT_EQ(chuva.laminaAcumulada(0.0), 0.0);
    EXPECT_NEAR(chuva.laminaAcumulada(60.0), chuva.KTr * std::pow(60.0, 0.2) / 60.0, 1e-12);
    try {
        chuva.tempoFimEscoamento(0.0);
        ADD_FAILURE() << "taxa nula";
    } catch (const EZeroDivide& e) {
        EXPECT_EQ(e.Message(), MensagemFimEscoamento);
    }
    // With a c of 1 or more the intensity is never positive after the start.
    for (double c : {1.0, 1.2}) {
        chuva.setC(c);
        EXPECT_EQ(chuva.tempoFimEscoamento(1.0), 0.0) << c;
    }
}

TEST_F(ChuvaDeProjeto, FalhasAritmeticasSaoErros)
{
    EXPECT_THROW(chuva.laminaAcumulada(-10.0), EMathError);
    EXPECT_THROW(chuva.intensidade(-20.0), EMathError);
    EXPECT_THROW(chuva.derivadaIntensidade(-10.0), EMathError);
    EXPECT_THROW(chuva.intensidade(std::numeric_limits<double>::quiet_NaN()), EMathError);
    chuva.setB(0.0);
    chuva.setC(50.0);
    EXPECT_THROW(chuva.intensidade(1e-10), EOverflow);
    EXPECT_THROW(chuva.setK(1.5e308), EOverflow);
}

TEST(PrecipitacaoExponencialNegativa, SettersDeTrEKRecusamZero)
{
    const struct {
        void (TPrecipitacaoExponencialNegativa::*setter)(double);
        const char* mensagem;
    } casos[] = {
        {&TPrecipitacaoExponencialNegativa::setTr, "O valor do tempo de retorno (Tr) deve ser maior que zero."},
        {&TPrecipitacaoExponencialNegativa::setK, "O valor do parâmetro \"K\" deve ser maior que zero."},
    };
    for (const auto& caso : casos)
        for (double ruim : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
            TPrecipitacaoExponencialNegativa chuva;
            chuva.setK(500.0);
            chuva.setTr(10.0);
            chuva.setA(0.2);
            chuva.setC(0.8);
            try {
                (chuva.*caso.setter)(ruim);
                ADD_FAILURE() << "aceitou " << ruim;
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message(), caso.mensagem);
            }
            EXPECT_EQ(chuva.K, 500.0);
            EXPECT_EQ(chuva.Tr, 10.0);
            EXPECT_NEAR(chuva.KTr, 792.4466, Tolerancia);
            EXPECT_NEAR(chuva.CKTr, 633.9573, Tolerancia);
        }
    TPrecipitacaoExponencialNegativa chuva;
    chuva.setTr(0.5);
    EXPECT_EQ(chuva.Tr, 0.5);
}

TEST(PrecipitacaoExponencialNegativa, CoeficienteSoComKTrEADefinidos)
{
    const struct { double K, Tr, A, C, KTr; } casos[] = {
        {500.0, 10.0, 0.0, 0.8, 500.0},  // a = 0: the return period does not matter
        {500.0, 0.5, 0.2, 0.8, 500.0 * std::pow(0.5, 0.2)},
        {-1.0, 10.0, 0.2, 0.8, -1.0},    {500.0, -1.0, 0.2, 0.8, -1.0},
        {500.0, 10.0, -1.0, 0.8, -1.0},  {500.0, 10.0, 0.2, -1.0, 792.4466},
    };
    for (const auto& caso : casos) {
        TPrecipitacaoExponencialNegativa chuva;
        chuva.K = caso.K;
        chuva.Tr = caso.Tr;
        chuva.A = caso.A;
        chuva.C = caso.C;
        chuva.recalcula();
        EXPECT_NEAR(chuva.KTr, caso.KTr, Tolerancia) << caso.K << " " << caso.Tr << " " << caso.A;
        EXPECT_NEAR(chuva.CKTr, caso.C * chuva.KTr, 1e-9);
        EXPECT_DOUBLE_EQ(chuva.CMaisUm, caso.C + 1.0);
    }
}

TEST_F(ChuvaDeProjeto, ExpoenteZeroDoTempoDeRetornoDaEscoamento)
{
    chuva.setA(0.0);
    EXPECT_EQ(chuva.KTr, 500.0);
    EXPECT_NEAR(chuva.intensidade(0.0), 500.0 / std::pow(10.0, 0.8), 1e-9);
    const double fim = chuva.tempoFimEscoamento(10.0);
    EXPECT_GT(fim, 0.0);
    EXPECT_NEAR(chuva.intensidade(fim), 10.0, 1e-9);
}

TEST_F(ChuvaDeProjeto, SettersDaBaseRecalculam)
{
    chuva.setC(0.0);
    EXPECT_EQ(chuva.CKTr, 0.0);
    EXPECT_EQ(chuva.CMaisUm, 1.0);
    chuva.D = 4.0;
    chuva.setDuracao(0.0);
    EXPECT_EQ(chuva.D, -1.0);
}

TEST_F(ChuvaDeProjeto, LimpaDesfazOsParametrosMasNaoRecalcula)
{
    chuva.Data = 45000.0;
    chuva.limpa();
    for (double valor : {chuva.A, chuva.B, chuva.C, chuva.PrecipitacaoTotal, chuva.Duracao, chuva.Tr, chuva.K,
                         chuva.KTr})
        EXPECT_EQ(valor, -1.0);
    EXPECT_NEAR(chuva.CKTr, 633.9573, Tolerancia);
    EXPECT_DOUBLE_EQ(chuva.CMaisUm, 1.8);
    EXPECT_EQ(chuva.Data, 45000.0);
}

TEST_F(ChuvaDeProjeto, CopiaTrazKTrERecalcula)
{
    chuva.Data = 44927.0;
    chuva.setDuracao(45.0);
    TPrecipitacaoExponencialNegativa copia("_copia");
    copia.copia(chuva);
    using TCampo = double TPrecipitacaoExponencialNegativa::*;
    for (TCampo campo :
         std::initializer_list<TCampo>{&TPrecipitacaoExponencialNegativa::A, &TPrecipitacaoExponencialNegativa::B,
          &TPrecipitacaoExponencialNegativa::C, &TPrecipitacaoExponencialNegativa::Duracao,
          &TPrecipitacaoExponencialNegativa::Data, &TPrecipitacaoExponencialNegativa::K,
          &TPrecipitacaoExponencialNegativa::Tr, &TPrecipitacaoExponencialNegativa::KTr,
          &TPrecipitacaoExponencialNegativa::CKTr, &TPrecipitacaoExponencialNegativa::CMaisUm})
        EXPECT_EQ(copia.*campo, chuva.*campo);
    EXPECT_EQ(copia.Sufixo, "_copia");
    EXPECT_EQ(copia.intensidade(12.0), chuva.intensidade(12.0));
}

TEST_F(ChuvaDeProjeto, CopiaDeOutroTipoDeEventoEConversaoInvalida)
{
    TOutroEvento outro;
    outro.A = 0.5;
    outro.B = 20.0;
    outro.Data = 40000.0;
    EXPECT_THROW(chuva.copia(outro), EInvalidCast);
    // The common parameters were copied before the kind was checked.
    EXPECT_EQ(chuva.A, 0.5);
    EXPECT_EQ(chuva.B, 20.0);
    EXPECT_EQ(chuva.Data, 40000.0);
    EXPECT_EQ(chuva.K, 500.0);
    EXPECT_EQ(chuva.Tr, 10.0);
}

TEST_F(ChuvaDeProjeto, HietogramaUmPontoPorMinuto)
{
    const struct { double duracao; std::size_t pontos; } casos[] = {
        {-1.0, 60}, {0.0, 60}, {30.4, 30}, {2.5, 2}, {3.5, 4}, {0.3, 0}, {90.0, 90},
    };
    for (const auto& caso : casos) {
        TSerieDeTeste serie;
        serie.pontos.push_back({0.0, 0.0, "antigo", 0});
        chuva.Duracao = caso.duracao;
        chuva.desenhaGrafico(serie);
        EXPECT_EQ(serie.remocoes, 1);
        ASSERT_EQ(serie.pontos.size(), caso.pontos) << caso.duracao;
        for (std::size_t k = 0; k < serie.pontos.size(); ++k) {
            const TPonto& ponto = serie.pontos[k];
            EXPECT_EQ(ponto.x, static_cast<double>(k + 1));
            EXPECT_EQ(ponto.y, chuva.intensidade(ponto.x));
            EXPECT_EQ(ponto.rotulo, "");
            EXPECT_EQ(ponto.cor, CorAutomatica);
        }
    }
}

} // namespace
