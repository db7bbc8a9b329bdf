#include "tests/rainfall_equations/nucleo/ArquivosDeTeste.h"
#include "models/PrecipitacaoExponencialNegativa.h"
#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/nucleo/CoordenadasConsulta.h"
#include "rainfall_equations/nucleo/EquacaoConsulta.h"
#include "rainfall_equations/nucleo/FontesDados.h"
#include "rainfall_equations/nucleo/InstalacaoNimbra.h"
#include "rainfall_equations/nucleo/UnBD.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

namespace {

std::string mensagemDe(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const EConvertError& e) {
        return std::string("EConvertError: ") + e.what();
    } catch (const EDadosNaoInstalados& e) {
        return std::string("EDadosNaoInstalados: ") + e.what();
    } catch (const Exception& e) {
        return e.what();
    }
    return "(nenhum erro)";
}

// The format settings of the test, put back when it ends.
class ComSeparador {
public:
    explicit ComSeparador(char decimal) : antes_(configuracaoRegional())
    {
        TConfiguracaoRegional c = antes_;
        c.DecimalSeparator = decimal;
        c.ThousandSeparator = decimal == ',' ? '.' : ',';
        defineConfiguracaoRegional(c);
    }
    ~ComSeparador() { defineConfiguracaoRegional(antes_); }

private:
    TConfiguracaoRegional antes_;
};

} // namespace

TEST(EquacaoConsulta, LegendasComTresCasasEmNotacaoBrasileiraEmQualquerConfiguracao)
{
    TEstacao estacao;
    estacao.Nome = "Viçosa";
    estacao.K = 1234.5678;
    estacao.A = 0.1;
    estacao.B = 10.0005;
    estacao.C = 0.0004;
    for (char separador : {'.', ','}) {
        const ComSeparador configuracao(separador);
        EXPECT_EQ(legendasEquacao(estacao), (TLegendasEquacao{"1.234,568", "0,100", "10,001", "0,000"})) << separador;
        // Read back, they are the shown values.
        const TParametrosEquacao lidos = leParametrosEquacao({"1.234,568", "0,100", "10,001", "0,000"});
        EXPECT_EQ(lidos, (TParametrosEquacao{1234.568, 0.1, 10.001, 0.0})) << separador;
    }
}

// Only an equation the component can hand back is on show: a K that shows as zero would
// fail in the component after the window has closed.
TEST(EquacaoConsulta, HaEquacaoSoComAsQuatroLegendasQueATormentaAceita)
{
    EXPECT_TRUE(haEquacao({"1,000", "0,100", "10,000", "0,800"}));
    EXPECT_TRUE(haEquacao({"0,001", "0,000", "0,000", "0,000"}));
    const TLegendasEquacao recusadas[] = {
        {}, {"", "0,100", "10,000", "0,800"}, {"1,000", "0,100", "10,000", ""}, {"0,000", "0,100", "10,000", "0,800"},
        {"-1,000", "0,100", "10,000", "0,800"}, {"1,000", "-0,100", "10,000", "0,800"}, {"x", "0,1", "10", "0,8"},
    };
    for (const TLegendasEquacao& l : recusadas)
        EXPECT_FALSE(haEquacao(l)) << l.K << " " << l.A << " " << l.B << " " << l.C;
}

TEST(EquacaoConsulta, BrancosFinaisSaemUmAUm)
{
    const struct {
        std::string texto;
        std::string esperado;
    } casos[] = {
        {"ANEEL (2001)   ", "ANEEL (2001)"}, {"ANEEL (2001)", "ANEEL (2001)"}, {"   ", ""},
        {"", ""},                             {"Goiás \t ", "Goiás \t"},       {" Goiás", " Goiás"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(semBrancosFinais(c.texto), c.esperado) << "[" << c.texto << "]";
}

TEST(EquacaoConsulta, AvisoDeGoiasSoComAChaveDaSuaFonte)
{
    EXPECT_TRUE(mostraAvisoGoias(8, std::string(ChaveFonteGoias)));
    EXPECT_FALSE(mostraAvisoGoias(8, std::string(ChaveFonteGoias) + " "));
    EXPECT_FALSE(mostraAvisoGoias(8, std::string(ChaveCompilacaoIDF)));
    EXPECT_FALSE(mostraAvisoGoias(8, ""));
    EXPECT_FALSE(mostraAvisoGoias(6, std::string(ChaveFonteGoias)));
    EXPECT_FALSE(mostraAvisoGoias(12, std::string(ChaveFonteGoias)));
}

// Each caption is converted, then checked, before the next one is read: the first fault in
// that order is the one reported.
TEST(EquacaoConsulta, ParametrosLidosEConferidosNaOrdem)
{
    const struct {
        TLegendasEquacao legendas;
        std::string mensagem;
    } casos[] = {
        {{"", "", "", ""}, "EConvertError: '' is not a valid floating point value"},
        {{"0,000", "", "", ""}, "O valor do parâmetro \"K\" deve ser maior que zero."},
        {{"1,000", "x", "-1,000", ""}, "EConvertError: 'x' is not a valid floating point value"},
        {{"1,000", "-0,100", "", ""}, "Erro. O parâmetro \"a\" tem que ser maior ou igual a zero."},
        {{"1,000", "0,100", "-10,000", ""}, "Erro. O parâmetro \"b\" tem que ser maior ou igual a zero."},
        {{"1,000", "0,100", "10,000", "-0,001"}, "Erro. O parâmetro \"c\" tem que ser maior ou igual a zero."},
        {{"1,000", "0,100", "10,000", ""}, "EConvertError: '' is not a valid floating point value"},
    };
    const ComSeparador configuracao(',');
    for (const auto& c : casos)
        EXPECT_EQ(mensagemDe([&] { leParametrosEquacao(c.legendas); }), c.mensagem)
            << c.legendas.K << " " << c.legendas.A;
}

TEST(EquacaoConsulta, ParametrosAplicadosGuardamOTempoDeRetorno)
{
    TPrecipitacaoExponencialNegativa equacao;
    equacao.setTr(10);
    aplicaParametros({1234.568, 0.1, 10.001, 0.0}, equacao);
    EXPECT_EQ(equacao.K, 1234.568);
    EXPECT_EQ(equacao.A, 0.1);
    EXPECT_EQ(equacao.B, 10.001);
    EXPECT_EQ(equacao.C, 0.0);
    EXPECT_EQ(equacao.Tr, 10);
}

// The folder, then the stations file, then the localities file: the first missing one is
// the one reported, whatever else is missing. A file where the folder belongs is no folder,
// and the installer puts the folder in its place.
TEST(InstalacaoNimbra, TresConferenciasNaOrdem)
{
    arquivos::TPastaTeste pasta;
    const std::string dados = pasta.caminho() + "Nimbra/";
    EXPECT_EQ(mensagemDe([&] { verificaInstalacaoNimbra(dados); }), "EDadosNaoInstalados: " + MensagemSemPastaDados);
    pasta.grava("Nimbra", "não sou uma pasta");
    EXPECT_EQ(mensagemDe([&] { verificaInstalacaoNimbra(dados); }), "EDadosNaoInstalados: " + MensagemSemPastaDados);
    std::filesystem::remove(pasta.caminho() + "Nimbra");
    std::filesystem::create_directory(dados);
    EXPECT_EQ(mensagemDe([&] { verificaInstalacaoNimbra(dados); }), "EDadosNaoInstalados: " + MensagemSemEstacoes);
    // A folder of that name is no stations file.
    std::filesystem::create_directory(dados + ArquivoEstacoes);
    std::filesystem::create_directory(dados + ArquivoLocalidades);
    EXPECT_EQ(mensagemDe([&] { verificaInstalacaoNimbra(dados); }), "EDadosNaoInstalados: " + MensagemSemEstacoes);
    std::filesystem::remove(dados + ArquivoEstacoes);
    pasta.grava(std::string("Nimbra/") + ArquivoEstacoes, "");
    EXPECT_EQ(mensagemDe([&] { verificaInstalacaoNimbra(dados); }), "EDadosNaoInstalados: " + MensagemSemLocalidades);
    std::filesystem::remove(dados + ArquivoLocalidades);
    pasta.grava(std::string("Nimbra/") + ArquivoLocalidades, "");
    // Present but empty: damaged, which the installer mends as it mends a missing file.
    EXPECT_EQ(mensagemDe([&] { verificaInstalacaoNimbra(dados); }),
              "EDadosNaoInstalados: " + MensagemEstacoesDanificadas);
}

// A file cut short, a count beyond the file, a real that is no number, anywhere in either
// file: the same error as a missing file, so the installer is offered. Whole files pass.
TEST(InstalacaoNimbra, ArquivoDanificadoComoAusente)
{
    arquivos::TSecoes estacoes;
    estacoes[12].registros.push_back(arquivos::estacao({.nome = "Viçosa"}));
    arquivos::TSecoes localidades;
    localidades[26].registros.push_back(arquivos::localidade("Palmas", "10°10'00\"", "48°20'00\""));
    const std::string estacoesInteiro = arquivos::arquivo(estacoes);
    const std::string localidadesInteiro = arquivos::arquivo(localidades);
    arquivos::TSecoes estacoesNaN = estacoes;
    estacoesNaN[12].registros[0] = arquivos::estacao({.nome = "Viçosa", .K = std::nan("")});
    arquivos::TSecoes localidadesAlem = localidades;
    localidadesAlem[3].contagem = 2;
    const struct {
        std::string estacoes;
        std::string localidades;
        std::string mensagem;
    } casos[] = {
        {estacoesInteiro, localidadesInteiro, "(nenhum erro)"},
        {estacoesInteiro.substr(0, estacoesInteiro.size() - 1), localidadesInteiro,
         "EDadosNaoInstalados: " + MensagemEstacoesDanificadas},
        {arquivos::arquivo(estacoesNaN), localidadesInteiro, "EDadosNaoInstalados: " + MensagemEstacoesDanificadas},
        {estacoesInteiro, localidadesInteiro.substr(0, localidadesInteiro.size() - 1),
         "EDadosNaoInstalados: " + MensagemLocalidadesDanificadas},
        {estacoesInteiro, arquivos::arquivo(localidadesAlem), "EDadosNaoInstalados: " + MensagemLocalidadesDanificadas},
    };
    for (const auto& caso : casos) {
        arquivos::TPastaTeste pasta;
        pasta.grava(ArquivoEstacoes, caso.estacoes);
        pasta.grava(ArquivoLocalidades, caso.localidades);
        EXPECT_EQ(mensagemDe([&] { verificaInstalacaoNimbra(pasta.caminho()); }), caso.mensagem);
    }
}

// The tests run as root, whom no permission stops; what stops root too is a file where a
// folder above the data folder belongs and a link that leads back to itself. Both are
// there, so "localizar" would send the user looking for something that is not lost.
TEST(InstalacaoNimbra, PastaOuArquivoIlegivelNaoEhPastaAusente)
{
    arquivos::TPastaTeste pasta;
    const std::filesystem::path raiz = std::filesystem::path(pasta.caminho()).lexically_normal();
    const auto erro = [](const std::string& dados) {
        try {
            verificaInstalacaoNimbra(dados);
        } catch (const EDadosNaoInstalados& e) {
            return std::string("EDadosNaoInstalados: ") + e.what();
        } catch (const EInOutError& e) {
            return std::string(e.what());
        }
        return std::string("(nenhum erro)");
    };
    pasta.grava("Arquivos Comuns", "não sou uma pasta");
    EXPECT_EQ(erro(pasta.caminho() + "Arquivos Comuns/Nimbra/"),
              "Erro. Não foi possível ler a pasta contendo o banco de dados ("
                  + (raiz / "Arquivos Comuns" / "Nimbra").string()
                  + "): um arquivo ocupa o lugar de uma das pastas do caminho.");

    std::filesystem::create_symlink(raiz / "Ciclo", raiz / "Ciclo");
    EXPECT_EQ(erro(pasta.caminho() + "Ciclo/"),
              "Erro. Não foi possível ler a pasta contendo o banco de dados (" + (raiz / "Ciclo").string()
                  + "): os atalhos do caminho apontam uns para os outros em ciclo.");

    std::filesystem::create_directory(raiz / "Dados");
    std::filesystem::create_symlink(raiz / "Dados" / ArquivoEstacoes, raiz / "Dados" / ArquivoEstacoes);
    EXPECT_EQ(erro(pasta.caminho() + "Dados/"),
              "Erro. Não foi possível ler o banco de dados contendo os estados ("
                  + (raiz / "Dados" / ArquivoEstacoes).string()
                  + "): os atalhos do caminho apontam uns para os outros em ciclo.");
}

TEST(CoordenadasConsulta, PontoDoPixelSoDentroDosLimites)
{
    // Bounds on whole seconds, so that a text can fall exactly on them.
    const TLimitesMapa limites{40.0, 50.5, 15.0, 20.5, 16, 64, 420, 327};
    EXPECT_EQ(pontoDoPixel(16, 64, limites), (TPontoGraus{15.0, 50.5}));
    EXPECT_EQ(pontoDoPixel(436, 391, limites), (TPontoGraus{20.5, 40.0}));
    const std::optional<TPontoGraus> meio = pontoDoPixel(226, 227, limites);
    ASSERT_TRUE(meio);
    EXPECT_EQ(meio->Latitude, *limites.latitudeDaLinha(227));
    EXPECT_EQ(meio->Longitude, *limites.longitudeDaColuna(226));
    for (const auto& [x, y] : {std::pair{15, 200}, std::pair{437, 200}, std::pair{200, 63}, std::pair{200, 392},
                               std::pair{5, 5}})
        EXPECT_FALSE(pontoDoPixel(x, y, limites)) << x << ", " << y;
    EXPECT_FALSE(pontoDoPixel(226, 227, TLimitesMapa{}));
}
