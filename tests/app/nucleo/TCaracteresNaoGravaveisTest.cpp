#include "app/nucleo/TCaracteresNaoGravaveis.h"
#include "app/nucleo/RegrasEntrada.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "app/nucleo/TLeitorProjeto.h"
#include "tests/app/nucleo/TerracoRealista.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// One character the code page lacks in each kind of field, and how the list names it.
struct TCampoDeTeste {
    std::function<void(TDadosTerraco&)> escreve;
    TCampoNaoGravavel esperado;
};

std::vector<TCampoDeTeste> umEmCadaCampo()
{
    return {
        {[](TDadosTerraco& d) { d.identificacao.EMunicipio = "Łódź"; }, {"Identificação, Município", U"Łź"}},
        {[](TDadosTerraco& d) { d.identificacao.EResponsavel = "Ana ✓"; }, {"Identificação, Responsável", U"✓"}},
        {[](TDadosTerraco& d) { d.LblEdtK = "1200→"; }, {"Precipitação, K", U"→"}},
        {[](TDadosTerraco& d) { d.MELongitude = "44°59'00″"; }, {"Precipitação, longitude", U"″"}},
        {[](TDadosTerraco& d) { d.LblEdtComprimentoTerraco = "120 м"; }, {"Canal, comprimento do terraço", U"м"}},
        {[](TDadosTerraco& d) { d.SGridCanalSecao.setCells(2, 3, "0,75😀"); }, {"Canal, seção 3, C-F1", U"😀"}},
        {[](TDadosTerraco& d) { d.SGridMira.setCells(4, 2, "90‰"); }, {"Área de Contribuição, visada 2, ângulo", U""}},
        {[](TDadosTerraco& d) { d.SGridMira.setCells(1, 2, "1,2日"); }, {"Área de Contribuição, visada 2, FS", U"日"}},
        {[](TDadosTerraco& d) { d.SGridTrena.setCells(0, 3, "ő"); }, {"Área de Contribuição, trena, espaçamento 4", U"ő"}},
        {[](TDadosTerraco& d) { d.EdtAreaContibuicaoSemiELargura = "4 ㎡"; },
         {"Área de Contribuição, largura/semilargura da estrada", U"㎡"}},
        {[](TDadosTerraco& d) { d.SGridCristaInicio.setCells(1, 0, "Ω"); }, {"Perfil da Crista, início, leitura", U"Ω"}},
        {[](TDadosTerraco& d) { d.SGridCristaMeio.setCells(1, 1, "ŧ"); }, {"Perfil da Crista, ponto 2, leitura", U"ŧ"}},
        {[](TDadosTerraco& d) { d.SGridCristaFim.setCells(1, 0, "ø\u200D"); }, {"Perfil da Crista, fim, leitura", U"\u200D"}},
        {[](TDadosTerraco& d) { d.LblEdtSoloTIE = "12,5 ㎜/h"; }, {"Solo, TIE", U"㎜"}},
    };
}

std::vector<TCampoNaoGravavel> esperados(const std::vector<TCampoDeTeste>& campos)
{
    std::vector<TCampoNaoGravavel> lista;
    for (const TCampoDeTeste& campo : campos)
        if (!campo.esperado.caracteres.empty())
            lista.push_back(campo.esperado);
    return lista;
}

TDadosTerraco comUmEmCadaCampo()
{
    TDadosTerraco d = terracoRealista();
    for (const TCampoDeTeste& campo : umEmCadaCampo())
        campo.escreve(d);
    return d;
}

} // namespace

// Every field is named as the windows show it, in their order; "‰" and "ø" are in the
// code page and are not listed.
TEST(CaracteresNaoGravaveis, CadaCampoComOQueEleNaoGuarda)
{
    EXPECT_TRUE(TCaracteresNaoGravaveis::doProjeto(terracoRealista()).empty());
    EXPECT_EQ(TCaracteresNaoGravaveis::doProjeto(comUmEmCadaCampo()), esperados(umEmCadaCampo()));
}

// The project as its file gives it back has a "?" for each such character, is written
// byte for byte as the project itself, and has nothing left to list.
TEST(CaracteresNaoGravaveis, OGravadoEOQueOArquivoDevolve)
{
    const TDadosTerraco d = comUmEmCadaCampo();
    const TDadosTerraco gravado = TCaracteresNaoGravaveis::comoGravado(d);
    EXPECT_TRUE(TCaracteresNaoGravaveis::doProjeto(gravado).empty());
    EXPECT_EQ(gravado.identificacao.EMunicipio, "?ód?");
    EXPECT_EQ(gravado.SGridCristaFim.Cells(1, 0), "ø?");
    EXPECT_EQ(gravado.SGridMira.Cells(4, 2), "90‰");
    const std::string texto = TGravadorProjeto::texto(d);
    EXPECT_EQ(TGravadorProjeto::texto(gravado), texto);
    EXPECT_EQ(TLeitorProjeto::leTexto(texto).dados.identificacao, gravado.identificacao);
    EXPECT_EQ(TCaracteresNaoGravaveis::comoGravado(terracoRealista()), terracoRealista());
    // Each character once, in the order it first stands.
    EXPECT_EQ(TCaracteresNaoGravaveis::doTexto("✓ Łódź ✓ Ł"), U"✓Łź");
}

TEST(CaracteresNaoGravaveis, ComoUmaMensagemMostraCadaCaractere)
{
    const std::pair<char32_t, const char*> casos[] = {
        {U'Ł', "\"Ł\""},
        {U'😀', "\"😀\""},
        {U'\u0301', "\"◌\u0301\""},  // a combining accent left alone, on a dotted circle
        {U'\u200D', "o caractere invisível U+200D"},
        {U'\uFE0F', "o caractere invisível U+FE0F"},
        {U'\n', "a quebra de linha"},
        {U'\u2028', "a quebra de linha"},
        {U'\t', "a tabulação"},
        {U'\u0007', "o caractere de controle U+0007"},
    };
    for (const auto& [c, texto] : casos)
        EXPECT_EQ(TCaracteresNaoGravaveis::descreve(c), texto) << static_cast<unsigned>(c);
}

TEST(CaracteresNaoGravaveis, AvisoDaAberturaEPerguntaDaGravacao)
{
    const std::vector<TCampoNaoGravavel> dois{{"Identificação, Município", U"Łź"}, {"Precipitação, K", U"✓"}};
    EXPECT_EQ(TCaracteresNaoGravaveis::avisoAbertura("Lodz.txt", dois),
              "O arquivo \"Lodz.txt\" tem caracteres que o arquivo do projeto (Windows-1252) não guarda:\n\n"
              "Identificação, Município: \"Ł\", \"ź\"\n"
              "Precipitação, K: \"✓\"\n\n"
              "Os campos os mostram como estão, mas, se o projeto for salvo assim, cada um deles será gravado "
              "como \"?\". Troque-os antes de salvar para não perdê-los.");
    EXPECT_EQ(TCaracteresNaoGravaveis::perguntaGravacao(dois),
              "O arquivo do projeto (Windows-1252) não guarda estes caracteres:\n\n"
              "Identificação, Município: \"Ł\", \"ź\"\n"
              "Precipitação, K: \"✓\"\n\n"
              "Salvar assim mesmo, com \"?\" no lugar de cada um deles?\n"
              "Com \"Não\", nada é gravado e os campos ficam como estão, para que você os troque.");

    // A long list keeps to its first ten fields.
    std::vector<TCampoNaoGravavel> muitos;
    for (int i = 1; i <= 12; ++i)
        muitos.push_back({"Canal, seção " + std::to_string(i) + ", C", U"✓"});
    const std::string pergunta = TCaracteresNaoGravaveis::perguntaGravacao(muitos);
    EXPECT_NE(pergunta.find("Canal, seção 10, C: \"✓\"\n… e mais 2 campos\n\nSalvar"), std::string::npos) << pergunta;
    EXPECT_EQ(pergunta.find("seção 11"), std::string::npos);
}

// A refused key or paste says which characters and why.
TEST(CaracteresNaoGravaveis, PorQueUmTextoNaoEntrou)
{
    const struct {
        const char* antes;
        const char* depois;
        const char* motivo;
    } casos[] = {
        {"Jos", "JosŁ", "\"Ł\" não foi aceito: o arquivo do projeto (Windows-1252) não guarda esse caractere."},
        {"Jos", "Jos\u0301", "\"◌\u0301\" não foi aceito: o arquivo do projeto (Windows-1252) não guarda esse caractere."},
        {"", "Łódź → Łask", "O texto não foi aceito: o arquivo do projeto (Windows-1252) não guarda \"Ł\", \"ź\" nem \"→\"."},
        {"Sítio", "Sítio – Łask", "O texto não foi aceito: o arquivo do projeto (Windows-1252) não guarda \"Ł\"."},
        {"a", "a\nb", "O texto não foi aceito: o arquivo do projeto (Windows-1252) não guarda a quebra de linha."},
        {"a", "\u200Da", "O texto não foi aceito: o arquivo do projeto (Windows-1252) não guarda o caractere invisível U+200D."},
        {"Fazenda", "Fazenda São João", ""},
        {"Sítio → Norte", "Sítio  Norte", ""},
    };
    for (const auto& [antes, depois, motivo] : casos) {
        EXPECT_EQ(motivoRecusaTexto(antes, depois), motivo) << antes << " -> " << depois;
        EXPECT_EQ(alteracaoTexto(antes, depois).has_value(), *motivo == '\0') << antes << " -> " << depois;
    }
}
