#pragma once
// A line chart of the channel sections: plain calls build its lines from plain data,
// so any window can draw the same lines on a chart of its own. The chart library draws
// the axes and titles; the lines and the legend are items of our own in its scene, so a
// terrace of thousands of sections is drawn as quickly as one of four.
#include "app/nucleo/TLinhaGrafico.h"
#include "app/plataforma/TLegendaGrafico.h"
#include "app/plataforma/TLinhasGrafico.h"

#include <QChartView>
#include <QStringList>

#include <vector>

class QCategoryAxis;
class QValueAxis;

class TGrafico : public QChartView {
public:
    explicit TGrafico(QWidget* pai = nullptr);

    // Replaces every line with those of `linhas`, in their order; the axes then span all
    // their points. A line of the automatic colour is drawn black.
    void mostraLinhas(const std::vector<TLinhaGrafico>& linhas);

    int quantidadeSeries() const;
    // A line that does not exist is nullptr.
    const TLinhaDesenho* serie(int indice) const;
    // Where a pair of axis values falls, in the view's coordinates.
    QPointF posicaoNaTela(const QPointF& valor) const;
    QValueAxis* eixoDistancia() const;
    QValueAxis* eixoCotas() const;
    // The texts of an axis' marks, from its start to its end.
    static QStringList rotulosDoEixo(QValueAxis* eixo);

    std::vector<TItemLegenda> itensLegenda() const;

private:
    void ajustaEixos();
    void atualizaLegenda();

    QCategoryAxis* eixoX_;
    QCategoryAxis* eixoY_;
    TLinhasGrafico* linhas_;
    TLegendaGrafico* legenda_;
};
