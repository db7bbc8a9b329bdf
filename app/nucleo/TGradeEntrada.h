#pragma once
// The data grids of the data-entry window, by what they hold: the channel's sections, the
// sights and the tape spacings of the survey, and the crest's ends and intermediate points.
#include <array>

enum class TGradeEntrada { canal, mira, trena, cristaInicio, cristaMeio, cristaFim };

inline constexpr std::array<TGradeEntrada, 6> gradesEntrada{
    TGradeEntrada::canal,        TGradeEntrada::mira,       TGradeEntrada::trena,
    TGradeEntrada::cristaInicio, TGradeEntrada::cristaMeio, TGradeEntrada::cristaFim};
