#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "app/nucleo/RegrasEntrada.h"

#include <gtest/gtest.h>

namespace {

TConfiguracaoRegional comSeparador(char separador)
{
    TConfiguracaoRegional c = TConfiguracaoRegional::brasileira();
    c.DecimalSeparator = separador;
    return c;
}

} // namespace

TEST(RegrasEntrada, TeclasDasEdicoesNumericas)
{
    const struct {
        const char* texto;
        char32_t tecla;
        char separador;
        char32_t resultado;
    } casos[] = {
        {"", U'7', ',', U'7'},          {"12", U'.', ',', U','},       {"12", U',', '.', U'.'},
        {"12,", U'.', ',', teclaEngolida}, {"12,", U',', ',', teclaEngolida}, {"1,2345", U'6', ',', U'6'},
        {"1,23456", U'7', ',', teclaEngolida}, {"1,23456", U'\b', ',', U'\b'}, {"1,2345", U'\b', ',', U'\b'},
        {"", U'-', ',', teclaEngolida}, {"3", U'a', ',', teclaEngolida}, {"3", U' ', ',', teclaEngolida},
        {"3", U'é', ',', teclaEngolida},
        // Only the separator in force counts: a point typed under another one is no separator.
        {"1.2", U'.', ',', U','},       {"1.23456", U'9', ',', U'9'},  {"1.2", U'.', '.', teclaEngolida},
        // Characters, not bytes, count as decimals.
        {"1,éé", U'3', ',', U'3'},      {"1,ééé", U'3', ',', U'3'},    {"1,éééé1", U'3', ',', teclaEngolida},
    };
    for (const auto& [texto, tecla, separador, resultado] : casos)
        EXPECT_EQ(teclaDecimal(texto, tecla, separador), resultado)
            << texto << " + " << static_cast<unsigned>(tecla) << " com '" << separador << "'";
}

TEST(RegrasEntrada, TeclasDasGrades)
{
    const struct {
        char32_t tecla;
        char separador;
        char32_t resultado;
    } casos[] = {
        {U'0', ',', U'0'}, {U'9', '.', U'9'}, {U'.', ',', U','}, {U',', '.', U'.'}, {U',', ',', U','},
        {U'\b', ',', U'\b'}, {U'-', ',', teclaEngolida}, {U'x', ',', teclaEngolida}, {U'+', '.', teclaEngolida},
    };
    for (const auto& [tecla, separador, resultado] : casos)
        EXPECT_EQ(teclaGrade(tecla, separador), resultado) << static_cast<unsigned>(tecla);
}

TEST(RegrasEntrada, CotaDaCristaAntesEDepoisDaAvaliacao)
{
    defineConfiguracaoRegional(comSeparador(','));
    const std::vector<double> cotas{10.0, 9.875, 9.5, 9.125};
    EXPECT_EQ(textoCotaCrista(TGradeCrista::inicio, 0, {}, 0), "        -");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 3, {}, 0), "        -");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::inicio, 0, cotas, 4), "10,00 ");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::fim, 0, cotas, 4), "9,13 ");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 0, cotas, 4), "9,88 ");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 1, cotas, 4), "9,50 ");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 2, cotas, 4), "");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 9, cotas, 4), "");
    // A count larger than the list shows blanks instead of reading past it.
    EXPECT_EQ(textoCotaCrista(TGradeCrista::fim, 0, cotas, 6), "");
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 3, cotas, 6), "");

    defineConfiguracaoRegional(comSeparador('.'));
    EXPECT_EQ(textoCotaCrista(TGradeCrista::meio, 1, cotas, 4), "9.50 ");
    defineConfiguracaoRegional(TConfiguracaoRegional::doSistema());
}

TEST(RegrasEntrada, TeclasDosTextosLivres)
{
    for (char32_t c : {U'a', U'Ç', U'º', U'°', U'€', U' ', U'-', U'\''})
        EXPECT_EQ(teclaTexto(c), c) << static_cast<unsigned>(c);
    EXPECT_EQ(teclaTexto(teclaRetrocesso), teclaRetrocesso);
    // What the code page cannot hold would reach the file as "?"; what no edit shows,
    // as a line break in the middle of a line.
    for (char32_t c : {U'Ł', U'→', U'日', U'😀', U'\n', U'\t', U'\r', U'\u007F', U'\u0081'})
        EXPECT_EQ(teclaTexto(c), teclaEngolida) << static_cast<unsigned>(c);
}

// A change goes through the typing rules as if its characters were typed in its place.
TEST(RegrasEntrada, ColarSegueAsRegrasDeDigitar)
{
    const struct {
        const char* antes;
        const char* depois;
        const char* resultado;  // nullptr: refused
    } decimais[] = {
        {"", "120", "120"},
        {"", "-120", nullptr},          // no minus sign
        {"", "12.5", "12,5"},           // a point becomes the separator, as typed
        {"", "1,234567", nullptr},      // a sixth decimal
        {"", "1,23456", "1,23456"},
        {"1,5", "1,5,2", nullptr},      // a second separator
        {"1,5", "1,52", "1,52"},
        {"15", "1,55", "1,55"},         // the separator pasted inside the number
        {"1,2345", "91,2345", "91,2345"},
        {"1,23456", "71,23456", nullptr}, // five decimals stand: no digit anywhere
        {"1,23456", "1,2345", "1,2345"},  // taking away always passes
        {"1,23456", "", ""},
        {"12", "1a2", nullptr},
        {"12", "1 2", nullptr},
        {"1,5", "7", "7"},                // pasted over the whole text: judged on the text before it
        {"1,23456", "9", nullptr},        // ...which already had five decimals
        {"", "12\n", nullptr},
    };
    for (const auto& [antes, depois, resultado] : decimais) {
        const auto obtido = alteracaoDecimal(antes, depois, ',');
        EXPECT_EQ(obtido.has_value(), resultado != nullptr) << antes << " -> " << depois;
        if (obtido && resultado) {
            EXPECT_EQ(*obtido, resultado) << antes << " -> " << depois;
        }
    }

    EXPECT_EQ(alteracaoGrade("1,2", "1,2,3", ','), "1,2,3");  // the grids take any number of separators
    EXPECT_EQ(alteracaoGrade("", "0.75", ','), "0,75");
    EXPECT_EQ(alteracaoGrade("", "0,75", '.'), "0.75");
    EXPECT_EQ(alteracaoGrade("", "-0,75", ','), std::nullopt);
    EXPECT_EQ(alteracaoGrade("", "1e3", ','), std::nullopt);

    EXPECT_EQ(alteracaoTexto("Fazenda ", "Fazenda São João"), "Fazenda São João");
    EXPECT_EQ(alteracaoTexto("", "Łódź"), std::nullopt);
    EXPECT_EQ(alteracaoTexto("21°14'", "21°14'43\""), "21°14'43\"");
    EXPECT_EQ(alteracaoTexto("Sítio", "Sítio → Norte"), std::nullopt);
    EXPECT_EQ(alteracaoTexto("", "linha\n"), std::nullopt);
    EXPECT_EQ(alteracaoTexto("Sítio → Norte", "Sítio  Norte"), "Sítio  Norte");
}

TEST(RegrasEntrada, AlteracaoLidaComoUmTrechoTrocado)
{
    // Each character the rule sees is judged on the text as it stands before it.
    std::vector<std::string> vistos;
    const TRegraTecla regra = [&vistos](const std::string& texto, char32_t c) {
        vistos.push_back(texto);
        return c;
    };
    EXPECT_EQ(textoAposAlteracao("ab", "aXYb", regra), "aXYb");
    EXPECT_EQ(vistos, (std::vector<std::string>{"ab", "aXb"}));
    vistos.clear();
    EXPECT_EQ(textoAposAlteracao("abc", "aZc", regra), "aZc");  // a selection typed over
    EXPECT_EQ(vistos, (std::vector<std::string>{"abc"}));
    vistos.clear();
    EXPECT_EQ(textoAposAlteracao("éé", "éçé", regra), "éçé");  // characters, not bytes
    EXPECT_EQ(vistos, (std::vector<std::string>{"éé"}));
    // A rule that delivers a backspace refuses: no edit stores the control character.
    EXPECT_EQ(textoAposAlteracao("", "\b", [](const std::string&, char32_t c) { return c; }), std::nullopt);
}
