#include "plataforma/nucleo/CaminhoExibido.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A folder of its own under the system's temporary folder, gone after the test.
class PastaTemporaria {
public:
    PastaTemporaria()
        : caminho_(fs::canonical(fs::temp_directory_path())
                   / ("caminho_exibido_" + std::to_string(reinterpret_cast<std::uintptr_t>(this))))
    {
        fs::create_directories(caminho_ / "programa");
    }
    ~PastaTemporaria()
    {
        std::error_code erro;
        fs::remove_all(caminho_, erro);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    const fs::path& caminho() const { return caminho_; }

private:
    fs::path caminho_;
};

} // namespace

// The folder a program beside "programa/" looks for, whether it exists yet or not.
TEST(CaminhoExibido, SemPontoPontoNemSeparadorNoFim)
{
    const PastaTemporaria pasta;
    const fs::path base = pasta.caminho();
    const std::string esperado = (base / "Arquivos Comuns" / "Nimbra").string();
    EXPECT_EQ(caminhoExibido(base.string() + "/programa/../Arquivos Comuns/Nimbra/"), esperado);
    fs::create_directories(base / "Arquivos Comuns" / "Nimbra");
    EXPECT_EQ(caminhoExibido(base.string() + "/programa/../Arquivos Comuns/Nimbra/"), esperado);
    EXPECT_EQ(caminhoExibido(base.string() + "/./programa/./../Arquivos Comuns/Nimbra"), esperado);
    // A file keeps its name.
    std::ofstream(base / "programa" / "setup.exe") << "x";
    EXPECT_EQ(caminhoExibido(base.string() + "/programa/setup.exe"), (base / "programa" / "setup.exe").string());
    EXPECT_EQ(caminhoExibido("/"), "/");
}

// A link in the path is followed: the user finds the folder where it really is.
TEST(CaminhoExibido, LigacaoSeguida)
{
    const PastaTemporaria pasta;
    const fs::path base = pasta.caminho();
    fs::create_directories(base / "real" / "Nimbra");
    fs::create_directory_symlink(base / "real", base / "atalho");
    EXPECT_EQ(caminhoExibido(base / "atalho" / "Nimbra" / ""), (base / "real" / "Nimbra").string());
}
