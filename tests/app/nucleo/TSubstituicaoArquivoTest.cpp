#include "plataforma/nucleo/Excecoes.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "plataforma/nucleo/TSubstituicaoArquivo.h"
#include "tests/nucleo_comum/SemPrivilegio.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string conteudoDe(const fs::path& caminho)
{
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
}

// A folder of its own for each test, with an earlier project file in it.
class SubstituicaoArquivo : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string modelo = (fs::temp_directory_path() / "morlin_gravacao_XXXXXX").string();
        ASSERT_NE(::mkdtemp(modelo.data()), nullptr);
        pasta_ = modelo;
        anterior_ = pasta_ / "Projeto.txt";
        std::ofstream(anterior_, std::ios::binary) << textoAnterior_;
    }
    void TearDown() override { fs::remove_all(pasta_); }

    // The save, run by `executa`, fails with `mensagem`, and the folder holds just what it
    // held before.
    void esperaFalha(const fs::path& caminho, const std::string& mensagem,
                     const std::function<void(const std::function<void()>&)>& executa =
                         [](const std::function<void()>& operacao) { operacao(); })
    {
        const auto antes = std::distance(fs::directory_iterator(pasta_), fs::directory_iterator());
        try {
            executa([&] { TGravadorProjeto::grava(caminho.string(), TDadosTerraco()); });
            ADD_FAILURE() << "gravou " << caminho;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.Message(), mensagem);
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), antes);
        EXPECT_EQ(conteudoDe(anterior_), textoAnterior_);
    }

    fs::path pasta_;
    fs::path anterior_;
    const std::string textoAnterior_ = "Morlin\r\n\r\nprojeto anterior\r\n";
    TDadosTerraco projeto_ = [] {
        TDadosTerraco d;
        d.identificacao.EIdentificacao = "Terraço 9";
        return d;
    }();
};

} // namespace

TEST_F(SubstituicaoArquivo, CriaESubstituiSemPerguntar)
{
    const fs::path novo = pasta_ / "Novo.txt";
    TGravadorProjeto::grava(novo.string(), TDadosTerraco());
    EXPECT_EQ(conteudoDe(novo), TGravadorProjeto::texto(TDadosTerraco()));

    fs::permissions(anterior_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TGravadorProjeto::grava(anterior_.string(), TDadosTerraco());
    EXPECT_EQ(conteudoDe(anterior_), TGravadorProjeto::texto(TDadosTerraco()));
    EXPECT_EQ(fs::status(anterior_).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), 2);

    // Saved through a link, the project it names is replaced and the link stays.
    const fs::path atalho = pasta_ / "Atalho.txt";
    fs::create_symlink(novo, atalho);
    TGravadorProjeto::grava(atalho.string(), projeto_);
    EXPECT_TRUE(fs::is_symlink(atalho));
    EXPECT_EQ(conteudoDe(novo), TGravadorProjeto::texto(projeto_));
}

// A name as long as the folder allows is saved like any other, in one-byte and in
// two-byte characters.
TEST_F(SubstituicaoArquivo, NomeNoLimiteDoSistemaESalvo)
{
    std::string acentuado = "P";
    while (acentuado.size() + 2 <= 255)
        acentuado += "ã";
    const std::string nomes[] = {std::string(251, 'p') + ".txt", acentuado};
    for (const std::string& nome : nomes) {
        ASSERT_EQ(nome.size(), 255U);
        const fs::path longo = pasta_ / nome;
        TGravadorProjeto::grava(longo.string(), TDadosTerraco());
        TGravadorProjeto::grava(longo.string(), projeto_);
        EXPECT_EQ(conteudoDe(longo), TGravadorProjeto::texto(projeto_));
        EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), 2);
        fs::remove(longo);
    }
}

// The file size limit stops the writing part-way, even for root.
TEST_F(SubstituicaoArquivo, FalhaNoMeioDaEscritaPreservaOArquivoAnterior)
{
    rlimit limite{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limite), 0);
    const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit pequeno = limite;
    pequeno.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &pequeno), 0);
    esperaFalha(anterior_, "I/O error 27");
    ::setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, sinal);
}

TEST_F(SubstituicaoArquivo, DestinoImpossivelNaoTocaEmNada)
{
    fs::create_directory(pasta_ / "Pasta.txt");
    esperaFalha(pasta_ / "Pasta.txt", "File access denied");
    esperaFalha(pasta_ / "nao_existe" / "Projeto.txt", "File not found");
    esperaFalha(anterior_ / "Projeto.txt", "Invalid filename");
    // A device is never replaced by a regular file, not even by root.
    esperaFalha("/dev/full", "File access denied");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(SubstituicaoArquivo, ArquivoSomenteLeituraNaoESubstituido)
{
    fs::permissions(anterior_, fs::perms::owner_read);
    esperaFalha(anterior_, "File access denied", semPrivilegio);
}
