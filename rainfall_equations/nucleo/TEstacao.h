#pragma once
// One rain-gauge station with the fitted equation i = K·T^a/(t+b)^c (i in mm/h, T in
// years, t in minutes). In the stations file it is a packed record of 152 bytes:
//
//   offset   0  69 bytes  Nome       short string of 68 characters
//   offset  69   8 bytes  K          little-endian IEEE double
//   offset  77   8 bytes  A
//   offset  85   8 bytes  B          minutes
//   offset  93   8 bytes  C
//   offset 101  31 bytes  Autor      short string of 30: citation key of the source
//   offset 132  10 bytes  Latitude   short string of 9: "DD°MM'SS\"", degrees south
//   offset 142  10 bytes  Longitude  short string of 9: the same, degrees west
//
// A short string is a length byte followed by its full capacity of Windows-1252 bytes, of
// which only the first `length` count. In memory the texts are UTF-8. The same record
// holds the result of an interpolation, whose key is "Interpolação".
#include <cstddef>
#include <string>

struct TEstacao {
    static constexpr std::size_t Tamanho = 152;
    static constexpr std::size_t CapacidadeNome = 68;
    static constexpr std::size_t CapacidadeAutor = 30;
    static constexpr std::size_t CapacidadeCoordenada = 9;

    std::string Nome;
    double K = 0.0;
    double A = 0.0;
    double B = 0.0;
    double C = 0.0;
    std::string Autor;
    std::string Latitude;
    std::string Longitude;

    bool operator==(const TEstacao&) const = default;
};
