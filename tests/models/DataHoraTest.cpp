#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "models/DataHora.h"
#include "plataforma/nucleo/Excecoes.h"
#include "tests/models/ConfiguracaoTemporaria.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace {

int anoAtual()
{
    const std::time_t agora = std::time(nullptr);
    std::tm local {};
    localtime_r(&agora, &local);
    return local.tm_year + 1900;
}

double dia(int ano, int mes, int dia)
{
    TDataHora d;
    d.Ano = ano;
    d.Mes = mes;
    d.Dia = dia;
    return codificaDataHora(d);
}

TEST(DataHora, DiasDesde30DeDezembroDe1899)
{
    const struct {
        TDataHora data;
        double valor;
    } casos[] = {
        {{1899, 12, 30, 0, 0, 0, 0}, 0.0},
        {{2004, 3, 15, 18, 0, 0, 0}, 38061.75},
        {{2000, 2, 29, 12, 0, 0, 0}, 36585.5},
        {{1899, 12, 29, 6, 0, 0, 0}, -1.25},
        {{1, 1, 1, 0, 0, 0, 0}, -693593.0},
        {{9999, 12, 31, 12, 0, 0, 0}, 2958465.5},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(codificaDataHora(caso.data), caso.valor) << caso.valor;
        const TDataHora d = decodificaDataHora(caso.valor);
        EXPECT_EQ(codificaDataHora(d), caso.valor);
        EXPECT_EQ(d.Ano, caso.data.Ano);
        EXPECT_EQ(d.Hora, caso.data.Hora);
    }
    // The time rounds to the millisecond, into the next day when it must.
    const TDataHora quaseMeiaNoite = decodificaDataHora(38061.0 + 0.9999999999);
    EXPECT_EQ(codificaDataHora(quaseMeiaNoite), 38062.0);
    EXPECT_EQ(decodificaDataHora(38061.0 + 1.0 / 86400000.0).Milissegundo, 1);
}

TEST(DataHora, ForaDoCalendarioERecusada)
{
    for (const TDataHora& d : {TDataHora {2001, 2, 29}, TDataHora {2004, 13, 1}, TDataHora {2004, 4, 31},
                               TDataHora {0, 1, 1}, TDataHora {10000, 1, 1}, TDataHora {2004, 1, 1, 24},
                               TDataHora {2004, 1, 1, 0, 0, 0, 1000}})
        EXPECT_THROW(codificaDataHora(d), EConvertError) << d.Ano << "-" << d.Mes << "-" << d.Dia;
    for (double valor : {2958466.0, -693594.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(decodificaDataHora(valor), EConvertError) << valor;
}

TEST(DataHora, AgoraEDoAnoAtual)
{
    EXPECT_EQ(decodificaDataHora(agora()).Ano, anoAtual());
}

TEST(DataHora, DataNoFormatoCurtoDaConfiguracao)
{
    TConfiguracaoTemporaria brasileira(TConfiguracaoRegional::brasileira());
    EXPECT_EQ(strToDate("15/03/2004"), 38061.0);
    EXPECT_EQ(strToDate(" 15 / 3 / 2004 "), 38061.0);
    EXPECT_EQ(strToDate("15/03"), dia(anoAtual(), 3, 15));
    // One or two digits of the year fall within fifty years of now.
    const int ano = anoAtual();
    const int perto = (ano + 10) % 100;
    const int longe = (ano + 60) % 100;
    EXPECT_EQ(strToDate("1/1/" + std::to_string(perto)), dia(ano + 10, 1, 1));
    EXPECT_EQ(strToDate("1/1/" + std::to_string(longe)), dia(ano - 40, 1, 1));
    EXPECT_EQ(strToDate("1/1/0004"), dia(4, 1, 1));

    TConfiguracaoRegional americana;
    americana.ShortDateFormat = "MM/DD/YYYY";
    TConfiguracaoTemporaria mesPrimeiro(americana);
    EXPECT_EQ(strToDate("03/15/2004"), 38061.0);
    TConfiguracaoRegional iso;
    iso.ShortDateFormat = "YYYY-MM-DD";
    iso.DateSeparator = '-';
    TConfiguracaoTemporaria anoPrimeiro(iso);
    EXPECT_EQ(strToDate("2004-03-15"), 38061.0);
}

TEST(DataHora, TextoQueNaoEDataERecusado)
{
    TConfiguracaoTemporaria brasileira(TConfiguracaoRegional::brasileira());
    for (const char* texto : {"", "   ", "15", "31/02/2004", "15.03.2004", "15/03/2004 10:00", "1/2/3/4",
                              "15/03/20045", "15//2004", "a/b/c", "-1/03/2004"}) {
        try {
            strToDate(texto);
            ADD_FAILURE() << "aceitou '" << texto << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(texto) + "' is not a valid date");
        }
    }
}

} // namespace
