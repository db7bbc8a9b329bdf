#pragma once
// The legend at the foot of the section chart. It belongs to the chart, so it goes
// wherever the chart is drawn; its entries flow in rows, each row centred, and the chart
// keeps that much room free under its axes. Every line of a terrace of up to thirty
// sections has its entry, in as many rows as they take. A longer terrace's legend would
// fill the chart, so it takes three rows at most: the first entries that fit, then
// "… (mais N)" for those left out, then the last ones, which are the reference lines and
// the last sections.
#include <QFont>
#include <QGraphicsItem>
#include <QRectF>
#include <QString>

#include <utility>
#include <vector>

class QChart;
class TLinhasGrafico;

// One entry of the legend: a stretch of the line and its whole title, where it stands in
// the chart; the entry for the lines left out has no line.
struct TItemLegenda {
    QString titulo;
    QRectF area;
};

class TLegendaGrafico : public QGraphicsItem {
public:
    // Thirty sections and the two reference lines.
    static constexpr int maximoNomeadas = 32;
    // The rows of a legend that leaves lines out.
    static constexpr int maximoFileiras = 3;

    TLegendaGrafico(QChart* grafico, const TLinhasGrafico* linhas, const QFont& fonte);

    const std::vector<TItemLegenda>& itens() const { return itens_; }
    qreal altura() const { return limites_.height(); }

    // Lays the entries out again for the chart's lines and size.
    void dispoe();

    QRectF boundingRect() const override { return limites_; }
    void paint(QPainter* pintor, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    // An entry before it is placed: the line it stands for (-1 for the lines left out).
    struct TEntrada {
        int linha;
        QString titulo;
        qreal largura;
    };
    using TFileira = std::vector<TEntrada>;

    TEntrada entrada(int linha) const;
    TEntrada entradaOmitidas(int quantas) const;
    std::pair<std::vector<TFileira>, int> flui(int fim, int maximo) const;
    std::vector<TFileira> fileirasComOmitidas() const;
    static qreal larguraFileira(const TFileira& fileira);
    void posiciona(const std::vector<TFileira>& fileiras);

    QChart* grafico_;
    const TLinhasGrafico* linhas_;
    QFont fonte_;
    std::vector<TItemLegenda> itens_;
    std::vector<int> linhaDoItem_;
    QRectF limites_;
};
