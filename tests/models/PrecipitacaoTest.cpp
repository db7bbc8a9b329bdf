#include "plataforma/nucleo/Excecoes.h"
#include "models/Precipitacao.h"
#include "models/SerieGrafico.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

// An event with only the recalculation of its own, counting the calls.
class TEventoContado : public TPrecipitacao {
public:
    TEventoContado() = default;
    explicit TEventoContado(const std::string& Sufixo) : TPrecipitacao(Sufixo) {}
    void recalcula() override { ++recalculos; }
    int recalculos = 0;
};

// An event that provides none of the abstract operations.
class TEventoVazio : public TPrecipitacao {
public:
    TEventoVazio() = default;
};

class TSerieNula : public TSerieGrafico {
public:
    void removePontos() override {}
    void adicionaPonto(double, double, const std::string&, TCor) override {}
    void adicionaPontoNulo(double, double, const std::string&) override {}
};

void esperaOitoReaisNaoDefinidos(const TPrecipitacao& e)
{
    for (double valor : {e.A, e.B, e.C, e.D, e.PrecipitacaoTotal, e.Duracao, e.IntensidadePico, e.TempoPico})
        EXPECT_EQ(valor, -1.0);
}

TEST(Precipitacao, NovoEventoComecaSemParametros)
{
    TEventoContado semSufixo;
    TEventoContado comSufixo("_2");
    for (const TEventoContado* e : {&semSufixo, &comSufixo}) {
        esperaOitoReaisNaoDefinidos(*e);
        EXPECT_EQ(e->Data, 0.0);
        EXPECT_FALSE(e->EhPluviograma);
        EXPECT_EQ(e->recalculos, 0);
    }
    EXPECT_EQ(semSufixo.Sufixo, "");
    EXPECT_EQ(comSufixo.Sufixo, "_2");
}

struct TCasoSetter {
    const char* nome;
    void (TPrecipitacao::*setter)(double);
    double TPrecipitacao::*campo;
    const char* mensagem;
};

const TCasoSetter CasosSetter[] = {
    {"PrecipitacaoTotal", &TPrecipitacao::setPrecipitacaoTotal, &TPrecipitacao::PrecipitacaoTotal,
     "Erro. A lâmina precipitada tem que ser maior ou igual a zero."},
    {"Duracao", &TPrecipitacao::setDuracao, &TPrecipitacao::Duracao,
     "Erro. A duração total da precipitação tem que ser maior ou igual a  zero."},
    {"A", &TPrecipitacao::setA, &TPrecipitacao::A, "Erro. O parâmetro \"a\" tem que ser maior ou igual a zero."},
    {"B", &TPrecipitacao::setB, &TPrecipitacao::B, "Erro. O parâmetro \"b\" tem que ser maior ou igual a zero."},
    {"C", &TPrecipitacao::setC, &TPrecipitacao::C, "Erro. O parâmetro \"c\" tem que ser maior ou igual a zero."},
};

TEST(Precipitacao, SettersGuardamZeroERecalculam)
{
    for (const auto& caso : CasosSetter) {
        TEventoContado e;
        (e.*caso.setter)(0.0);
        EXPECT_EQ(e.*caso.campo, 0.0) << caso.nome;
        (e.*caso.setter)(12.5);
        EXPECT_EQ(e.*caso.campo, 12.5) << caso.nome;
        EXPECT_EQ(e.recalculos, 2) << caso.nome;
    }
}

TEST(Precipitacao, SettersRecusamNegativoENaN)
{
    for (const auto& caso : CasosSetter)
        for (double ruim : {-0.001, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
            TEventoContado e;
            (e.*caso.setter)(3.0);
            try {
                (e.*caso.setter)(ruim);
                ADD_FAILURE() << caso.nome << " aceitou " << ruim;
            } catch (const Exception& erro) {
                EXPECT_EQ(erro.Message(), caso.mensagem);
            }
            EXPECT_EQ(e.*caso.campo, 3.0) << caso.nome;
            EXPECT_EQ(e.recalculos, 1) << caso.nome;
        }
}

TEST(Precipitacao, LimpaGuardaSufixoEData)
{
    TEventoContado e("_x");
    for (const auto& caso : CasosSetter)
        (e.*caso.setter)(7.0);
    e.D = 2.0;
    e.IntensidadePico = 90.0;
    e.TempoPico = 4.0;
    e.Data = 45000.5;
    const int recalculos = e.recalculos;
    e.limpa();
    esperaOitoReaisNaoDefinidos(e);
    EXPECT_EQ(e.Data, 45000.5);
    EXPECT_EQ(e.Sufixo, "_x");
    EXPECT_EQ(e.recalculos, recalculos);

    e.setA(1.0);
    e.setSufixo("_y");
    EXPECT_EQ(e.Sufixo, "_y");
    EXPECT_EQ(e.A, -1.0);
}

TEST(Precipitacao, CopiaParametrosEDataMasNaoSufixoNemTipo)
{
    TEventoContado origem("_origem");
    origem.A = 0.2;
    origem.B = 10.0;
    origem.C = 0.8;
    origem.D = 3.0;
    origem.PrecipitacaoTotal = 40.0;
    origem.Duracao = 90.0;
    origem.IntensidadePico = 120.0;
    origem.TempoPico = 5.0;
    origem.Data = 44927.0;
    origem.EhPluviograma = true;

    TEventoContado destino("_destino");
    destino.copia(origem);
    for (double TPrecipitacao::*campo : {&TPrecipitacao::A, &TPrecipitacao::B, &TPrecipitacao::C, &TPrecipitacao::D,
                                         &TPrecipitacao::PrecipitacaoTotal, &TPrecipitacao::Duracao,
                                         &TPrecipitacao::IntensidadePico, &TPrecipitacao::TempoPico,
                                         &TPrecipitacao::Data})
        EXPECT_EQ(destino.*campo, origem.*campo);
    EXPECT_EQ(destino.Sufixo, "_destino");
    EXPECT_FALSE(destino.EhPluviograma);
    EXPECT_EQ(destino.recalculos, 0);
}

TEST(Precipitacao, OperacoesNaoProvidasSaoErroAbstrato)
{
    TEventoVazio e;
    TSerieNula serie;
    const std::function<void()> operacoes[] = {
        [&] { e.intensidade(1.0); },       [&] { e.laminaAcumulada(1.0); },
        [&] { e.laminaEntre(0.0, 1.0); },  [&] { e.derivadaIntensidade(1.0); },
        [&] { e.desenhaGrafico(serie); },  [&] { e.recalcula(); },
    };
    for (const auto& operacao : operacoes)
        EXPECT_THROW(operacao(), EAbstractError);
    // The value is stored before the missing recalculation is reached.
    EXPECT_THROW(e.setA(0.5), EAbstractError);
    EXPECT_EQ(e.A, 0.5);
}

TEST(Precipitacao, FimDoEscoamentoSoExisteParaOPerfilExponencial)
{
    TEventoVazio e;
    e.Duracao = 30.0;
    EXPECT_EQ(e.tempoFimEscoamento(10.0), 0.0);
}

} // namespace
