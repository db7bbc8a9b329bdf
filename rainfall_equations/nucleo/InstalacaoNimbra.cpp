#include "InstalacaoNimbra.h"

#include "Excecoes.h"
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
        throw Exception(MensagemSemPastaDados);
    if (!ehArquivo(pasta + ArquivoEstacoes))
        throw Exception(MensagemSemEstacoes);
    if (!ehArquivo(pasta + ArquivoLocalidades))
        throw Exception(MensagemSemLocalidades);
}
