#pragma once
// The rainfall-equation database: the stations of the 27 states and the localities of one
// state, read from the files of the shared data folder, and the equation at any point by
// inverse-distance weighting.
#include "rainfall_equations/nucleo/TEstacao.h"
#include "rainfall_equations/nucleo/TLocalidade.h"
#include "rainfall_equations/nucleo/UnBD.h"

#include <string>
#include <vector>

class TBDPrecipitacao {
public:
    // The files are read from `pasta` (ending in "/"); the program's is pastaDadosNimbra().
    explicit TBDPrecipitacao(std::string pasta = pastaDadosNimbra());

    // Per state 0..26, its stations in file order.
    std::vector<std::vector<TEstacao>> Estacoes;
    // The localities of the state read last; empty before the first read and after a
    // failed one.
    std::vector<TLocalidade> Localidades;

    // Reads the stations file whole into Estacoes. A missing file raises
    // EArquivoNaoExiste "O arquivo <path> não existe." (the path as built); a damaged one
    // Exception "O arquivo <path> está incompleto ou danificado."; either way Estacoes
    // keeps what it held.
    void leEstacoes();

    // Empties Localidades, then fills it with section `Indice` of the localities file.
    // An index outside 0..26 raises ENumeroEstado; a missing or damaged file raises as
    // leEstacoes does. Localidades stays empty after any failure.
    void leLocalidades(int Indice);
    // Section `Indice` of the localities file, read as leLocalidades reads it, with
    // Localidades left as it is, whatever the outcome.
    std::vector<TLocalidade> localidadesDoEstado(int Indice) const;

    // The equation at `latitude`, `longitude` (coordinate texts, degrees south and west)
    // from the stations of Bahia, Espírito Santo, Goiás, Minas Gerais, Paraná, Rio de
    // Janeiro, São Paulo and Tocantins. The first of them, in state and file order, whose
    // texts equal the given ones, or whose texts convert to the same point, is returned
    // whole. Otherwise each station weighs 1/d¹⁰ (d its planar distance in degrees) in
    // the geometric mean of the stations' intensities, and R gets the K, A, B, C of the
    // equation fitted to that mean (TAjusteIDF), an empty name, the key "Interpolação"
    // and the given texts cut to 9 characters; with no station at all K, A, B and C are
    // 0. A station whose coordinate text does not convert stays out. A given text that
    // does not convert raises EConvertError and leaves R as it was.
    void interpola(const std::string& latitude, const std::string& longitude, TEstacao& R) const;

private:
    std::string Pasta;
};
