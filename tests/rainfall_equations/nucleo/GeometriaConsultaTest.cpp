#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/nucleo/CoordenadasConsulta.h"
#include "rainfall_equations/nucleo/TPosicaoEixos.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"
#include "tests/rainfall_equations/nucleo/ComumConsulta.h"

#include <gtest/gtest.h>

#include <string>

TEST(PosicaoEixos, LimitesDosRotulos)
{
    struct Caso {
        int x, y;
        TPosicao lon, lat;
    };
    for (const Caso& c : {
             Caso{200, 101, {205, 15}, {10, 81}},
             Caso{201, 101, {139, 15}, {10, 81}},
             Caso{200, 100, {205, 420}, {10, 80}},
             Caso{100, 31, {105, 420}, {385, 11}},
             Caso{101, 30, {106, 420}, {10, 40}},
             Caso{0, 0, {5, 420}, {385, 10}},
             Caso{449, 449, {387, 15}, {10, 429}},
         }) {
        const TPosicaoEixos p = posicaoEixos(c.x, c.y);
        EXPECT_EQ(p.EixoYEsquerda, c.x);
        EXPECT_EQ(p.EixoXTopo, c.y);
        EXPECT_EQ(p.LabelLon, c.lon) << c.x << "," << c.y;
        EXPECT_EQ(p.LabelLat, c.lat) << c.x << "," << c.y;
    }
}

TEST(CoordenadasConsulta, SoOAzulPuroEhDoEstado)
{
    EXPECT_TRUE(pertenceAoEstado(TCor{0, 0, 255}));
    EXPECT_FALSE(pertenceAoEstado(TCor{0, 0, 254}));
    EXPECT_FALSE(pertenceAoEstado(TCor{1, 0, 255}));
    EXPECT_FALSE(pertenceAoEstado(TCor{0, 1, 255}));
    EXPECT_FALSE(pertenceAoEstado(TCor{255, 255, 255}));
    EXPECT_FALSE(pertenceAoEstado(std::nullopt));
}

TEST(CoordenadasConsulta, OsLimitesValemSoComAFiguraNaTela)
{
    EXPECT_DOUBLE_EQ(latitudeAceita("15°00'00\"", limitesRedondos, true), 15.0);
    EXPECT_DOUBLE_EQ(latitudeAceita("20°30'00\"", limitesRedondos, true), 20.5);
    EXPECT_DOUBLE_EQ(longitudeAceita("40°00'00\"", limitesRedondos, true), 40.0);
    EXPECT_DOUBLE_EQ(longitudeAceita("50°30'00\"", limitesRedondos, true), 50.5);
    EXPECT_EQ(mensagemDe([] { latitudeAceita("14°59'59\"", limitesRedondos, true); }),
              "Latitude 14°59'59\" não definida.");
    EXPECT_EQ(mensagemDe([] { latitudeAceita("20°30'01\"", limitesRedondos, true); }),
              "Latitude 20°30'01\" não definida.");
    EXPECT_EQ(mensagemDe([] { longitudeAceita("39°59'59\"", limitesRedondos, true); }),
              "Longitude 39°59'59\" não definida.");
    EXPECT_EQ(mensagemDe([] { longitudeAceita("50°30'01\"", limitesRedondos, true); }),
              "Longitude 50°30'01\" não definida.");
    // The minutes are not checked: 75 minutes are 1.25 degrees.
    EXPECT_DOUBLE_EQ(latitudeAceita("19°75'00\"", limitesRedondos, true), 20.25);

    // With the map of Brazil on show any text that converts is taken.
    EXPECT_DOUBLE_EQ(latitudeAceita("01°00'00\"", limitesRedondos, false), 1.0);
    EXPECT_DOUBLE_EQ(longitudeAceita("99°99'99\"", limitesRedondos, false), 99 + (99 / 60.0 + 99) / 60);
    EXPECT_DOUBLE_EQ(latitudeAceita("01°00'00\"", TLimitesMapa{}, false), 1.0);
}

TEST(CoordenadasConsulta, TextoQueNaoConverteEhRecusadoComOuSemLimites)
{
    for (const bool comLimites : {true, false}) {
        EXPECT_THROW(latitudeAceita(CoordenadaVazia, limitesRedondos, comLimites), EConvertError);
        EXPECT_THROW(longitudeAceita("4x°00'00\"", limitesRedondos, comLimites), EConvertError);
    }
}

TEST(CoordenadasConsulta, LeituraDoPixelTruncaOsSegundos)
{
    const TLimitesMapa mg = *limitesMapaDoEstado(12);
    const std::optional<TTextosPonto> leitura = textosDoPixel(true, 226, 227, mg);
    ASSERT_TRUE(leitura);
    EXPECT_EQ(leitura->Latitude, formataCoordenada(*mg.latitudeDaLinha(227)));
    EXPECT_EQ(leitura->Longitude, formataCoordenada(*mg.longitudeDaColuna(226)));
    // Row 64 is the northern bound, column 16 the western one.
    EXPECT_EQ(textosDoPixel(true, 16, 64, mg)->Latitude, formataCoordenada(mg.LatNorte));
    EXPECT_EQ(textosDoPixel(true, 16, 64, mg)->Longitude, formataCoordenada(mg.LonOeste));
    EXPECT_EQ(formataCoordenada(mg.LatNorte), "14°13'57\"");

    EXPECT_EQ(textosDoPixel(false, 226, 227, mg), (TTextosPonto{CoordenadaZero, CoordenadaZero}));
}

TEST(CoordenadasConsulta, SemLimitesALeituraNaoMudaNada)
{
    EXPECT_FALSE(textosDoPixel(true, 226, 227, TLimitesMapa{}));
    EXPECT_EQ(textosDoPixel(false, 226, 227, TLimitesMapa{}), (TTextosPonto{CoordenadaZero, CoordenadaZero}));
}
