#include "InstalacaoNimbra.h"

#include "UnBD.h"

#include <filesystem>
#include <system_error>

namespace {

bool ehPasta(const std::string& caminho)
{
    std::error_code erro;
    return std::filesystem::is_directory(caminho, erro);
}

bool ehArquivo(const std::string& caminho)
{
    std::error_code erro;
    return std::filesystem::is_regular_file(caminho, erro);
}

} // namespace

void verificaInstalacaoNimbra(const std::string& pasta)
{
    if (!ehPasta(pasta))
        throw EDadosNaoInstalados(MensagemSemPastaDados);
    if (!ehArquivo(pasta + ArquivoEstacoes))
        throw EDadosNaoInstalados(MensagemSemEstacoes);
    if (!ehArquivo(pasta + ArquivoLocalidades))
        throw EDadosNaoInstalados(MensagemSemLocalidades);
}
