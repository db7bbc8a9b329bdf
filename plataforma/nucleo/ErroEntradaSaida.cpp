#include "plataforma/nucleo/ErroEntradaSaida.h"

#include "plataforma/nucleo/Excecoes.h"

#include <cerrno>

std::string mensagemEntradaSaida(int erro)
{
    switch (erro) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
    case ENAMETOOLONG:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(erro);
    }
}

void lancaErroEntradaSaida(int erro)
{
    throw EInOutError(mensagemEntradaSaida(erro), erro);
}
