#pragma once
// Numbers in Brazilian notation ("." between groups of thousands, "," before the
// decimals) whatever the current decimal separator is.
#include <string>

// `Valor` with exactly `Casas` decimals, rounded, grouped by thousands: 1234.5678 with
// 3 decimals gives "1.234,568".
std::string formataNumero(unsigned char Casas, double Valor);

// Reads text in Brazilian notation back: every "." is a thousands mark and is dropped,
// "," is the decimal separator. Text that is not a number raises EConvertError.
double textoParaReal(const std::string& Texto);
