#include "app/nucleo/ETerracoImpossivel.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "app/nucleo/TLeitorProjeto.h"
#include "app/nucleo/TLimitesTerraco.h"
#include "tests/app/nucleo/TerracoDeTeste.h"
#include "tests/app/nucleo/TerracoRealista.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

using TerracoImpossivel = TesteAvaliacao;

void esperaSemVeredito(const TResultadoAvaliacao& p, const std::string& nome)
{
    EXPECT_EQ(p.LblEdtRVe, "") << nome;
    EXPECT_EQ(p.LblEdtRVn, "") << nome;
    EXPECT_EQ(p.LblEdtVeVn, "") << nome;
    EXPECT_EQ(p.LblEdtAvaliacao, "") << nome;
    EXPECT_EQ(p.MemObs, "") << nome;
}

TDadosTerraco porTrena()
{
    TDadosTerraco d = terracoRealista();
    d.RadioGTipoDeLevantamento = levantamentoTrena;
    for (int r = 0; r < 3; ++r)
        d.SGridTrena.setCells(0, r, "30");
    return d;
}

TDadosTerraco triangular()
{
    TDadosTerraco d = terracoRealista();
    d.CBTipoSecao = secaoTriangular;
    return d;
}

const char* const semAreaIrradiacao = "Em \"Área de Contribuição\", as visadas do levantamento com nível ótico "
                                      "(irradiação) não cercam área nenhuma: Ac sai 0,00 m².";

// Each of these gave a verdict or a results page with no verdict and no word of why.
// Now each says what is wrong, and where.
TEST_F(TerracoImpossivel, CadaValorImpossivelDizOQueEstaErrado)
{
    const struct {
        const char* nome;
        std::function<TDadosTerraco()> terraco;
        std::function<void(TDadosTerraco&)> estraga;
        const char* mensagem;
    } casos[] = {
        // Runoff volume 1,37e79 m³ with a verdict.
        {"T 1e308", terracoRealista, [](TDadosTerraco& d) { d.LblEdtTr = "1e308"; },
         "Em \"Precipitação\", o tempo de retorno T deve estar entre 1 e 10000 anos."},
        // No runoff, so no verdict and no message.
        {"T abaixo de um ano", terracoRealista, [](TDadosTerraco& d) { d.LblEdtTr = "0,00001"; },
         "Em \"Precipitação\", o tempo de retorno T deve estar entre 1 e 10000 anos."},
        {"K 99999999999", terracoRealista, [](TDadosTerraco& d) { d.LblEdtK = "99999999999"; },
         "Em \"Precipitação\", o parâmetro K deve estar entre 10 e 100000."},
        {"K minimo", terracoRealista, [](TDadosTerraco& d) { d.LblEdtK = "0,00001"; },
         "Em \"Precipitação\", o parâmetro K deve estar entre 10 e 100000."},
        {"a enorme", terracoRealista, [](TDadosTerraco& d) { d.LblEdtA = "99999999999"; },
         "Em \"Precipitação\", o parâmetro a deve estar entre 0 e 1."},
        {"b enorme", terracoRealista, [](TDadosTerraco& d) { d.LblEdtB = "99999999999"; },
         "Em \"Precipitação\", o parâmetro b deve estar entre 0 e 300 minutos."},
        // An intensity never positive after the start: no runoff, so no verdict.
        {"b zero com c 1", terracoRealista,
         [](TDadosTerraco& d) {
             d.LblEdtB = "0";
             d.LblEdtC = "1";
         },
         "Em \"Precipitação\", com o parâmetro b igual a 0, o parâmetro c deve ser menor que 1."},
        {"c zero", terracoRealista, [](TDadosTerraco& d) { d.LblEdtC = "0"; },
         "Em \"Precipitação\", o parâmetro c deve estar entre 0,3 e 3."},
        {"c enorme", terracoRealista, [](TDadosTerraco& d) { d.LblEdtC = "99999999999"; },
         "Em \"Precipitação\", o parâmetro c deve estar entre 0,3 e 3."},
        {"infiltracao zero", terracoRealista, [](TDadosTerraco& d) { d.LblEdtSoloTIE = "0"; },
         "Em \"Solo\", a taxa de infiltração estável TIE deve estar entre 0,1 e 1000 mm/h."},
        {"infiltracao negativa", terracoRealista, [](TDadosTerraco& d) { d.LblEdtSoloTIE = "-1"; },
         "Em \"Solo\", a taxa de infiltração estável TIE deve estar entre 0,1 e 1000 mm/h."},
        {"infiltracao enorme sem estrada", triangular,
         [](TDadosTerraco& d) {
             d.RadioButtonContribui = false;
             d.RadioButtonNaoContribui = true;
             d.LblEdtSoloTIE = "99999999999";
         },
         "Em \"Solo\", a taxa de infiltração estável TIE deve estar entre 0,1 e 1000 mm/h."},
        // Storage volume -0,55 m³, efficiency -0,30 %.
        {"comprimento -1", terracoRealista, [](TDadosTerraco& d) { d.LblEdtComprimentoTerraco = "-1"; },
         "Em \"Canal\", o comprimento do terraço deve estar entre 1 e 10000 m."},
        {"comprimento 1e11", terracoRealista, [](TDadosTerraco& d) { d.LblEdtComprimentoTerraco = "1e11"; },
         "Em \"Canal\", o comprimento do terraço deve estar entre 1 e 10000 m."},
        {"comprimento na trena", porTrena, [](TDadosTerraco& d) { d.LblEdtComprimentoTerraco = "0"; },
         "Em \"Canal\", o comprimento do terraço deve estar entre 1 e 10000 m."},
        // Negative water-holding areas of the section.
        {"C-F1 maior que C-F2", terracoRealista, [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(2, 3, "2,90"); },
         "Em \"Canal\", na seção 3, a distância C-F1 é maior que C-F2."},
        {"C-F2 maior que C-FT", terracoRealista, [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(4, 1, "5,00"); },
         "Em \"Canal\", na seção 1, a distância C-F2 é maior que C-FT."},
        {"C-F1 maior que C-FT no triangulo", triangular,
         [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(2, 2, "4,70"); },
         "Em \"Canal\", na seção 2, a distância C-F1 é maior que C-FT."},
        {"C-F1 negativa", terracoRealista, [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(2, 2, "-1"); },
         "Em \"Canal\", na seção 2, a distância C-F1 deve estar entre 0 e 100 m."},
        {"C-F1 enorme", terracoRealista, [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(2, 2, "99999999999"); },
         "Em \"Canal\", na seção 2, a distância C-F1 deve estar entre 0 e 100 m."},
        {"C-FT enorme", terracoRealista, [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(6, 4, "1e11"); },
         "Em \"Canal\", na seção 4, a distância C-FT deve estar entre 0 e 100 m."},
        {"leitura em C enorme", terracoRealista, [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(1, 2, "1e11"); },
         "Em \"Canal\", na seção 2, a leitura em C deve estar entre -100 e 100 m."},
        {"leitura em F2 enorme", terracoRealista,
         [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(5, 1, "99999999999"); },
         "Em \"Canal\", na seção 1, a leitura em F2 deve estar entre -100 e 100 m."},
        {"leitura em FT enorme no triangulo", triangular,
         [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(7, 2, "1e308"); },
         "Em \"Canal\", na seção 2, a leitura em FT deve estar entre -100 e 100 m."},
        // C read below F1 and F2: the banks slope the wrong way.
        {"C abaixo do fundo", terracoRealista, [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(1, 1, "2,05"); },
         "Em \"Canal\", na seção 1, a área de armazenamento sai negativa: o ponto C deve ficar acima de F1 e de F2."},
        {"C abaixo do fundo no triangulo", triangular,
         [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(1, 1, "2,05"); },
         "Em \"Canal\", na seção 1, a área de armazenamento sai negativa: o ponto C deve ficar acima de F1."},
        {"angulo 1e11", terracoRealista, [](TDadosTerraco& d) { d.SGridMira.setCells(4, 2, "100000000000"); },
         "Em \"Área de Contribuição\", na visada 2, o ângulo deve estar entre -360 e 360 graus."},
        {"leitura FM enorme", terracoRealista, [](TDadosTerraco& d) { d.SGridMira.setCells(2, 3, "1e11"); },
         "Em \"Área de Contribuição\", na visada 3, a leitura FM deve estar entre -100 e 100 m."},
        {"fios trocados", terracoRealista, [](TDadosTerraco& d) { d.SGridMira.setCells(3, 2, "1,600"); },
         "Em \"Área de Contribuição\", na visada 2, a leitura FI é maior que FM e a distância sai negativa."},
        {"fios trocados sem FM", terracoRealista,
         [](TDadosTerraco& d) {
             d.SGridMira.setCells(2, 4, "");
             d.SGridMira.setCells(3, 4, "2,000");
         },
         "Em \"Área de Contribuição\", na visada 4, a leitura FI é maior que FS e a distância sai negativa."},
        // Sights that enclose nothing: Ac 0,00 m² and a verdict from the road alone.
        {"visadas alinhadas", terracoRealista,
         [](TDadosTerraco& d) {
             for (int r = 1; r <= 5; ++r)
                 d.SGridMira.setCells(4, r, "30");
         },
         semAreaIrradiacao},
        {"uma visada", terracoRealista,
         [](TDadosTerraco& d) {
             for (int r = 2; r <= 5; ++r)
                 for (int c = 1; c <= 4; ++c)
                     d.SGridMira.setCells(c, r, "");
         },
         semAreaIrradiacao},
        {"espacamento negativo", porTrena, [](TDadosTerraco& d) { d.SGridTrena.setCells(0, 1, "-30"); },
         "Em \"Área de Contribuição\", na linha 2 da trena, o espaçamento deve estar entre 0 e 1000 m."},
        {"largura da estrada negativa", terracoRealista,
         [](TDadosTerraco& d) { d.EdtAreaContibuicaoSemiELargura = "-4"; },
         "Em \"Área de Contribuição\", a largura/semilargura da estrada deve estar entre 0 e 100 m."},
        {"comprimento da estrada enorme", terracoRealista,
         [](TDadosTerraco& d) { d.EdtAreaContibuicaoComprimento = "99999999999"; },
         "Em \"Área de Contribuição\", o comprimento da estrada deve estar entre 0 e 10000 m."},
        // Every section dry under a crest far below: no verdict and no message.
        {"inicio da crista enorme", terracoRealista,
         [](TDadosTerraco& d) { d.SGridCristaInicio.setCells(1, 0, "99999999999"); },
         "Em \"Perfil da Crista\", a leitura do início da crista deve estar entre -100 e 100 m."},
        {"ponto do meio enorme", terracoRealista, [](TDadosTerraco& d) { d.SGridCristaMeio.setCells(1, 2, "1e11"); },
         "Em \"Perfil da Crista\", a leitura do ponto 3 do meio da crista deve estar entre -100 e 100 m."},
        {"fim da crista negativo", terracoRealista, [](TDadosTerraco& d) { d.SGridCristaFim.setCells(1, 0, "-1e11"); },
         "Em \"Perfil da Crista\", a leitura do fim da crista deve estar entre -100 e 100 m."},
    };
    for (const auto& caso : casos) {
        TDadosTerraco d = caso.terraco();
        ASSERT_TRUE(TAvaliacaoTerraco().executa(d)) << caso.nome << ": the terrace before the slip";
        caso.estraga(d);
        TAvaliacaoTerraco a;
        EXPECT_FALSE(a.executa(d)) << caso.nome;
        EXPECT_EQ(a.mensagem(), caso.mensagem) << caso.nome;
        esperaSemVeredito(a.resultado(), caso.nome);
    }
}

// The storm refuses these itself; they keep the one message of a blank field.
TEST_F(TerracoImpossivel, ValoresQueAChuvaRecusaGuardamAMensagemUnica)
{
    const std::vector<std::function<void(TDadosTerraco&)>> casos = {
        [](TDadosTerraco& d) { d.LblEdtTr = "-1e308"; }, [](TDadosTerraco& d) { d.LblEdtK = "-99999999999"; },
        [](TDadosTerraco& d) { d.LblEdtA = "-1e11"; },   [](TDadosTerraco& d) { d.LblEdtB = "-1"; },
        [](TDadosTerraco& d) { d.LblEdtC = "-1"; },
    };
    for (const auto& estraga : casos) {
        TDadosTerraco d = terracoRealista();
        estraga(d);
        TAvaliacaoTerraco a;
        EXPECT_FALSE(a.executa(d));
        EXPECT_EQ(a.mensagem(), TAvaliacaoTerraco::mensagemCamposEmBranco);
    }
}

// A terrace refused after one that got its verdict: the page keeps nothing of that verdict.
TEST_F(TerracoImpossivel, RecusaApagaOVereditoAnterior)
{
    dados = terracoRealista();
    ASSERT_TRUE(avaliacao.executa(dados));
    ASSERT_EQ(pagina.LblEdtAvaliacao, "Terraço INADEQUADO!");
    dados.LblEdtTr = "1e308";
    EXPECT_FALSE(avaliacao.executa(dados));
    esperaSemVeredito(pagina, "T 1e308");
    // What does not judge the terrace stays as the earlier run left it.
    EXPECT_EQ(pagina.LblRLES, "15,19 ");
}

// The file opens as it stands, so the length can be mended; only the evaluation refuses it.
TEST_F(TerracoImpossivel, ProjetoComComprimentoNegativoAbreMasNaoTemVeredito)
{
    std::string texto = TGravadorProjeto::texto(terracoRealista());
    const std::string linha = "comprimento do terraco:250\r\n";
    ASSERT_NE(texto.find(linha), std::string::npos);
    texto.replace(texto.find(linha), linha.size(), "comprimento do terraco:-1\r\n");
    const TLeituraProjeto lida = TLeitorProjeto::leTexto(texto);
    EXPECT_EQ(lida.dados.LblEdtComprimentoTerraco, "-1");

    EXPECT_FALSE(avaliacao.executa(lida.dados));
    EXPECT_EQ(avaliacao.mensagem(), "Em \"Canal\", o comprimento do terraço deve estar entre 1 e 10000 m.");
    esperaSemVeredito(pagina, "comprimento -1");
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(1, 1), "0,49 ");
}

TEST(LimitesTerraco, ResultadoNegativoOuSemValorFinitoEhRecusado)
{
    for (const long double valor : {-1.0L, -1e-300L, std::numeric_limits<long double>::infinity(),
                                    std::numeric_limits<long double>::quiet_NaN()}) {
        try {
            TLimitesTerraco::verificaResultado("Ve(m³)", valor);
            ADD_FAILURE() << valor;
        } catch (const ETerracoImpossivel& erro) {
            EXPECT_STREQ(erro.what(), "O resultado Ve(m³) sai negativo ou sem valor finito; revise os dados do terraço.");
        }
    }
    EXPECT_EQ(TLimitesTerraco::verificaResultado("Ve(m³)", 0.0L), 0.0L);
    EXPECT_EQ(TLimitesTerraco::verificaResultado("Ve(m³)", 138.54L), 138.54L);
}

// An area refused is one the page would show as 0,00 m².
TEST(LimitesTerraco, AreaDasVisadasQueAparece)
{
    EXPECT_EQ(TLimitesTerraco::verificaAreaIrradiacao(0.005), 0.005);
    EXPECT_EQ(TLimitesTerraco::verificaAreaIrradiacao(1600), 1600.0);
    for (const double area : {0.0, 3e-13, 0.00499})
        EXPECT_THROW(TLimitesTerraco::verificaAreaIrradiacao(area), ETerracoImpossivel) << area;
}

// Every equation of the rainfall-equation database lies well inside the ranges.
TEST(LimitesTerraco, EquacoesPublicadasCabemNasFaixas)
{
    std::ifstream arquivo(MORLIN_DIR_TESTES "/../data/nimbra/estacoes_idf.csv");
    ASSERT_TRUE(arquivo) << "data/nimbra/estacoes_idf.csv";
    std::string linha;
    std::getline(arquivo, linha);
    ASSERT_EQ(linha.rfind("uf,nome,codigo,agencia,latitude,longitude,K,a,b,c,", 0), 0u);
    int equacoes = 0;
    while (std::getline(arquivo, linha)) {
        std::vector<std::string> campos;
        std::stringstream celulas(linha);
        for (std::string campo; std::getline(celulas, campo, ',');)
            campos.push_back(campo);
        ASSERT_GE(campos.size(), 10u) << linha;
        const double K = std::stod(campos[6]), a = std::stod(campos[7]), b = std::stod(campos[8]),
                     c = std::stod(campos[9]);
        EXPECT_NO_THROW(TLimitesTerraco::verificaK(K / 5)) << linha;
        EXPECT_NO_THROW(TLimitesTerraco::verificaK(K * 5)) << linha;
        EXPECT_NO_THROW(TLimitesTerraco::verificaA(a * 3)) << linha;
        EXPECT_NO_THROW(TLimitesTerraco::verificaB(b * 3)) << linha;
        EXPECT_NO_THROW(TLimitesTerraco::verificaC(c / 1.7)) << linha;
        EXPECT_NO_THROW(TLimitesTerraco::verificaC(c * 2.2)) << linha;
        ++equacoes;
    }
    EXPECT_GT(equacoes, 400);
}

} // namespace
