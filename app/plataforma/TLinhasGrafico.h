#pragma once
// Every line of the section chart drawn by one item in the chart's scene, through the
// chart's plot area and axes. The chart library spends about a millisecond on each series
// it is handed; a long terrace has thousands of sections, and this item draws them all
// in a fraction of that.
#include <QGraphicsItem>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QString>

#include <vector>

class QChart;
class QValueAxis;

// One line as it is drawn: its title, its pen and its points as values of the axes.
struct TLinhaDesenho {
    QString titulo;
    QPen caneta;
    QList<QPointF> pontos;
};

class TLinhasGrafico : public QGraphicsItem {
public:
    TLinhasGrafico(QChart* grafico, const QValueAxis* eixoX, const QValueAxis* eixoY);

    void defineLinhas(std::vector<TLinhaDesenho> linhas);
    const std::vector<TLinhaDesenho>& linhas() const { return linhas_; }

    // Where a pair of axis values falls, in the chart's coordinates.
    QPointF posicao(const QPointF& valor) const;
    // The plot area or the axes changed: the lines move with them.
    void acompanhaEixos();

    QRectF boundingRect() const override;
    void paint(QPainter* pintor, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    QChart* grafico_;
    const QValueAxis* eixoX_;
    const QValueAxis* eixoY_;
    std::vector<TLinhaDesenho> linhas_;
};
