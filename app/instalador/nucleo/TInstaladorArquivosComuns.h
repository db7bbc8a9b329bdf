#pragma once
// Puts the shared data folder of the rainfall-equation database back from the copy that
// ships with the program, so a consultation that found it missing or damaged works again.
//
// Every file of the folder is replaced by the shipped one: the data is the program's own
// and the shipped copy is the same data, so nothing the user made is lost. Each file is
// written whole before it takes the old one's place, and other files in the folder are
// left alone. A file that stands where the folder belongs is renamed beside it
// ("Nimbra.bak") to make room for the folder.
#include <filesystem>
#include <string>
#include <vector>

// The installer's file name, in the program's folder.
inline constexpr const char* NomeInstaladorArquivosComuns = "setupArquivosComuns.exe";

// The copy that ships with the program: "dados/Nimbra/" in the program's folder.
std::string pastaCopiaNimbra();

// The files of the shared data folder, in the order they are installed: the stations
// file, the localities file and the pictures of the states with a map.
std::vector<std::string> arquivosComunsNimbra();

struct TResultadoInstalacao {
    bool instalado = false;
    // What was copied where, or what failed, why and in which folder (UTF-8).
    std::string mensagem;
};

class TInstaladorArquivosComuns {
public:
    TInstaladorArquivosComuns(std::filesystem::path origem, std::filesystem::path destino);

    // Never raises: every failure ends in a result that says what happened. When the
    // shipped copy is incomplete nothing is written; when a write fails the files before
    // it are already in place and the failing one is as it was.
    TResultadoInstalacao instala() const;

private:
    std::filesystem::path origem_;
    std::filesystem::path destino_;
};
