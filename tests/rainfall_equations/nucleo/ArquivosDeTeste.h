#pragma once
// Data files of the database built byte by byte from their layout, in a folder of their
// own that goes away with the test.
#include "plataforma/nucleo/TCodigoWindows1252.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace arquivos {

// A short string: the length byte, then the Windows-1252 bytes of `texto` and filler up
// to the capacity. `comprimento` replaces the length byte when given.
inline std::string textoCurto(const std::string& texto, std::size_t capacidade, int comprimento = -1)
{
    std::string bytes = TCodigoWindows1252::deUtf8(texto);
    std::string campo(1, static_cast<char>(comprimento >= 0 ? comprimento : static_cast<int>(bytes.size())));
    campo += bytes.substr(0, capacidade);
    campo.resize(capacidade + 1, '#');
    return campo;
}

inline std::string real(double valor)
{
    const auto bits = std::bit_cast<std::uint64_t>(valor);
    std::string bytes;
    for (int i = 0; i < 8; ++i)
        bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

struct TEstacaoTeste {
    std::string nome;
    double K = 1000, A = 0.15, B = 10, C = 0.8;
    std::string autor = "FONTE (2000)";
    std::string latitude = "20°00'00\"";
    std::string longitude = "45°00'00\"";
};

inline std::string estacao(const TEstacaoTeste& e)
{
    std::string r = textoCurto(e.nome, 68) + real(e.K) + real(e.A) + real(e.B) + real(e.C)
                    + textoCurto(e.autor, 30) + textoCurto(e.latitude, 9) + textoCurto(e.longitude, 9);
    EXPECT_EQ(r.size(), 152u);
    return r;
}

inline std::string localidade(const std::string& nome, const std::string& latitude, const std::string& longitude)
{
    std::string r = textoCurto(nome, 68) + textoCurto(latitude, 9) + textoCurto(longitude, 9);
    EXPECT_EQ(r.size(), 89u);
    return r;
}

// One section: its records, and the count written before them when it differs.
struct TSecao {
    std::vector<std::string> registros;
    int contagem = -1;
};

using TSecoes = std::array<TSecao, 27>;

inline std::string contagem(unsigned n)
{
    return {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF)};
}

// The leading byte, then the sections in order.
inline std::string arquivo(const TSecoes& secoes)
{
    std::string bytes(1, '\x15');
    for (const TSecao& s : secoes) {
        bytes += contagem(s.contagem >= 0 ? static_cast<unsigned>(s.contagem) : static_cast<unsigned>(s.registros.size()));
        for (const std::string& r : s.registros)
            bytes += r;
    }
    return bytes;
}

// A fresh folder under the system's temporary folder, named through a ".." so that a
// path "as built" shows it.
class TPastaTeste {
public:
    TPastaTeste()
    {
        const std::string unico = "nimbra_teste_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "_"
                                  + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        Raiz = std::filesystem::temp_directory_path() / unico;
        std::filesystem::remove_all(Raiz);
        std::filesystem::create_directories(Raiz / "bin");
    }
    ~TPastaTeste() { std::filesystem::remove_all(Raiz); }

    // "<root>/bin/../", ending in "/".
    std::string caminho() const { return (Raiz / "bin").string() + "/../"; }

    void grava(const std::string& nome, const std::string& bytes) const
    {
        std::ofstream(Raiz / nome, std::ios::binary) << bytes;
    }
    void apaga(const std::string& nome) const { std::filesystem::remove(Raiz / nome); }

private:
    std::filesystem::path Raiz;
};

} // namespace arquivos
