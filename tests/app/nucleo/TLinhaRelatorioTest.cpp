#include "app/nucleo/TLinhaRelatorio.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using TPar = TLinhaRelatorio::TPar;

// The page's width for its captions and values.
constexpr int pagina = 718;

// The line of the terrace's identification and the survey's date, with the widths of
// their values; the identification may wrap.
std::vector<TPar> linhaIdentificacao(int identificacao, int data = 70)
{
    return {{5, 176, identificacao, 87, true}, {274, 164, data, 274, false}};
}

// The line of K, c, the station and the longitude, with the widths of their values; only
// the station is a text of several words.
std::vector<TPar> linhaEstacao(int k, int estacao)
{
    return {{10, 25, k, 59, false}, {100, 25, 20, 94, false}, {225, 77, estacao, 259, true}, {567, 83, 60, 62, false}};
}

std::vector<int> larguras(const std::vector<TPar>& pares)
{
    std::vector<int> l;
    for (const TPar& p : pares)
        l.push_back(p.larguraValor);
    return l;
}

} // namespace

TEST(TLinhaRelatorio, PosicoesNaLinha)
{
    const struct {
        const char* caso;
        std::vector<TPar> pares;
        int limite;
        std::vector<int> x;
        bool cabe;
    } casos[] = {
        {"valores curtos nos lugares da tabela", linhaIdentificacao(80), pagina, {5, 274}, true},
        {"um valor longo empurra a legenda seguinte", linhaIdentificacao(150), pagina, {5, 337}, true},
        // Pushed past the edge, the date cannot move back over the identification.
        {"a linha passa da borda", linhaIdentificacao(250, 120), pagina, {5, 437}, false},
        // The longest K and a station of 44 characters: the longitude moves back from the
        // edge, the station back towards c, each value then ending exactly where it may.
        {"a linha volta da borda", linhaEstacao(60, 300), pagina, {10, 101, 192, 575}, true},
        {"a estação encosta em c", linhaEstacao(60, 340), pagina, {10, 101, 152, 575}, true},
        {"um pixel a mais não cabe", linhaEstacao(60, 341), pagina, {10, 101, 152, 576}, false},
        // The first caption never moves left of its place, whatever the edge.
        {"a primeira legenda fica no seu lugar", {{5, 77, 700, 630, true}}, pagina, {5}, false},
        {"uma linha sem pares", {}, pagina, {}, true},
    };
    for (const auto& [caso, pares, limite, x, cabe] : casos) {
        SCOPED_TRACE(caso);
        const std::vector<int> posicoes = TLinhaRelatorio::posicoesNaLinha(pares, limite);
        EXPECT_EQ(posicoes, x);
        EXPECT_EQ(TLinhaRelatorio::cabeNaLinha(pares, posicoes, limite), cabe);
    }
}

TEST(TLinhaRelatorio, CabeNaLinhaComOEspacoAposCadaValor)
{
    const std::vector<TPar> pares{{0, 10, 100, 100, false}, {200, 10, 100, 100, false}};
    const struct {
        std::vector<int> x;
        int limite;
        bool cabe;
    } casos[] = {
        {{0, 116}, 226, true},   // 6 pixels between the first value and the next caption
        {{0, 115}, 226, false},  // 5 are too few
        {{0, 116}, 225, false},  // the last value past the edge
        {{0, 200}, 310, true},
    };
    for (const auto& [x, limite, cabe] : casos)
        EXPECT_EQ(TLinhaRelatorio::cabeNaLinha(pares, x, limite), cabe) << x[1] << " até " << limite;
}

TEST(TLinhaRelatorio, CedeEspacoOTextoQuebravelMaisLargo)
{
    const struct {
        const char* caso;
        std::vector<TPar> pares;
        bool cede;
        std::vector<int> depois;
    } casos[] = {
        {"o mais largo cede 4 pixels", {{0, 10, 150, 100, true}, {200, 10, 180, 100, true}}, true, {150, 176}},
        {"no empate cede o primeiro", {{0, 10, 180, 100, true}, {200, 10, 180, 100, true}}, true, {176, 180}},
        {"nunca abaixo do espaço da tabela", {{0, 10, 102, 100, true}}, true, {100}},
        {"um texto de uma palavra não cede", {{0, 10, 150, 100, false}, {200, 10, 120, 100, true}}, true, {150, 116}},
        {"um texto no espaço da tabela não cede", {{0, 10, 100, 100, true}}, false, {100}},
        {"nada a ceder", {{0, 10, 300, 100, false}}, false, {300}},
    };
    for (auto [caso, pares, cede, depois] : casos) {
        SCOPED_TRACE(caso);
        EXPECT_EQ(TLinhaRelatorio::cedeEspaco(pares), cede);
        EXPECT_EQ(larguras(pares), depois);
    }
}

// A line that does not fit narrows its texts of several words, the widest first, only as
// far as the line needs, and no further than their table room allows.
TEST(TLinhaRelatorio, DispoeALinha)
{
    const struct {
        const char* caso;
        std::vector<TPar> pares;
        int limite;
        std::vector<int> x;
        std::vector<int> larguras;
    } casos[] = {
        {"uma linha que cabe fica como está", linhaIdentificacao(80), pagina, {5, 274}, {80, 70}},
        {"a linha volta da borda sem estreitar nada", linhaEstacao(60, 300), pagina, {10, 101, 192, 575},
         {60, 20, 300, 60}},
        // A long identification wraps, narrowed until the date ends at the page's edge.
        {"a identificação estreita até a data caber", linhaIdentificacao(400), pagina, {5, 483}, {296, 70}},
        // A long municipality, alone on its line, ends at the edge.
        {"o município estreita até a borda", {{5, 77, 700, 630, true}}, pagina, {5}, {636}},
        {"a estação estreita até a longitude caber", linhaEstacao(60, 420), pagina, {10, 101, 152, 575},
         {60, 20, 340, 60}},
        // Both narrow in turn once the wider has come down to the other's width.
        {"dois textos estreitam alternados",
         {{0, 10, 280, 100, true}, {300, 10, 300, 100, true}},
         500,
         {0, 254},
         {236, 236}},
        // No text can give more than its table room: the line stays too long.
        {"o espaço da tabela é o limite", linhaIdentificacao(400, 700), pagina, {5, 274}, {87, 700}},
    };
    for (auto [caso, pares, limite, x, finais] : casos) {
        SCOPED_TRACE(caso);
        EXPECT_EQ(TLinhaRelatorio::dispoe(pares, limite), x);
        EXPECT_EQ(larguras(pares), finais);
    }
}
