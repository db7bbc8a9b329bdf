#include "app/nucleo/TDadosTerraco.h"
#include "app/nucleo/TEscolhaImagemGuia.h"

#include <gtest/gtest.h>

#include <string>

TEST(TEscolhaImagemGuia, AberturaDeCadaSecao)
{
    const struct {
        int aba;
        int levantamento;
        const char* imagem;
    } casos[] = {
        {1, levantamentoIrradiacao, "Precipitacao.bmp"},
        {2, levantamentoIrradiacao, ""},
        {3, levantamentoIrradiacao, "Area_Figura_inicial.bmp"},
        {3, levantamentoTrena, "Area_Espacamento_Medio.bmp"},
        {3, -1, "Area_Figura_inicial.bmp"},
        {4, levantamentoTrena, "Cotas_das_extremidades_do_terraco.bmp"},
        {5, levantamentoTrena, "SoloTIE.bmp"},
        {5, levantamentoIrradiacao, "SoloTIE.bmp"},
        {0, levantamentoIrradiacao, ""},
        {6, levantamentoIrradiacao, ""},
    };
    for (const auto& [aba, levantamento, imagem] : casos)
        EXPECT_EQ(TEscolhaImagemGuia::abertura(aba, levantamento), imagem) << aba << " " << levantamento;
}

TEST(TEscolhaImagemGuia, TipoDaSecaoEOpcoesDoTrapezio)
{
    EXPECT_EQ(TEscolhaImagemGuia::tipoSecao(secaoTriangular), "Triang.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::tipoSecao(secaoTrapezoidal), "Trapez.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::tipoSecao(-1), "");
    EXPECT_EQ(TEscolhaImagemGuia::trapezio(true, false), "Trapez_Degrau.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::trapezio(false, true), "Trapez.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::trapezio(false, false), "");
}

TEST(TEscolhaImagemGuia, FamiliaDasColunasDoCanal)
{
    const struct {
        const char* tipo;
        bool degrau;
        bool comum;
        const char* familia;
    } casos[] = {
        {"triangular", false, false, "Triang"},  {"triangular", true, false, "Triang"},
        {"trapezoidal", true, false, "Trapez_Degrau"}, {"trapezoidal", false, true, "Trapez"},
        {"trapezoidal", false, false, ""},       {"", false, true, ""},
    };
    for (const auto& [tipo, degrau, comum, familia] : casos)
        EXPECT_EQ(TEscolhaImagemGuia::familiaCanal(tipo, degrau, comum), familia) << tipo << degrau << comum;
}

TEST(TEscolhaImagemGuia, ColunasDoCanal)
{
    const char* pontos[] = {"C", "C-F1", "F1", "C-F2", "F2", "C-FT", "FT"};
    for (int c = 1; c <= 7; ++c) {
        EXPECT_EQ(TEscolhaImagemGuia::colunaCanal("Trapez", c), std::string("Trapez_") + pontos[c - 1] + ".bmp") << c;
        EXPECT_EQ(TEscolhaImagemGuia::colunaCanal("Trapez_Degrau", c),
                  std::string("Trapez_Degrau_") + pontos[c - 1] + ".bmp")
            << c;
        // A triangle has no F2.
        EXPECT_EQ(TEscolhaImagemGuia::colunaCanal("Triang", c),
                  c == 4 || c == 5 ? std::string() : std::string("Triang_") + pontos[c - 1] + ".bmp")
            << c;
    }
    for (int c : {0, 8})
        EXPECT_EQ(TEscolhaImagemGuia::colunaCanal("Trapez", c), "") << c;
    EXPECT_EQ(TEscolhaImagemGuia::colunaCanal("", 1), "");
}

TEST(TEscolhaImagemGuia, LevantamentoEEstrada)
{
    EXPECT_EQ(TEscolhaImagemGuia::levantamento(levantamentoIrradiacao), "Area_Figura_inicial.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::levantamento(levantamentoTrena), "Area_Espacamento_Medio.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::levantamento(-1), "");
    EXPECT_EQ(TEscolhaImagemGuia::estrada(true, levantamentoIrradiacao), "Area_e_estrada.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::estrada(true, levantamentoTrena), "Area_e_estrada.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::estrada(false, levantamentoIrradiacao), "Area_Figura_inicial.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::estrada(false, levantamentoTrena), "Area_Espacamento_Medio.bmp");
}

TEST(TEscolhaImagemGuia, ColunasDaMiraEGradesDaCrista)
{
    const char* mira[] = {"", "Area_Irradiacao_FS.bmp", "Area_Irradiacao_FM.bmp", "Area_Irradiacao_FI.bmp",
                          "Area_Irradiacao_Angulo.bmp", ""};
    for (int c = 0; c <= 5; ++c)
        EXPECT_EQ(TEscolhaImagemGuia::colunaMira(c), mira[c]) << c;
    EXPECT_EQ(TEscolhaImagemGuia::gradeCrista(1), "Cotas_das_extremidades_do_terraco.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::gradeCrista(2), "Cotas_da_crista.bmp");
    EXPECT_EQ(TEscolhaImagemGuia::gradeCrista(0), "");
}
