#include "tests/rainfall_equations/nucleo/ArquivosDeTeste.h"
#include "rainfall_equations/nucleo/TBDPrecipitacao.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace arquivos;

namespace {

// A store over a stations file with the given sections.
class Interpolacao : public ::testing::Test {
protected:
    TBDPrecipitacao& com(const TSecoes& secoes)
    {
        pasta.grava("Estados_Nim21.bin", arquivo(secoes));
        bd.leEstacoes();
        return bd;
    }

    TPastaTeste pasta;
    TBDPrecipitacao bd{pasta.caminho()};
};

TEstacao preenchido()
{
    return {"antes", 1, 2, 3, 4, "ANTES", "01°01'01\"", "02°02'02\""};
}

// An interpolation with these coefficients: K and b to 1e-9 (K to `margemK` when given),
// a and c to 1e-12.
void confereInterpolacao(const TEstacao& r, double K, double A, double B, double C, double margemK = 1e-9)
{
    EXPECT_NEAR(r.K, K, margemK);
    EXPECT_NEAR(r.A, A, 1e-12);
    EXPECT_NEAR(r.B, B, 1e-9);
    EXPECT_NEAR(r.C, C, 1e-12);
    EXPECT_EQ(r.Autor, "Interpolação");
}

} // namespace

TEST_F(Interpolacao, TextosIguaisDevolvemAEstacaoInteira)
{
    TSecoes s;
    s[12].registros = {estacao({"Perto", 900, 0.1, 9, 0.7, "A (1)", "20°00'01\"", "45°00'00\""}),
                       estacao({"Aqui", 1500, 0.2, 12, 0.8, "SILVA et al. (1999)", "20°00'00\"", "45°00'00\""}),
                       estacao({"Aqui também", 10, 1, 1, 1, "B (2)", "20°00'00\"", "45°00'00\""})};
    TEstacao r = preenchido();
    com(s).interpola("20°00'00\"", "45°00'00\"", r);
    EXPECT_EQ(r, (TEstacao{"Aqui", 1500, 0.2, 12, 0.8, "SILVA et al. (1999)", "20°00'00\"", "45°00'00\""}));
}

TEST_F(Interpolacao, DuasEstacoesPesamPelaDecimaPotenciaDaDistancia)
{
    // One minute and two minutes of latitude away: weights 1024 and 1. With the same b and
    // c, the geometric mean of the two intensities is itself such an equation: K the
    // weighted geometric mean of the two K, a the weighted mean of the two a.
    TSecoes s;
    s[4].registros = {estacao({"Perto", 1000, 0.2, 10, 0.8, "A (1)", "20°01'00\"", "45°00'00\""})};
    s[24].registros = {estacao({"Longe", 2000, 0.1, 10, 0.8, "B (2)", "20°00'00\"", "45°02'00\""})};
    TEstacao r = preenchido();
    com(s).interpola("20°00'00\"", "45°00'00\"", r);
    confereInterpolacao(r, 1000 * std::pow(2.0, 1.0 / 1025), (1024 * 0.2 + 0.1) / 1025, 10, 0.8, 1e-7);
    EXPECT_EQ(r.Nome, "");
    EXPECT_EQ(r.Latitude, "20°00'00\"");
    EXPECT_EQ(r.Longitude, "45°00'00\"");
}

TEST_F(Interpolacao, UmaSoEstacaoDaSeusCoeficientesSemNomeNemChave)
{
    TSecoes s;
    s[26].registros = {estacao({"Palmas", 1234.5, 0.17, 11.2, 0.81, "C (3)", "10°10'00\"", "48°20'00\""})};
    TEstacao r = preenchido();
    com(s).interpola("12°00'00\"", "47°00'00\"", r);
    confereInterpolacao(r, 1234.5, 0.17, 11.2, 0.81);
    EXPECT_EQ(r.Nome, "");
}

TEST_F(Interpolacao, SoOsOitoEstadosContam)
{
    // Every state but the eight holds a station exactly at the point, none of which counts.
    TSecoes s;
    for (int estado = 0; estado < 27; ++estado)
        s[static_cast<std::size_t>(estado)].registros = {estacao({"fora", 9000, 0.3, 50, 1.2, "X (1)", "20°00'00\"", "45°00'00\""})};
    for (int estado : {4, 7, 8, 12, 15, 18, 24, 26})
        s[static_cast<std::size_t>(estado)].registros = {estacao({"dentro", 1000, 0.2, 10, 0.8, "Y (1)", "21°00'00\"", "46°00'00\""})};
    TEstacao r = preenchido();
    com(s).interpola("20°00'00\"", "45°00'00\"", r);
    EXPECT_NEAR(r.K, 1000, 1e-9);
    EXPECT_NEAR(r.B, 10, 1e-9);
    EXPECT_EQ(r.Autor, "Interpolação");
}

TEST_F(Interpolacao, SemEstacaoNosOitoEstadosDaZeros)
{
    TSecoes s;
    s[0].registros = {estacao({.nome = "Acre"})};
    s[20].registros = {estacao({.nome = "Porto Alegre"})};
    TEstacao r = preenchido();
    com(s).interpola("20°00'00\"", "45°00'00\"", r);
    EXPECT_EQ(r, (TEstacao{"", 0, 0, 0, 0, "Interpolação", "20°00'00\"", "45°00'00\""}));

    TBDPrecipitacao nuncaLido(pasta.caminho());
    TEstacao vazio = preenchido();
    nuncaLido.interpola("20°00'00\"", "45°00'00\"", vazio);
    EXPECT_EQ(vazio.K, 0);
}

// The point is the texts as they come, the latitude first, each cut at nine characters:
// swapped texts, or a text with a tenth character, are not the point of the station
// that stands where they would read.
TEST_F(Interpolacao, TextosComoVemNaoCoincidemComAEstacao)
{
    const struct {
        const char* caso;
        TEstacaoTeste longe;
        const char* latitude;
        const char* longitude;
        const char* latitudeGuardada;
    } casos[] = {
        {"a ordem dos textos importa", {"Longe", 500, 0.2, 12, 0.8, "B (1)", "30°00'00\"", "30°00'00\""},
         "45°00'00\"", "20°00'00\"", "45°00'00\""},
        {"dez caracteres não coincidem e são cortados a nove",
         {"Longe", 500, 0.2, 12, 0.8, "B (1)", "10°00'00\"", "40°00'00\""}, "21°00'00\"xyz", "44°00'00\"",
         "21°00'00\""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        TSecoes s;
        s[12].registros = {estacao({"Aqui", 1500, 0.2, 12, 0.8, "A (1)", "20°00'00\"", "45°00'00\""}),
                           estacao(c.longe)};
        TEstacao r = preenchido();
        com(s).interpola(c.latitude, c.longitude, r);
        EXPECT_EQ(r.Autor, "Interpolação");
        EXPECT_EQ(r.Latitude, c.latitudeGuardada);
        EXPECT_EQ(r.Longitude, c.longitude);
    }
}

// Texts that differ only in a mark convert to the station's own point: that station is
// the answer, not a division by zero.
TEST_F(Interpolacao, MesmoPontoComOutrasMarcasEhAEstacao)
{
    TSecoes s;
    s[12].registros = {estacao({"Longe", 500, 0.1, 5, 0.5, "B (1)", "10°00'00\"", "40°00'00\""}),
                       estacao({"Aqui", 1500, 0.2, 12, 0.8, "A (1)", "20°00'00\"", "45°00'00\""})};
    const TEstacao aqui{"Aqui", 1500, 0.2, 12, 0.8, "A (1)", "20°00'00\"", "45°00'00\""};
    for (const char* latitude : {"20 00 00 ", "20°00'00\"x"}) {
        TEstacao r = preenchido();
        com(s).interpola(latitude, "45:00:00\"", r);
        EXPECT_EQ(r, aqui) << latitude;
    }
}

TEST_F(Interpolacao, PecaQueNaoConverteDeixaOResultadoComoEstava)
{
    TSecoes s;
    s[12].registros = {estacao({"Boa", 1500, 0.2, 12, 0.8, "A (1)", "20°00'00\"", "45°00'00\""})};
    com(s);
    struct Caso {
        const char* latitude;
        const char* mensagem;
    };
    for (const Caso& caso : {Caso{"21°3x'00\"", "'3x' is not a valid floating point value"},
                             Caso{"  °  '  \"", "'  ' is not a valid floating point value"},
                             Caso{"21°30'", "'' is not a valid floating point value"}}) {
        TEstacao r = preenchido();
        try {
            bd.interpola(caso.latitude, "45°00'00\"", r);
            ADD_FAILURE() << caso.latitude;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), caso.mensagem);
        }
        EXPECT_EQ(r, preenchido()) << caso.latitude;
    }
}

// A station whose coordinate text does not convert stays out, whichever text it is and
// wherever it stands in the visiting order; the others give the equation.
TEST_F(Interpolacao, EstacaoComCoordenadaDanificadaFicaDeFora)
{
    const TEstacaoTeste boa{"Boa", 1500, 0.2, 12, 0.8, "A (1)", "20°00'00\"", "45°00'00\""};
    struct Caso {
        const char* latitude;
        const char* longitude;
    };
    for (const Caso& caso : {Caso{"25°0x'00\"", "50°00'00\""}, Caso{"25°00'00\"", "  °  '  \""},
                             Caso{"", "50°00'00\""}, Caso{"25°00'00\"", ""}}) {
        const TEstacaoTeste ruim{"Ruim", 5000, 0.1, 40, 1.1, "B (1)", caso.latitude, caso.longitude};
        TSecoes s;
        s[4].registros = {estacao(ruim)};
        s[12].registros = {estacao(boa)};
        s[24].registros = {estacao(ruim)};
        SCOPED_TRACE(testing::Message() << caso.latitude << " " << caso.longitude);
        TEstacao r = preenchido();
        com(s).interpola("21°00'00\"", "46°00'00\"", r);
        confereInterpolacao(r, 1500, 0.2, 12, 0.8);
    }
}

// Only damaged stations: none is left, as with no station at all.
TEST_F(Interpolacao, SoEstacoesDanificadasDaZeros)
{
    TSecoes s;
    s[12].registros = {estacao({"Ruim", 1500, 0.2, 12, 0.8, "A (1)", "20°0x'00\"", "45°00'00\""})};
    TEstacao r = preenchido();
    com(s).interpola("21°00'00\"", "46°00'00\"", r);
    EXPECT_EQ(r, (TEstacao{"", 0, 0, 0, 0, "Interpolação", "21°00'00\"", "46°00'00\""}));
}
