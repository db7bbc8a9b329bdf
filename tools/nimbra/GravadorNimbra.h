#pragma once
// The bytes of the two data files: a leading byte, then the 27 state sections, each a
// little-endian 16-bit count and its packed records (layouts in TEstacao.h and
// TLocalidade.h).
#include "tools/nimbra/FontesNimbra.h"

#include <array>
#include <string>
#include <vector>

template <typename Registro>
using TSecoesNimbra = std::array<std::vector<TRegistroFonte<Registro>>, 27>;

// Each raises EFonteNimbra, naming the record, when a text does not fit its field or
// has a character Windows-1252 lacks, and when a section holds more than 65535 records.
std::string bytesEstacoes(const TSecoesNimbra<TEstacao>& secoes);
std::string bytesLocalidades(const TSecoesNimbra<TLocalidade>& secoes);
