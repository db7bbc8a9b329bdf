// A pick is worked out whole or gives only its message: no part of a failed pick may reach
// the window, where it would stand beside the equation of the pick before.
#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/nucleo/TEscolhaConsulta.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// Bounds on whole minutes: 20°00' to 22°00' south, 44°00' to 46°00' west, over pixels 0 to
// 400 both ways, so that 21°00' 45°00' is pixel (200, 200).
const TLimitesMapa limites{44.0, 46.0, 20.0, 22.0, 0, 0, 400, 400};

// The state is the left half of the picture.
bool metadeOeste(int X, int)
{
    return X < 200;
}

TEstacao estacao(const std::string& nome, const std::string& latitude, const std::string& longitude)
{
    TEstacao e;
    e.Nome = nome;
    e.K = 1000;
    e.A = 0.15;
    e.B = 10;
    e.C = 0.8;
    e.Autor = "FONTE (2000)   ";
    e.Latitude = latitude;
    e.Longitude = longitude;
    return e;
}

// Marks each equation with the point it was interpolated at.
TEstacao marcada(const std::string& latitude, const std::string& longitude)
{
    TEstacao e = estacao("", latitude, longitude);
    e.K = leCoordenada(latitude) * 100 + leCoordenada(longitude);
    e.Autor = "Interpolação";
    return e;
}

TEscolhaConsulta consulta(bool comMapa = true, TInterpolacao interpola = marcada)
{
    return TEscolhaConsulta(std::move(interpola), limites, comMapa, metadeOeste);
}

std::string falha(const TResultadoEscolha& r)
{
    const auto* f = std::get_if<TFalhaEscolha>(&r);
    return f != nullptr ? f->Mensagem : "(escolha inteira)";
}

TEscolha inteira(const TResultadoEscolha& r)
{
    const auto* e = std::get_if<TEscolha>(&r);
    EXPECT_NE(e, nullptr) << falha(r);
    return e != nullptr ? *e : TEscolha{};
}

} // namespace

TEST(TEscolhaConsulta, EstacaoNoEstadoComSuaEquacaoFonteECruz)
{
    const TEstacao e = estacao("Alfa  ", "21°00'00\"", "45°30'00\"");
    const TEscolha escolha = inteira(consulta().estacao(e));
    EXPECT_EQ(escolha.Cidade, "Alfa  ");
    EXPECT_EQ(escolha.Ponto, (TPontoConsulta{"21°00'00\"", "45°30'00\"", 21.0, 45.5}));
    EXPECT_EQ(escolha.Equacao, e);
    EXPECT_EQ(escolha.Fonte, "FONTE (2000)");
    EXPECT_EQ(escolha.PontoX, 100.0);
    EXPECT_EQ(escolha.PontoY, 200.0);
    EXPECT_EQ(escolha.Cruz, (TPixel{100, 200}));
    EXPECT_FALSE(escolha.NoMapaDoBrasil);

    // Off the state: its own equation and source all the same, with no crosshair.
    const TEscolha fora = inteira(consulta().estacao(estacao("Beta", "21°00'00\"", "44°30'00\"")));
    EXPECT_EQ(fora.Fonte, "FONTE (2000)");
    EXPECT_TRUE(fora.Equacao);
    EXPECT_FALSE(fora.Cruz);
}

// Without the state picture nothing bounds the point and the place block shows it.
TEST(TEscolhaConsulta, EstacaoNoMapaDoBrasilSemLimites)
{
    const TEscolha escolha = inteira(consulta(false).estacao(estacao("Goiânia", "16°40'43\"", "49°15'14\"")));
    EXPECT_TRUE(escolha.NoMapaDoBrasil);
    EXPECT_EQ(escolha.Ponto.TxtLatitude, "16°40'43\"");
    EXPECT_FALSE(escolha.Cruz);
    EXPECT_FALSE(escolha.PontoX);
}

TEST(TEscolhaConsulta, RegistroComCoordenadaDanificadaOuForaDosLimitesFalhaInteiro)
{
    const struct {
        TResultadoEscolha resultado;
        std::string mensagem;
    } casos[] = {
        {consulta().estacao(estacao("Alfa", "21°00'00\"", "46°00'01\"")), "Longitude 46°00'01\" não definida."},
        {consulta().estacao(estacao("Alfa", "19°59'59\"", "45°00'00\"")), "Latitude 19°59'59\" não definida."},
        {consulta().estacao(estacao("Gama  ", "", "45°00'00\"")),
         "A estação Gama tem coordenadas danificadas no banco de dados. Latitude  não é uma coordenada válida."},
        {consulta(false).estacao(estacao("Gama", "21°00'00\"", "4x°00'00\"")),
         "A estação Gama tem coordenadas danificadas no banco de dados. Longitude 4x°00'00\" não é uma coordenada "
         "válida."},
        {consulta().localidade({"Lugar", "2O°30'00\"", "45°00'00\""}),
         "A localidade Lugar tem coordenadas danificadas no banco de dados. Latitude 2O°30'00\" não é uma coordenada "
         "válida."},
        {consulta().localidade({"Lugar", "21°00'00\"", "47°00'00\""}), "Longitude 47°00'00\" não definida."},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(falha(caso.resultado), caso.mensagem);
}

TEST(TEscolhaConsulta, LocalidadeInterpoladaNoSeuPonto)
{
    const TEscolha escolha = inteira(consulta().localidade({"Lugar", "21°30'00\"", "45°00'00\""}));
    EXPECT_EQ(escolha.Cidade, "Lugar");
    EXPECT_EQ(escolha.Equacao, marcada("21°30'00\"", "45°00'00\""));
    EXPECT_EQ(escolha.Fonte, "Interpolação");
    EXPECT_FALSE(escolha.Cruz); // column 200 is east of the state
}

// An interpolation that fails fails the pick, with a message of our own words: a station's
// text that does not convert would otherwise reach the user in those of the conversion.
TEST(TEscolhaConsulta, InterpolacaoQueFalhaFalhaAEscolha)
{
    const TInterpolacao falhas[] = {
        [](const std::string&, const std::string&) -> TEstacao { throw EConvertError("'0x' is not a valid floating point value"); },
        [](const std::string&, const std::string&) -> TEstacao { throw EZeroDivide("Divisão de ponto flutuante por zero."); },
    };
    const std::string inicio = "Não foi possível interpolar a equação em 21°00'00\" 45°30'00\": ";
    const std::string mensagens[] = {inicio + "uma estação do banco de dados tem coordenadas danificadas.",
                                     inicio + "Divisão de ponto flutuante por zero."};
    for (int i = 0; i < 2; ++i) {
        const TEscolhaConsulta c = consulta(true, falhas[i]);
        EXPECT_EQ(falha(c.localidade({"Lugar", "21°00'00\"", "45°30'00\""})), mensagens[i]);
        EXPECT_EQ(falha(c.pontoDigitado("21°00'00\"", "45°30'00\"")), mensagens[i]);
        EXPECT_EQ(falha(c.clique({100, 200}, {})), mensagens[i]);
    }
}

TEST(TEscolhaConsulta, PontoDigitadoInteiroEDentroDosLimites)
{
    const struct {
        std::string latitude;
        std::string longitude;
        std::string mensagem;
    } recusados[] = {
        {CoordenadaVazia, "45°00'00\"", "Latitude incompleta: digite os dois algarismos dos graus, dos minutos e dos segundos."},
        {"21°0 '00\"", "45°00'00\"", "Latitude incompleta: digite os dois algarismos dos graus, dos minutos e dos segundos."},
        {"21°00'00\"", "45°00' 0\"", "Longitude incompleta: digite os dois algarismos dos graus, dos minutos e dos segundos."},
        {"21°00'00\"", "", "Longitude incompleta: digite os dois algarismos dos graus, dos minutos e dos segundos."},
        {"21°00'00\"", "43°00'00\"", "Longitude 43°00'00\" não definida."},
    };
    for (const auto& r : recusados)
        EXPECT_EQ(falha(consulta().pontoDigitado(r.latitude, r.longitude)), r.mensagem) << r.latitude << r.longitude;

    // On the state: interpolated exactly as typed, the crosshair on the rounded pixel.
    const TEscolha no = inteira(consulta().pontoDigitado("21°00'00\"", "45°30'01\""));
    EXPECT_EQ(no.Cidade, "Não definida");
    EXPECT_EQ(no.Equacao, marcada("21°00'00\"", "45°30'01\""));
    EXPECT_EQ(no.Fonte, "Interpolação");
    EXPECT_EQ(no.Cruz, (TPixel{100, 200}));

    // Off it: the point is taken, with no equation and so no source.
    const TEscolha fora = inteira(consulta().pontoDigitado("21°00'00\"", "44°30'00\""));
    EXPECT_EQ(fora.Ponto.TxtLongitude, "44°30'00\"");
    EXPECT_FALSE(fora.Equacao);
    EXPECT_EQ(fora.Fonte, "Autor");
    EXPECT_FALSE(fora.Cruz);
}

TEST(TEscolhaConsulta, CliqueNoPixelOuAlemDosLimites)
{
    const TEscolha no = inteira(consulta().clique({100, 133}, {}));
    EXPECT_EQ(no.Cidade, "Não definida");
    EXPECT_EQ(no.Ponto.TxtLatitude, formataCoordenada(*limites.latitudeDaLinha(133)));
    EXPECT_EQ(no.Ponto.LatitudeDec, *limites.latitudeDaLinha(133));
    EXPECT_EQ(no.Equacao, marcada(no.Ponto.TxtLatitude, no.Ponto.TxtLongitude));
    EXPECT_EQ(no.Cruz, (TPixel{100, 133}));
    EXPECT_FALSE(no.PontoX);

    const TPontoConsulta atual{"21°00'00\"", "45°00'00\"", 21.0, 45.0};
    const TEscolha alem = inteira(consulta().clique({100, 401}, atual));
    EXPECT_EQ(alem.Ponto, atual);
    EXPECT_FALSE(alem.Equacao);
    EXPECT_EQ(alem.Fonte, "Autor");
    EXPECT_FALSE(alem.Cruz);
}
