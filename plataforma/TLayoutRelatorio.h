#pragma once
// The pages of a report as our own code draws them from the report's named parameters.
// A report engine (TProjetoRelatorio) runs one layout; the layout knows nothing of
// printers, previews or files.
#include <QRectF>
#include <QString>

class QPainter;
class TProjetoRelatorio;

class TLayoutRelatorio {
public:
    virtual ~TLayoutRelatorio() = default;

    // The name of the print job.
    virtual QString titulo() const = 0;

    virtual int paginas(const TProjetoRelatorio&) const { return 1; }

    // Draws page `pagina` (from 1). The painter's unit is the point (1/72 inch) with the
    // origin at the sheet's top-left corner; `papel` is the whole sheet in those units.
    // A font's size is to be given in pixels, which are points here.
    virtual void desenha(QPainter& pintor, const QRectF& papel, int pagina, const TProjetoRelatorio& projeto) const = 0;
};
