#pragma once
// Land use of a field, one of the codes of NomesUsoDoSolo.
#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 6> NomesUsoDoSolo = {
    "Sem cultivo",
    "Cultivo em fileiras",
    "Cultivo em fileiras estreitas",
    "Leguminosas em fileiras estreitas",
    "Pastagem para pastoreio",
    "Floresta",
};

class TUsoDoSolo {
public:
    unsigned char Tipo = 0;
};
