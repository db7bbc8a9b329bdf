#pragma once
// The consultation window's report of the equation on show: the picture of the state map
// with the point (geraFigura) and the whole report command (imprimeRelatorioNimbra). The
// window hands over what its controls hold; nothing of the window changes.
#include <QImage>
#include <QPoint>
#include <QString>

#include <optional>

class QWidget;

// What the picture is drawn from, as the window's controls hold it.
struct TElementosFigura {
    // The picture of the last state with a map that was loaded, shown or not; a null
    // picture when none was ever loaded.
    QImage Estado;
    // The texts of LabelLat and LabelLon, each at the label's position (left, top).
    QString TextoLatitude;
    QPoint PosicaoLatitude;
    QString TextoLongitude;
    QPoint PosicaoLongitude;
    // The crosshair: EixoX's top and width, EixoY's left and height.
    int TopoEixoX = 0;
    int LarguraEixoX = 0;
    int EsquerdaEixoY = 0;
    int AlturaEixoY = 0;
};

// The texts the report shows, as the window shows them.
struct TValoresRelatorio {
    QString Localidade;  // the station's or locality's name, "Não definida" for a point
    QString Estado;      // the state's full name
    QString Latitude;    // 9-character coordinate texts
    QString Longitude;
    QString K;  // the captions of PrecK, PrecA, PrecB, PrecC (may be empty)
    QString A;
    QString B;
    QString C;
    QString Autor;  // the caption of the source button: a source's key, "Interpolação" or "Autor"
};

// The state picture (a white 450 × 450 one when none was loaded) with the two coordinate
// texts on white at the labels' places, the crosshair across the whole picture in black
// one pixel wide, and a filled black dot of 6 pixels on the point. The controls are taken
// as they are, shown or hidden.
QImage geraFigura(const TElementosFigura& elementos);

// The report: its parameters in this order, "Localidade", "Estado", "Latitude",
// "Longitude", "K", "a", "b", "c", "Autor", then the picture, written into a temporary
// folder of its own, and "Figura" with its path; then the report runs (preview and
// printing) over `pai`. The folder and the picture go away when the report is done or has
// failed; the program's folder and the current one are never written. Without
// `elementos` (the state has no map of its own on show) no picture is written and
// "Figura" is empty: the report says that the map is not available rather than show
// another state's.
void imprimeRelatorioNimbra(const TValoresRelatorio& valores, const std::optional<TElementosFigura>& elementos,
                            QWidget* pai);
