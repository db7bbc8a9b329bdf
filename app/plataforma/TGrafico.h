#pragma once
// A line chart of the channel sections: plain calls build its series from plain data,
// so any window can draw the same lines on a chart of its own.
#include "TLinhaGrafico.h"

#include <QChartView>
#include <QColor>
#include <QRectF>
#include <QString>

#include <vector>

class QCategoryAxis;
class QLineSeries;
class QValueAxis;
class TLegendaGrafico;

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
    QValueAxis* eixoDistancia() const;
    QValueAxis* eixoCotas() const;
    // The texts of an axis' marks, from its start to its end.
    static QStringList rotulosDoEixo(QValueAxis* eixo);

    // One entry of the legend under the plot: a stretch of the series' line and its
    // whole title, where it stands in the chart.
    struct TItemLegenda {
        QString titulo;
        QRectF area;
    };
    std::vector<TItemLegenda> itensLegenda() const;

private:
    void ajustaEixos();
    void atualizaLegenda();

    QCategoryAxis* eixoX_;
    QCategoryAxis* eixoY_;
    TLegendaGrafico* legenda_;
};
