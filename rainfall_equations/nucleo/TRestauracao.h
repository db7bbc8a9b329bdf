#pragma once
// How the consultation window brings back the choice of the consultation before: the list
// positions it kept and the point it was handed.
#include <cstddef>

enum class TEscolhaRestaurada {
    Nenhuma,
    Estacao,    // the station at the kept position is picked again
    Localidade, // the locality at the kept position
    Ponto,      // the kept coordinates are computed again
};

struct TRestauracao {
    // The positions to select in the two lists; -1 selects nothing.
    int PosicaoEstacao = -1;
    int PosicaoLocalidade = -1;
    TEscolhaRestaurada Escolha = TEscolhaRestaurada::Nenhuma;
};

// The restore from the kept positions, the records the current state has (`estacoes`
// stations, `localidades` localities) and whether both kept coordinates are there.
//
// A kept station position comes first, then a locality position (only with no station
// kept), then the point (only with neither). A position beyond its records, as a station
// kept from another state, selects nothing and its pick is left out: no record is read
// for it.
TRestauracao restauracao(int IndEstacao, int IndLocalidade, std::size_t estacoes, std::size_t localidades,
                         bool haPonto);
