#pragma once
// One pick of the consultation (a station, a locality, a click on the state picture or a
// typed point) worked out whole before the window shows any of it: the place, the point,
// the equation with its source and where the crosshair goes. A pick that cannot be worked
// out gives only the message for the user, and the window then shows no equation at all,
// never the equation of an earlier pick under the new place or point.
#include "rainfall_equations/nucleo/TEstacao.h"
#include "rainfall_equations/nucleo/TLimitesMapa.h"
#include "rainfall_equations/nucleo/TLocalidade.h"

#include <functional>
#include <optional>
#include <string>
#include <variant>

// A picture pixel.
struct TPixel {
    int X = 0;
    int Y = 0;

    bool operator==(const TPixel&) const = default;
};

// The point the window keeps: its texts ("DD°MM'SS\"", degrees south and west) and its
// degrees.
struct TPontoConsulta {
    std::string TxtLatitude;
    std::string TxtLongitude;
    double LatitudeDec = 0.0;
    double LongitudeDec = 0.0;

    bool operator==(const TPontoConsulta&) const = default;
};

// Everything one pick shows.
struct TEscolha {
    // The station's or locality's name as stored, "Não definida" for a point.
    std::string Cidade;
    TPontoConsulta Ponto;
    // The equation on show; nothing when the pick shows none (a point off the state).
    std::optional<TEstacao> Equacao;
    // The source button's caption: the station's key without its trailing blanks,
    // "Interpolação", or "Autor" when no equation is on show.
    std::string Fonte;
    // PontoX and PontoY, the picture position of the point; nothing leaves them as they are.
    std::optional<double> PontoX;
    std::optional<double> PontoY;
    // The crosshair's pixel, its labels showing the point's texts; nothing hides it.
    std::optional<TPixel> Cruz;
    // On the map of Brazil (a state without a picture) the place block shows the name
    // without trailing blanks and the two texts.
    bool NoMapaDoBrasil = false;

    bool operator==(const TEscolha&) const = default;
};

// A pick that failed: what the user is told.
struct TFalhaEscolha {
    std::string Mensagem;

    bool operator==(const TFalhaEscolha&) const = default;
};

using TResultadoEscolha = std::variant<TEscolha, TFalhaEscolha>;

// The source caption while no equation is on show.
inline const std::string FonteNenhuma = "Autor";

// The equation at a point given by its two texts (TBDPrecipitacao::interpola).
using TInterpolacao = std::function<TEstacao(const std::string& latitude, const std::string& longitude)>;

class TEscolhaConsulta {
public:
    // The picks with the equations of `interpola`, with the state picture on show
    // (`comMapa`) bounded by `limites`; `noEstado(X, Y)` tells whether picture pixel
    // (X, Y) is the state's. Without the picture no bounds are checked and no crosshair
    // is placed.
    TEscolhaConsulta(TInterpolacao interpola, const TLimitesMapa& limites, bool comMapa,
                     std::function<bool(int, int)> noEstado);

    // The station's own equation at its coordinates. Fails for coordinate texts that are
    // not numbers, or that lie outside the bounds ("Latitude <text> não definida.").
    TResultadoEscolha estacao(const TEstacao& e) const;
    // The equation interpolated at the locality's coordinates; fails as a station does,
    // and when the interpolation fails ("Não foi possível interpolar a equação em ...").
    TResultadoEscolha localidade(const TLocalidade& l) const;
    // A click on the state at pixel (X, Y): the point of the pixel, truncated to whole
    // seconds, interpolated, with the crosshair on the pixel. A pixel beyond the bounds
    // has no point: `atual` stays, with no equation.
    TResultadoEscolha clique(TPixel pixel, const TPontoConsulta& atual) const;
    // "&Calcular": the texts as typed, each whole ("Latitude incompleta: ..." otherwise)
    // and inside the bounds, interpolated exactly as typed with the crosshair on their
    // pixel when that is the state's; off the state, no equation.
    TResultadoEscolha pontoDigitado(const std::string& latitude, const std::string& longitude) const;

private:
    TEscolha doRegistro(const std::string& tipo, const std::string& nome, const std::string& latitude,
                        const std::string& longitude) const;
    TPontoConsulta pontoDosTextos(const std::string& latitude, const std::string& longitude) const;
    TEstacao interpolada(const TPontoConsulta& ponto) const;
    // PontoX, PontoY and the crosshair on their rounded pixel when it is the state's.
    void posiciona(TEscolha& escolha) const;

    TInterpolacao Interpola;
    TLimitesMapa Limites;
    bool ComMapa;
    std::function<bool(int, int)> NoEstado;
};
