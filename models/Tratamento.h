#pragma once
// Soil treatment of a field, one of the codes of NomesTratamento.
#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 4> NomesTratamento = {
    "",
    "Fileiras retas",
    "Com curvas de nível",
    "Curvas de nível e terraço",
};

class TTratamento {
public:
    unsigned char Tipo = 1;
};
