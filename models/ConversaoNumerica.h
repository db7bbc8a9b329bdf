#pragma once
// Number text under the process-wide format settings (ConfiguracaoRegional.h).
// Nothing here depends on the C library locale, which Qt changes at start-up.
#include <optional>
#include <string>
#include <string_view>

// Text to real: blanks around the number allowed, an optional sign, digits with the
// current decimal separator, an optional exponent. Empty or malformed text, infinities,
// NaNs, hexadecimal and values beyond the largest double raise EConvertError with the
// message "'<text>' is not a valid floating point value"; a value below the smallest
// double reads as 0.
double strToFloat(const std::string& texto);

// Text to a 32-bit integer: leading blanks, an optional sign, decimal digits. Anything
// else raises EConvertError "'<text>' is not a valid integer value".
int strToInt(const std::string& texto);

// Pattern formatting such as "#,##0.000": "," anywhere before the point asks for groups
// of three digits joined by the thousands separator, the zeros after "." give the number
// of decimals, those before it the least number of integer digits. The value is rounded
// to nearest, an exact half away from zero.
std::string formatFloat(const std::string& padrao, long double valor);

// The "%.2f " of the results: two decimals with the current decimal separator, no
// thousands separator and one trailing blank; an exact half rounds away from zero
// (0.125 gives "0,13 ").
std::string formatDuasCasas(long double valor);

// The general format of a real: at most 15 significant digits, rounded to nearest with an
// exact half away from zero, trailing zeros dropped, the current decimal separator and no
// thousands separator ("1234,568", "10", "0,0001"). Values below 0.0001 or with more than
// 15 integer digits are written with an exponent: "1E-5", "1,5E20", "-2,25E-7". An
// infinity or a NaN raises EInvalidOp.
std::string floatToStr(long double valor);

// Fixed notation with the given decimals and the current decimal separator, no groups,
// rounded as above. The building block of the two formats above.
std::string formatFixo(long double valor, int casas);

// Text to real in the one notation that no setting changes: an optional sign, digits
// with "." before the decimals, an optional exponent, and nothing else (no blanks, no
// infinities, no hexadecimal). Nothing when the text is not such a number or lies
// beyond the range of a double.
std::optional<double> realComPonto(std::string_view texto);
