#pragma once
// A line chart of the channel sections: plain calls build its series from plain data,
// so any window can draw the same lines on a chart of its own.
#include "TLinhaGrafico.h"

#include <QChartView>
#include <QColor>
#include <QString>

#include <vector>

class QLineSeries;
class QValueAxis;

class TGrafico : public QChartView {
public:
    explicit TGrafico(QWidget* pai = nullptr);

    void limpaSeries();
    // Replaces every series with new ones drawn from `linhas`, in their order.
    void mostraLinhas(const std::vector<TLinhaGrafico>& linhas);
    // The new series' index, counting from 0 in the order of creation. An invalid
    // colour leaves the series the chart's own.
    int adicionaSerie(const QString& titulo, const QColor& cor, Qt::PenStyle estilo = Qt::SolidLine);
    // A series index that does not exist is ignored.
    void adicionaPonto(int serie, double x, double y);

    int quantidadeSeries() const;
    QLineSeries* serie(int indice) const;
    QValueAxis* eixoDistancia() const { return eixoX_; }
    QValueAxis* eixoCotas() const { return eixoY_; }

private:
    void ajustaEixos();

    QValueAxis* eixoX_;
    QValueAxis* eixoY_;
};
