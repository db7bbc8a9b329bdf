#pragma once
// The bytes of one data file of the database, read from the start. Every read is checked
// against the end of the file: a file shorter than its counts announce, a record cut off,
// a real that is not a finite number, a station's coefficient outside the spans of
// FaixasCoeficientes.h or an empty file is refused with
// "O arquivo <name> está incompleto ou danificado.", and nothing beyond the bytes is read.
//
// Layout of both files: one leading byte (not used), then 27 sections in state order,
// each an unsigned little-endian 16-bit count N followed by N records.
#include "rainfall_equations/nucleo/TEstacao.h"
#include "rainfall_equations/nucleo/TLocalidade.h"

#include <cstddef>
#include <cstdint>
#include <string>

class TArquivoDados {
public:
    // The whole file `nomeArquivo`. Not there (or a folder): EArquivoNaoExiste
    // "O arquivo <name> não existe."; there but unreadable: EInOutError.
    static TArquivoDados carrega(const std::string& nomeArquivo);

    TArquivoDados(std::string nomeArquivo, std::string bytes);

    void pulaByte();
    // The count of the next section, checked to fit the bytes left with records of
    // `tamanhoRegistro` bytes.
    std::size_t leContagem(std::size_t tamanhoRegistro);
    void pulaRegistros(std::size_t quantos, std::size_t tamanhoRegistro);
    TEstacao leEstacao();
    TLocalidade leLocalidade();

private:
    const char* avanca(std::size_t n);
    double leReal();
    // A length byte above the capacity is taken as the capacity.
    std::string leTextoCurto(std::size_t capacidade);
    [[noreturn]] void danificado() const;

    std::string NomeArquivo;
    std::string Bytes;
    std::size_t Posicao = 0;
};
