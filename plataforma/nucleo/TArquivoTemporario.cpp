#include "plataforma/nucleo/TArquivoTemporario.h"

#include "plataforma/nucleo/ErroEntradaSaida.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view marca = ".salvando-";
constexpr std::size_t letrasAleatorias = 6;
// A few draws at most: another save takes a new file for a leftover only in the instant
// between its creation and its lock.
constexpr int tentativas = 8;

std::size_t limiteDoNome(const std::string& pasta)
{
    const long limite = ::pathconf(pasta.c_str(), _PC_NAME_MAX);
    return limite > 0 ? static_cast<std::size_t>(limite) : NAME_MAX;
}

// A cut name ends in a mark of the whole one, so two long names that begin alike keep
// temporary files of their own.
std::string marcaDoNome(const std::string& nome)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : nome)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char texto[10];
    std::snprintf(texto, sizeof texto, "~%08x", static_cast<unsigned>(hash));
    return texto;
}

// The cut never splits a UTF-8 character.
std::string inicioDe(const std::string& nome, std::size_t tamanho)
{
    while (tamanho > 0 && (static_cast<unsigned char>(nome[tamanho]) & 0xC0) == 0x80)
        --tamanho;
    return nome.substr(0, tamanho);
}

bool letraOuDigito(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool ehTemporarioDe(std::string_view nome, std::string_view prefixo)
{
    if (nome.size() != prefixo.size() + letrasAleatorias || nome.substr(0, prefixo.size()) != prefixo)
        return false;
    for (const char c : nome.substr(prefixo.size()))
        if (!letraOuDigito(c))
            return false;
    return true;
}

// A temporary file that no save holds locked is a leftover. It is removed only while it
// is locked here and still the very file under that name.
void removeSeAbandonado(int pasta, const char* nome)
{
    const int arquivo = ::openat(pasta, nome, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (arquivo < 0)
        return;
    struct stat aberto {};
    struct stat agora {};
    if (::fstat(arquivo, &aberto) == 0 && S_ISREG(aberto.st_mode) && ::flock(arquivo, LOCK_EX | LOCK_NB) == 0
        && ::fstatat(pasta, nome, &agora, AT_SYMLINK_NOFOLLOW) == 0 && agora.st_dev == aberto.st_dev
        && agora.st_ino == aberto.st_ino)
        ::unlinkat(pasta, nome, 0);
    ::close(arquivo);
}

// A folder that cannot be listed keeps what it holds; the save goes on all the same.
void removeRestos(const std::string& pasta, const std::string& prefixo)
{
    DIR* lista = ::opendir(pasta.c_str());
    if (lista == nullptr)
        return;
    while (const dirent* entrada = ::readdir(lista))
        if (ehTemporarioDe(entrada->d_name, prefixo))
            removeSeAbandonado(::dirfd(lista), entrada->d_name);
    ::closedir(lista);
}

} // namespace

std::string TArquivoTemporario::prefixo(const std::string& pasta, const std::string& nome)
{
    const std::size_t acrescimo = 1 + marca.size() + letrasAleatorias;
    const std::size_t limite = limiteDoNome(pasta);
    if (nome.size() + acrescimo <= limite)
        return "." + nome + std::string(marca);
    const std::string sinal = marcaDoNome(nome);
    const std::size_t resta = limite > acrescimo + sinal.size() ? limite - acrescimo - sinal.size() : 0;
    return "." + inicioDe(nome, resta) + sinal + std::string(marca);
}

TArquivoTemporario::TArquivoTemporario(const std::string& pasta, const std::string& nome)
{
    const std::string inicio = prefixo(pasta, nome);
    removeRestos(pasta, inicio);
    const std::string modelo = (std::filesystem::path(pasta) / (inicio + std::string(letrasAleatorias, 'X'))).string();
    for (int tentativa = 0; tentativa < tentativas; ++tentativa) {
        std::vector<char> caminho(modelo.begin(), modelo.end());
        caminho.push_back('\0');
        const int arquivo = ::mkostemp(caminho.data(), O_CLOEXEC);
        if (arquivo < 0)
            lancaErroEntradaSaida(errno);
        // A file system without locks keeps every temporary file from being taken for a
        // leftover, so the save goes on unlocked.
        if (::flock(arquivo, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK) {
            caminho_ = caminho.data();
            descritor_ = arquivo;
            return;
        }
        // The other save removes it.
        ::close(arquivo);
    }
    lancaErroEntradaSaida(EWOULDBLOCK);
}

TArquivoTemporario::~TArquivoTemporario()
{
    if (!caminho_.empty())
        ::unlink(caminho_.c_str());
    // The text reached the disk before the rename; closing only lets the lock go.
    ::close(descritor_);
}

void TArquivoTemporario::tomaOLugar(const std::string& caminho)
{
    if (::rename(caminho_.c_str(), caminho.c_str()) != 0)
        lancaErroEntradaSaida(errno);
    caminho_.clear();
}
