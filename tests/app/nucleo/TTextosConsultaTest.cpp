#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "app/nucleo/TTextosConsulta.h"
#include "plataforma/nucleo/Excecoes.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

TEquacaoConsultada estacaoLavras()
{
    return {.K = 10224.81,
            .A = 0.187,
            .B = 56.281,
            .C = 1.149,
            .Latitude = "21°13'59\"",
            .Longitude = "45°00'00\"",
            .StrEstado = "Minas Gerais",
            .StrCidade = "Lavras",
            .Autoria = "GOMES JR. (2026)"};
}

class TextosConsulta : public ::testing::Test {
protected:
    void SetUp() override { defineConfiguracaoRegional(TConfiguracaoRegional::brasileira()); }
    void TearDown() override { defineConfiguracaoRegional(TConfiguracaoRegional::doSistema()); }
};

// A station's own equation names the station; the locality does not apply.
TEST_F(TextosConsulta, EstacaoComOsParametrosNoFormatoGeral)
{
    const TTextosConsulta t = textosConsulta(estacaoLavras());
    EXPECT_EQ(t.LblEdtK, "10224,81");
    EXPECT_EQ(t.LblEdtA, "0,187");
    EXPECT_EQ(t.LblEdtB, "56,281");
    EXPECT_EQ(t.LblEdtC, "1,149");
    EXPECT_EQ(t.meLatitude, "21°13'59\"");
    EXPECT_EQ(t.MELongitude, "45°00'00\"");
    EXPECT_EQ(t.lugar.estadoConsulta, "Minas Gerais");
    EXPECT_EQ(t.lugar.estacaoConsulta, "Lavras");
    EXPECT_EQ(t.lugar.localidadeConsulta, "-");
}

// Only the exact key of an interpolation names a locality; an empty key (the source
// button read "Autor") or any other is a station's.
TEST_F(TextosConsulta, LugarPelaFonteDaEquacao)
{
    const struct {
        const char* autoria;
        const char* cidade;
        const char* estacao;
        const char* localidade;
    } casos[] = {
        {"Interpolação", "Lavras", "-", "Lavras"},
        {"Interpolação", "Não definida", "-", "Não definida"},
        {"ANEEL (2001)", "Alfa", "Alfa", "-"},
        {"", "Alfa", "Alfa", "-"},
        {"Interpolação ", "Beta", "Beta", "-"},
        {"interpolação", "Beta", "Beta", "-"},
    };
    for (const auto& c : casos) {
        TEquacaoConsultada e = estacaoLavras();
        e.Autoria = c.autoria;
        e.StrCidade = c.cidade;
        const TTextosConsulta t = textosConsulta(e);
        EXPECT_EQ(t.lugar.estacaoConsulta, c.estacao) << c.autoria;
        EXPECT_EQ(t.lugar.localidadeConsulta, c.localidade) << c.autoria;
        EXPECT_EQ(t.lugar.estadoConsulta, "Minas Gerais") << c.autoria;
    }
}

TEST_F(TextosConsulta, SeparadorDecimalDoMomento)
{
    TConfiguracaoRegional pontos;
    pontos.DecimalSeparator = '.';
    defineConfiguracaoRegional(pontos);
    const TTextosConsulta t = textosConsulta(estacaoLavras());
    EXPECT_EQ(t.LblEdtK, "10224.81");
    EXPECT_EQ(t.LblEdtC, "1.149");
}

TEST_F(TextosConsulta, ParametroQueNaoENumeroRecusado)
{
    for (double invalido : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        TEquacaoConsultada e = estacaoLavras();
        e.C = invalido;
        EXPECT_THROW(textosConsulta(e), EInvalidOp);
    }
}

// The installer and the folder as the user finds them: no "..", no trailing separator.
TEST(MensagemInstalador, NomeiaOInstaladorEAPastaDosDados)
{
    EXPECT_EQ(mensagemInstaladorNaoIniciado("/opt/Morlin/bin/setupArquivosComuns.exe",
                                            "/opt/Morlin/bin/../Arquivos Comuns/Nimbra/"),
              "Não foi possível iniciar o instalador /opt/Morlin/bin/setupArquivosComuns.exe. Os arquivos do "
              "banco de dados de chuvas intensas (Estados_Nim21.bin, Localidades_Nim21.bin e os mapas dos "
              "estados) devem ficar na pasta /opt/Morlin/Arquivos Comuns/Nimbra.");
}

} // namespace
