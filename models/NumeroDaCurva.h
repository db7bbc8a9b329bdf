#pragma once
// The curve-number runoff model: a curve number chosen by land use, treatment,
// hydrologic condition and the soil's stable infiltration rate TIE gives the initial
// abstraction Ia; the runoff depth is the rain fallen until the end of runoff, less what
// infiltrates at TIE while runoff lasts, less Ia. Depths in mm, times in minutes, rates
// in mm/h.
#include "models/CondicaoHidrologica.h"
#include "models/Tratamento.h"
#include "models/UsoDoSolo.h"

#include <array>

class TPrecipitacao;

// Curve numbers for the classes of TIE: up to 3.0, up to 40.0, up to 190.0, above 190.0.
using TColunasNumeroDaCurva = std::array<unsigned char, 4>;
// Indexed [land use][treatment][hydrologic condition]; 0 where no curve number is known.
using TTabelaNumeroDaCurva = std::array<std::array<std::array<TColunasNumeroDaCurva, 4>, 4>, 6>;

extern const TTabelaNumeroDaCurva TabelaNumeroDaCurva;

class TNumeroDaCurva {
public:
    // Stable infiltration rate of the soil, mm/h; never negative.
    double TIE = 0.0;
    TUsoDoSolo UsoDoSolo;
    TTratamento Tratamento;
    TCondicaoHidrologica CondicaoHidrologica;

    TNumeroDaCurva() = default;
    explicit TNumeroDaCurva(double TIE);

    // A negative rate, or one that is not a number, becomes 0.
    void setTIE(double Valor);
    // The initial abstraction Ia, mm: 0 when the classification has no curve number.
    double abstracaoInicial() const;
    // The time at which the cumulative rainfall first exceeds Ia; the event's duration
    // when its total depth never does. An event marked as a pluviogram gives the time
    // its recorded intensity first reaches the infiltration rate (and must be one, or
    // EInvalidCast is raised). A search that cannot find the crossing raises
    // EZeroDivide, as the end of runoff does.
    double tempoInicioEscoamento(const TPrecipitacao& Evento) const;
    // The runoff depth, mm. When the event's duration is unset, its total depth becomes
    // the rain fallen until the end of runoff.
    double laminaEscoamento(TPrecipitacao& Evento) const;

private:
    unsigned char numeroDaCurva() const;
};
