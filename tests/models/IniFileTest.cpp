#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "models/IniFile.h"
#include "plataforma/nucleo/Excecoes.h"
#include "tests/models/ConfiguracaoTemporaria.h"
#include "tests/models/PastaDeTeste.h"
#include "tests/nucleo_comum/MortoNoMeio.h"
#include "tests/nucleo_comum/SemPrivilegio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class IniFile : public PastaDeTeste {
protected:
    void SetUp() override
    {
        PastaDeTeste::SetUp();
        nome_ = caminho("eventos.ini");
    }

    // The operation raises E and the folder holds just what it held before.
    template <class E>
    void esperaNadaMuda(const std::function<void()>& operacao)
    {
        const std::string antes = conteudoDe(nome_);
        const auto arquivos = std::distance(fs::directory_iterator(pasta_), fs::directory_iterator());
        EXPECT_THROW(operacao(), E);
        EXPECT_EQ(conteudoDe(nome_), antes);
        EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), arquivos);
    }

    std::string nome_;
};

TEST_F(IniFile, CadaGravacaoChegaAoArquivoEmWindows1252ComCRLF)
{
    TIniFile ini(nome_);
    ini.WriteString("PRECIPITACAO_1", "Versao", "3");
    EXPECT_EQ(conteudoDe(nome_), "[PRECIPITACAO_1]\r\nVersao=3\r\n");
    ini.WriteString("Outra", "Nome", "Chuva de verão");
    // Another object on the same file sees every write at once, and its own reach the first.
    TIniFile outro(nome_);
    EXPECT_EQ(outro.ReadString("OUTRA", "nome", ""), "Chuva de verão");
    outro.WriteString("precipitacao_1", "VERSAO", "4");
    outro.WriteString("Precipitacao_1", "Duracao", "30");
    EXPECT_EQ(ini.ReadString("PRECIPITACAO_1", "Versao", ""), "4");
    EXPECT_EQ(conteudoDe(nome_), "[PRECIPITACAO_1]\r\nVersao=4\r\nDuracao=30\r\n"
                                 "[Outra]\r\nNome=Chuva de ver\xE3o\r\n");
}

// The file on disk is Windows-1252: "Esta\xE7\xE3o" is "Estação", "\xC7" is "Ç".
TEST_F(IniFile, LeSemDiferencaDeCaixaNemDeBrancos)
{
    grava(nome_, "; eventos de chuva\n"
                 "[ Esta\xE7\xE3o ]\n"
                 "  Chave =  valor com brancos  \r\n"
                 "; Comentario=nao e chave\r\n"
                 "Vazia=\r\n"
                 "\r\n"
                 "[Outra]\n"
                 "Chave=da outra\n"
                 "\xC7=cedilha");
    const TIniFile ini(nome_);
    EXPECT_EQ(ini.ReadString("ESTAÇÃO", "chave", "-"), "valor com brancos");
    EXPECT_EQ(ini.ReadString("Estação", "; Comentario", "-"), "-");
    EXPECT_EQ(ini.ReadString("Estação", "Vazia", "-"), "");
    EXPECT_EQ(ini.ReadFloat("Estação", "Vazia", 7.0), 7.0);
    EXPECT_EQ(ini.ReadString("outra", "CHAVE", "-"), "da outra");
    EXPECT_EQ(ini.ReadString("Outra", "ç", "-"), "cedilha");
    EXPECT_EQ(ini.ReadString("Nenhuma", "Chave", "padrão"), "padrão");
    EXPECT_EQ(TIniFile(caminho("nao_existe.ini")).ReadString("Outra", "Chave", "padrão"), "padrão");
}

// Lines the writes do not touch stay as they were, even bytes the code page leaves
// undefined; a new key goes after the last key of its section.
TEST_F(IniFile, GuardaOQueNaoMudaEAOrdem)
{
    grava(nome_, "; cabe\x81\xE7" "alho\n[A]\nx=1\n\n[B]\ny=2\n");
    TIniFile ini(nome_);
    ini.WriteString("a", "z", "3");
    ini.WriteString("B", "Y", "22");
    ini.WriteString("C", "w", "4");
    EXPECT_EQ(conteudoDe(nome_), "; cabe\x81\xE7" "alho\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=22\r\n[C]\r\nw=4\r\n");
}

TEST_F(IniFile, ApagaChaveESecao)
{
    grava(nome_, "[A]\r\nx=1\r\ny=2\r\n; nota de A\r\n[B]\r\nz=3\r\n[a]\r\nv=5\r\n");
    TIniFile ini(nome_);
    ini.DeleteKey("a", "X");
    EXPECT_EQ(conteudoDe(nome_), "[A]\r\ny=2\r\n; nota de A\r\n[B]\r\nz=3\r\n[a]\r\nv=5\r\n");
    ini.DeleteKey("B", "z");
    EXPECT_EQ(conteudoDe(nome_), "[A]\r\ny=2\r\n; nota de A\r\n[B]\r\n[a]\r\nv=5\r\n");
    ini.EraseSection("A");
    EXPECT_EQ(conteudoDe(nome_), "[B]\r\n");
    EXPECT_EQ(ini.ReadString("A", "v", "-"), "-");

    // Nothing to remove writes nothing, not even where nothing can be written.
    TIniFile semPasta(caminho("nao_existe/eventos.ini"));
    semPasta.DeleteKey("A", "x");
    semPasta.EraseSection("A");
    EXPECT_FALSE(fs::exists(pasta_ / "nao_existe"));
}

TEST_F(IniFile, ReaisNaMesmaNotacaoEmQualquerConfiguracao)
{
    const struct {
        double valor;
        const char* texto;
    } casos[] = {
        {12.5, "12.5"}, {-1.0, "-1"}, {0.0, "0"}, {0.1 + 0.2, "0.30000000000000004"}, {1234567.0, "1234567"},
        {0.0001, "1e-04"}, {0.001, "0.001"}, {1e300, "1e+300"}, {5e-324, "5e-324"}, {-2.5e-7, "-2.5e-07"},
    };
    for (const TConfiguracaoRegional& configuracao :
         {TConfiguracaoRegional::brasileira(), TConfiguracaoRegional()}) {
        TConfiguracaoTemporaria temporaria(configuracao);
        TIniFile ini(nome_);
        for (const auto& caso : casos) {
            ini.WriteFloat("R", "v", caso.valor);
            EXPECT_EQ(ini.ReadString("R", "v", ""), caso.texto);
            EXPECT_EQ(ini.ReadFloat("R", "v", 99.0), caso.valor) << caso.texto;
        }
    }
}

TEST_F(IniFile, RealIlegivelDaOPadrao)
{
    TConfiguracaoTemporaria brasileira(TConfiguracaoRegional::brasileira());
    const struct {
        const char* texto;
        double valor;
    } legiveis[] = {{" 12.5 ", 12.5}, {"+3", 3.0}, {"-.5", -0.5}, {"2.", 2.0}, {"1E3", 1000.0}};
    const char* ilegiveis[] = {"12,5", "1.234,5", "inf", "nan", "0x10", "1e999", "abc", "1 2", "1e", "."};
    TIniFile ini(nome_);
    for (const auto& caso : legiveis) {
        ini.WriteString("R", "v", caso.texto);
        EXPECT_EQ(ini.ReadFloat("R", "v", 99.0), caso.valor) << caso.texto;
    }
    for (const char* texto : ilegiveis) {
        ini.WriteString("R", "v", texto);
        EXPECT_EQ(ini.ReadFloat("R", "v", 99.0), 99.0) << texto;
    }
    esperaNadaMuda<EInvalidOp>([&] { ini.WriteFloat("R", "v", std::numeric_limits<double>::infinity()); });
    esperaNadaMuda<EInvalidOp>([&] { ini.WriteFloat("R", "v", std::numeric_limits<double>::quiet_NaN()); });
}

TEST_F(IniFile, DataHoraAoMilissegundo)
{
    TIniFile ini(nome_);
    const struct {
        double valor;
        const char* texto;
    } casos[] = {
        {38061.75, "2004-03-15 18:00:00.000"},
        {0.0, "1899-12-30 00:00:00.000"},
        {-1.25, "1899-12-29 06:00:00.000"},
        {36585.0 + 1.0 / 86400000.0, "2000-02-29 00:00:00.001"},
    };
    for (const auto& caso : casos) {
        ini.WriteDateTime("D", "Data", caso.valor);
        EXPECT_EQ(ini.ReadString("D", "Data", ""), caso.texto);
        EXPECT_DOUBLE_EQ(ini.ReadDateTime("D", "Data", 1.0), caso.valor) << caso.texto;
    }
    ini.WriteString("D", "Data", "2004-03-15");
    EXPECT_EQ(ini.ReadDateTime("D", "Data", 1.0), 38061.0);
    ini.WriteString("D", "Data", "2004-03-15 18:00:00");
    EXPECT_EQ(ini.ReadDateTime("D", "Data", 1.0), 38061.75);
    for (const char* ilegivel : {"2004-02-30", "15/03/2004", "2004-03-15T18:00:00", "2004-03-15 24:00:00", "38061.75"}) {
        ini.WriteString("D", "Data", ilegivel);
        EXPECT_EQ(ini.ReadDateTime("D", "Data", 1.0), 1.0) << ilegivel;
    }
    esperaNadaMuda<EConvertError>([&] { ini.WriteDateTime("D", "Data", 2958466.0); });
}

TEST_F(IniFile, TextoQueOArquivoNaoGuardaNaoEGravado)
{
    TIniFile ini(nome_);
    ini.WriteString("S", "k", "v");
    const std::function<void()> recusadas[] = {
        [&] { ini.WriteString("S", "k", "duas\r\nlinhas"); },
        [&] { ini.WriteString("S", "k", "中文"); },
        [&] { ini.WriteString("S]", "k", "v"); },
        [&] { ini.WriteString(" ", "k", "v"); },
        [&] { ini.WriteString("S", "a=b", "v"); },
        [&] { ini.WriteString("S", "", "v"); },
        [&] { ini.WriteString("S", ";k", "v"); },
        [&] { ini.WriteString("S", "[k", "v"); },
    };
    for (const auto& recusada : recusadas)
        esperaNadaMuda<Exception>(recusada);
}

TEST_F(IniFile, GravacaoQueFalhaDeixaOArquivoComoEstava)
{
    grava(nome_, "[S]\r\nk=anterior\r\nj=1\r\n[T]\r\nt=12345\r\n");
    TIniFile ini(nome_);
    {
        TLimiteTamanhoArquivo limite(8);
        esperaNadaMuda<EInOutError>([&] { ini.WriteString("S", "k", "valor novo"); });
        esperaNadaMuda<EInOutError>([&] { ini.DeleteKey("S", "j"); });
        esperaNadaMuda<EInOutError>([&] { ini.EraseSection("S"); });
    }
    // A folder where the file should be is neither read nor replaced.
    fs::create_directory(pasta_ / "pasta.ini");
    TIniFile pasta(caminho("pasta.ini"));
    EXPECT_EQ(pasta.ReadString("S", "k", "padrão"), "padrão");
    EXPECT_THROW(pasta.WriteString("S", "k", "v"), EInOutError);
    EXPECT_TRUE(fs::is_directory(pasta_ / "pasta.ini"));

    TIniFile semPasta(caminho("nao_existe/eventos.ini"));
    EXPECT_THROW(semPasta.WriteString("S", "k", "v"), EInOutError);
    EXPECT_FALSE(fs::exists(pasta_ / "nao_existe"));
}

TEST_F(IniFile, AtualizacaoSubstituiOArquivoUmaVez)
{
    const std::string anterior = "[S]\r\nk=anterior\r\nj=1\r\n";
    grava(nome_, anterior);
    TIniFile ini(nome_);
    ini.atualiza([&] {
        ini.WriteString("S", "k", "novo");
        ini.DeleteKey("S", "j");
        ini.WriteFloat("T", "x", 2.5);
        // Its own reads see the changes; the file does not until the end.
        EXPECT_EQ(ini.ReadString("S", "k", ""), "novo");
        EXPECT_EQ(ini.ReadString("S", "j", "-"), "-");
        EXPECT_EQ(conteudoDe(nome_), anterior);
        // An inner update that fails takes back only its own changes.
        EXPECT_THROW(ini.atualiza([&] {
            ini.WriteString("S", "k", "desfeito");
            ini.WriteFloat("T", "x", std::numeric_limits<double>::infinity());
        }),
                     EInvalidOp);
        EXPECT_EQ(ini.ReadString("S", "k", ""), "novo");
    });
    EXPECT_EQ(conteudoDe(nome_), "[S]\r\nk=novo\r\n[T]\r\nx=2.5\r\n");

    // Nothing changed writes nothing, not even where nothing can be written.
    TIniFile semPasta(caminho("nao_existe/eventos.ini"));
    semPasta.atualiza([&] { semPasta.DeleteKey("S", "k"); });
    EXPECT_FALSE(fs::exists(pasta_ / "nao_existe"));
}

TEST_F(IniFile, AtualizacaoQueFalhaNaoGravaNada)
{
    const std::string anterior = "[S]\r\nk=anterior\r\n";
    grava(nome_, anterior);
    TIniFile ini(nome_);
    esperaNadaMuda<EConvertError>([&] {
        ini.atualiza([&] {
            ini.WriteString("S", "k", "novo");
            ini.WriteDateTime("S", "Data", 1e9);
        });
    });
    EXPECT_EQ(ini.ReadString("S", "k", ""), "anterior");
    {
        TLimiteTamanhoArquivo limite(anterior.size());
        esperaNadaMuda<EInOutError>([&] {
            ini.atualiza([&] {
                ini.WriteString("S", "k", "novo");
                ini.WriteString("S", "j", "1");
            });
        });
    }
    // A file that is there but cannot be read is not replaced by the changes alone.
    fs::create_directory(pasta_ / "pasta.ini");
    TIniFile pasta(caminho("pasta.ini"));
    bool executou = false;
    EXPECT_THROW(pasta.atualiza([&] { executou = true; }), EInOutError);
    EXPECT_FALSE(executou);
}

// A write killed part-way leaves its temporary file beside the settings file; the next
// write removes it, and the file holds the earlier text until a write ends.
TEST_F(IniFile, GravacaoSeguinteRemoveOQueUmaGravacaoMortaDeixou)
{
    grava(nome_, "[S]\r\nk=anterior\r\n");
    TIniFile ini(nome_);
    ASSERT_TRUE(morreNoMeio([&] { ini.WriteString("S", "k", std::string(100000, 'x')); }, 4096));
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), 2);
    EXPECT_EQ(ini.ReadString("S", "k", ""), "anterior");
    ini.WriteString("S", "k", "novo");
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), 1);
    EXPECT_EQ(conteudoDe(nome_), "[S]\r\nk=novo\r\n");
}

// The longest name the folder takes, in one-byte and in two-byte characters.
TEST_F(IniFile, NomeNoLimiteDoSistemaEGravado)
{
    const auto repete = [](const std::string& texto, int vezes) {
        std::string repetido;
        for (int i = 0; i < vezes; ++i)
            repetido += texto;
        return repetido;
    };
    const std::string nomes[] = {repete("e", 251) + ".ini", repete("e", 4) + repete("ç", 125) + "e"};
    for (const std::string& nome : nomes) {
        ASSERT_EQ(nome.size(), 255U);
        TIniFile ini(caminho(nome));
        ini.WriteString("S", "k", "v");
        ini.WriteString("S", "k", "w");
        EXPECT_EQ(conteudoDe(caminho(nome)), "[S]\r\nk=w\r\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), 1);
        fs::remove(caminho(nome));
    }
}

TEST_F(IniFile, ArquivoSomenteLeituraNaoEGravado)
{
    grava(nome_, "[S]\r\nk=anterior\r\n");
    fs::permissions(nome_, fs::perms::owner_read);
    TIniFile ini(nome_);
    esperaNadaMuda<EInOutError>([&] { semPrivilegio([&] { ini.WriteString("S", "k", "novo"); }); });
}

} // namespace
