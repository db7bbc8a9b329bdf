#pragma once
// The coordinate text: nine characters "DD°MM'SS\"", whole degrees, minutes and seconds
// of two digits each, latitudes in degrees south and longitudes in degrees west, both
// positive. The files hold it in Windows-1252 (the degree sign is one byte); in memory
// it is UTF-8, and its positions count characters.
#include <string>

// The zero text, and the text of an unfilled coordinate edit.
inline const std::string CoordenadaZero = "00°00'00\"";
inline const std::string CoordenadaVazia = "  °  '  \"";

// Degrees from the characters 1-2, 4-5 and 7-8, each converted by strToFloat (under the
// current decimal separator): (seconds / 60 + minutes) / 60 + degrees, in extended
// precision. The marks at 3, 6 and 9 are not looked at and minutes or seconds above 59
// are not refused ("00°75'00\"" is 1.25). A piece that is not a number, or that a short
// text leaves empty, raises EConvertError "'<piece>' is not a valid floating point
// value".
double leCoordenada(const std::string& texto);

// The text of `graus` (>= 0), truncated at every step, never rounded: 20.5 gives
// "20°30'00\"", 20.999999 gives "20°59'59\"" and the double nearest to 15.2 gives
// "15°11'59\"".
std::string formataCoordenada(double graus);

// The text of `graus` (>= 0) at the nearest whole second, an exact half second upwards:
// for coordinates given in decimal degrees, where a value a hair below a whole second
// (15.533333 for 15°32'00") stands for that second. 20.999999 gives "21°00'00\"".
std::string formataCoordenadaArredondada(double graus);
