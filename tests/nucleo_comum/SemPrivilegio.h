#pragma once
// What the core tests of every folder share: an operation run as a user whom the files'
// permissions bind, even when the tests run as root (as they do in CI).
#include "plataforma/nucleo/Excecoes.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace sem_privilegio {

// Root writes over read-only files and reads what is not its own only by these
// capabilities; without them it is an owner like any other. Dropped from what the
// process may ever take back, as access() looks at that too.
inline bool largaCapacidades()
{
    __user_cap_header_struct cabecalho{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct dados[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &cabecalho, dados) != 0)
        return false;
    for (const int capacidade : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        const unsigned bit = 1u << capacidade;
        dados[0].effective &= ~bit;
        dados[0].permitted &= ~bit;
        dados[0].inheritable &= ~bit;
    }
    return ::syscall(SYS_capset, &cabecalho, dados) == 0;
}

inline void escreveTudo(int descritor, const std::string& texto)
{
    for (std::size_t feito = 0; feito < texto.size();) {
        const ssize_t escritos = ::write(descritor, texto.data() + feito, texto.size() - feito);
        if (escritos <= 0)
            return;
        feito += static_cast<std::size_t>(escritos);
    }
}

// What the child met, as one letter and a message: 'o' for nothing, 'e' for an
// EInOutError, 'x' for anything else.
inline std::string noFilho(const std::function<void()>& operacao)
{
    if (!largaCapacidades())
        return "xas capacidades não puderam ser largadas";
    try {
        operacao();
        return "o";
    } catch (const EInOutError& erro) {
        return "e" + erro.Message();
    } catch (const std::exception& erro) {
        return std::string("x") + erro.what();
    } catch (...) {
        return "xerro desconhecido";
    }
}

} // namespace sem_privilegio

// Runs `operacao` in a child process without the privileges of root, and raises here the
// EInOutError it raised there, with its message. The child's other failures raise
// std::runtime_error.
inline void semPrivilegio(const std::function<void()>& operacao)
{
    int tubo[2];
    if (::pipe(tubo) != 0)
        throw std::runtime_error("pipe");
    const pid_t filho = ::fork();
    if (filho < 0)
        throw std::runtime_error("fork");
    if (filho == 0) {
        ::close(tubo[0]);
        sem_privilegio::escreveTudo(tubo[1], sem_privilegio::noFilho(operacao));
        ::_exit(0);
    }
    ::close(tubo[1]);
    std::string relato;
    char bloco[256];
    for (ssize_t lidos; (lidos = ::read(tubo[0], bloco, sizeof bloco)) > 0;)
        relato.append(bloco, static_cast<std::size_t>(lidos));
    ::close(tubo[0]);
    int estado = 0;
    ::waitpid(filho, &estado, 0);
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0 || relato.empty())
        throw std::runtime_error("o processo sem privilégio não terminou");
    if (relato[0] == 'e')
        throw EInOutError(relato.substr(1));
    if (relato[0] != 'o')
        throw std::runtime_error(relato.substr(1));
}
