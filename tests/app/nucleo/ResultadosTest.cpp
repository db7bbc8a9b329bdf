#include "plataforma/nucleo/Excecoes.h"
#include "tests/app/nucleo/TerracoDeTeste.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace {

void estradaDrena(TDadosTerraco& d, const char* largura, const char* comprimento)
{
    d.RadioButtonNaoContribui = false;
    d.RadioButtonContribui = true;
    d.EdtAreaContibuicaoSemiELargura = largura;
    d.EdtAreaContibuicaoComprimento = comprimento;
}

class Resultados : public TesteAvaliacao {
protected:
    void SetUp() override
    {
        TesteAvaliacao::SetUp();
        exemplo();
    }

    // Ac 10000 m², LES 20 mm, no road, three sections holding 1.2 m² in all, L 500 m.
    void exemplo()
    {
        dados = TDadosTerraco();
        estado.areaAgricola = 10000;
        estado.lesAgricola = 20;
        estado.lesEstrada = 0;
        estado.somaAr = 1.2;
        estado.nSecoes = 3;
        estado.secoes.resize(3);
        dados.LblEdtComprimentoTerraco = "500";
        for (int r = 1; r <= 3; ++r)
            preencheLinha(dados.SGridCanalSecao, r, {"0,5", "1", "1,5", "2", "1,4", "3", "0,6"});
        crista(0.60, 0.30);
    }

    void crista(double cbc, double ce)
    {
        estado.cotaBaixaCrista = cbc;
        estado.cotaExtremidade = ce;
    }
};

TEST_F(Resultados, ExemploAdequado)
{
    avaliacao.preencheResultados(dados);
    EXPECT_EQ(pagina.LblRLES, "20,00 ");
    EXPECT_EQ(pagina.LblRAc, "10000,00 ");
    EXPECT_EQ(pagina.LblRLESestrada, "    -");
    EXPECT_EQ(pagina.LblRAcEstrada, "    -");
    EXPECT_EQ(estado.areaEstrada, 0.0);
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(0, 0), "Seções");
    EXPECT_EQ(pagina.SGridResultadosAr.Cells(1, 0), "Ar(m²)");
    EXPECT_EQ(pagina.SGridRMedia.Cells(0, 0), "Média*");
    EXPECT_EQ(pagina.SGridRMedia.Cells(1, 0), "0,30 ");  // 1.2 / 4
    EXPECT_EQ(pagina.LblEdtRVe, "200,00 ");             // 500 x 1.2 / 3
    EXPECT_EQ(pagina.LblEdtRVn, "200,00 ");
    EXPECT_EQ(pagina.LblEdtVeVn, "100,00 ");
    EXPECT_EQ(pagina.LblEdtAvaliacao, "Terraço ADEQUADO!");
    EXPECT_EQ(pagina.MemObs, "Crista 30,00  cm acima da cota da extremidade!");
    EXPECT_EQ(pagina.MemObsTag, 1);
    EXPECT_EQ(pagina.LblMotivoSemAvaliacao, "");
}

TEST_F(Resultados, MediaDividePorUmaSecaoAMais)
{
    estado.somaAr = 12;  // Ar 2, 4 and 6
    avaliacao.preencheResultados(dados);
    EXPECT_EQ(pagina.SGridRMedia.Cells(1, 0), "3,00 ");
    EXPECT_EQ(pagina.LblEdtRVe, "2000,00 ");  // L x 4
}

TEST_F(Resultados, EstradaSomaAoVolume)
{
    dados.RadioButtonNaoContribui = false;
    dados.RadioButtonContribui = true;
    dados.EdtAreaContibuicaoSemiELargura = "4";
    dados.EdtAreaContibuicaoComprimento = "500";
    estado.lesEstrada = 30;
    avaliacao.preencheResultados(dados);
    EXPECT_EQ(pagina.LblRLESestrada, "30,00 ");
    EXPECT_EQ(estado.areaEstrada, 2000.0);
    EXPECT_EQ(pagina.LblRAcEstrada, "2000,00 ");
    EXPECT_EQ(pagina.LblEdtRVn, "260,00 ");  // 200 + 2000 x 30 / 1000

    // The road alone.
    estado.areaAgricola = 0;
    avaliacao.preencheResultados(dados);
    EXPECT_EQ(pagina.LblEdtRVn, "60,00 ");
}

TEST_F(Resultados, SemAreaOuSemArmazenamentoNaoHaVeredito)
{
    // Set by an earlier run: every one of them must go.
    avaliacao.preencheResultados(dados);
    ASSERT_FALSE(pagina.LblEdtAvaliacao.empty());

    estado.areaAgricola = 0;
    avaliacao.preencheResultados(dados);
    EXPECT_EQ(pagina.LblRAc, "0,00 ");
    EXPECT_EQ(pagina.LblEdtRVe, "200,00 ");
    EXPECT_EQ(pagina.LblEdtRVn, "");
    EXPECT_EQ(pagina.LblEdtVeVn, "");
    EXPECT_EQ(pagina.MemObs, "");
    EXPECT_EQ(pagina.MemObsTag, 1);  // only an observation changes it
    EXPECT_EQ(pagina.LblEdtAvaliacao, "");
    EXPECT_EQ(pagina.SGridRMedia.Cells(1, 0), "0,30 ");

    estado.areaAgricola = 10000;
    estado.somaAr = 0;
    // With nothing stored the terrace length is not even read.
    dados.LblEdtComprimentoTerraco.clear();
    avaliacao.preencheResultados(dados);
    EXPECT_EQ(pagina.LblEdtRVe, "");
    EXPECT_EQ(pagina.LblEdtRVn, "200,00 ");
    EXPECT_EQ(pagina.LblEdtVeVn, "");
    EXPECT_EQ(pagina.LblEdtAvaliacao, "");
}

// A page without an efficiency says why in one line; the fields the efficiency needs stay
// as they are, and the verdict and the observation stay empty.
TEST_F(Resultados, SemVereditoDizPorque)
{
    const struct {
        const char* nome;
        std::function<void(TEstadoAvaliacao&, TDadosTerraco&)> muda;  // from the example
        const char* ve;
        const char* vn;
        const char* motivo;
    } casos[] = {
        {"sem area nem estrada", [](TEstadoAvaliacao& e, TDadosTerraco&) { e.areaAgricola = 0; }, "200,00 ", "",
         "Sem avaliação: não há área agrícola nem estrada que escoe para o terraço."},
        {"estrada sem area",
         [](TEstadoAvaliacao& e, TDadosTerraco& d) {
             e.areaAgricola = 0;
             e.lesEstrada = 30;
             estradaDrena(d, "0", "500");
         },
         "200,00 ", "", "Sem avaliação: não há área agrícola nem estrada que escoe para o terraço."},
        {"sem secoes",
         [](TEstadoAvaliacao& e, TDadosTerraco&) {
             e.nSecoes = 0;
             e.secoes.clear();
             e.somaAr = 0;
         },
         "", "200,00 ", "Sem avaliação: o canal não tem seções levantadas."},
        {"canal seco", [](TEstadoAvaliacao& e, TDadosTerraco&) { e.somaAr = 0; }, "", "200,00 ",
         "Sem avaliação: o canal não armazena água, pois nenhuma seção tem área abaixo da CBC e da CE."},
        {"sem escoamento", [](TEstadoAvaliacao& e, TDadosTerraco&) { e.lesAgricola = 0; }, "200,00 ", "0,00 ",
         "Sem avaliação: não há escoamento, pois toda a chuva de projeto se infiltra."},
        {"sem escoamento com estrada",
         [](TEstadoAvaliacao& e, TDadosTerraco& d) {
             e.lesAgricola = 0;
             e.lesEstrada = 0;
             estradaDrena(d, "4", "500");
         },
         "200,00 ", "0,00 ", "Sem avaliação: não há escoamento, pois toda a chuva de projeto se infiltra."},
        {"escoamento minimo", [](TEstadoAvaliacao& e, TDadosTerraco&) { e.lesAgricola = 1e-7; }, "200,00 ",
         "0,00 ", "Sem avaliação: o volume de escoamento é pequeno demais para aparecer (Vn 0,00 m³)."},
    };
    for (const auto& caso : casos) {
        exemplo();
        caso.muda(estado, dados);
        avaliacao.preencheResultados(dados);
        EXPECT_EQ(pagina.LblEdtRVe, caso.ve) << caso.nome;
        EXPECT_EQ(pagina.LblEdtRVn, caso.vn) << caso.nome;
        EXPECT_EQ(pagina.LblEdtVeVn, "") << caso.nome;
        EXPECT_EQ(pagina.LblEdtAvaliacao, "") << caso.nome;
        EXPECT_EQ(pagina.MemObs, "") << caso.nome;
        EXPECT_EQ(pagina.LblMotivoSemAvaliacao, caso.motivo) << caso.nome;
    }
    // A verdict takes the line away again.
    exemplo();
    avaliacao.preencheResultados(dados);
    EXPECT_EQ(pagina.LblEdtAvaliacao, "Terraço ADEQUADO!");
    EXPECT_EQ(pagina.LblMotivoSemAvaliacao, "");
}

// The efficiency comes from the two volumes as shown, and the verdict from the
// efficiency as shown. LES 20 mm and three sections throughout.
TEST_F(Resultados, EficienciaDosTextosArredondados)
{
    struct {
        const char* comprimento;
        double somaAr;
        double area;
        const char* ve;
        const char* vn;
        const char* er;
        const char* avaliacao;
    } casos[] = {
        {"500", 1.19988, 10000, "199,98 ", "200,00 ", "99,99 ", "Terraço INADEQUADO!"},
        {"500", 1.49994, 12500, "249,99 ", "250,00 ", "100,00 ", "Terraço ADEQUADO!"},  // 99.996
        // Unrounded, 100.004 / 99.996 would give 100,01.
        {"500", 0.600024, 4999.8, "100,00 ", "100,00 ", "100,00 ", "Terraço ADEQUADO!"},
        {"250", 1.2, 10000, "100,00 ", "200,00 ", "50,00 ", "Terraço INADEQUADO!"},
        // Exactly 99,995 from the two texts, which the quotient of two doubles puts below.
        {"500", 13.19934, 110000, "2199,89 ", "2200,00 ", "100,00 ", "Terraço ADEQUADO!"},
    };
    for (const auto& caso : casos) {
        dados.LblEdtComprimentoTerraco = caso.comprimento;
        estado.somaAr = caso.somaAr;
        estado.areaAgricola = caso.area;
        avaliacao.preencheResultados(dados);
        EXPECT_EQ(pagina.LblEdtRVe, caso.ve);
        EXPECT_EQ(pagina.LblEdtRVn, caso.vn);
        EXPECT_EQ(pagina.LblEdtVeVn, caso.er);
        EXPECT_EQ(pagina.LblEdtAvaliacao, caso.avaliacao);
    }
}

// Against a Vn of 200,00 every odd number of hundredths of Ve gives an efficiency of
// exactly half a hundredth, which rounds away from zero.
TEST_F(Resultados, EficienciaMeioCentesimoArredondaParaCima)
{
    dados.LblEdtComprimentoTerraco = "1";
    estado.nSecoes = 1;
    estado.secoes.resize(1);
    for (int ve = 1; ve < 40000; ve += 2) {
        estado.somaAr = ve / 100.0;
        avaliacao.preencheResultados(dados);
        ASSERT_EQ(pagina.LblEdtRVn, "200,00 ");
        const int er = (ve + 1) / 2;
        char esperado[16];
        std::snprintf(esperado, sizeof esperado, "%d,%02d ", er / 100, er % 100);
        ASSERT_EQ(pagina.LblEdtVeVn, esperado) << "Ve " << pagina.LblEdtRVe;
    }
}

// The crest's height over the terrace end against the safety height of 0.15 m, taken
// in extended precision.
TEST_F(Resultados, ObservacaoSobreAAlturaDaCrista)
{
    const std::string naoAtingiu = " acima da cota da extremidade! Não atingiu a altura de segurança!";
    struct {
        double cbc;
        double ce;
        std::string memo;
        int tag;
    } casos[] = {
        {0.50, 0.40, "Crista 10,00  cm" + naoAtingiu, 0},
        {0.40, 0.40, "Crista 0,00  cm abaixo da extremidade!", 2},
        {0.30, 0.40, "Crista 10,00  cm abaixo da extremidade!", 2},
        // The double nearest 0.15 lies below the extended 0.15.
        {0.15, 0.00, "Crista 15,00  cm" + naoAtingiu, 0},
        {0.55, 0.40, "Crista 15,00  cm acima da cota da extremidade!", 1},
        {0.80, 0.30, "Crista 50,00  cm acima da cota da extremidade!", 1},
    };
    for (const auto& caso : casos) {
        crista(caso.cbc, caso.ce);
        avaliacao.preencheResultados(dados);
        EXPECT_EQ(pagina.MemObs, caso.memo) << caso.cbc << " " << caso.ce;
        EXPECT_EQ(pagina.MemObsTag, caso.tag) << caso.cbc << " " << caso.ce;
    }
}

// A field that cannot be read ends the step; what was written before it stays.
TEST_F(Resultados, FalhaDeixaOQueJaFoiEscrito)
{
    avaliacao.preencheResultados(dados);
    dados.RadioButtonNaoContribui = false;
    dados.RadioButtonContribui = true;
    dados.EdtAreaContibuicaoComprimento = "100";
    estado.lesEstrada = 33;
    estado.lesAgricola = 25;
    EXPECT_THROW(avaliacao.preencheResultados(dados), EConvertError);
    EXPECT_EQ(pagina.LblEdtRVe, "");
    EXPECT_EQ(pagina.LblEdtAvaliacao, "");
    EXPECT_EQ(pagina.LblRLES, "25,00 ");
    EXPECT_EQ(pagina.LblRLESestrada, "33,00 ");
    EXPECT_EQ(pagina.LblRAcEstrada, "    -");  // the run before
    EXPECT_EQ(pagina.SGridRMedia.Cells(1, 0), "0,30 ");

    dados.RadioButtonNaoContribui = true;
    dados.RadioButtonContribui = false;
    dados.LblEdtComprimentoTerraco = "500.0";
    EXPECT_THROW(avaliacao.preencheResultados(dados), EConvertError);
    EXPECT_EQ(pagina.SGridRMedia.Cells(1, 0), "0,30 ");
    EXPECT_EQ(pagina.LblEdtRVe, "");
}

} // namespace
