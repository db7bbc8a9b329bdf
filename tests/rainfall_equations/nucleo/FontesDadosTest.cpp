#include "rainfall_equations/nucleo/FontesDados.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "rainfall_equations/nucleo/TEstacao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <string_view>

namespace {

bool contem(std::string_view texto, std::string_view parte)
{
    return texto.find(parte) != std::string_view::npos;
}

// The keys in the order they are compared, with the year each must end with.
struct TLinhaEsperada {
    std::string_view chave;
    std::string_view ano;
    bool verificada;
};

constexpr std::array<TLinhaEsperada, 11> LinhasEsperadas{{
    {"SILVA et al. (1999)", "(1999)", false},
    {"SILVA et al. (2002)", "(2002)", true},
    {"SILVA et al. (2003)", "(2003)", false},
    {"ANEEL (2001)", "(2001)", false},
    {"PINTO (1999)", "(1999)", false},
    {"FREITAS et al. (2001)", "(2001)", false},
    {"NÃO IDENTIFICADO (1992)", "(1992)", false},
    {"FENDRICH (1998)", "(1998)", false},
    {"DENARDIN e FREITAS (1982)", "(1982)", false},
    {"OLIVEIRA et al. (2005)", "(2005)", true},
    {"GOMES JR. (2026)", "(2026)", true},
}};

} // namespace

TEST(FontesDados, AsFontesNaOrdemEmQueSaoComparadas)
{
    ASSERT_EQ(FontesEquacoes.size(), LinhasEsperadas.size());
    for (std::size_t i = 0; i < FontesEquacoes.size(); ++i) {
        const TFonteEquacao& fonte = FontesEquacoes[i];
        SCOPED_TRACE(std::string(fonte.Chave));
        EXPECT_EQ(fonte.Chave, LinhasEsperadas[i].chave);
        EXPECT_TRUE(fonte.Chave.ends_with(LinhasEsperadas[i].ano));
        EXPECT_FALSE(fonte.Autores.empty());
        EXPECT_FALSE(fonte.Obra.empty());
        EXPECT_FALSE(fonte.Detalhes.empty());
        // What could not be checked is said in the row itself, never filled in.
        const bool avisa = contem(fonte.Detalhes, "eferência completa não verificada");
        EXPECT_EQ(avisa, !LinhasEsperadas[i].verificada);
        EXPECT_EQ(ChavesFontes[i], fonte.Chave);
    }
    EXPECT_EQ(FontesEquacoes[9].Chave, ChaveFonteGoias);
    EXPECT_EQ(FontesEquacoes.back().Chave, ChaveCompilacaoIDF);
}

TEST(FontesDados, CadaChaveCabeNoRegistroDaEstacaoEEhUnica)
{
    std::set<std::string_view> vistas;
    for (const TFonteEquacao& fonte : FontesEquacoes) {
        const std::string bytes = TCodigoWindows1252::deUtf8(fonte.Chave);
        EXPECT_LE(bytes.size(), TEstacao::CapacidadeAutor) << fonte.Chave;
        EXPECT_EQ(TCodigoWindows1252::paraUtf8(bytes), fonte.Chave);
        // A station's key loses its trailing blanks on the way to the button.
        EXPECT_FALSE(fonte.Chave.ends_with(' '));
        EXPECT_TRUE(vistas.insert(fonte.Chave).second) << fonte.Chave;
    }
}

TEST(FontesDados, ProcuraAChaveExata)
{
    for (const TFonteEquacao& fonte : FontesEquacoes)
        EXPECT_EQ(procuraFonte(fonte.Chave), &fonte) << fonte.Chave;
    const TFonteEquacao* aneel = procuraFonte("ANEEL (2001)");
    ASSERT_NE(aneel, nullptr);
    EXPECT_EQ(aneel->Autores, "AGÊNCIA NACIONAL DE ENERGIA ELÉTRICA (ANEEL)");
    // A key from a std::string, as the stations file gives it.
    EXPECT_EQ(procuraFonte(std::string("GOMES JR. (2026)")), &FontesEquacoes.back());
}

TEST(FontesDados, NenhumaFonteParaOQueNaoEhChave)
{
    for (std::string_view caso : {"Interpolação", "Autor", "", "aneel (2001)", "Aneel (2001)", "ANEEL (2001) ",
                                  " ANEEL (2001)", "ANEEL (2001)\t", "ANEEL(2001)", "ANEEL (2001", "Gomes Jr. (2026)",
                                  "OLIVEIRA ET AL. (2005)", "SILVA et al. (1999) ", "INTERPOLAÇÃO"})
        EXPECT_EQ(procuraFonte(caso), nullptr) << '"' << caso << '"';
    EXPECT_EQ(procuraFonte(ChaveInterpolacao), nullptr);
}
