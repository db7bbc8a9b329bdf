#include "rainfall_equations/nucleo/CoresMapaBrasil.h"

#include <algorithm>

const std::array<TCorEstado, 23> CoresEstados{{
    {{0, 0, 255}, 12},      {{0, 255, 255}, 7},     {{0, 153, 255}, 18},    {{0, 0, 153}, 24},
    {{102, 0, 0}, 20},      {{153, 0, 0}, 23},      {{204, 0, 0}, 15},      {{161, 161, 161}, 10},
    {{67, 67, 67}, 11},     {{102, 102, 102}, 8},   {{255, 255, 153}, 4},   {{255, 255, 0}, 1},
    {{204, 204, 0}, 16},    {{255, 204, 102}, 14},  {{255, 153, 0}, 19},    {{204, 102, 0}, 5},
    {{153, 102, 0}, 17},    {{102, 51, 0}, 9},      {{0, 51, 0}, 0},        {{0, 102, 0}, 3},
    {{0, 153, 0}, 13},      {{102, 255, 51}, 21},   {{153, 255, 153}, 26},
}};

const std::array<TCorEstado, 4> CoresEstadosSemDados{{
    {{0, 204, 0}, 2}, {{13, 13, 13}, 6}, {{51, 204, 0}, 22}, {{102, 102, 0}, 25},
}};

std::optional<int> estadoDaCor(TCor cor)
{
    for (const TCorEstado& linha : CoresEstados)
        if (linha.Cor == cor)
            return linha.Estado;
    return std::nullopt;
}

bool corSemEstado(TCor cor)
{
    const auto igual = [cor](const TCorEstado& linha) { return linha.Cor == cor; };
    return cor == CorFundoMapa || cor == CorLetraEscura
           || std::any_of(CoresEstadosSemDados.begin(), CoresEstadosSemDados.end(), igual);
}
