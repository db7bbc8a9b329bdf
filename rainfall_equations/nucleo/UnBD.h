#pragma once
// The 27 Brazilian federative units (26 states and the Distrito Federal, all called
// states here), the data files of the rainfall-equation database and its two errors.
//
// A state is an index 0..26 in alphabetical order of the Portuguese names, Acre first and
// Tocantins last; the same order numbers the sections of both data files and the items of
// the consultation's state list.
#include "plataforma/nucleo/Excecoes.h"

#include <array>
#include <string>

inline constexpr int NumeroEstados = 27;

// Full names, UTF-8.
extern const std::array<std::string, NumeroEstados> NomesEstados;
// Two-letter codes in the order of the names, so not alphabetical themselves ("AP" before
// "AM"); the state pictures are named by them.
extern const std::array<std::string, NumeroEstados> SiglasEstados;

inline constexpr const char* ArquivoEstacoes = "Estados_Nim21.bin";
inline constexpr const char* ArquivoLocalidades = "Localidades_Nim21.bin";

// The shared data folder: the program's folder followed by "../Arquivos Comuns/Nimbra/",
// used as built (the ".." stays). It holds the two files above and the state pictures
// "<code>.bmp".
std::string pastaDadosNimbra();

// A data file that is not there.
class EArquivoNaoExiste : public Exception {
public:
    using Exception::Exception;
};

// A state index outside 0..26.
class ENumeroEstado : public Exception {
public:
    using Exception::Exception;
};

// " Não existe estado com índice igual a <n>" when `n` is outside 0..26.
void verificaIndiceEstado(int n);
