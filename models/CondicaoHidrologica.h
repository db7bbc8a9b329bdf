#pragma once
// Hydrologic condition of a field, one of the codes of NomesCondicaoHidrologica.
#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 4> NomesCondicaoHidrologica = {
    "-",
    "Má",
    "Regular",
    "Boa",
};

class TCondicaoHidrologica {
public:
    unsigned char Tipo = 0;
};
