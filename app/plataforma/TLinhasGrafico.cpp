#include "app/plataforma/TLinhasGrafico.h"

#include <QChart>
#include <QPainter>
#include <QPolygonF>
#include <QValueAxis>

#include <utility>

namespace {

// Above the plot's background, under the legend.
constexpr qreal camadaLinhas = 5;

} // namespace

TLinhasGrafico::TLinhasGrafico(QChart* grafico, const QValueAxis* eixoX, const QValueAxis* eixoY)
    : QGraphicsItem(grafico)
    , grafico_(grafico)
    , eixoX_(eixoX)
    , eixoY_(eixoY)
{
    setZValue(camadaLinhas);
}

void TLinhasGrafico::defineLinhas(std::vector<TLinhaDesenho> linhas)
{
    linhas_ = std::move(linhas);
    update();
}

// The axes never hold a range of length zero, so the division is safe.
QPointF TLinhasGrafico::posicao(const QPointF& valor) const
{
    const QRectF area = grafico_->plotArea();
    const qreal fracaoX = (valor.x() - eixoX_->min()) / (eixoX_->max() - eixoX_->min());
    const qreal fracaoY = (valor.y() - eixoY_->min()) / (eixoY_->max() - eixoY_->min());
    return {area.left() + fracaoX * area.width(), area.bottom() - fracaoY * area.height()};
}

void TLinhasGrafico::acompanhaEixos()
{
    prepareGeometryChange();
    update();
}

// A pen's width spreads half of it past the plot's edge.
QRectF TLinhasGrafico::boundingRect() const
{
    return grafico_->plotArea().adjusted(-2, -2, 2, 2);
}

void TLinhasGrafico::paint(QPainter* pintor, const QStyleOptionGraphicsItem*, QWidget*)
{
    pintor->setClipRect(boundingRect());
    QPolygonF poligono;
    for (const TLinhaDesenho& linha : linhas_) {
        poligono.clear();
        for (const QPointF& ponto : linha.pontos)
            poligono << posicao(ponto);
        pintor->setPen(linha.caneta);
        pintor->drawPolyline(poligono);
    }
}
