#pragma once
// The colours of the map of Brazil, through which a click on the map names a state.
// Each state is one flat colour; the background is white and the state codes are
// written in white or black.
#include <array>
#include <cstdint>
#include <optional>

struct TCor {
    std::uint8_t Vermelho = 0;
    std::uint8_t Verde = 0;
    std::uint8_t Azul = 0;

    bool operator==(const TCor&) const = default;
};

struct TCorEstado {
    TCor Cor;
    int Estado = 0;
};

// The 23 states that can be picked on the map, in the order a click compares them.
extern const std::array<TCorEstado, 23> CoresEstados;

// The four states without rainfall data (Amapá, Distrito Federal, Roraima, Sergipe): their
// colours match no row above, so the map never picks them.
extern const std::array<TCorEstado, 4> CoresEstadosSemDados;

inline constexpr TCor CorFundoMapa{255, 255, 255};
inline constexpr TCor CorLetraClara{255, 255, 255};
inline constexpr TCor CorLetraEscura{0, 0, 0};

// The state of the first row of CoresEstados with that colour.
std::optional<int> estadoDaCor(TCor cor);

// Whether the pointer over that colour is the plain arrow: background, lettering and the
// four states without data. Every other colour shows the pointing hand.
bool corSemEstado(TCor cor);
