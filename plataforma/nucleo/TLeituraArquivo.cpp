#include "plataforma/nucleo/TLeituraArquivo.h"

#include "plataforma/nucleo/ErroEntradaSaida.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string TLeituraArquivo::le(const std::string& nomeArquivo)
{
    const int arquivo = ::open(nomeArquivo.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (arquivo < 0)
        lancaErroEntradaSaida(errno);
    struct stat estado {};
    if (::fstat(arquivo, &estado) != 0 || !S_ISREG(estado.st_mode)) {
        ::close(arquivo);
        lancaErroEntradaSaida(EACCES);
    }
    std::string conteudo;
    char bloco[65536];
    for (;;) {
        const ssize_t lidos = ::read(arquivo, bloco, sizeof bloco);
        if (lidos == 0)
            break;
        if (lidos < 0) {
            if (errno == EINTR)
                continue;
            const int erro = errno;
            ::close(arquivo);
            lancaErroEntradaSaida(erro);
        }
        conteudo.append(bloco, static_cast<std::size_t>(lidos));
    }
    ::close(arquivo);
    return conteudo;
}
