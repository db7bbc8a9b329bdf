#include "app/nucleo/TLinhasEntrada.h"
#include "app/nucleo/TDadosTerraco.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TColuna = std::vector<std::string>;

TColuna numeros(int de, int ate)
{
    TColuna textos;
    for (int n = de; n <= ate; ++n)
        textos.push_back(std::to_string(n));
    return textos;
}

TColuna operator+(TColuna a, const TColuna& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TColuna coluna(const TGradeTexto& g, int c)
{
    TColuna textos;
    for (int r = 0; r < g.RowCount(); ++r)
        textos.push_back(g.Cells(c, r));
    return textos;
}

// A grid of `colunas` columns whose column 0 holds `numeracao` and whose last column, if
// it has more than one, names each row by letter, so a row that moves is seen to move.
TGradeTexto grade(int colunas, const TColuna& numeracao)
{
    TGradeTexto g(colunas, static_cast<int>(numeracao.size()));
    for (int r = 0; r < g.RowCount(); ++r) {
        g.setCells(0, r, numeracao[static_cast<std::size_t>(r)]);
        if (colunas > 1)
            g.setCells(colunas - 1, r, std::string(1, static_cast<char>('a' + r)));
    }
    return g;
}

// A row command on a grid, and the grid's first and last columns after it.
struct TCasoLinha {
    TGradeEntrada grade;
    int colunas;
    TColuna antes;
    int linha;
    TColuna numeracao;
    TColuna ultima;
};

template <std::size_t N, class Comando>
void confere(const TCasoLinha (&casos)[N], Comando comando)
{
    for (const auto& [qual, colunas, antes, linha, numeracao, ultima] : casos) {
        SCOPED_TRACE(static_cast<int>(qual) * 100 + linha);
        const TGradeTexto g = comando(qual, grade(colunas, antes), linha);
        EXPECT_EQ(coluna(g, 0), numeracao);
        EXPECT_EQ(coluna(g, colunas - 1), ultima);
    }
}

} // namespace

TEST(TLinhasEntrada, GradeDosComandosPelaSecaoAbertaEPelaPagina)
{
    const struct {
        int aba;
        const char* pagina;
        std::optional<TGradeEntrada> grade;
    } casos[] = {
        {0, "mira", std::nullopt},
        {1, "mira", std::nullopt},
        {2, "mira", TGradeEntrada::canal},
        {2, "trena", TGradeEntrada::canal},
        {3, "mira", TGradeEntrada::mira},
        {3, "trena", TGradeEntrada::trena},
        {3, "Mira", std::nullopt},  // the page's name compared exactly
        {3, "", std::nullopt},
        {4, "trena", TGradeEntrada::cristaMeio},
        {5, "mira", std::nullopt},
        {6, "mira", std::nullopt},
    };
    for (const auto& [aba, pagina, esperada] : casos)
        EXPECT_EQ(TLinhasEntrada::gradeDaAba(aba, pagina), esperada) << aba << " " << pagina;
}

// As the window first shows, and as a new project holds them.
TEST(TLinhasEntrada, CabecalhosENumerosDoInicio)
{
    const TDadosTerraco novo;
    const struct {
        TGradeEntrada grade;
        TGradeTexto textos;
        TColuna numeracao;
        TColuna cabecalho;
    } casos[] = {
        {TGradeEntrada::canal, novo.SGridCanalSecao, TColuna{" S"} + numeros(1, 9),
         {" S", "   (C) ", "(C- F1)", "  (F1) ", "(C- F2)", "  (F2) ", "(C- FT)", "  (FT) "}},
        {TGradeEntrada::mira, novo.SGridMira, TColuna{" V."} + numeros(1, 11),
         {" V.", " FS", " FM", " FI", "\u00C2ngulo\u00BA"}},
        {TGradeEntrada::cristaInicio, novo.SGridCristaInicio, {"0"}, {"0", "", ""}},
        {TGradeEntrada::cristaMeio, novo.SGridCristaMeio, numeros(1, 10), {"1", "", ""}},
        {TGradeEntrada::cristaFim, novo.SGridCristaFim, {"0"}, {"0", "", ""}},
        {TGradeEntrada::trena, novo.SGridTrena, TColuna(10), {""}},
    };
    for (const auto& [qual, textos, numeracao, cabecalho] : casos) {
        SCOPED_TRACE(static_cast<int>(qual));
        EXPECT_EQ(coluna(textos, 0), numeracao);
        TColuna linha0;
        for (int c = 0; c < textos.ColCount(); ++c)
            linha0.push_back(textos.Cells(c, 0));
        EXPECT_EQ(linha0, cabecalho);
        EXPECT_EQ(TLinhasEntrada::numeraInicio(qual, TGradeTexto(textos.ColCount(), textos.RowCount())), textos);
    }
}

// The numbers are written over whatever rows the grid has, and only they are.
TEST(TLinhasEntrada, InicioSobreOutrasLinhasSoEscreveOsNumeros)
{
    const TGradeTexto canal = TLinhasEntrada::numeraInicio(TGradeEntrada::canal, grade(8, {"x", "y", "z"}));
    EXPECT_EQ(coluna(canal, 0), (TColuna{" S", "1", "2"}));
    EXPECT_EQ(coluna(canal, 7), (TColuna{"  (FT) ", "b", "c"}));
    const TGradeTexto meio = TLinhasEntrada::numeraInicio(TGradeEntrada::cristaMeio, grade(3, {"x", "y", "z", "w"}));
    EXPECT_EQ(coluna(meio, 0), numeros(1, 4));
    EXPECT_EQ(coluna(meio, 2), (TColuna{"a", "b", "c", "d"}));
    const TGradeTexto trena = grade(1, {"30", "31"});
    EXPECT_EQ(TLinhasEntrada::numeraInicio(TGradeEntrada::trena, trena), trena);
}

TEST(TLinhasEntrada, MaisAcrescentaUmaLinhaVaziaENumera)
{
    const struct {
        TGradeEntrada grade;
        int colunas;
        TColuna antes;
        TColuna depois;
    } casos[] = {
        // The channel's corner takes a point.
        {TGradeEntrada::canal, 8, TColuna{" S"} + numeros(1, 9), TColuna{" S."} + numeros(1, 10)},
        // A gap left by a deletion closes.
        {TGradeEntrada::canal, 8, {" S", "1", "2", "4"}, {" S.", "1", "2", "3", "4"}},
        {TGradeEntrada::mira, 5, TColuna{" V."} + numeros(1, 11), TColuna{" V."} + numeros(1, 12)},
        {TGradeEntrada::trena, 1, {"30", "31"}, {"30", "31", ""}},
        {TGradeEntrada::cristaMeio, 3, numeros(1, 10), numeros(1, 11)},
        // The crest's first row keeps its text; the others count on from 2.
        {TGradeEntrada::cristaMeio, 3, {"", "", "7"}, {"", "2", "3", "4"}},
        // A single row left of a grid with a header row is numbered as a data row.
        {TGradeEntrada::canal, 8, {" S"}, {" S.", "1"}},
    };
    for (const auto& [qual, colunas, antes, depois] : casos) {
        SCOPED_TRACE(static_cast<int>(qual));
        const TGradeTexto g = TLinhasEntrada::acrescentaLinha(qual, grade(colunas, antes));
        EXPECT_EQ(coluna(g, 0), depois);
        EXPECT_EQ(coluna(g, colunas - 1), coluna(grade(colunas, antes), colunas - 1) + TColuna{""});
    }
}

TEST(TLinhasEntrada, InserirMoveAsLinhasESoAMiraRenumera)
{
    const TColuna canal = TColuna{" S"} + numeros(1, 9);
    const TColuna mira = TColuna{" V."} + numeros(1, 4);
    const TCasoLinha casos[] = {
        {TGradeEntrada::canal, 8, canal, 3, TColuna{" S", "1", "2", ""} + numeros(3, 9),
         {"a", "b", "c", "", "d", "e", "f", "g", "h", "i", "j"}},
        {TGradeEntrada::mira, 5, mira, 3, TColuna{" V."} + numeros(1, 5), {"a", "b", "c", "", "d", "e"}},
        // After the last row: nothing moves and the new last row is empty.
        {TGradeEntrada::mira, 5, mira, 5, TColuna{" V."} + numeros(1, 5), {"a", "b", "c", "d", "e", ""}},
        // The tape has no header: every spacing moves down.
        {TGradeEntrada::trena, 1, {"30", "31", "32"}, 0, {"", "30", "31", "32"}, {"", "30", "31", "32"}},
        {TGradeEntrada::cristaMeio, 3, numeros(1, 3), 1, {"1", "", "2", "3"}, {"a", "", "b", "c"}},
    };
    confere(casos, TLinhasEntrada::insereLinha);
}

TEST(TLinhasEntrada, ExcluirMoveAsLinhasESoAMiraRenumera)
{
    const TCasoLinha casos[] = {
        // The channel's numbers go with their rows and leave a gap.
        {TGradeEntrada::canal, 8, TColuna{" S"} + numeros(1, 5), 3, {" S", "1", "2", "4", "5"},
         {"a", "b", "c", "e", "f"}},
        {TGradeEntrada::mira, 5, TColuna{" V."} + numeros(1, 4), 2, TColuna{" V."} + numeros(1, 3),
         {"a", "b", "d", "e"}},
        // The last row: nothing moves and it goes.
        {TGradeEntrada::mira, 5, TColuna{" V."} + numeros(1, 4), 4, TColuna{" V."} + numeros(1, 3),
         {"a", "b", "c", "d"}},
        {TGradeEntrada::cristaMeio, 3, numeros(1, 4), 0, {"2", "3", "4"}, {"b", "c", "d"}},
        // A grid keeps one row at least.
        {TGradeEntrada::cristaMeio, 3, {"1"}, 0, {"1"}, {"a"}},
    };
    confere(casos, TLinhasEntrada::excluiLinha);
}
