#include "plataforma/nucleo/TSubstituicaoArquivo.h"

#include "plataforma/nucleo/ErroEntradaSaida.h"

#include <cerrno>
#include <fcntl.h>
#include <climits>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// A link keeps pointing at the project: the file it names is the one replaced.
std::string destinoReal(const std::string& caminho)
{
    std::error_code erro;
    if (std::filesystem::is_symlink(caminho, erro)) {
        const std::filesystem::path alvo = std::filesystem::canonical(caminho, erro);
        if (!erro)
            return alvo.string();
    }
    return caminho;
}

std::string pastaDe(const std::string& caminho)
{
    const std::filesystem::path pasta = std::filesystem::path(caminho).parent_path();
    return pasta.empty() ? std::string(".") : pasta.string();
}

// The temporary file's name: the file's own, hidden and with six random characters
// after it, shortened where needed so that a file whose name is as long as the folder
// allows can still be replaced. The cut never splits a UTF-8 character.
std::string modeloTemporario(const std::string& pasta, const std::string& nome)
{
    constexpr std::size_t Acrescimo = std::char_traits<char>::length("..XXXXXX");
    const long limiteSistema = ::pathconf(pasta.c_str(), _PC_NAME_MAX);
    const std::size_t limite = limiteSistema > 0 ? static_cast<std::size_t>(limiteSistema) : NAME_MAX;
    std::size_t tamanho = nome.size();
    if (tamanho + Acrescimo > limite) {
        tamanho = limite > Acrescimo ? limite - Acrescimo : 0;
        while (tamanho > 0 && (static_cast<unsigned char>(nome[tamanho]) & 0xC0) == 0x80)
            --tamanho;
    }
    return (std::filesystem::path(pasta) / ("." + nome.substr(0, tamanho) + ".XXXXXX")).string();
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
    const std::string modelo = modeloTemporario(pasta, std::filesystem::path(caminho).filename().string());
    std::vector<char> nome(modelo.begin(), modelo.end());
    nome.push_back('\0');
    const int arquivo = ::mkostemp(nome.data(), O_CLOEXEC);
    if (arquivo < 0)
        lancaErroEntradaSaida(errno);
    const auto desiste = [&](int erro) {
        ::unlink(nome.data());
        lancaErroEntradaSaida(erro);
    };
    try {
        // Permissions are a courtesy: a file system that keeps none still takes the text.
        static_cast<void>(::fchmod(arquivo, modo));
        escreveTudo(arquivo, conteudo);
        if (::fsync(arquivo) != 0)
            lancaErroEntradaSaida(errno);
    } catch (...) {
        ::close(arquivo);
        ::unlink(nome.data());
        throw;
    }
    if (::close(arquivo) != 0)
        desiste(errno);
    if (::rename(nome.data(), caminho.c_str()) != 0)
        desiste(errno);
    sincronizaPasta(pasta);
}
