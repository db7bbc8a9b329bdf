#pragma once
// What a confirmed rainfall-equation lookup writes into the data-entry window, made whole
// before the window writes any of it, and what the window tells the user when the lookup
// finds the shared data missing.
#include "app/nucleo/TTextosRelatorio.h"

#include <string>

// The state every lookup opens on: Minas Gerais.
inline constexpr int EstadoConsulta = 12;

// The choice the consultation handed back, as its component holds it.
struct TEquacaoConsultada {
    double K = 0.0;
    double A = 0.0;
    double B = 0.0;
    double C = 0.0;
    std::string Latitude;   // "DD°MM'SS\"", degrees south
    std::string Longitude;  // degrees west
    std::string StrEstado;  // the state's full name
    std::string StrCidade;  // the station's or locality's name, "Não definida" for a point
    std::string Autoria;    // the source key, "Interpolação" for an interpolated equation
};

// The texts of the rainfall edits under the names of the controls, and the place the
// evaluation report shows.
struct TTextosConsulta {
    std::string LblEdtK;
    std::string LblEdtA;
    std::string LblEdtB;
    std::string LblEdtC;
    std::string MELongitude;
    std::string meLatitude;
    TLugarConsulta lugar;

    bool operator==(const TTextosConsulta&) const = default;
};

// K, a, b and c in the general real format with the current decimal separator
// (floatToStr), the coordinates as they came, and the place by the equation's source: an
// interpolated one names the locality (or "Não definida" for a point) and "-" for the
// station, a station's own equation the station and "-" for the locality. A parameter
// that is not a finite number raises EInvalidOp.
TTextosConsulta textosConsulta(const TEquacaoConsultada& equacao);

// Shown before the shared-data installer starts, when the shared data folder or one of
// its two files is missing.
inline const std::string MensagemInstaleArquivos = "Instale os arquivos a seguir!";

// When the installer `instalador` did not start: that, and the folder where the data
// belongs (`pastaDados`), both as the user would look for them.
std::string mensagemInstaladorNaoIniciado(const std::string& instalador, const std::string& pastaDados);
