#include "rainfall_equations/nucleo/InstalacaoNimbra.h"

#include "plataforma/nucleo/CaminhoExibido.h"
#include "rainfall_equations/nucleo/TArquivoDados.h"
#include "rainfall_equations/nucleo/TBDPrecipitacao.h"
#include "rainfall_equations/nucleo/UnBD.h"

#include <sys/stat.h>

#include <cerrno>
#include <optional>

namespace {

const std::string NomePasta = "a pasta contendo o banco de dados";
const std::string NomeEstacoes = "o banco de dados contendo os estados";
const std::string NomeLocalidades = "o banco de dados contendo as localidades";

// Why a path that is there cannot be read, as the user would fix it.
std::string motivo(int erro)
{
    switch (erro) {
    case EACCES:
    case EPERM:
        return "acesso negado";
    case ELOOP:
        return "os atalhos do caminho apontam uns para os outros em ciclo";
    case ENOTDIR:
        return "um arquivo ocupa o lugar de uma das pastas do caminho";
    case ENAMETOOLONG:
        return "o caminho é longo demais";
    default:
        return "erro de entrada e saída " + std::to_string(erro);
    }
}

[[noreturn]] void ilegivel(const std::string& oQue, const std::string& caminho, const std::string& razao, int erro)
{
    throw EInOutError("Erro. Não foi possível ler " + oQue + " (" + caminhoExibido(caminho) + "): " + razao + ".", erro);
}

// The kind of what lies at `caminho`: nothing when it is not there; a path that cannot be
// looked at is unreadable.
std::optional<mode_t> tipo(const std::string& caminho, const std::string& oQue)
{
    struct stat estado {};
    if (::stat(caminho.c_str(), &estado) == 0)
        return estado.st_mode & S_IFMT;
    if (errno == ENOENT)
        return std::nullopt;
    const int erro = errno;
    ilegivel(oQue, caminho, motivo(erro), erro);
}

// The folder's own entry is looked at, without the final separator: a file standing in
// its place is a folder not installed, which the installer puts there, while a file in
// the place of a folder above it leaves the path unreadable.
void verificaPasta(const std::string& pasta)
{
    const std::string entrada = pasta.ends_with('/') ? pasta.substr(0, pasta.size() - 1) : pasta;
    if (tipo(entrada, NomePasta) != S_IFDIR)
        throw EDadosNaoInstalados(MensagemSemPastaDados);
}

// Only a regular file is the database; a folder of that name is as good as none.
void verificaArquivo(const std::string& caminho, const std::string& oQue, const std::string& semArquivo)
{
    if (tipo(caminho, oQue) != S_IFREG)
        throw EDadosNaoInstalados(semArquivo);
}

// Every section of the localities file, as the consultation reads any one of them.
void leLocalidades(const std::string& caminho)
{
    TArquivoDados arquivo = TArquivoDados::carrega(caminho);
    arquivo.pulaByte();
    for (int s = 0; s < NumeroEstados; ++s) {
        const std::size_t n = arquivo.leContagem(TLocalidade::Tamanho);
        for (std::size_t i = 0; i < n; ++i)
            arquivo.leLocalidade();
    }
}

// `leitura` refuses the file as incomplete or damaged: the installer's matter; it cannot
// read it at all: the user's.
template <class Leitura>
void verificaConteudo(Leitura leitura, const std::string& caminho, const std::string& oQue,
                      const std::string& danificado)
{
    try {
        leitura();
    } catch (const EInOutError& e) {
        ilegivel(oQue, caminho, e.ErrorCode != 0 ? motivo(e.ErrorCode) : e.Message(), e.ErrorCode);
    } catch (const Exception&) {
        throw EDadosNaoInstalados(danificado);
    }
}

} // namespace

void verificaInstalacaoNimbra(const std::string& pasta)
{
    verificaPasta(pasta);
    const std::string estacoes = pasta + ArquivoEstacoes;
    const std::string localidades = pasta + ArquivoLocalidades;
    verificaArquivo(estacoes, NomeEstacoes, MensagemSemEstacoes);
    verificaArquivo(localidades, NomeLocalidades, MensagemSemLocalidades);
    verificaConteudo([&pasta] { TBDPrecipitacao(pasta).leEstacoes(); }, estacoes, NomeEstacoes,
                     MensagemEstacoesDanificadas);
    verificaConteudo([&localidades] { leLocalidades(localidades); }, localidades, NomeLocalidades,
                     MensagemLocalidadesDanificadas);
}
