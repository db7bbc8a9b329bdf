#pragma once
// A white picture and the few strokes every generated picture is made of: titles, notes,
// arrows, dimension lines, levelling staffs, the optical level and marked points. The
// palette below is the one all the guide pictures and help figures are drawn in.
#include "tools/desenho/Fonte.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace cores {
inline const QColor texto{31, 41, 55};
inline const QColor titulo{11, 61, 145};
inline const QColor destaque{214, 40, 40};
inline const QColor apagado{160, 160, 160};
inline const QColor soloLinha{120, 78, 40};
inline const QColor soloFundo{233, 215, 180};
inline const QColor grama{90, 158, 58};
inline const QColor areaFundo{214, 236, 200};
inline const QColor agua{74, 144, 217};
inline const QColor aguaFundo{207, 227, 247};
inline const QColor estrada{150, 150, 150};
} // namespace cores

class TDesenho {
public:
    // `escala` enlarges the whole drawing: the help shows the guide pictures' subjects
    // at twice their size, drawn in the same coordinates.
    TDesenho(int largura, int altura, qreal escala = 1);

    QPainter& p() { return pintor_; }
    int largura() const { return largura_; }
    int altura() const { return altura_; }

    // The picture's title in the top left corner, over a thin rule.
    void titulo(const QString& texto);
    // A note in `area`, wrapped.
    void texto(const QRectF& area, const QString& texto, int pixels = 11, const QColor& cor = cores::texto,
               bool negrito = false, int alinhamento = Qt::AlignLeft | Qt::AlignTop);
    void seta(QPointF de, QPointF ate, const QColor& cor, qreal espessura = 1.3);
    // A dimension line between a and b with arrows at both ends and its label over it.
    void cota(QPointF a, QPointF b, const QString& rotulo, const QColor& cor, bool negrito = false);
    // A levelling staff standing on `pe`, `altura` pixels tall.
    void mira(QPointF pe, qreal altura, bool destacada);
    // The optical level on its tripod; `luneta` is the telescope's centre.
    void nivel(QPointF luneta);
    // A surveyed point with its name.
    void ponto(QPointF onde, const QString& nome, QPointF deslocamento, bool destacado);
    // A red ring drawing the eye to `centro`.
    void realce(QPointF centro, qreal raio);
    void linhaTracejada(QPointF a, QPointF b, const QColor& cor, qreal espessura = 1.0);
    // The contributing area, filled in its colour with no outline; the brush is left empty
    // for the strokes drawn over it.
    void areaContribuicao(const QPainterPath& area);

    // The format follows the name's suffix (.bmp, .png).
    bool grava(const QString& caminho);

private:
    int largura_;
    int altura_;
    QImage imagem_;
    QPainter pintor_;
};
