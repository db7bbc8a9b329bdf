#pragma once
// What the results page of the data-entry window shows, by the names of its controls,
// together with the crest elevations the crest grids draw and the section chart.
// Default-constructed it is the page as designed, before any evaluation; a run writes
// into the page as it stands, so a failed run leaves what its earlier steps wrote.
#include "app/nucleo/TGradeTexto.h"
#include "app/nucleo/TLinhaGrafico.h"

#include <string>
#include <vector>

// The value labels' text when the road does not drain into the terrace.
inline const std::string semEstrada = "    -";

struct TResultadoAvaliacao {
    std::string LblRLES = "-";
    std::string LblRLESestrada = "-";
    std::string LblRAc = "-";
    std::string LblRAcEstrada = "-";
    std::string LblEdtRCotaCrista;
    std::string LblEdtRCotaBigode;
    TGradeTexto SGridResultadosAr{2, 6};  // "Seções", "Ar(m²)"; one row per section row
    TGradeTexto SGridRMedia{2, 1};        // "Média*" and the mean storage area
    std::string LblEdtRVe;
    std::string LblEdtRVn;
    std::string LblEdtVeVn;
    std::string LblEdtAvaliacao;
    std::string MemObs;
    // 0: crest less than the safety height above the terrace end (also before any
    // observation), 1: at least that height above it, 2: at or below it.
    int MemObsTag = 0;
    // Why a run that completed gives no efficiency and so no verdict, in one line shown
    // in the observation's room; empty after a verdict, a failed run and before any run.
    std::string LblMotivoSemAvaliacao;

    // Crest points in order along the crest; only the first nPontosCrista count.
    std::vector<double> cotasCrista;
    int nPontosCrista = 0;

    // One series per section, then "CBC" and "CE".
    std::vector<TLinhaGrafico> seriesGrafico;

    bool operator==(const TResultadoAvaliacao&) const = default;
};
