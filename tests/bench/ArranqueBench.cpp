// How long the program takes from its launch to the first turn of its event loop with the
// start-up picture shown, against the floor of any Qt program here: a bare main window with
// one menu ("piso_arranque"), timed from its launch to its own first turn. Each repetition
// launches the two once, in turns (the program first in one repetition, the floor first in
// the next), so a machine that slows down or speeds up weighs on both alike; the medians
// over the repetitions are the figures to quote.
//
// Counters: "programa" and "piso" in ms, "razao" their quotient in one pair, and "saida" the
// ms the program takes to end after its mark. The time column is the program's.
//
// The children run on two CPUs only, those given by --cpus=A,B or else the last two this
// process may use. "offscreen" runs them without a display; "x11" on the X server named by
// DISPLAY, and is skipped when there is none.
//
// With no arguments it runs 21 pairs on each platform and shows the aggregates only; the
// X tests' launcher gives it their X server and window manager:
//   tests/app/x11/servidor_x.sh build/bin/bench_arranque [--cpus=2,3]
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

// A launch that failed fails the whole run, so the test that runs it fails too.
bool houveFalha = false;

struct TMedida {
    double arranque = 0; // ms from the launch to the mark
    double saida = 0;    // ms from the mark to the end of the process
};

long long agora()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

std::filesystem::path pastaDaBancada()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

// This process's environment with the mark asked for and the platform chosen; the children
// see everything else as it stands.
std::vector<std::string> ambiente(const std::string& plataforma)
{
    std::vector<std::string> variaveis;
    for (char** v = environ; *v != nullptr; ++v)
        if (std::strncmp(*v, "QT_QPA_PLATFORM=", 16) != 0 && std::strncmp(*v, "MORLIN_MARCA_ARRANQUE=", 22) != 0)
            variaveis.emplace_back(*v);
    variaveis.push_back("QT_QPA_PLATFORM=" + plataforma);
    variaveis.emplace_back("MORLIN_MARCA_ARRANQUE=1");
    return variaveis;
}

// Launches `programa`, its standard output into a pipe and its errors dropped, and reads its
// mark: the monotonic time in ns on a line of its own.
TMedida executa(const std::filesystem::path& programa, const std::vector<std::string>& variaveis)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        throw std::runtime_error(std::strerror(errno));
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_adddup2(&acoes, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&acoes, tubo[0]);
    posix_spawn_file_actions_addclose(&acoes, tubo[1]);
    posix_spawn_file_actions_addopen(&acoes, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<char*> env;
    for (const std::string& v : variaveis)
        env.push_back(const_cast<char*>(v.c_str()));
    env.push_back(nullptr);
    const std::string caminho = programa.string();
    char* argv[] = {const_cast<char*>(caminho.c_str()), nullptr};

    const long long lancamento = agora();
    pid_t filho = 0;
    const int erro = posix_spawn(&filho, caminho.c_str(), &acoes, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&acoes);
    close(tubo[1]);
    if (erro != 0) {
        close(tubo[0]);
        throw std::runtime_error(caminho + ": " + std::strerror(erro));
    }
    std::string saida;
    char bloco[256];
    for (ssize_t lidos; (lidos = read(tubo[0], bloco, sizeof bloco)) != 0;)
        if (lidos > 0)
            saida.append(bloco, static_cast<std::size_t>(lidos));
        else if (errno != EINTR)
            break;
    close(tubo[0]);
    int estado = 0;
    waitpid(filho, &estado, 0);
    const long long fim = agora();
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0 || saida.empty())
        throw std::runtime_error(caminho + " ended without its mark");
    const long long marca = std::stoll(saida);
    return {(marca - lancamento) / 1e6, (fim - marca) / 1e6};
}

void BM_Arranque(benchmark::State& state, const char* plataforma)
{
    const bool x11 = std::strcmp(plataforma, "xcb") == 0;
    if (x11 && std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no X server: DISPLAY is not set");
        return;
    }
    const std::filesystem::path pasta = pastaDaBancada();
    const std::vector<std::string> variaveis = ambiente(plataforma);
    static int vez = 0;
    try {
        // Once per run and platform, so the libraries are in memory for every timed pair.
        static bool aquecido[2] = {false, false};
        if (!aquecido[x11]) {
            executa(pasta / "morlin", variaveis);
            executa(pasta / "piso_arranque", variaveis);
            aquecido[x11] = true;
        }
        for (auto _ : state) {
            TMedida programa;
            TMedida piso;
            if (vez++ % 2 == 0) {
                programa = executa(pasta / "morlin", variaveis);
                piso = executa(pasta / "piso_arranque", variaveis);
            } else {
                piso = executa(pasta / "piso_arranque", variaveis);
                programa = executa(pasta / "morlin", variaveis);
            }
            state.SetIterationTime(programa.arranque / 1e3);
            state.counters["programa"] = programa.arranque;
            state.counters["piso"] = piso.arranque;
            state.counters["razao"] = programa.arranque / piso.arranque;
            state.counters["saida"] = programa.saida;
        }
    } catch (const std::exception& erro) {
        houveFalha = true;
        state.SkipWithError(erro.what());
    }
}
BENCHMARK_CAPTURE(BM_Arranque, offscreen, "offscreen")
    ->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Arranque, x11, "xcb")
    ->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The CPUs of "--cpus=A,B", or the last two this process may use.
std::optional<cpu_set_t> cpusDaBancada(int& argc, char* argv[])
{
    cpu_set_t permitidas;
    CPU_ZERO(&permitidas);
    if (sched_getaffinity(0, sizeof permitidas, &permitidas) != 0)
        return std::nullopt;
    cpu_set_t escolhidas;
    CPU_ZERO(&escolhidas);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--cpus=", 7) != 0)
            continue;
        char* resto = argv[i] + 7;
        while (*resto != '\0') {
            CPU_SET(static_cast<int>(std::strtol(resto, &resto, 10)), &escolhidas);
            if (*resto == ',')
                ++resto;
            else if (*resto != '\0')
                return std::nullopt;
        }
        for (int j = i; j + 1 < argc; ++j)
            argv[j] = argv[j + 1];
        --argc;
        return escolhidas;
    }
    for (int cpu = CPU_SETSIZE - 1, achadas = 0; cpu >= 0 && achadas < 2; --cpu)
        if (CPU_ISSET(cpu, &permitidas)) {
            CPU_SET(cpu, &escolhidas);
            ++achadas;
        }
    return escolhidas;
}

std::string listaCpus(const cpu_set_t& cpus)
{
    std::string lista;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &cpus))
            lista += (lista.empty() ? "" : ",") + std::to_string(cpu);
    return lista;
}

} // namespace

int main(int argc, char* argv[])
{
    // Defaults that the command line, read after them, may change.
    std::vector<char*> argumentos = {argv[0], const_cast<char*>("--benchmark_repetitions=21"),
                                     const_cast<char*>("--benchmark_report_aggregates_only=true")};
    argumentos.insert(argumentos.end(), argv + 1, argv + argc);
    argc = static_cast<int>(argumentos.size());
    argv = argumentos.data();
    benchmark::Initialize(&argc, argv);
    const std::optional<cpu_set_t> cpus = cpusDaBancada(argc, argv);
    if (!cpus || benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (sched_setaffinity(0, sizeof *cpus, &*cpus) != 0) {
        std::perror("--cpus");
        return 1;
    }
    benchmark::AddCustomContext("cpus", listaCpus(*cpus));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return houveFalha ? 1 : 0;
}
