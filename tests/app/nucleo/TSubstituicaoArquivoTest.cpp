#include "plataforma/nucleo/Excecoes.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "plataforma/nucleo/TSubstituicaoArquivo.h"
#include "tests/nucleo_comum/MortoNoMeio.h"
#include "tests/nucleo_comum/SemPrivilegio.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <sys/file.h>
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

    std::set<std::string> nomes() const
    {
        std::set<std::string> lista;
        for (const fs::directory_entry& entrada : fs::directory_iterator(pasta_))
            lista.insert(entrada.path().filename().string());
        return lista;
    }

    // The names `faz` adds to the folder.
    std::set<std::string> novos(const std::function<void()>& faz) const
    {
        const std::set<std::string> antes = nomes();
        faz();
        std::set<std::string> depois = nomes();
        for (const std::string& nome : antes)
            depois.erase(nome);
        return depois;
    }

    // A save of `caminho` killed in the middle of its write; the name of what it left.
    std::string gravacaoMorta(const fs::path& caminho) const
    {
        const std::set<std::string> resto = novos([&] {
            EXPECT_TRUE(morreNoMeio([&] { TSubstituicaoArquivo::grava(caminho.string(), std::string(100000, 'x')); },
                                    4096));
        });
        EXPECT_EQ(resto.size(), 1U);
        return resto.empty() ? std::string() : *resto.begin();
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

// ---- What killed saves leave behind -------------------------------------------------------

// A save killed part-way leaves its temporary file; the next save of the same file, killed
// in turn or not, removes it, and the earlier file stays whole until a save ends.
TEST_F(SubstituicaoArquivo, GravacaoSeguinteRemoveOQueAsMortasDeixaram)
{
    const std::string resto = gravacaoMorta(anterior_);
    EXPECT_EQ(resto.rfind(".Projeto.txt.", 0), 0U) << resto;
    for (int vez = 0; vez < 3; ++vez)
        ASSERT_TRUE(morreNoMeio([&] { TSubstituicaoArquivo::grava(anterior_.string(), std::string(100000, 'x')); }, 4096));
    EXPECT_EQ(nomes().size(), 2U);
    EXPECT_EQ(conteudoDe(anterior_), textoAnterior_);
    TGravadorProjeto::grava(anterior_.string(), projeto_);
    EXPECT_EQ(nomes(), std::set<std::string>{"Projeto.txt"});
    EXPECT_EQ(conteudoDe(anterior_), TGravadorProjeto::texto(projeto_));
}

// Only what killed saves of that very file left is removed: not the temporary file of a
// save still running (it holds it locked), nor anything else that only looks alike.
TEST_F(SubstituicaoArquivo, SoORestoDeGravacaoMortaDoMesmoArquivoSai)
{
    const std::string resto = gravacaoMorta(anterior_);
    const std::string prefixo = resto.substr(0, resto.size() - 6);
    const fs::path outro = pasta_ / "Outro.txt";
    std::ofstream(outro) << "x";
    const std::string restoDoOutro = gravacaoMorta(outro);
    const std::string emUso = prefixo + "Em8Uso";
    std::ofstream(pasta_ / emUso) << "gravando";
    const int travado = ::open((pasta_ / emUso).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(travado, LOCK_EX), 0);
    const std::set<std::string> parecidos{prefixo + "abc12", prefixo + "abc-12", prefixo + "abc1234",
                                          ".Projeto.txt.backup", "Projeto.txt~", "Projeto.txt.bak", prefixo + "Pasta1",
                                          prefixo + "Link12"};
    for (const std::string& nome : parecidos)
        if (nome != prefixo + "Pasta1" && nome != prefixo + "Link12")
            std::ofstream(pasta_ / nome) << "do usuário";
    fs::create_directory(pasta_ / (prefixo + "Pasta1"));
    fs::create_symlink(outro, pasta_ / (prefixo + "Link12"));

    TGravadorProjeto::grava(anterior_.string(), projeto_);
    std::set<std::string> esperados = parecidos;
    esperados.insert({"Projeto.txt", "Outro.txt", restoDoOutro, emUso});
    EXPECT_EQ(nomes(), esperados);
    ::close(travado);
}

// Two names as long as the folder allows that differ only at their end get temporary
// files of their own: a save of one leaves what a killed save of the other left.
TEST_F(SubstituicaoArquivo, NomesLongosParecidosTemRestosProprios)
{
    const std::string comeco(240, 'p');
    const fs::path a = pasta_ / (comeco + std::string(11, 'a') + ".txt");
    const fs::path b = pasta_ / (comeco + std::string(11, 'b') + ".txt");
    ASSERT_EQ(a.filename().string().size(), 255U);
    TGravadorProjeto::grava(a.string(), projeto_);
    const std::string restoDeA = gravacaoMorta(a);
    TGravadorProjeto::grava(b.string(), projeto_);
    EXPECT_TRUE(fs::exists(pasta_ / restoDeA));
    TGravadorProjeto::grava(a.string(), projeto_);
    EXPECT_EQ(nomes(), (std::set<std::string>{"Projeto.txt", a.filename().string(), b.filename().string()}));
}

// ---- Links --------------------------------------------------------------------------------

// Through a link, or a chain of links, relative or absolute, the file at the end is
// replaced; every link stays a link.
TEST_F(SubstituicaoArquivo, LinkGravaNoArquivoQueEleNomeia)
{
    fs::create_directory(pasta_ / "dados");
    const fs::path alvo = pasta_ / "dados" / "Terraco.txt";
    std::ofstream(alvo) << "antigo";
    fs::create_symlink("dados/Terraco.txt", pasta_ / "relativo.txt");
    fs::create_symlink(pasta_ / "relativo.txt", pasta_ / "cadeia.txt");
    fs::create_directory_symlink("dados", pasta_ / "atalho");
    for (const fs::path& link : {pasta_ / "relativo.txt", pasta_ / "cadeia.txt", pasta_ / "atalho" / "Terraco.txt"}) {
        SCOPED_TRACE(link.string());
        TGravadorProjeto::grava(link.string(), projeto_);
        EXPECT_EQ(conteudoDe(alvo), TGravadorProjeto::texto(projeto_));
        std::ofstream(alvo) << "antigo";
    }
    EXPECT_TRUE(fs::is_symlink(pasta_ / "relativo.txt"));
    EXPECT_TRUE(fs::is_symlink(pasta_ / "cadeia.txt"));
    EXPECT_EQ(nomes(), (std::set<std::string>{"Projeto.txt", "dados", "relativo.txt", "cadeia.txt", "atalho"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta_ / "dados"), fs::directory_iterator()), 1);
}

// A link to a file that does not exist, or into a loop of links, is neither replaced nor
// followed into a new file: the message says which link and why.
TEST_F(SubstituicaoArquivo, LinkQuebradoOuEmLacoTemMensagemClara)
{
    const std::string p = pasta_.string();
    fs::create_symlink("sumiu.txt", pasta_ / "quebrado.txt");
    fs::create_symlink(pasta_ / "quebrado.txt", pasta_ / "para-o-quebrado.txt");
    fs::create_symlink("laco-b.txt", pasta_ / "laco-a.txt");
    fs::create_symlink("laco-a.txt", pasta_ / "laco-b.txt");
    const std::string quebrado = "\" é um link simbólico para \"" + p + "/sumiu.txt\", que não existe; nada foi gravado.";
    esperaFalha(pasta_ / "quebrado.txt", "O arquivo \"" + p + "/quebrado.txt" + quebrado);
    esperaFalha(pasta_ / "para-o-quebrado.txt", "O arquivo \"" + p + "/para-o-quebrado.txt" + quebrado);
    esperaFalha(pasta_ / "laco-a.txt", "O arquivo \"" + p + "/laco-a.txt\" é um link simbólico que entra num laço de "
                                       "links e não chega a nenhum arquivo; nada foi gravado.");
    for (const char* link : {"quebrado.txt", "para-o-quebrado.txt", "laco-a.txt", "laco-b.txt"})
        EXPECT_TRUE(fs::is_symlink(pasta_ / link)) << link;
    EXPECT_FALSE(fs::exists(pasta_ / "sumiu.txt"));
}
