#pragma once
// What each guide picture shows, drawn on a blank picture of its size; the channel
// sections come from the drawing kit.
#include "tools/desenho/Secao.h"

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
