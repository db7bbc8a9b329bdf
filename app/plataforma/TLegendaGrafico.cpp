#include "app/plataforma/TLegendaGrafico.h"

#include "app/plataforma/TLinhasGrafico.h"

#include <QChart>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <utility>

namespace {

// The legend's look: a stretch of each line long enough to show its dashes, then the title.
constexpr qreal larguraTraco = 24;
constexpr qreal espacoTracoTitulo = 6;
constexpr qreal espacoEntreItens = 14;
constexpr qreal margemLateralLegenda = 8;
constexpr qreal margemInferiorLegenda = 4;
// The legend lies over the chart's own items.
constexpr qreal camadaLegenda = 10;

} // namespace

TLegendaGrafico::TLegendaGrafico(QChart* grafico, const TLinhasGrafico* linhas, const QFont& fonte)
    : QGraphicsItem(grafico)
    , grafico_(grafico)
    , linhas_(linhas)
    , fonte_(fonte)
{
    setZValue(camadaLegenda);
}

TLegendaGrafico::TEntrada TLegendaGrafico::entrada(int linha) const
{
    const QString& titulo = linhas_->linhas()[static_cast<std::size_t>(linha)].titulo;
    const QFontMetricsF medidas(fonte_);
    return {linha, titulo, larguraTraco + espacoTracoTitulo + std::ceil(medidas.horizontalAdvance(titulo))};
}

TLegendaGrafico::TEntrada TLegendaGrafico::entradaOmitidas(int quantas) const
{
    const QString titulo = QStringLiteral("… (mais %1)").arg(quantas);
    return {-1, titulo, std::ceil(QFontMetricsF(fonte_).horizontalAdvance(titulo))};
}

qreal TLegendaGrafico::larguraFileira(const TFileira& fileira)
{
    qreal largura = -espacoEntreItens;
    for (const TEntrada& e : fileira)
        largura += espacoEntreItens + e.largura;
    return fileira.empty() ? 0 : largura;
}

// The entries from the first on, in at most `maximo` rows, as far as `fim`; and how
// many entries the rows took.
std::pair<std::vector<TLegendaGrafico::TFileira>, int> TLegendaGrafico::flui(int fim, int maximo) const
{
    const qreal larguraUtil = grafico_->size().width() - 2 * margemLateralLegenda;
    std::vector<TFileira> fileiras;
    qreal larguraAtual = 0;
    int i = 0;
    for (; i < fim; ++i) {
        TEntrada e = entrada(i);
        if (fileiras.empty() || larguraAtual + espacoEntreItens + e.largura > larguraUtil) {
            if (static_cast<int>(fileiras.size()) == maximo)
                break;
            fileiras.emplace_back();
            larguraAtual = e.largura;
        } else {
            larguraAtual += espacoEntreItens + e.largura;
        }
        fileiras.back().push_back(std::move(e));
    }
    return {std::move(fileiras), i};
}

// Too many entries: the first rows from the start, the last row the entry of the lines
// left out followed by the last entries that fit beside it.
std::vector<TLegendaGrafico::TFileira> TLegendaGrafico::fileirasComOmitidas() const
{
    const int total = static_cast<int>(linhas_->linhas().size());
    const qreal larguraUtil = grafico_->size().width() - 2 * margemLateralLegenda;
    TFileira ultima;
    qreal larguraUltima = entradaOmitidas(total).largura;
    int fim = total;
    for (; fim > 0; --fim) {
        TEntrada e = entrada(fim - 1);
        if (larguraUltima + espacoEntreItens + e.largura > larguraUtil)
            break;
        larguraUltima += espacoEntreItens + e.largura;
        ultima.insert(ultima.begin(), std::move(e));
    }
    auto [fileiras, inicio] = flui(fim, maximoFileiras - 1);
    if (inicio < fim)
        ultima.insert(ultima.begin(), entradaOmitidas(fim - inicio));
    fileiras.push_back(std::move(ultima));
    return fileiras;
}

void TLegendaGrafico::dispoe()
{
    prepareGeometryChange();
    const int total = static_cast<int>(linhas_->linhas().size());
    auto [fileiras, tomadas] = flui(total, total <= maximoNomeadas ? total : maximoFileiras);
    posiciona(tomadas < total ? fileirasComOmitidas() : fileiras);
    update();
}

void TLegendaGrafico::posiciona(const std::vector<TFileira>& fileiras)
{
    itens_.clear();
    linhaDoItem_.clear();
    const qreal larguraGrafico = grafico_->size().width();
    const qreal alturaFileira = QFontMetricsF(fonte_).height() + 2;
    const qreal altura = static_cast<qreal>(fileiras.size()) * alturaFileira;
    const qreal topoLegenda = grafico_->size().height() - margemInferiorLegenda - altura;
    qreal topo = topoLegenda;
    for (const TFileira& fileira : fileiras) {
        qreal x = (larguraGrafico - larguraFileira(fileira)) / 2;
        for (const TEntrada& e : fileira) {
            itens_.push_back({e.titulo, QRectF(x, topo, e.largura, alturaFileira)});
            linhaDoItem_.push_back(e.linha);
            x += e.largura + espacoEntreItens;
        }
        topo += alturaFileira;
    }
    limites_ = QRectF(0, topoLegenda, larguraGrafico, altura);
}

void TLegendaGrafico::paint(QPainter* pintor, const QStyleOptionGraphicsItem*, QWidget*)
{
    const std::vector<TLinhaDesenho>& linhas = linhas_->linhas();
    pintor->setFont(fonte_);
    for (std::size_t i = 0; i < itens_.size(); ++i) {
        QRectF area = itens_[i].area;
        const int linha = linhaDoItem_[i];
        if (linha >= 0 && linha < static_cast<int>(linhas.size())) {
            QPen caneta = linhas[static_cast<std::size_t>(linha)].caneta;
            caneta.setWidth(2);
            pintor->setPen(caneta);
            const qreal meio = area.center().y();
            pintor->drawLine(QPointF(area.left(), meio), QPointF(area.left() + larguraTraco, meio));
            area.setLeft(area.left() + larguraTraco + espacoTracoTitulo);
        }
        pintor->setPen(Qt::black);
        pintor->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, itens_[i].titulo);
    }
}
