#include "tests/rainfall_equations/nucleo/ArquivosDeTeste.h"
#include "plataforma/nucleo/TPastaPrograma.h"
#include "rainfall_equations/nucleo/TBDPrecipitacao.h"
#include "tests/rainfall_equations/nucleo/ComumConsulta.h"

#include <gtest/gtest.h>

#include <limits>

using namespace arquivos;

namespace {

std::string danificado(const std::string& caminho)
{
    return "O arquivo " + caminho + " está incompleto ou danificado.";
}

// Section s holds s % 3 localities named "<code> <i>".
TSecoes localidadesPorEstado()
{
    TSecoes secoes;
    for (std::size_t s = 0; s < 27; ++s)
        for (std::size_t i = 0; i < s % 3; ++i)
            secoes[s].registros.push_back(
                localidade(SiglasEstados[s] + " " + std::to_string(i), "1" + std::to_string(i) + "°00'00\"", "4" + std::to_string(s % 10) + "°00'00\""));
    return secoes;
}

} // namespace

TEST(TBDPrecipitacao, PastaDoProgramaComoMontada)
{
    EXPECT_EQ(pastaDadosNimbra(), pastaPrograma() + "../Arquivos Comuns/Nimbra/");
}

TEST(TBDPrecipitacao, ContagensTodasZeroDaoVinteESeteSecoesVazias)
{
    TPastaTeste pasta;
    pasta.grava("Estados_Nim21.bin", arquivo({}));
    TBDPrecipitacao bd(pasta.caminho());
    bd.leEstacoes();
    ASSERT_EQ(bd.Estacoes.size(), 27u);
    for (const auto& secao : bd.Estacoes)
        EXPECT_TRUE(secao.empty());
}

TEST(TBDPrecipitacao, EstacaoLidaCampoACampo)
{
    TPastaTeste pasta;
    TSecoes secoes;
    secoes[0].registros.push_back(estacao({.nome = "Acre 1"}));
    secoes[12].registros.push_back(estacao({"Conceição do Mato Dentro", 1234.5678, 0.123456789, 10.5, 0.75,
                                            "SILVA et al. (1999)", "19°02'13\"", "43°25'31\""}));
    secoes[12].registros.push_back(estacao({.nome = "Viçosa"}));
    secoes[26].registros.push_back(estacao({.nome = "Palmas"}));
    pasta.grava("Estados_Nim21.bin", arquivo(secoes) + "bytes depois da última seção");
    TBDPrecipitacao bd(pasta.caminho());
    bd.leEstacoes();

    ASSERT_EQ(bd.Estacoes[12].size(), 2u);
    const TEstacao& e = bd.Estacoes[12][0];
    EXPECT_EQ(e.Nome, "Conceição do Mato Dentro");
    EXPECT_EQ(e.K, 1234.5678);
    EXPECT_EQ(e.A, 0.123456789);
    EXPECT_EQ(e.B, 10.5);
    EXPECT_EQ(e.C, 0.75);
    EXPECT_EQ(e.Autor, "SILVA et al. (1999)");
    EXPECT_EQ(e.Latitude, "19°02'13\"");
    EXPECT_EQ(e.Longitude, "43°25'31\"");
    EXPECT_EQ(bd.Estacoes[12][1].Nome, "Viçosa");
    EXPECT_EQ(bd.Estacoes[0][0].Nome, "Acre 1");
    EXPECT_EQ(bd.Estacoes[26][0].Nome, "Palmas");
    EXPECT_EQ(bd.Estacoes[25].size(), 0u);
}

TEST(TBDPrecipitacao, LocalidadesDoPrimeiroDoUltimoEDeUmDoMeio)
{
    TPastaTeste pasta;
    pasta.grava("Localidades_Nim21.bin", arquivo(localidadesPorEstado()));
    TBDPrecipitacao bd(pasta.caminho());

    bd.leLocalidades(0);
    EXPECT_TRUE(bd.Localidades.empty());

    // 26 sections skipped, each by its own count.
    bd.leLocalidades(26);
    ASSERT_EQ(bd.Localidades.size(), 2u);
    EXPECT_EQ(bd.Localidades[0], (TLocalidade{"TO 0", "10°00'00\"", "46°00'00\""}));
    EXPECT_EQ(bd.Localidades[1].Nome, "TO 1");

    // Read without being kept: the localities read last stay.
    const std::vector<TLocalidade> para = bd.localidadesDoEstado(13);
    EXPECT_EQ(bd.Localidades.size(), 2u);

    bd.leLocalidades(13);
    ASSERT_EQ(bd.Localidades.size(), 1u);
    EXPECT_EQ(bd.Localidades[0].Nome, "PA 0");
    EXPECT_EQ(bd.Localidades, para);
}

TEST(TBDPrecipitacao, LocalidadesDoPrimeiroEstadoSemPular)
{
    TPastaTeste pasta;
    TSecoes secoes;
    secoes[0].registros = {localidade("Rio Branco", "09°58'29\"", "67°48'36\""), localidade("Xapuri", "10°39'06\"", "68°30'14\"")};
    // A count beyond the file in a later section is never looked at.
    secoes[1].contagem = 500;
    pasta.grava("Localidades_Nim21.bin", arquivo(secoes));
    TBDPrecipitacao bd(pasta.caminho());
    bd.leLocalidades(0);
    ASSERT_EQ(bd.Localidades.size(), 2u);
    EXPECT_EQ(bd.Localidades[1], (TLocalidade{"Xapuri", "10°39'06\"", "68°30'14\""}));
}

TEST(TBDPrecipitacao, ArquivoAusenteNomeiaOCaminhoComoMontado)
{
    TPastaTeste pasta;
    TBDPrecipitacao bd(pasta.caminho());
    EXPECT_EQ(mensagemDe<EArquivoNaoExiste>([&] { bd.leEstacoes(); }),
              "O arquivo " + pasta.caminho() + "Estados_Nim21.bin não existe.");
    EXPECT_TRUE(bd.Estacoes.empty());

    pasta.grava("Localidades_Nim21.bin", arquivo(localidadesPorEstado()));
    bd.leLocalidades(26);
    ASSERT_FALSE(bd.Localidades.empty());
    pasta.apaga("Localidades_Nim21.bin");
    EXPECT_EQ(mensagemDe<EArquivoNaoExiste>([&] { bd.leLocalidades(26); }),
              "O arquivo " + pasta.caminho() + "Localidades_Nim21.bin não existe.");
    EXPECT_TRUE(bd.Localidades.empty());
}

TEST(TBDPrecipitacao, UmaPastaNoLugarDoArquivoNaoExiste)
{
    TPastaTeste pasta;
    std::filesystem::create_directory(pasta.caminho() + "Estados_Nim21.bin");
    TBDPrecipitacao bd(pasta.caminho());
    EXPECT_THROW(bd.leEstacoes(), EArquivoNaoExiste);
}

// Damaged files are refused whole: nothing read beyond their bytes, nothing half read kept.
TEST(TBDPrecipitacao, ArquivoDeEstacoesDanificadoEhRecusado)
{
    TSecoes bom;
    bom[12].registros = {estacao({.nome = "Lavras"}), estacao({.nome = "Viçosa"})};
    const std::string inteiro = arquivo(bom);

    TSecoes contagemDemais = bom;
    contagemDemais[12].contagem = 3;
    TSecoes contagemEnorme;
    contagemEnorme[3].contagem = 65535;
    TSecoes realInfinito;
    realInfinito[4].registros = {estacao({.nome = "X", .K = std::numeric_limits<double>::infinity()})};
    TSecoes realNaoNumero;
    realNaoNumero[4].registros = {estacao({.nome = "X", .C = std::numeric_limits<double>::quiet_NaN()})};

    struct Caso {
        const char* nome;
        std::string bytes;
    };
    for (const Caso& caso : {Caso{"vazio", ""},
                             Caso{"só o primeiro byte", "\x01"},
                             Caso{"contagem cortada", inteiro.substr(0, 2)},
                             Caso{"registro cortado", inteiro.substr(0, inteiro.size() - 200)},
                             Caso{"faltam seções", inteiro.substr(0, inteiro.size() - 4)},
                             Caso{"contagem além do arquivo", arquivo(contagemDemais)},
                             Caso{"contagem máxima num arquivo curto", arquivo(contagemEnorme)},
                             Caso{"K infinito", arquivo(realInfinito)},
                             Caso{"c não numérico", arquivo(realNaoNumero)}}) {
        TPastaTeste pasta;
        TBDPrecipitacao bd(pasta.caminho());
        pasta.grava("Estados_Nim21.bin", inteiro);
        bd.leEstacoes();
        pasta.grava("Estados_Nim21.bin", caso.bytes);
        EXPECT_EQ(mensagemDe<Exception>([&] { bd.leEstacoes(); }), danificado(pasta.caminho() + "Estados_Nim21.bin"))
            << caso.nome;
        ASSERT_EQ(bd.Estacoes.size(), 27u) << caso.nome;
        EXPECT_EQ(bd.Estacoes[12].size(), 2u) << caso.nome;
    }
}

// A coefficient that no published equation has, or that "Calcular" would refuse, is damaged
// data, like a NaN; the spans' own ends are accepted.
TEST(TBDPrecipitacao, CoeficienteForaDaFaixaEhDanificado)
{
    struct Caso {
        const char* nome;
        TEstacaoTeste estacao;
        bool aceito;
    };
    const double enorme = 1e308;
    for (const Caso& caso : {Caso{"K enorme", {.nome = "X", .K = enorme}, false},
                             Caso{"a enorme", {.nome = "X", .A = enorme}, false},
                             Caso{"b enorme", {.nome = "X", .B = enorme}, false},
                             Caso{"c enorme", {.nome = "X", .C = enorme}, false},
                             Caso{"K zero", {.nome = "X", .K = 0}, false},
                             Caso{"K quase zero", {.nome = "X", .K = 1e-308}, false},
                             Caso{"K abaixo de 10", {.nome = "X", .K = 9.999}, false},
                             Caso{"K negativo", {.nome = "X", .K = -1000}, false},
                             Caso{"K acima de 100.000", {.nome = "X", .K = 100001}, false},
                             Caso{"a negativo", {.nome = "X", .A = -0.01}, false},
                             Caso{"a acima de 1", {.nome = "X", .A = 1.01}, false},
                             Caso{"b negativo", {.nome = "X", .B = -0.5}, false},
                             Caso{"b acima de 300", {.nome = "X", .B = 300.5}, false},
                             Caso{"c zero", {.nome = "X", .C = 0}, false},
                             Caso{"c abaixo de 0,3", {.nome = "X", .C = 0.299}, false},
                             Caso{"c acima de 3", {.nome = "X", .C = 3.01}, false},
                             Caso{"K de 100.000", {.nome = "X", .K = 100000}, true},
                             Caso{"K de 10", {.nome = "X", .K = 10}, true},
                             Caso{"a zero", {.nome = "X", .A = 0}, true},
                             Caso{"a de 1", {.nome = "X", .A = 1}, true},
                             Caso{"b zero", {.nome = "X", .B = 0}, true},
                             Caso{"b de 300", {.nome = "X", .B = 300}, true},
                             Caso{"c de 0,3", {.nome = "X", .C = 0.3}, true},
                             Caso{"c de 3", {.nome = "X", .C = 3}, true}}) {
        TSecoes secoes;
        secoes[12].registros = {estacao({.nome = "Lavras"}), estacao(caso.estacao)};
        TPastaTeste pasta;
        pasta.grava("Estados_Nim21.bin", arquivo(secoes));
        TBDPrecipitacao bd(pasta.caminho());
        const std::string esperado = caso.aceito ? "(nenhum erro)" : danificado(pasta.caminho() + "Estados_Nim21.bin");
        EXPECT_EQ(mensagemDe<Exception>([&] { bd.leEstacoes(); }), esperado) << caso.nome;
        EXPECT_EQ(bd.Estacoes.empty(), !caso.aceito) << caso.nome;
    }
}

TEST(TBDPrecipitacao, ArquivoDeLocalidadesDanificadoEhRecusado)
{
    const TSecoes bom = localidadesPorEstado();
    const std::string inteiro = arquivo(bom);
    TSecoes pulaDemais = bom;
    pulaDemais[5].contagem = 40;

    struct Caso {
        const char* nome;
        std::string bytes;
        int indice;
    };
    for (const Caso& caso : {Caso{"vazio", "", 0},
                             Caso{"sem a contagem do estado", inteiro.substr(0, 1), 0},
                             Caso{"seção pulada além do arquivo", arquivo(pulaDemais), 12},
                             Caso{"registro cortado", inteiro.substr(0, inteiro.size() - 1), 26},
                             Caso{"faltam seções", inteiro.substr(0, 30), 20}}) {
        TPastaTeste pasta;
        TBDPrecipitacao bd(pasta.caminho());
        pasta.grava("Localidades_Nim21.bin", inteiro);
        bd.leLocalidades(26);
        pasta.grava("Localidades_Nim21.bin", caso.bytes);
        EXPECT_EQ(mensagemDe<Exception>([&] { bd.localidadesDoEstado(caso.indice); }),
                  danificado(pasta.caminho() + "Localidades_Nim21.bin"))
            << caso.nome;
        EXPECT_EQ(bd.Localidades.size(), 2u) << caso.nome;
        EXPECT_EQ(mensagemDe<Exception>([&] { bd.leLocalidades(caso.indice); }),
                  danificado(pasta.caminho() + "Localidades_Nim21.bin"))
            << caso.nome;
        EXPECT_TRUE(bd.Localidades.empty()) << caso.nome;
    }
}

TEST(TBDPrecipitacao, ComprimentoAlemDaCapacidadeEhCortadoNaCapacidade)
{
    TPastaTeste pasta;
    const std::string nomeLongo(80, 'n');
    TSecoes estacoes;
    std::string registro = textoCurto(nomeLongo, 68, 255) + real(1000) + real(0.2) + real(10) + real(0.8)
                           + textoCurto("CHAVE MUITO LONGA PARA O CAMPO DO AUTOR", 30, 200)
                           + textoCurto("20°00'00\"", 9, 10) + textoCurto("45°00'00\"", 9, 255);
    estacoes[7].registros.push_back(registro);
    pasta.grava("Estados_Nim21.bin", arquivo(estacoes));
    TSecoes localidades;
    localidades[0].registros.push_back(textoCurto("São Sebastião do Rio Verde e mais", 68, 69)
                                       + textoCurto("10°00'00\"", 9, 100) + textoCurto("40°00'00\"", 9, 9));
    pasta.grava("Localidades_Nim21.bin", arquivo(localidades));

    TBDPrecipitacao bd(pasta.caminho());
    bd.leEstacoes();
    const TEstacao& e = bd.Estacoes[7].at(0);
    EXPECT_EQ(e.Nome, std::string(68, 'n'));
    EXPECT_EQ(e.K, 1000);
    EXPECT_EQ(e.C, 0.8);
    EXPECT_EQ(e.Autor, "CHAVE MUITO LONGA PARA O CAMPO");
    EXPECT_EQ(e.Latitude, "20°00'00\"");
    EXPECT_EQ(e.Longitude, "45°00'00\"");

    bd.leLocalidades(0);
    const TLocalidade& l = bd.Localidades.at(0);
    // The filler behind the text fills the name up to the capacity.
    EXPECT_EQ(l.Nome, "São Sebastião do Rio Verde e mais" + std::string(68 - 33, '#'));
    EXPECT_EQ(l.Latitude, "10°00'00\"");
    EXPECT_EQ(l.Longitude, "40°00'00\"");
}

TEST(TBDPrecipitacao, LocalidadesDeIndiceForaDoIntervalo)
{
    TPastaTeste pasta;
    pasta.grava("Localidades_Nim21.bin", arquivo(localidadesPorEstado()));
    TBDPrecipitacao bd(pasta.caminho());
    for (int indice : {27, -1, 1000}) {
        bd.leLocalidades(26);
        EXPECT_EQ(mensagemDe<ENumeroEstado>([&] { bd.leLocalidades(indice); }),
                  " Não existe estado com índice igual a " + std::to_string(indice));
        EXPECT_TRUE(bd.Localidades.empty());
    }
}
