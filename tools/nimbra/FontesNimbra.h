#pragma once
// The public sources of the rainfall-equation database, read as they stand in data/nimbra:
// the station equations, the municipal seats and the state boundaries.
#include "rainfall_equations/nucleo/TEstacao.h"
#include "rainfall_equations/nucleo/TLocalidade.h"

#include <QPainterPath>
#include <QString>

#include <array>
#include <stdexcept>
#include <vector>

// A source that cannot make the database; the message names the file and the record.
class EFonteNimbra : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A record with the state it belongs to and where its source names it (for messages),
// and its coordinates as the source gives them: decimal degrees, south and west negative.
template <typename Registro>
struct TRegistroFonte {
    int estado = 0;
    Registro registro;
    double latitude = 0.0;
    double longitude = 0.0;
    QString origem;
};

using TEstacaoFonte = TRegistroFonte<TEstacao>;
using TLocalidadeFonte = TRegistroFonte<TLocalidade>;

// The stations of estacoes_idf.csv, each citing `chave`.
std::vector<TEstacaoFonte> leEstacoesFonte(const QString& arquivo, const std::string& chave);

// The municipal seats of municipios_br.csv.
std::vector<TLocalidadeFonte> leLocalidadesFonte(const QString& arquivo);

// The outline of each state, by index, in decimal degrees (x longitude, y latitude, both
// negative south and west), all its rings in one path filled even-odd.
std::array<QPainterPath, 27> leContornosEstados(const QString& arquivo);
