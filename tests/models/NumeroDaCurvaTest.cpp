#include "plataforma/nucleo/Excecoes.h"
#include "models/NumeroDaCurva.h"
#include "models/PrecipitacaoExponencialNegativa.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr double Tolerancia = 5e-5; // the figures below are given to 4 decimals

const char* const MensagemFimEscoamento =
    "Erro: divisão por zero ao tentar calcular o tempo do fim do escoamento superficial "
    "utilizando o perfil de precipitação exponencial negativa.";

double iaDoCN(double cn)
{
    return (100.0 / cn - 1.0) * 50.8;
}

// K = 500, Tr = 10 years, a = 0.2, b = 10 min, c = 0.8, duration unset, as the
// evaluation builds it.
class Escoamento : public ::testing::Test {
protected:
    Escoamento() { define(500.0, 10.0, 0.2, 10.0, 0.8); }

    void define(double K, double Tr, double a, double b, double c)
    {
        chuva.setTr(Tr);
        chuva.setK(K);
        chuva.setA(a);
        chuva.setB(b);
        chuva.setC(c);
    }

    TPrecipitacaoExponencialNegativa chuva;
    TNumeroDaCurva modelo;
};

// Rain that falls all at once at minute 7: no bisection can close in on Ia.
class TChuvaEmDegrau : public TPrecipitacao {
public:
    TChuvaEmDegrau() { PrecipitacaoTotal = 10.0; }
    void recalcula() override {}
    double laminaAcumulada(double t) const override { return t < 7.0 ? 0.0 : 10.0; }
};

TEST_F(Escoamento, LaminaDoProjetoPorTaxaDeInfiltracao)
{
    const struct { double TIE, fim, total, ia, inicio, les; } casos[] = {
        {10.0, 49.9227, 24.9485, 1.5711, 0.7981, 15.1899},
        {50.0, 8.1388, -1.0, 3.2426, 1.7641, 2.0253},
        {1.0, 598.8919, -1.0, 1.0367, 0.5156, 35.8215},
        {150.0, 0.0, 0.0, 3.2426, -1.0, 0.0},
    };
    for (const auto& caso : casos) {
        TPrecipitacaoExponencialNegativa evento;
        evento.copia(chuva);
        modelo.setTIE(caso.TIE);
        const double les = modelo.laminaEscoamento(evento);
        EXPECT_NEAR(les, caso.les, Tolerancia) << caso.TIE;
        EXPECT_NEAR(evento.tempoFimEscoamento(caso.TIE), caso.fim, Tolerancia) << caso.TIE;
        EXPECT_EQ(evento.PrecipitacaoTotal, evento.laminaAcumulada(evento.tempoFimEscoamento(caso.TIE)));
        if (caso.total >= 0.0) {
            EXPECT_NEAR(evento.PrecipitacaoTotal, caso.total, Tolerancia) << caso.TIE;
        }
        EXPECT_NEAR(modelo.abstracaoInicial(), caso.ia, Tolerancia) << caso.TIE;
        EXPECT_NEAR(modelo.tempoInicioEscoamento(evento), caso.inicio, Tolerancia) << caso.TIE;
        EXPECT_EQ(evento.Duracao, -1.0);
    }
}

TEST_F(Escoamento, MesmoEventoComOutraTaxaNaoGuardaOCalculoAnterior)
{
    // The evaluation asks for the field and then for the road from the same storm.
    modelo.setTIE(10.0);
    EXPECT_NEAR(modelo.laminaEscoamento(chuva), 15.1899, Tolerancia);
    modelo.setTIE(1.0);
    EXPECT_NEAR(modelo.laminaEscoamento(chuva), 35.8215, Tolerancia);
    modelo.setTIE(50.0);
    EXPECT_NEAR(modelo.laminaEscoamento(chuva), 2.0253, Tolerancia);
}

// The road's runoff from storms that would last 46 and 92 days: what falls in their 24
// hours, less the losses.
TEST_F(Escoamento, ChuvaMaisLongaQueVinteEQuatroHorasEscoaOQueCaiNelas)
{
    const struct { double K, Tr, a, b, c, total, les; } casos[] = {
        {500.02, 10.0, 0.155, 16.91, 0.525, 374.4522, 349.4220},  // Itanhaém (SP)
        {745.325, 100.0, 0.17, 25.0, 0.558, 669.9147, 644.8819},  // Momuna (SP)
    };
    modelo.setTIE(1.0);
    for (const auto& caso : casos) {
        define(caso.K, caso.Tr, caso.a, caso.b, caso.c);
        EXPECT_NEAR(modelo.laminaEscoamento(chuva), caso.les, Tolerancia) << caso.K;
        EXPECT_NEAR(chuva.PrecipitacaoTotal, caso.total, Tolerancia) << caso.K;
        EXPECT_EQ(chuva.PrecipitacaoTotal, chuva.laminaAcumulada(1440.0)) << caso.K;
    }
}

// An equation without b runs off what ever smaller b's tend to.
TEST_F(Escoamento, EquacaoSemBEhOLimiteDeBCadaVezMenor)
{
    const struct { double TIE, les; } casos[] = {{10.0, 19.5107}, {1.0, 36.4527}};
    for (const auto& caso : casos) {
        modelo.setTIE(caso.TIE);
        define(500.0, 10.0, 0.2, 0.0, 0.8);
        const double semB = modelo.laminaEscoamento(chuva);
        EXPECT_NEAR(semB, caso.les, Tolerancia) << caso.TIE;
        define(500.0, 10.0, 0.2, 1e-6, 0.8);
        EXPECT_NEAR(modelo.laminaEscoamento(chuva), semB, 1e-5) << caso.TIE;
    }
}

TEST_F(Escoamento, InicioCruzaAAbstracaoInicial)
{
    modelo.setTIE(10.0);
    chuva.setPrecipitacaoTotal(24.9485);
    const double inicio = modelo.tempoInicioEscoamento(chuva);
    EXPECT_NEAR(chuva.laminaAcumulada(inicio), modelo.abstracaoInicial(), 1e-7);
}

TEST_F(Escoamento, ChuvaQueNaoSuperaAAbstracaoNaoEscoa)
{
    modelo.setTIE(10.0);
    chuva.setPrecipitacaoTotal(1.0);
    EXPECT_EQ(modelo.tempoInicioEscoamento(chuva), -1.0);
    chuva.setDuracao(30.0);
    EXPECT_EQ(modelo.tempoInicioEscoamento(chuva), 30.0);

    // A weak storm: all it rains until the end of runoff stays below Ia.
    TPrecipitacaoExponencialNegativa fraca;
    fraca.setK(15.0);
    fraca.setTr(10.0);
    fraca.setA(0.2);
    fraca.setB(10.0);
    fraca.setC(0.8);
    modelo.setTIE(1.0);
    EXPECT_EQ(modelo.laminaEscoamento(fraca), 0.0);
    EXPECT_LE(fraca.PrecipitacaoTotal, modelo.abstracaoInicial());
}

TEST_F(Escoamento, DuracaoDefinidaMantemALaminaTotal)
{
    chuva.setDuracao(60.0);
    chuva.setPrecipitacaoTotal(26.0);
    modelo.setTIE(10.0);
    modelo.laminaEscoamento(chuva);
    EXPECT_EQ(chuva.PrecipitacaoTotal, 26.0);
}

TEST_F(Escoamento, TaxaNulaComCAteUmNaoTemFimDeEscoamento)
{
    for (double c : {0.8, 1.0}) {
        chuva.setC(c);
        modelo.setTIE(0.0);
        try {
            modelo.laminaEscoamento(chuva);
            ADD_FAILURE() << "c = " << c;
        } catch (const EZeroDivide& e) {
            EXPECT_EQ(e.Message(), MensagemFimEscoamento);
        }
    }
}

TEST_F(Escoamento, LaminaQueNuncaAlcancaAAbstracaoEErro)
{
    // With c = 2 the cumulative depth peaks far below Ia and falls back.
    define(1.0, 10.0, 0.2, 10.0, 2.0);
    modelo.setTIE(10.0);
    chuva.setPrecipitacaoTotal(100.0);
    try {
        modelo.tempoInicioEscoamento(chuva);
        ADD_FAILURE();
    } catch (const EZeroDivide& e) {
        EXPECT_EQ(e.Message(), "Erro: a lâmina precipitada acumulada não alcança a abstração inicial; não foi "
                               "possível calcular o tempo do início do escoamento superficial.");
    }
}

TEST(NumeroDaCurva, BissecaoQueNaoConvergeEErro)
{
    const TNumeroDaCurva modelo(10.0);
    try {
        modelo.tempoInicioEscoamento(TChuvaEmDegrau());
        ADD_FAILURE();
    } catch (const EZeroDivide& e) {
        EXPECT_EQ(e.Message(), "Erro: o cálculo do tempo do início do escoamento superficial não convergiu.");
    }
}

// No rain in the first 5 minutes, then 1 mm a minute: with Ia = 0 the depth at minute 5
// equals Ia without exceeding it, so the search moves on to the next 5 minutes.
class TChuvaQueComecaAosCinco : public TPrecipitacao {
public:
    TChuvaQueComecaAosCinco() { PrecipitacaoTotal = 10.0; }
    void recalcula() override {}
    double laminaAcumulada(double t) const override { return t > 5.0 ? t - 5.0 : 0.0; }
};

TEST(NumeroDaCurva, CruzamentoNoMultiploDeCincoAvancaUmPasso)
{
    TNumeroDaCurva modelo(10.0);
    modelo.UsoDoSolo.Tipo = 1;
    modelo.CondicaoHidrologica.Tipo = 2;  // no curve number: Ia = 0
    ASSERT_EQ(modelo.abstracaoInicial(), 0.0);
    const double inicio = modelo.tempoInicioEscoamento(TChuvaQueComecaAosCinco());
    EXPECT_GT(inicio, 5.0);
    EXPECT_LT(inicio, 5.0 + 1e-7);
}

TEST_F(Escoamento, PluviogramaSoComEventoDePluviograma)
{
    modelo.setTIE(10.0);
    chuva.setPrecipitacaoTotal(24.9485);
    chuva.EhPluviograma = true;
    EXPECT_THROW(modelo.tempoInicioEscoamento(chuva), EInvalidCast);
}

TEST(NumeroDaCurva, ColunaPelaTaxaDeInfiltracao)
{
    const struct { double TIE; double cn; } casos[] = {
        {0.0, 98}, {3.0, 98}, {3.0000001, 97}, {10.0, 97}, {40.0, 97}, {40.0001, 94},
        {150.0, 94}, {190.0, 94}, {190.5, 89},
    };
    for (const auto& caso : casos) {
        const TNumeroDaCurva modelo(caso.TIE);
        EXPECT_NEAR(modelo.abstracaoInicial(), iaDoCN(caso.cn), 1e-12) << caso.TIE;
    }
    EXPECT_NEAR(TNumeroDaCurva(1.0).abstracaoInicial(), 1.0367, Tolerancia);
    EXPECT_NEAR(TNumeroDaCurva(200.0).abstracaoInicial(), 6.2787, Tolerancia);
}

TEST(NumeroDaCurva, TaxaNegativaOuInvalidaViraZero)
{
    TNumeroDaCurva modelo;
    EXPECT_EQ(modelo.TIE, 0.0);
    modelo.setTIE(25.0);
    EXPECT_EQ(modelo.TIE, 25.0);
    modelo.setTIE(-5.0);
    EXPECT_EQ(modelo.TIE, 0.0);
    EXPECT_NEAR(modelo.abstracaoInicial(), iaDoCN(98), 1e-12);
    modelo.setTIE(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(modelo.TIE, 0.0);
    EXPECT_EQ(TNumeroDaCurva(-5.0).TIE, 0.0);
    EXPECT_EQ(TNumeroDaCurva(12.0).TIE, 12.0);
}

TEST(NumeroDaCurva, ClassificacaoInicialESeusNomes)
{
    const TNumeroDaCurva modelo;
    EXPECT_EQ(modelo.UsoDoSolo.Tipo, 0);
    EXPECT_EQ(modelo.Tratamento.Tipo, 1);
    EXPECT_EQ(modelo.CondicaoHidrologica.Tipo, 0);
    EXPECT_EQ(NomesUsoDoSolo[modelo.UsoDoSolo.Tipo], "Sem cultivo");
    EXPECT_EQ(NomesUsoDoSolo[5], "Floresta");
    EXPECT_EQ(NomesTratamento[0], "");
    EXPECT_EQ(NomesTratamento[3], "Curvas de nível e terraço");
    EXPECT_EQ(NomesCondicaoHidrologica[0], "-");
    EXPECT_EQ(NomesCondicaoHidrologica[1], "Má");
}

TEST(NumeroDaCurva, TabelaPorUsoTratamentoECondicao)
{
    const struct { unsigned char uso, tratamento, condicao; double TIE; int cn; } casos[] = {
        {0, 3, 2, 200.0, 89},  {1, 1, 1, 1.0, 97},    {1, 3, 3, 200.0, 79}, {1, 1, 2, 1.0, 0},
        {2, 2, 0, 10.0, 92},   {2, 2, 1, 10.0, 92},   {2, 2, 2, 50.0, 87},  {2, 2, 3, 200.0, 78},
        {2, 3, 3, 50.0, 85},   {3, 3, 3, 200.0, 70},  {3, 1, 0, 1.0, 0},    {4, 1, 2, 200.0, 69},
        {4, 2, 3, 200.0, 15},  {4, 2, 3, 50.0, 55},   {4, 3, 1, 1.0, 0},    {5, 0, 1, 1.0, 93},
        {5, 3, 3, 200.0, 43},  {5, 2, 0, 1.0, 0},     {6, 1, 1, 1.0, 0},    {1, 4, 1, 1.0, 0},
        {1, 1, 4, 1.0, 0},
    };
    for (const auto& caso : casos) {
        TNumeroDaCurva modelo(caso.TIE);
        modelo.UsoDoSolo.Tipo = caso.uso;
        modelo.Tratamento.Tipo = caso.tratamento;
        modelo.CondicaoHidrologica.Tipo = caso.condicao;
        const double ia = caso.cn == 0 ? 0.0 : iaDoCN(caso.cn);
        EXPECT_NEAR(modelo.abstracaoInicial(), ia, 1e-12)
            << int(caso.uso) << int(caso.tratamento) << int(caso.condicao) << " " << caso.TIE;
    }
}

TEST_F(Escoamento, SemNumeroDaCurvaEscoaDesdeOInicio)
{
    modelo.UsoDoSolo.Tipo = 1;
    modelo.CondicaoHidrologica.Tipo = 2;
    modelo.setTIE(10.0);
    EXPECT_EQ(modelo.abstracaoInicial(), 0.0);
    chuva.setPrecipitacaoTotal(24.9485);
    EXPECT_LT(modelo.tempoInicioEscoamento(chuva), 1e-6);
}

} // namespace
