#include "models/ConversaoNumerica.h"
#include "plataforma/nucleo/Excecoes.h"
#include "tests/app/nucleo/TerracoDeTeste.h"
#include "tests/app/nucleo/TerracoRealista.h"

#include <functional>
#include <string>
#include <vector>

namespace {

class Avaliacao : public TesteAvaliacao {
protected:
    void SetUp() override
    {
        TesteAvaliacao::SetUp();
        dados = terracoRealista();
    }
};

TEST_F(Avaliacao, TerracoCompletoAteOVeredito)
{
    ASSERT_TRUE(avaliacao.executa(dados));
    EXPECT_TRUE(avaliacao.sucesso());
    EXPECT_EQ(avaliacao.mensagem(), "");

    EXPECT_NEAR(estado.lesAgricola, 15.1899, 1e-4);
    EXPECT_NEAR(estado.lesEstrada, 35.8215, 1e-4);
    EXPECT_EQ(pagina.LblRLES, "15,19 ");
    EXPECT_EQ(pagina.LblRLESestrada, "35,82 ");
    EXPECT_EQ(pagina.LblRAc, "9801,56 ");
    EXPECT_EQ(pagina.LblRAcEstrada, "1000,00 ");
    EXPECT_EQ(pagina.LblEdtRCotaCrista, "0,47 ");
    EXPECT_EQ(pagina.LblEdtRCotaBigode, "0,43 ");
    const char* areas[] = {"0,49 ", "0,53 ", "0,69 ", "0,50 "};
    ASSERT_EQ(pagina.SGridResultadosAr.RowCount(), 10);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(pagina.SGridResultadosAr.Cells(1, r), areas[r - 1]) << r;
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(1, 5), "");
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(0, 9), "9");
    EXPECT_EQ(pagina.SGridRMedia.Cells(1, 0), "0,44 ");
    EXPECT_EQ(pagina.LblEdtRVe, "138,54 ");
    EXPECT_EQ(pagina.LblEdtRVn, "184,71 ");
    EXPECT_EQ(pagina.LblEdtVeVn, "75,00 ");
    EXPECT_EQ(pagina.LblEdtAvaliacao, "Terraço INADEQUADO!");
    EXPECT_EQ(pagina.MemObs,
              "Crista 4,00  cm acima da cota da extremidade! Não atingiu a altura de segurança!");
    EXPECT_EQ(pagina.MemObsTag, 0);

    ASSERT_EQ(pagina.nPontosCrista, 7);
    const double cotas[] = {0.43, 0.57, 0.50, 0.64, 0.55, 0.47, 0.60};
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_NEAR(pagina.cotasCrista[i], cotas[i], 1e-12) << i;
    ASSERT_EQ(pagina.seriesGrafico.size(), 6u);
    EXPECT_EQ(pagina.seriesGrafico[3].titulo, "Seção 4");
    EXPECT_EQ(pagina.seriesGrafico[4].pontos.back().x, 5.0);
}

TEST_F(Avaliacao, EstradaTemInfiltracaoDeUmMilimetroPorHora)
{
    avaliacao.calculaLES(dados);
    EXPECT_EQ(estado.modeloEscoamento->TIE, 1.0);
    EXPECT_NEAR(estado.lesEstrada, 35.8215, 1e-4);
    EXPECT_EQ(estado.equacaoChuva->K, 500.0);

    dados.RadioButtonContribui = false;
    dados.RadioButtonNaoContribui = true;
    avaliacao.calculaLES(dados);
    EXPECT_EQ(estado.lesEstrada, 0.0);
    EXPECT_EQ(estado.modeloEscoamento->TIE, 10.0);
    EXPECT_NEAR(estado.lesAgricola, 15.1899, 1e-4);
}

// With the equation of Itanhaém (SP) the road's storm would last 46 days; the page
// counts its first 24 hours.
TEST_F(Avaliacao, EstradaRecebeAChuvaDeVinteEQuatroHoras)
{
    dados.LblEdtK = "500,02";
    dados.LblEdtA = "0,155";
    dados.LblEdtB = "16,91";
    dados.LblEdtC = "0,525";
    ASSERT_TRUE(avaliacao.executa(dados));
    EXPECT_EQ(pagina.LblRLES, "147,15 ");
    EXPECT_EQ(pagina.LblRLESestrada, "349,42 ");
    EXPECT_EQ(pagina.LblEdtRVn, "1791,69 ");
}

// Equations with a b of half a minute or less ended in the message about blank fields.
TEST_F(Avaliacao, EquacaoComBPequenoOuNuloTemVeredito)
{
    const struct { const char* b; const char* les; const char* lesEstrada; } casos[] = {
        {"0,5", "19,20 ", "36,42 "}, {"0,3", "19,32 ", "36,43 "}, {"0", "19,51 ", "36,45 "},
    };
    for (const auto& caso : casos) {
        dados.LblEdtB = caso.b;
        TAvaliacaoTerraco a;
        ASSERT_TRUE(a.executa(dados)) << caso.b << ": " << a.mensagem();
        EXPECT_EQ(a.resultado().LblRLES, caso.les) << caso.b;
        EXPECT_EQ(a.resultado().LblRLESestrada, caso.lesEstrada) << caso.b;
        EXPECT_EQ(a.resultado().LblEdtAvaliacao, "Terraço INADEQUADO!") << caso.b;
    }
}

TEST_F(Avaliacao, RotinaDeixaOFormatoBrasileiro)
{
    TConfiguracaoRegional ponto = TConfiguracaoRegional::brasileira();
    ponto.DecimalSeparator = '.';
    ponto.ThousandSeparator = ',';
    defineConfiguracaoRegional(ponto);
    EXPECT_TRUE(avaliacao.executa(dados));
    EXPECT_EQ(configuracaoRegional().DecimalSeparator, ',');
    EXPECT_EQ(configuracaoRegional().ThousandSeparator, '.');
    EXPECT_EQ(configuracaoRegional().ShortDateFormat, "DD/MM/YYYY");
}

// Every failure ends in the same message, whatever went wrong.
TEST_F(Avaliacao, FalhasTerminamNaMensagemUnica)
{
    const std::string mensagem =
        "Exitem campos necessários em brancos, por favor revise os campos de \"Precipitação\", "
        "\"Canal\", \"Área de Contribuição\", \"Perfil da Crista\" e \"Solo\".";
    EXPECT_EQ(TAvaliacaoTerraco::mensagemCamposEmBranco, mensagem);

    const std::vector<std::pair<const char*, std::function<void(TDadosTerraco&)>>> casos = {
        {"T em branco", [](TDadosTerraco& d) { d.LblEdtTr.clear(); }},
        {"T zero", [](TDadosTerraco& d) { d.LblEdtTr = "0"; }},
        {"K em branco", [](TDadosTerraco& d) { d.LblEdtK.clear(); }},
        {"K zero", [](TDadosTerraco& d) { d.LblEdtK = "0"; }},
        {"K negativo", [](TDadosTerraco& d) { d.LblEdtK = "-500"; }},
        {"K com ponto", [](TDadosTerraco& d) { d.LblEdtK = "500.5"; }},
        {"a negativo", [](TDadosTerraco& d) { d.LblEdtA = "-0,2"; }},
        {"b em branco", [](TDadosTerraco& d) { d.LblEdtB.clear(); }},
        {"c negativo", [](TDadosTerraco& d) { d.LblEdtC = "-1"; }},
        {"infiltracao em branco", [](TDadosTerraco& d) { d.LblEdtSoloTIE.clear(); }},
        {"visada com uma leitura", [](TDadosTerraco& d) { d.SGridMira.setCells(3, 2, ""); d.SGridMira.setCells(2, 2, ""); }},
        {"linha em branco entre visadas",
         [](TDadosTerraco& d) {
             for (int c = 1; c <= 4; ++c)
                 d.SGridMira.setCells(c, 3, "");
         }},
        {"fim da crista em branco", [](TDadosTerraco& d) { d.SGridCristaFim.setCells(1, 0, ""); }},
        {"crista sem inicio", [](TDadosTerraco& d) { d.SGridCristaInicio.setCells(1, 0, ""); }},
        {"linha da crista em branco", [](TDadosTerraco& d) { d.SGridCristaMeio.setCells(1, 2, ""); }},
        {"secao em branco entre duas",
         [](TDadosTerraco& d) {
             for (int c = 1; c <= 7; ++c)
                 d.SGridCanalSecao.setCells(c, 2, "");
         }},
        {"margem sem altura", [](TDadosTerraco& d) { d.SGridCanalSecao.setCells(1, 1, "1,98"); }},
        {"comprimento em branco", [](TDadosTerraco& d) { d.LblEdtComprimentoTerraco.clear(); }},
        {"largura da estrada em branco", [](TDadosTerraco& d) { d.EdtAreaContibuicaoSemiELargura.clear(); }},
        {"comprimento da estrada em branco", [](TDadosTerraco& d) { d.EdtAreaContibuicaoComprimento = " "; }},
    };
    for (const auto& [nome, estraga] : casos) {
        TDadosTerraco d = terracoRealista();
        estraga(d);
        TAvaliacaoTerraco a;
        EXPECT_FALSE(a.executa(d)) << nome;
        EXPECT_FALSE(a.sucesso()) << nome;
        EXPECT_EQ(a.mensagem(), mensagem) << nome;
    }
}

// A failing step leaves what the steps before it computed, and the page as it was: the
// storm's fields fail before any depth, a blank sight or section row or the crest's far
// end after the depths (and the area), all before anything reaches the page.
TEST_F(Avaliacao, FalhaGuardaOQueOsPassosAnterioresCalcularam)
{
    const struct {
        const char* nome;
        std::function<void(TDadosTerraco&)> estraga;
        bool temLaminas;
        bool temArea;
    } casos[] = {
        {"T em branco", [](TDadosTerraco& d) { d.LblEdtTr.clear(); }, false, false},
        {"K zero", [](TDadosTerraco& d) { d.LblEdtK = "0"; }, false, false},
        {"K negativo", [](TDadosTerraco& d) { d.LblEdtK = "-1"; }, false, false},
        {"visada sem leituras entre duas",
         [](TDadosTerraco& d) {
             for (int c = 1; c <= 3; ++c)
                 d.SGridMira.setCells(c, 2, "");
         },
         true, false},
        {"secao em branco entre duas",
         [](TDadosTerraco& d) {
             for (int c = 1; c <= 7; ++c)
                 d.SGridCanalSecao.setCells(c, 2, "");
         },
         true, true},
        {"fim da crista em branco", [](TDadosTerraco& d) { d.SGridCristaFim.setCells(1, 0, ""); }, true, true},
    };
    for (const auto& caso : casos) {
        TDadosTerraco d = terracoRealista();
        caso.estraga(d);
        TAvaliacaoTerraco a;
        EXPECT_FALSE(a.executa(d)) << caso.nome;
        EXPECT_EQ(a.mensagem(), TAvaliacaoTerraco::mensagemCamposEmBranco) << caso.nome;
        const TEstadoAvaliacao& e = a.estado();
        EXPECT_EQ(formatDuasCasas(e.lesAgricola), caso.temLaminas ? "15,19 " : "0,00 ") << caso.nome;
        EXPECT_EQ(formatDuasCasas(e.lesEstrada), caso.temLaminas ? "35,82 " : "0,00 ") << caso.nome;
        EXPECT_EQ(formatDuasCasas(e.areaAgricola), caso.temArea ? "9801,56 " : "0,00 ") << caso.nome;
        TResultadoAvaliacao paginaNova;
        paginaNova.cotasCrista = a.resultado().cotasCrista;
        paginaNova.nPontosCrista = a.resultado().nPontosCrista;
        EXPECT_EQ(a.resultado(), paginaNova) << caso.nome;
    }
}

// A field of the storm fails before anything reaches the page.
TEST_F(Avaliacao, TempoDeRetornoEmBrancoNaoEscreveNada)
{
    dados.LblEdtTr.clear();
    EXPECT_FALSE(avaliacao.executa(dados));
    EXPECT_EQ(pagina, TResultadoAvaliacao{});
}

TEST_F(Avaliacao, FalhaNoFimMostraOQueOsPassosAnterioresEscreveram)
{
    dados.EdtAreaContibuicaoSemiELargura.clear();
    EXPECT_FALSE(avaliacao.executa(dados));
    EXPECT_EQ(pagina.LblEdtRCotaCrista, "0,47 ");
    EXPECT_EQ(pagina.LblEdtRCotaBigode, "0,43 ");
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(1, 4), "0,50 ");
    EXPECT_EQ(pagina.seriesGrafico.size(), 6u);
    EXPECT_EQ(pagina.LblRLES, "15,19 ");
    EXPECT_EQ(pagina.LblRAc, "9801,56 ");
    EXPECT_EQ(pagina.LblRLESestrada, "35,82 ");
    EXPECT_EQ(pagina.LblRAcEstrada, "-");
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(0, 0), "");  // headers come after the road
    EXPECT_EQ(pagina.LblEdtRVe, "");
    EXPECT_EQ(pagina.nPontosCrista, 7);
}

// The page carries over from run to run; a failed run changes only what its steps
// reached before the failure.
TEST_F(Avaliacao, PaginaPassaDeUmaExecucaoParaAOutra)
{
    ASSERT_TRUE(avaliacao.executa(dados));
    const TResultadoAvaliacao primeira = pagina;

    TDadosTerraco semFim = dados;
    semFim.SGridCristaFim.setCells(1, 0, "");
    EXPECT_FALSE(avaliacao.executa(semFim));
    TResultadoAvaliacao esperada = primeira;
    esperada.cotasCrista = pagina.cotasCrista;
    esperada.nPontosCrista = pagina.nPontosCrista;
    EXPECT_EQ(pagina, esperada);

    // A window that shows another page hands it in.
    TResultadoAvaliacao outra;
    outra.LblEdtAvaliacao = "Terraço ADEQUADO!";
    EXPECT_FALSE(avaliacao.executa(semFim, outra));
    EXPECT_EQ(pagina.LblEdtAvaliacao, "Terraço ADEQUADO!");
    EXPECT_EQ(pagina.LblRLES, "-");

    // A later run that completes reports it and clears the message.
    dados.RadioButtonContribui = false;
    dados.RadioButtonNaoContribui = true;
    EXPECT_TRUE(avaliacao.executa(dados));
    EXPECT_EQ(avaliacao.mensagem(), "");
    EXPECT_EQ(pagina.LblRAcEstrada, "    -");
    EXPECT_EQ(pagina.LblEdtRVn, "148,88 ");
}

// With no angle typed the sights of the earlier run stay, but Ac is 0.
TEST_F(Avaliacao, SemVisadasAreaZeroEVisadasAnteriores)
{
    ASSERT_TRUE(avaliacao.executa(dados));
    for (int r = 1; r <= 5; ++r)
        dados.SGridMira.setCells(4, r, "");
    ASSERT_TRUE(avaliacao.executa(dados));
    EXPECT_EQ(estado.visadas.size(), 6u);
    EXPECT_EQ(pagina.LblRAc, "0,00 ");
    EXPECT_EQ(pagina.LblEdtRVn, "35,82 ");  // the road alone
}

// Terraces as typed that complete without an efficiency: each says why, where the verdict
// would be.
TEST_F(Avaliacao, TerracosSemVereditoDizemPorque)
{
    const struct {
        const char* nome;
        std::function<void(TDadosTerraco&)> muda;
        const char* motivo;
    } casos[] = {
        {"infiltracao acima do pico",
         [](TDadosTerraco& d) {
             d.LblEdtTr = "2";
             d.LblEdtK = "431,09";
             d.LblEdtC = "0,64";
             d.LblEdtSoloTIE = "150";
             d.RadioButtonContribui = false;
             d.RadioButtonNaoContribui = true;
         },
         "Sem avaliação: não há escoamento, pois toda a chuva de projeto se infiltra."},
        // The crest read a metre lower everywhere: below every section's floor.
        {"crista abaixo do fundo",
         [](TDadosTerraco& d) {
             for (TGradeTexto* g : {&d.SGridCristaInicio, &d.SGridCristaMeio, &d.SGridCristaFim})
                 for (int r = 0; r < g->RowCount(); ++r)
                     if (!g->Cells(1, r).empty())
                         g->setCells(1, r, floatToStr(strToFloat(g->Cells(1, r)) + 1));
         },
         "Sem avaliação: o canal não armazena água, pois nenhuma seção tem área abaixo da CBC e da CE."},
        {"trena vazia sem estrada",
         [](TDadosTerraco& d) {
             d.RadioGTipoDeLevantamento = levantamentoTrena;
             d.RadioButtonContribui = false;
             d.RadioButtonNaoContribui = true;
         },
         "Sem avaliação: não há área agrícola nem estrada que escoe para o terraço."},
    };
    for (const auto& caso : casos) {
        TDadosTerraco d = dados;
        caso.muda(d);
        TAvaliacaoTerraco a;
        EXPECT_TRUE(a.executa(d)) << caso.nome << ": " << a.mensagem();
        EXPECT_EQ(a.resultado().LblEdtAvaliacao, "") << caso.nome;
        EXPECT_EQ(a.resultado().LblMotivoSemAvaliacao, caso.motivo) << caso.nome;
    }
}

// A refused run leaves no line of an earlier one.
TEST_F(Avaliacao, RecusaApagaOMotivo)
{
    dados.RadioGTipoDeLevantamento = levantamentoTrena;
    dados.RadioButtonContribui = false;
    dados.RadioButtonNaoContribui = true;
    ASSERT_TRUE(avaliacao.executa(dados));
    ASSERT_FALSE(pagina.LblMotivoSemAvaliacao.empty());
    dados.LblEdtTr = "1e308";
    EXPECT_FALSE(avaliacao.executa(dados));
    EXPECT_EQ(pagina.LblMotivoSemAvaliacao, "");
}

} // namespace
