#include "app/instalador/nucleo/TInstaladorArquivosComuns.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> Arquivos{"Estados_Nim21.bin", "Localidades_Nim21.bin", "BA.bmp", "ES.bmp", "MG.bmp",
                                        "PR.bmp", "RJ.bmp", "SP.bmp", "TO.bmp"};

std::string conteudoDe(const fs::path& caminho)
{
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
}

void escreve(const fs::path& caminho, const std::string& conteudo)
{
    std::ofstream(caminho, std::ios::binary) << conteudo;
}

// Bytes a text copy would change: a NUL, CR LF and a byte above 127.
std::string enviado(const std::string& nome)
{
    return "copia de " + nome + std::string("\0\r\n\xE9", 4);
}

std::set<std::string> nomesEm(const fs::path& pasta)
{
    std::set<std::string> nomes;
    for (const fs::directory_entry& entrada : fs::directory_iterator(pasta))
        nomes.insert(entrada.path().filename().string());
    return nomes;
}

// The program's layout in a folder of its own: "<raiz>/bin/" with the shipped copy in
// "bin/dados/Nimbra/", and the shared data folder reached as "bin/../Arquivos Comuns/Nimbra/".
class InstaladorArquivosComuns : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string modelo = (fs::temp_directory_path() / "morlin_instalador_XXXXXX").string();
        ASSERT_NE(::mkdtemp(modelo.data()), nullptr);
        raiz_ = fs::canonical(modelo);
        origem_ = raiz_ / "bin" / "dados" / "Nimbra";
        pasta_ = raiz_ / "Arquivos Comuns" / "Nimbra";
        fs::create_directories(origem_);
        for (const std::string& nome : Arquivos)
            escreve(origem_ / nome, enviado(nome));
    }
    void TearDown() override { fs::remove_all(raiz_); }

    TResultadoInstalacao instala() const
    {
        return TInstaladorArquivosComuns((raiz_ / "bin/dados/Nimbra/").string(),
                                         (raiz_ / "bin/../Arquivos Comuns/Nimbra/").string())
            .instala();
    }

    void esperaInstalados(const std::vector<std::string>& nomes) const
    {
        for (const std::string& nome : nomes)
            EXPECT_EQ(conteudoDe(pasta_ / nome), enviado(nome)) << nome;
    }

    fs::path raiz_;
    fs::path origem_;
    fs::path pasta_;
};

} // namespace

TEST_F(InstaladorArquivosComuns, CriaAPastaComTodosOsArquivosEDizDeOndeParaOnde)
{
    const TResultadoInstalacao resultado = instala();

    EXPECT_TRUE(resultado.instalado);
    esperaInstalados(Arquivos);
    EXPECT_EQ(nomesEm(pasta_), std::set<std::string>(Arquivos.begin(), Arquivos.end()));
    EXPECT_EQ(resultado.mensagem,
              "Os arquivos comuns do banco de dados de chuvas intensas foram instalados.\n\n"
              "Arquivos: Estados_Nim21.bin, Localidades_Nim21.bin, BA.bmp, ES.bmp, MG.bmp, PR.bmp, RJ.bmp, SP.bmp e "
              "TO.bmp.\nDe: "
                  + origem_.string() + "\nPara: " + pasta_.string());
}

// The data is the program's own, so every file is replaced by the shipped one; what else
// the user keeps in the folder stays, and no temporary file is left behind.
TEST_F(InstaladorArquivosComuns, SubstituiOsDanificadosRepoeOsQueFaltamENaoTocaNoResto)
{
    fs::create_directories(pasta_);
    escreve(pasta_ / "Estados_Nim21.bin", "danificado");
    escreve(pasta_ / "MG.bmp", "");
    escreve(pasta_ / "anotacoes.txt", "do usuário");
    fs::create_directories(pasta_ / "mapas antigos");

    EXPECT_TRUE(instala().instalado);

    esperaInstalados(Arquivos);
    EXPECT_EQ(conteudoDe(pasta_ / "anotacoes.txt"), "do usuário");
    EXPECT_EQ(nomesEm(pasta_).size(), Arquivos.size() + 2);
    EXPECT_TRUE(instala().instalado) << "uma segunda vez";
    esperaInstalados(Arquivos);
}

// A file where the folder belongs makes room for it under a name of its own beside it, one
// that no other file has, and the message says where it went.
TEST_F(InstaladorArquivosComuns, ArquivoNoLugarDaPastaEhGuardadoAoLado)
{
    const struct {
        std::vector<std::string> ocupados;
        std::string guardado;
    } casos[] = {
        {{}, "Nimbra.bak"},
        {{"Nimbra.bak", "Nimbra (2).bak"}, "Nimbra (3).bak"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.guardado);
        TearDown();
        SetUp();
        const fs::path comuns = pasta_.parent_path();
        fs::create_directories(comuns);
        escreve(pasta_, "um arquivo do usuário");
        for (const std::string& nome : caso.ocupados)
            escreve(comuns / nome, "outro " + nome);

        const TResultadoInstalacao resultado = instala();

        EXPECT_TRUE(resultado.instalado);
        esperaInstalados(Arquivos);
        EXPECT_EQ(conteudoDe(comuns / caso.guardado), "um arquivo do usuário");
        for (const std::string& nome : caso.ocupados)
            EXPECT_EQ(conteudoDe(comuns / nome), "outro " + nome);
        EXPECT_TRUE(resultado.mensagem.ends_with("\nPara: " + pasta_.string()
                                                 + "\n\nO arquivo que ocupava o lugar da pasta foi guardado como "
                                                 + (comuns / caso.guardado).string() + "."))
            << resultado.mensagem;
    }
}

// A shipped copy that is not whole changes nothing: not even the folder is made.
TEST_F(InstaladorArquivosComuns, CopiaQueFaltaNaoMudaNadaEDizOndeFoiProcurada)
{
    struct Caso {
        const char* nome;
        std::function<void(const fs::path&)> estraga;
        std::string causa;
    };
    const std::vector<Caso> casos{
        {"sem a pasta", [](const fs::path& origem) { fs::remove_all(origem); },
         "a cópia que acompanha o programa não foi encontrada."},
        {"um arquivo no lugar da pasta",
         [](const fs::path& origem) {
             fs::remove_all(origem);
             escreve(origem, "");
         },
         "a cópia que acompanha o programa não foi encontrada."},
        {"sem um arquivo", [](const fs::path& origem) { fs::remove(origem / "TO.bmp"); },
         "a cópia que acompanha o programa está incompleta. Falta o arquivo TO.bmp."},
        {"sem dois, um deles no lugar de uma pasta",
         [](const fs::path& origem) {
             fs::remove(origem / "Estados_Nim21.bin");
             fs::remove(origem / "RJ.bmp");
             fs::create_directory(origem / "RJ.bmp");
         },
         "a cópia que acompanha o programa está incompleta. Faltam os arquivos Estados_Nim21.bin e RJ.bmp."},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        TearDown();
        SetUp();
        caso.estraga(origem_);

        const TResultadoInstalacao resultado = instala();

        EXPECT_FALSE(resultado.instalado);
        EXPECT_EQ(resultado.mensagem,
                  "Os arquivos comuns do banco de dados de chuvas intensas não foram instalados: " + caso.causa
                      + "\n\nPasta: " + origem_.string()
                      + "\n\nNenhum arquivo foi copiado. Reinstale o programa para recuperar essa cópia.");
        EXPECT_FALSE(fs::exists(raiz_ / "Arquivos Comuns"));
    }
}

// Root may write anywhere, but not make a folder where a file stands.
TEST_F(InstaladorArquivosComuns, PastaQueNaoPodeSerCriadaDizQualEPorque)
{
    escreve(raiz_ / "Arquivos Comuns", "um arquivo do usuário");

    const TResultadoInstalacao resultado = instala();

    EXPECT_FALSE(resultado.instalado);
    EXPECT_EQ(resultado.mensagem,
              "Os arquivos comuns do banco de dados de chuvas intensas não foram instalados: a pasta de destino não "
              "pôde ser criada (um arquivo ocupa o lugar de uma das pastas do caminho).\n\nPasta: "
                  + pasta_.string() + "\n\nNenhum arquivo foi copiado.");
    EXPECT_EQ(conteudoDe(raiz_ / "Arquivos Comuns"), "um arquivo do usuário");
}

// A folder where a file belongs is never removed: the files before it are in place, the
// ones after it are not written, and the message says which.
TEST_F(InstaladorArquivosComuns, ArquivoQueNaoPodeSerGravadoDizQualEOQueJaFoiCopiado)
{
    struct Caso {
        std::string bloqueado;
        std::vector<std::string> antes;
        std::string copiados;
    };
    const std::vector<Caso> casos{
        {"Estados_Nim21.bin", {}, "Nenhum arquivo foi copiado."},
        {"Localidades_Nim21.bin", {"Estados_Nim21.bin"}, "Foi copiado antes da falha: Estados_Nim21.bin."},
        {"MG.bmp",
         {"Estados_Nim21.bin", "Localidades_Nim21.bin", "BA.bmp", "ES.bmp"},
         "Foram copiados antes da falha: Estados_Nim21.bin, Localidades_Nim21.bin, BA.bmp e ES.bmp."},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.bloqueado);
        TearDown();
        SetUp();
        fs::create_directories(pasta_ / caso.bloqueado);
        escreve(pasta_ / caso.bloqueado / "dentro.txt", "do usuário");
        escreve(pasta_ / "TO.bmp", "antigo");

        const TResultadoInstalacao resultado = instala();

        EXPECT_FALSE(resultado.instalado);
        EXPECT_EQ(resultado.mensagem,
                  "Os arquivos comuns do banco de dados de chuvas intensas não foram instalados: o arquivo "
                      + caso.bloqueado + " não pôde ser gravado (uma pasta ocupa o lugar do arquivo).\n\nPasta: "
                      + pasta_.string() + "\n\n" + caso.copiados);
        esperaInstalados(caso.antes);
        EXPECT_EQ(conteudoDe(pasta_ / caso.bloqueado / "dentro.txt"), "do usuário");
        EXPECT_EQ(conteudoDe(pasta_ / "TO.bmp"), "antigo");
        EXPECT_EQ(nomesEm(pasta_).size(), caso.antes.size() + 2);
    }
}
