#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(TextoCoordenada, Leitura)
{
    struct Caso {
        const char* texto;
        double graus;
    };
    for (const Caso& c : {Caso{"20°30'00\"", 20.5}, Caso{"00°00'00\"", 0.0}, Caso{"00°75'00\"", 1.25},
                          Caso{"10°00'36\"", 10.01}, Caso{"20 30 00 ", 20.5}, Caso{"20°30'0", 20.5},
                          Caso{"45°00'00\"e mais", 45.0}}) {
        EXPECT_DOUBLE_EQ(leCoordenada(c.texto), c.graus) << c.texto;
    }
    EXPECT_EQ(leCoordenada(CoordenadaZero), 0.0);
}

TEST(TextoCoordenada, PecaQueNaoEhNumero)
{
    struct Caso {
        std::string texto;
        const char* mensagem;
    };
    for (const Caso& c : {Caso{CoordenadaVazia, "'  ' is not a valid floating point value"},
                          Caso{"2O°30'00\"", "'2O' is not a valid floating point value"},
                          Caso{"20°30'", "'' is not a valid floating point value"},
                          Caso{"", "'' is not a valid floating point value"},
                          Caso{"20°3ç'00\"", "'3ç' is not a valid floating point value"}}) {
        try {
            leCoordenada(c.texto);
            ADD_FAILURE() << c.texto;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.mensagem);
        }
    }
}

TEST(TextoCoordenada, LeituraSegueOSeparadorDecimal)
{
    const TConfiguracaoRegional antes = configuracaoRegional();
    defineConfiguracaoRegional(TConfiguracaoRegional::brasileira());
    EXPECT_DOUBLE_EQ(leCoordenada("20°1,'00\""), 20 + 1.0 / 60);
    EXPECT_THROW(leCoordenada("20°1.'00\""), EConvertError);
    defineConfiguracaoRegional(antes);
}

// The plain writing truncates at each step; the rounded one goes to the nearest second.
TEST(TextoCoordenada, EscritaTruncadaEArredondada)
{
    struct Caso {
        double graus;
        const char* truncado;
        const char* arredondado;
    };
    for (const Caso& c : {Caso{20.5, "20°30'00\"", "20°30'00\""}, Caso{20.999999, "20°59'59\"", "21°00'00\""},
                          Caso{15.2, "15°11'59\"", "15°12'00\""}, Caso{0.0, "00°00'00\"", "00°00'00\""},
                          Caso{5.0, "05°00'00\"", "05°00'00\""}, Caso{45.25, "45°15'00\"", "45°15'00\""},
                          Caso{19.0 + 2.0 / 60 + 13.9 / 3600, "19°02'13\"", "19°02'14\""},
                          Caso{15.533333, "15°31'59\"", "15°32'00\""}, Caso{47.333333, "47°19'59\"", "47°20'00\""},
                          Caso{21.2333, "21°13'59\"", "21°14'00\""},
                          Caso{19.0 + 2.0 / 60 + 13.4 / 3600, "19°02'13\"", "19°02'13\""},
                          Caso{19.0 + 2.0 / 60 + 13.6 / 3600, "19°02'13\"", "19°02'14\""},
                          Caso{10.0 + 59.0 / 60 + 59.7 / 3600, "10°59'59\"", "11°00'00\""}}) {
        SCOPED_TRACE(testing::Message() << c.graus);
        EXPECT_EQ(formataCoordenada(c.graus), c.truncado);
        EXPECT_EQ(formataCoordenadaArredondada(c.graus), c.arredondado);
    }
}

TEST(TextoCoordenada, EscritaELeituraFicamDentroDeUmSegundo)
{
    for (double graus = 0.0; graus < 75.0; graus += 0.0137) {
        const double lido = leCoordenada(formataCoordenada(graus));
        EXPECT_LE(lido, graus);
        EXPECT_GT(lido, graus - 1.0 / 3600);
    }
}

TEST(TextoCoordenada, EscritaArredondadaFicaAMeioSegundo)
{
    for (double graus = 0.0; graus < 75.0; graus += 0.0137)
        EXPECT_NEAR(leCoordenada(formataCoordenadaArredondada(graus)), graus, 0.5 / 3600 + 1e-12) << graus;
}
