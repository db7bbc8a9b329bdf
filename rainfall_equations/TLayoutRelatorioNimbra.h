#pragma once
// The page of the rainfall-equation report: the place, its coordinates, the equation with
// its four coefficients as the consultation shows them, the picture of the state map with
// the point, and the source of the equation with its full reference and the credit of
// the data. It reads the parameters "Localidade", "Estado", "Latitude", "Longitude", "K",
// "a", "b", "c", "Autor" (the source's key as the source button shows it) and "Figura"
// (the path of the picture). The whole page is described in TLayoutRelatorioNimbra.cpp.
#include "plataforma/TLayoutRelatorio.h"

class TLayoutRelatorioNimbra : public TLayoutRelatorio {
public:
    QString titulo() const override;
    void desenha(QPainter& pintor, const QRectF& papel, int pagina, const TProjetoRelatorio& projeto) const override;
};
