#include "plataforma/nucleo/TSubstituicaoArquivo.h"

#include "plataforma/nucleo/CaminhoExibido.h"
#include "plataforma/nucleo/ErroEntradaSaida.h"
#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TArquivoTemporario.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A new file gets the permissions any program's new file gets; a replaced one keeps its own.
mode_t permissoes(const std::string& caminho)
{
    struct stat estado {};
    if (::stat(caminho.c_str(), &estado) == 0) {
        if (S_ISDIR(estado.st_mode))
            lancaErroEntradaSaida(EISDIR);
        if (!S_ISREG(estado.st_mode) || ::access(caminho.c_str(), W_OK) != 0)
            lancaErroEntradaSaida(EACCES);
        return estado.st_mode & 07777;
    }
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

// Where a chain of links ends: the name the last of them holds, taken from its own folder.
std::filesystem::path fimDosLinks(std::filesystem::path caminho)
{
    std::error_code erro;
    for (int salto = 0; salto < 40 && std::filesystem::is_symlink(caminho, erro); ++salto) {
        const std::filesystem::path alvo = std::filesystem::read_symlink(caminho, erro);
        if (erro)
            break;
        caminho = alvo.is_absolute() ? alvo : caminho.parent_path() / alvo;
    }
    return caminho;
}

std::string linkExibido(const std::filesystem::path& link)
{
    return (std::filesystem::path(caminhoExibido(link.parent_path().empty() ? "." : link.parent_path()))
            / link.filename())
        .string();
}

// A link keeps pointing at the project: the file it names is the one replaced, as an editor
// does it. A link to nothing, or into a loop of links, is refused rather than replaced.
std::string destinoReal(const std::string& caminho)
{
    std::error_code erro;
    if (!std::filesystem::is_symlink(caminho, erro))
        return caminho;
    const std::filesystem::path alvo = std::filesystem::canonical(caminho, erro);
    if (!erro)
        return alvo.string();
    const std::string link = "O arquivo \"" + linkExibido(caminho) + "\" é um link simbólico ";
    if (erro == std::errc::too_many_symbolic_link_levels)
        throw EInOutError(link + "que entra num laço de links e não chega a nenhum arquivo; nada foi gravado.", ELOOP);
    if (erro == std::errc::no_such_file_or_directory)
        throw EInOutError(link + "para \"" + caminhoExibido(fimDosLinks(caminho)) + "\", que não existe; nada foi gravado.",
                          ENOENT);
    lancaErroEntradaSaida(erro.value());
}

std::string pastaDe(const std::string& caminho)
{
    const std::filesystem::path pasta = std::filesystem::path(caminho).parent_path();
    return pasta.empty() ? std::string(".") : pasta.string();
}

void escreveTudo(int arquivo, std::string_view conteudo)
{
    while (!conteudo.empty()) {
        const ssize_t escritos = ::write(arquivo, conteudo.data(), conteudo.size());
        if (escritos < 0) {
            if (errno == EINTR)
                continue;
            lancaErroEntradaSaida(errno);
        }
        conteudo.remove_prefix(static_cast<std::size_t>(escritos));
    }
}

// The rename reaches the disk with the folder's own entry list; a folder that cannot
// be synchronised leaves the new file in place all the same.
void sincronizaPasta(const std::string& pasta)
{
    const int descritor = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descritor >= 0) {
        ::fsync(descritor);
        ::close(descritor);
    }
}

} // namespace

void TSubstituicaoArquivo::grava(const std::string& nomeArquivo, std::string_view conteudo)
{
    const std::string caminho = destinoReal(nomeArquivo);
    const mode_t modo = permissoes(caminho);
    const std::string pasta = pastaDe(caminho);
    TArquivoTemporario temporario(pasta, std::filesystem::path(caminho).filename().string());
    // Permissions are a courtesy: a file system that keeps none still takes the text.
    static_cast<void>(::fchmod(temporario.descritor(), modo));
    escreveTudo(temporario.descritor(), conteudo);
    if (::fsync(temporario.descritor()) != 0)
        lancaErroEntradaSaida(errno);
    temporario.tomaOLugar(caminho);
    sincronizaPasta(pasta);
}
