#pragma once
// One named place with its coordinates. In the localities file it is a packed record of
// 89 bytes: Nome, a short string of 68 characters (69 bytes), then Latitude and Longitude,
// short strings of 9 (10 bytes each) holding "DD°MM'SS\"" in degrees south and west
// (see TEstacao.h for short strings). In memory the texts are UTF-8.
#include <cstddef>
#include <string>

struct TLocalidade {
    static constexpr std::size_t Tamanho = 89;
    static constexpr std::size_t CapacidadeNome = 68;
    static constexpr std::size_t CapacidadeCoordenada = 9;

    std::string Nome;
    std::string Latitude;
    std::string Longitude;

    bool operator==(const TLocalidade&) const = default;
};
