#include "app/nucleo/TGradeTexto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A grid of one column whose rows hold the given texts.
TGradeTexto coluna(const std::vector<std::string>& textos)
{
    TGradeTexto g(1, static_cast<int>(textos.size()));
    for (int r = 0; r < static_cast<int>(textos.size()); ++r)
        g.setCells(0, r, textos[static_cast<std::size_t>(r)]);
    return g;
}

} // namespace

TEST(TGradeTexto, DesceLinhas)
{
    const struct {
        std::vector<std::string> antes;
        int primeira;
        std::vector<std::string> depois;
    } casos[] = {
        {{"a", "b", "c", "d"}, 1, {"a", "", "b", "c"}},
        {{"a", "b", "c", "d"}, 0, {"", "a", "b", "c"}},
        {{"a", "b", "c", "d"}, 3, {"a", "b", "c", ""}},
        {{"a", "b", "c", "d"}, 4, {"a", "b", "c", "d"}},
        {{"a", "b", "c", "d"}, -1, {"a", "b", "c", "d"}},
        {{"a"}, 0, {""}},
    };
    for (const auto& [antes, primeira, depois] : casos) {
        TGradeTexto g = coluna(antes);
        g.desceLinhas(primeira);
        EXPECT_EQ(g, coluna(depois)) << primeira;
    }
}

TEST(TGradeTexto, SobeLinhas)
{
    const struct {
        std::vector<std::string> antes;
        int primeira;
        std::vector<std::string> depois;
    } casos[] = {
        {{"a", "b", "c", "d"}, 1, {"a", "c", "d", "d"}},
        {{"a", "b", "c", "d"}, 0, {"b", "c", "d", "d"}},
        {{"a", "b", "c", "d"}, -2, {"b", "c", "d", "d"}},
        {{"a", "b", "c", "d"}, 3, {"a", "b", "c", "d"}},
        {{"a", "b", "c", "d"}, 9, {"a", "b", "c", "d"}},
        {{"a"}, 0, {"a"}},
    };
    for (const auto& [antes, primeira, depois] : casos) {
        TGradeTexto g = coluna(antes);
        g.sobeLinhas(primeira);
        EXPECT_EQ(g, coluna(depois)) << primeira;
    }
}

TEST(TGradeTexto, NumeraLinhas)
{
    const struct {
        int inicio;
        std::vector<std::string> depois;
    } casos[] = {
        {0, {"0", "1", "2", "3"}},
        {1, {"x", "2", "3", "4"}},
        {-1, {"-1", "0", "1", "2"}},
        {4, {"x", "x", "x", "x"}},
    };
    for (const auto& [inicio, depois] : casos) {
        TGradeTexto g = coluna({"x", "x", "x", "x"});
        g.numeraLinhas(inicio);
        EXPECT_EQ(g, coluna(depois)) << inicio;
    }
}

TEST(TGradeTexto, LinhaQueDesceLevaTodasAsColunas)
{
    TGradeTexto g(2, 2);
    g.setCells(0, 0, "1");
    g.setCells(1, 0, "a");
    g.desceLinhas(0);
    EXPECT_EQ(g.Cells(0, 1), "1");
    EXPECT_EQ(g.Cells(1, 1), "a");
    EXPECT_EQ(g.Cells(0, 0), "");
    EXPECT_EQ(g.Cells(1, 0), "");
}
