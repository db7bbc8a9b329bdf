#pragma once
// The channel cross-section, as the data-entry window's guide pictures and the help show it.
#include <QString>

class TDesenho;

enum class TFormaSecao { triangular, trapezoidal, degrau };

// `destaque` is empty for the whole section, or names the grid column the picture is
// for: "C", "F1", "F2", "FT" (a staff reading) or "C-F1", "C-F2", "C-FT" (a distance).
void desenhaSecao(TDesenho& d, TFormaSecao forma, const QString& destaque);
