#include "app/nucleo/TTextosRelatorio.h"
#include "tests/app/nucleo/TerracoDeTeste.h"
#include "tests/app/nucleo/TerracoRealista.h"

#include <string>

namespace {

TEST(PerfilSecao, TextoDaListaComAOpcaoDoDegrauSoNoTrapezio)
{
    const struct {
        int indice;
        bool comum;
        bool comDegrau;
        const char* esperado;
    } casos[] = {
        {secaoTriangular, true, false, "triangular"},
        {secaoTriangular, false, true, "triangular"},
        {secaoTrapezoidal, true, false, "trapezoidal comum"},
        {secaoTrapezoidal, false, true, "trapezoidal com degrau"},
        {secaoTrapezoidal, false, false, "trapezoidal"},
        {secaoTrapezoidal, true, true, "trapezoidal comum"},
        {-1, true, false, ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(perfilSecao(c.indice, c.comum, c.comDegrau), c.esperado) << c.indice << c.comum << c.comDegrau;
}

TEST(TipoLevantamento, PeloIndiceDoGrupoOuOTextoQueJaEstava)
{
    EXPECT_EQ(tipoLevantamento(levantamentoIrradiacao, "-"), "Utilizando nível ótico");
    EXPECT_EQ(tipoLevantamento(levantamentoTrena, "-"), "Utilizando trena");
    EXPECT_EQ(tipoLevantamento(2, "-"), "-");
    EXPECT_EQ(tipoLevantamento(-1, "Utilizando trena"), "Utilizando trena");
}

TEST(EstacaoRelatorio, CortadaNos44PrimeirosCaracteres)
{
    std::string nome50;
    for (int i = 0; i < 5; ++i)
        nome50 += "ESTACAO 12";
    ASSERT_EQ(nome50.size(), 50u);
    EXPECT_EQ(estacaoRelatorio(nome50), nome50.substr(0, 44));
    EXPECT_EQ(estacaoRelatorio(nome50.substr(0, 44)), nome50.substr(0, 44));
    EXPECT_EQ(estacaoRelatorio(nome50.substr(0, 43)), nome50.substr(0, 43));
    EXPECT_EQ(estacaoRelatorio("-"), "-");
    EXPECT_EQ(estacaoRelatorio(""), "");
}

// Accented letters take two bytes each: the cut counts characters and never splits one.
TEST(EstacaoRelatorio, LetrasAcentuadasContamComoUmCaractere)
{
    std::string nome;
    for (int i = 0; i < 50; ++i)
        nome += "ã";
    std::string esperado;
    for (int i = 0; i < 44; ++i)
        esperado += "ã";
    EXPECT_EQ(estacaoRelatorio(nome), esperado);
    const std::string sitio = "São João del-Rei – Estação Climatológica Principal";
    EXPECT_EQ(estacaoRelatorio(sitio), "São João del-Rei – Estação Climatológica Pri");
}

TEST(ObservacaoRelatorio, PelaTagDoMemorandoENadaSemObservacao)
{
    const std::string abaixo = "Crista 0,00  cm abaixo da extremidade!";
    const std::string acima = "Crista 20,00  cm acima da cota da extremidade!";
    const std::string seguranca = "Crista 10,00  cm acima da cota da extremidade! Não atingiu a altura de segurança!";
    const struct {
        std::string memo;
        int tag;
        TObservacaoRelatorio esperado;
    } casos[] = {
        {acima, 1, {acima, ""}},
        {abaixo, 2, {abaixo, ""}},
        // The memo's own text, with its height, is not shown.
        {seguranca, 0, {" acima da cota da extremidade!", "Não atingiu a altura de segurança!"}},
        // A run that wrote no observation: nothing, whatever Tag an earlier run left.
        {"", 0, {"", ""}},
        {"", 1, {"", ""}},
        {"", 2, {"", ""}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(observacaoRelatorio(c.memo, c.tag), c.esperado) << c.memo << " / " << c.tag;
}

TEST(TextosRelatorio, TudoComHifenAntesDePreencher)
{
    const TTextosRelatorio t;
    for (const std::string* texto : {&t.LIdentificacaoTerraco, &t.LLocalidade, &t.LT, &t.LPMunicipio, &t.LPerfilSecao,
                                     &t.LTipoLevantamento, &t.LTieAgricola, &t.LRLESAgricola, &t.LRAvaliacao,
                                     &t.LRObservacao, &t.LRObservaContinua})
        EXPECT_EQ(*texto, "-");
}

TEST(TextosRelatorio, IdentificacaoCadaTextoNoSeuRotulo)
{
    TTextosRelatorio t;
    t.copiaIdentificacao({"Terraço 3", "Lavras", "MG", "Fazenda Água Limpa", "José Antônio", "12/03/2024",
                          "Eng. Agr. Márcia"});
    EXPECT_EQ(t.LIdentificacaoTerraco, "Terraço 3");
    EXPECT_EQ(t.LMunicipio, "Lavras");
    EXPECT_EQ(t.LEstado, "MG");
    EXPECT_EQ(t.LLocalidade, "Fazenda Água Limpa");
    EXPECT_EQ(t.LProprietario, "José Antônio");
    EXPECT_EQ(t.LDataDoLevantamento, "12/03/2024");
    EXPECT_EQ(t.LResponsavel, "Eng. Agr. Márcia");
    EXPECT_EQ(t.LT, "-");
}

class TextosRelatorioAvaliado : public TesteAvaliacao {};

// The realistic terrace evaluated: the report copies its values and the results page.
TEST_F(TextosRelatorioAvaliado, TerracoRealistaAvaliado)
{
    dados = terracoRealista();
    ASSERT_TRUE(avaliacao.executa(dados));
    TTextosRelatorio t;
    t.copiaEntrada(dados, pagina, {"Minas Gerais", "-", "Lavras"});

    EXPECT_EQ(t.LT, "10 anos");
    EXPECT_EQ(t.Lk, "500");
    EXPECT_EQ(t.La, "0,2");
    EXPECT_EQ(t.Lb, "10");
    EXPECT_EQ(t.Lc, "0,8");
    EXPECT_EQ(t.LPLatitude, coordenadaVazia);
    EXPECT_EQ(t.LPEstado, "Minas Gerais");
    EXPECT_EQ(t.LPMunicipio, "-");
    EXPECT_EQ(t.LPLocalidade, "Lavras");
    EXPECT_EQ(t.LComprimentoTerraco, "250");
    EXPECT_EQ(t.LPerfilSecao, "trapezoidal comum");
    EXPECT_EQ(t.LTipoLevantamento, "Utilizando nível ótico");
    EXPECT_EQ(t.LComprimentoEstrada, "250");
    EXPECT_EQ(t.LLarguraEstrada, "4");
    EXPECT_EQ(t.LTieAgricola, "10");

    EXPECT_EQ(t.LRLESAgricola, pagina.LblRLES);
    EXPECT_EQ(t.LRLESEstrada, pagina.LblRLESestrada);
    EXPECT_EQ(t.LRAcAgricola, "9801,56 ");
    EXPECT_EQ(t.LRAcEstrada, "1000,00 ");
    EXPECT_EQ(t.LRCrista, "0,47 ");
    EXPECT_EQ(t.LRBigode, pagina.LblEdtRCotaBigode);
    EXPECT_EQ(t.LRVe, "138,54 ");
    EXPECT_EQ(t.LRVn, "184,71 ");
    EXPECT_EQ(t.LRVeVn, "75,00 ");
    EXPECT_EQ(t.LRAvaliacao, "Terraço INADEQUADO!");
    // 4 cm above the terrace end: short of the safety height.
    EXPECT_EQ(pagina.MemObsTag, 0);
    EXPECT_EQ(t.LRObservacao, " acima da cota da extremidade!");
    EXPECT_EQ(t.LRObservaContinua, "Não atingiu a altura de segurança!");
    EXPECT_EQ(t.LRMotivoSemAvaliacao, "");
}

// A run whose field drains nothing (tape spacing 0, no road) writes no volume, no
// verdict and no observation: the report shows no observation either, but why there is
// no verdict.
TEST_F(TextosRelatorioAvaliado, AvaliacaoSemObservacaoNaoMostraObservacao)
{
    dados = terracoRealista();
    dados.RadioGTipoDeLevantamento = levantamentoTrena;
    dados.SGridTrena.setCells(0, 0, "0");
    dados.RadioButtonContribui = false;
    dados.RadioButtonNaoContribui = true;
    ASSERT_TRUE(avaliacao.executa(dados));
    ASSERT_EQ(pagina.MemObs, "");
    ASSERT_EQ(pagina.MemObsTag, 0);

    TTextosRelatorio t;
    t.copiaEntrada(dados, pagina, {});
    EXPECT_EQ(t.LTipoLevantamento, "Utilizando trena");
    EXPECT_EQ(t.LRVn, "");
    EXPECT_EQ(t.LRAvaliacao, "");
    EXPECT_EQ(t.LRObservacao, "");
    EXPECT_EQ(t.LRObservaContinua, "");
    EXPECT_EQ(t.LRMotivoSemAvaliacao, "Sem avaliação: não há área agrícola nem estrada que escoe para o terraço.");
    EXPECT_EQ(t.LPEstado, "");
    EXPECT_EQ(t.LPMunicipio, "");
    EXPECT_EQ(t.LPLocalidade, "");
}

} // namespace
