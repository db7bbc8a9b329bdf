#include "app/instalador/nucleo/TInstaladorArquivosComuns.h"

#include "plataforma/nucleo/CaminhoExibido.h"
#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TLeituraArquivo.h"
#include "plataforma/nucleo/TPastaPrograma.h"
#include "plataforma/nucleo/TSubstituicaoArquivo.h"
#include "rainfall_equations/nucleo/TLimitesMapa.h"
#include "rainfall_equations/nucleo/UnBD.h"

#include <cerrno>
#include <optional>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

const std::string NaoInstalados = "Os arquivos comuns do banco de dados de chuvas intensas não foram instalados: ";
const std::string NenhumCopiado = "Nenhum arquivo foi copiado.";
const std::string Reinstale = " Reinstale o programa para recuperar essa cópia.";

// A failure with the whole text the user reads.
class EInstalacao : public Exception {
public:
    using Exception::Exception;
};

struct TArquivoCopia {
    std::string nome;
    std::string conteudo;
};

std::string motivo(int erro)
{
    switch (erro) {
    case ENOENT:
        return "o caminho não existe";
    case EACCES:
    case EPERM:
        return "acesso negado";
    case EROFS:
        return "o disco só permite leitura";
    case ENOSPC:
    case EDQUOT:
        return "o disco está cheio";
    case ENOTDIR:
    case EEXIST:
        return "um arquivo ocupa o lugar de uma das pastas do caminho";
    case EISDIR:
        return "uma pasta ocupa o lugar do arquivo";
    case ENAMETOOLONG:
        return "o caminho é longo demais";
    default:
        return "erro de entrada e saída " + std::to_string(erro);
    }
}

std::string motivo(const EInOutError& erro)
{
    return erro.ErrorCode != 0 ? motivo(erro.ErrorCode) : erro.Message();
}

// "A", "A e B", "A, B e C".
std::string lista(const std::vector<std::string>& nomes)
{
    std::string texto;
    for (std::size_t i = 0; i < nomes.size(); ++i) {
        if (i > 0)
            texto += i + 1 == nomes.size() ? " e " : ", ";
        texto += nomes[i];
    }
    return texto;
}

std::string linhaPasta(const fs::path& pasta)
{
    return "\n\nPasta: " + caminhoExibido(pasta) + "\n\n";
}

void verificaCopia(const fs::path& origem)
{
    std::error_code erro;
    if (!fs::is_directory(origem, erro))
        throw EInstalacao(NaoInstalados + "a cópia que acompanha o programa não foi encontrada." + linhaPasta(origem)
                          + NenhumCopiado + Reinstale);
    std::vector<std::string> faltam;
    for (const std::string& nome : arquivosComunsNimbra())
        if (!fs::is_regular_file(origem / nome, erro))
            faltam.push_back(nome);
    if (faltam.empty())
        return;
    const std::string quais = faltam.size() == 1 ? "Falta o arquivo " : "Faltam os arquivos ";
    throw EInstalacao(NaoInstalados + "a cópia que acompanha o programa está incompleta. " + quais + lista(faltam)
                      + "." + linhaPasta(origem) + NenhumCopiado + Reinstale);
}

// The whole copy is read before anything is written, so a copy that cannot be read
// changes nothing.
std::vector<TArquivoCopia> leCopia(const fs::path& origem)
{
    verificaCopia(origem);
    std::vector<TArquivoCopia> copia;
    for (const std::string& nome : arquivosComunsNimbra()) {
        try {
            copia.push_back({nome, TLeituraArquivo::le((origem / nome).string())});
        } catch (const EInOutError& e) {
            throw EInstalacao(NaoInstalados + "o arquivo " + nome + " da cópia que acompanha o programa não pôde ser lido ("
                              + motivo(e) + ")." + linhaPasta(origem) + NenhumCopiado);
        }
    }
    return copia;
}

// A name beside `lugar` that nothing has: "<name>.bak", then "<name> (2).bak" and on.
fs::path nomeLivre(const fs::path& lugar)
{
    for (int n = 1;; ++n) {
        fs::path candidato = lugar;
        candidato += n == 1 ? std::string(".bak") : " (" + std::to_string(n) + ").bak";
        std::error_code erro;
        if (!fs::exists(fs::symlink_status(candidato, erro)))
            return candidato;
    }
}

// What stands where the folder belongs and is not a folder (a file, a link that leads to
// none) is kept beside it under a free name, so the folder takes its place and nothing of
// the user's is lost. Gives that name, or nothing when the place was free or a folder.
std::optional<fs::path> desocupaLugar(const fs::path& destino)
{
    const fs::path lugar = destino.has_filename() ? destino : destino.parent_path();
    std::error_code erro;
    if (!fs::exists(fs::symlink_status(lugar, erro)) || fs::is_directory(fs::status(lugar, erro)))
        return std::nullopt;
    const fs::path guardado = nomeLivre(lugar);
    fs::rename(lugar, guardado, erro);
    if (erro)
        throw EInstalacao(NaoInstalados + "um arquivo ocupa o lugar da pasta de destino e não pôde ser renomeado para "
                          + guardado.filename().string() + " (" + motivo(erro.value()) + ")." + linhaPasta(destino)
                          + NenhumCopiado);
    return guardado;
}

std::string textoGuardado(const std::optional<fs::path>& guardado)
{
    if (!guardado)
        return {};
    return "\n\nO arquivo que ocupava o lugar da pasta foi guardado como " + caminhoExibido(*guardado) + ".";
}

void criaPasta(const fs::path& destino)
{
    std::error_code erro;
    fs::create_directories(destino, erro);
    if (!erro && !fs::is_directory(destino, erro))
        erro = std::make_error_code(std::errc::not_a_directory);
    if (erro)
        throw EInstalacao(NaoInstalados + "a pasta de destino não pôde ser criada (" + motivo(erro.value()) + ")."
                          + linhaPasta(destino) + NenhumCopiado);
}

std::string textoCopiados(const std::vector<std::string>& copiados)
{
    if (copiados.empty())
        return NenhumCopiado;
    return (copiados.size() == 1 ? "Foi copiado antes da falha: " : "Foram copiados antes da falha: ") + lista(copiados)
           + ".";
}

void grava(const std::vector<TArquivoCopia>& copia, const fs::path& destino)
{
    std::vector<std::string> copiados;
    for (const TArquivoCopia& arquivo : copia) {
        try {
            TSubstituicaoArquivo::grava((destino / arquivo.nome).string(), arquivo.conteudo);
        } catch (const EInOutError& e) {
            throw EInstalacao(NaoInstalados + "o arquivo " + arquivo.nome + " não pôde ser gravado (" + motivo(e) + ")."
                              + linhaPasta(destino) + textoCopiados(copiados));
        }
        copiados.push_back(arquivo.nome);
    }
}

std::string textoInstalados(const fs::path& origem, const fs::path& destino)
{
    return "Os arquivos comuns do banco de dados de chuvas intensas foram instalados.\n\nArquivos: "
           + lista(arquivosComunsNimbra()) + ".\nDe: " + caminhoExibido(origem) + "\nPara: " + caminhoExibido(destino);
}

} // namespace

std::string pastaCopiaNimbra()
{
    return pastaPrograma() + "dados/Nimbra/";
}

std::vector<std::string> arquivosComunsNimbra()
{
    std::vector<std::string> nomes{ArquivoEstacoes, ArquivoLocalidades};
    for (int estado = 0; estado < NumeroEstados; ++estado)
        if (limitesMapaDoEstado(estado))
            nomes.push_back(SiglasEstados[static_cast<std::size_t>(estado)] + ".bmp");
    return nomes;
}

TInstaladorArquivosComuns::TInstaladorArquivosComuns(fs::path origem, fs::path destino)
    : origem_(std::move(origem)), destino_(std::move(destino))
{
}

TResultadoInstalacao TInstaladorArquivosComuns::instala() const
{
    std::string guardado;
    try {
        const std::vector<TArquivoCopia> copia = leCopia(origem_);
        guardado = textoGuardado(desocupaLugar(destino_));
        criaPasta(destino_);
        grava(copia, destino_);
        return {true, textoInstalados(origem_, destino_) + guardado};
    } catch (const EInstalacao& e) {
        return {false, e.Message() + guardado};
    } catch (const std::exception& e) {
        return {false, NaoInstalados + "ocorreu um erro inesperado (" + e.what() + ").\n\nPasta: " + caminhoExibido(destino_)};
    }
}
