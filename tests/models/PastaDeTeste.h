#pragma once
// A folder of its own for a test, removed with everything in it at the end, and the
// byte-exact reading and writing of the files the test puts there.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>

class PastaDeTeste : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string modelo = (std::filesystem::temp_directory_path() / "morlin_modelos_XXXXXX").string();
        ASSERT_NE(::mkdtemp(modelo.data()), nullptr);
        pasta_ = modelo;
    }
    void TearDown() override { std::filesystem::remove_all(pasta_); }

    std::string caminho(const std::string& nome) const { return (pasta_ / nome).string(); }

    static std::string conteudoDe(const std::string& caminho)
    {
        std::ifstream arquivo(caminho, std::ios::binary);
        return {std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
    }

    static void grava(const std::string& caminho, const std::string& bytes)
    {
        std::ofstream(caminho, std::ios::binary) << bytes;
    }

    std::filesystem::path pasta_;
};

// While it lives, no file of the process may grow beyond `bytes`: a write past the
// limit fails part-way, as on a full disk, even for root.
class TLimiteTamanhoArquivo {
public:
    explicit TLimiteTamanhoArquivo(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &anterior_);
        sinal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = anterior_;
        limite.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~TLimiteTamanhoArquivo()
    {
        ::setrlimit(RLIMIT_FSIZE, &anterior_);
        std::signal(SIGXFSZ, sinal_);
    }
    TLimiteTamanhoArquivo(const TLimiteTamanhoArquivo&) = delete;
    TLimiteTamanhoArquivo& operator=(const TLimiteTamanhoArquivo&) = delete;

private:
    rlimit anterior_ {};
    void (*sinal_)(int) = nullptr;
};
