#pragma once
// What the core tests of every folder share: a save killed part-way, as by a crash or a
// kill from outside, with no chance to clean up after itself.
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

// Runs `operacao` in a child process that the system kills with SIGXFSZ in the middle of
// the write that takes one of its files past `bytes`. Whether it died so.
inline bool morreNoMeio(const std::function<void()>& operacao, rlim_t bytes)
{
    const pid_t filho = ::fork();
    if (filho == 0) {
        // No core file of the killed child.
        ::prctl(PR_SET_DUMPABLE, 0);
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limite{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        try {
            operacao();
        } catch (...) {
        }
        ::_exit(0);
    }
    int estado = 0;
    return filho > 0 && ::waitpid(filho, &estado, 0) == filho && WIFSIGNALED(estado) && WTERMSIG(estado) == SIGXFSZ;
}
