#pragma once
// What choosing a state changes in the consultation window. Seven states have a picture
// of their own, with its bounds; four have no rainfall data and change nearly nothing;
// the others are shown on the map of Brazil.
#include "rainfall_equations/nucleo/TLimitesMapa.h"

#include <optional>
#include <string>

// The window's caption before any state is chosen.
inline const std::string LegendaConsulta = "Nimbra 2.1";

enum class TMapaEstado {
    // The state page with the state's picture; a point can be picked or typed.
    Proprio,
    // Amapá, Distrito Federal, Roraima and Sergipe: the page, the picture, the point edits
    // and the bounds stay as the state before left them; only the source button goes
    // blank and off.
    Anterior,
    // The map of Brazil; no point can be picked or typed.
    Brasil,
};

struct TMudancaEstado {
    TMapaEstado Mapa = TMapaEstado::Brasil;
    // "Nimbra 2.1 - Estado: <name>" followed by five blanks.
    std::string Legenda;
    // The bounds to put in force; nothing keeps those in force.
    std::optional<TLimitesMapa> Limites;
    // The state's picture, `pastaDados` + "<code>.bmp" (Proprio only).
    std::string Figura;
    // What the user is told when that picture is not there, and when it is there but
    // cannot be read as a picture (empty, not a bitmap, damaged, a folder).
    std::string MensagemSemFigura;
    std::string MensagemFiguraIlegivel;
};

// The change to state `indice` (0..26; outside raises ENumeroEstado), with the pictures in
// `pastaDados` (ending in "/").
TMudancaEstado mudancaEstado(int indice, const std::string& pastaDados);
