#pragma once
// What each guide picture shows, drawn on a blank picture of its size.
#include <QString>

class TDesenho;

enum class TFormaSecao { triangular, trapezoidal, degrau };

// `destaque` is empty for the whole section, or names the grid column the picture is
// for: "C", "F1", "F2", "FT" (a staff reading) or "C-F1", "C-F2", "C-FT" (a distance).
void desenhaSecao(TDesenho& d, TFormaSecao forma, const QString& destaque);

void desenhaPrecipitacao(TDesenho& d);
void desenhaSolo(TDesenho& d);
void desenhaComprimento(TDesenho& d);
void desenhaCristaExtremidades(TDesenho& d);
void desenhaCristaPontos(TDesenho& d);

void desenhaAreaIrradiacao(TDesenho& d);
void desenhaAreaTrena(TDesenho& d);
void desenhaAreaEstrada(TDesenho& d);
// `fio` is "FS", "FM" or "FI".
void desenhaFio(TDesenho& d, const QString& fio);
void desenhaAngulo(TDesenho& d);
