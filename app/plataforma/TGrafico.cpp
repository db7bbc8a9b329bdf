#include "TGrafico.h"

#include "Utils.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The legend's look: a stretch of each line long enough to show its dashes, then the title.
constexpr qreal larguraTraco = 24;
constexpr qreal espacoTracoTitulo = 6;
constexpr qreal espacoEntreItens = 14;
constexpr qreal margemLateralLegenda = 8;
constexpr qreal margemInferiorLegenda = 4;
// Room around the plot, its titles and labels; the legend's rows come on top of the last.
constexpr QMargins margensGrafico(20, 16, 20, 10);

QFont fonteGrafico(bool negrito)
{
    QFont fonte;
    fonte.setFamilies({QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    fonte.setPixelSize(11);
    fonte.setBold(negrito);
    return fonte;
}

QChart* criaGrafico()
{
    auto* grafico = new QChart;
    grafico->setTitle(QStringLiteral("Seções do canal do Terraço"));
    grafico->setTitleFont(fonteGrafico(true));
    grafico->setTitleBrush(Qt::black);
    grafico->setBackgroundBrush(Qt::white);
    grafico->setBackgroundRoundness(0);
    grafico->setDropShadowEnabled(false);
    grafico->setPlotAreaBackgroundVisible(false);
    // The chart's own legend lays its entries in one row and cuts the titles that do not
    // fit; ours wraps them into as many rows as they need.
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico->legend()->hide();
    return grafico;
}

QCategoryAxis* criaEixo(const QString& titulo)
{
    auto* eixo = new QCategoryAxis;
    eixo->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    eixo->setTitleText(titulo);
    eixo->setGridLineVisible(false);
    eixo->setMinorGridLineVisible(false);
    eixo->setLabelsColor(Qt::black);
    eixo->setLinePenColor(Qt::black);
    eixo->setTitleFont(fonteGrafico(true));
    eixo->setLabelsFont(fonteGrafico(false));
    return eixo;
}

// A step of 1, 2 or 5 times a power of ten that cuts the range into about five parts.
double passoRedondo(double faixa)
{
    const double bruto = faixa / 5;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (double fator : {1.0, 2.0, 5.0})
        if (bruto <= fator * potencia)
            return fator * potencia;
    return 10 * potencia;
}

// Two decimals, or as many as a finer step needs to tell its marks apart.
unsigned char casasDoPasso(double passo)
{
    return static_cast<unsigned char>(std::clamp(-static_cast<int>(std::floor(std::log10(passo))), 2, 15));
}

// The axis runs from the smallest to the largest value, its marks at round values; a
// range that holds a single value is stretched so its line still shows. Each mark's value
// is its step count times the step and its text is written here, so the mark at zero
// reads "0,00" however the range falls around it.
void defineFaixa(QCategoryAxis* eixo, double menor, double maior, double passoMinimo = 0)
{
    if (menor > maior) {
        menor = 0;
        maior = 1;
    } else if (menor == maior) {
        menor -= 0.5;
        maior += 0.5;
    }
    for (const QString& rotulo : eixo->categoriesLabels())
        eixo->remove(rotulo);
    eixo->setRange(menor, maior);
    eixo->setStartValue(menor);
    const double passo = std::max(passoRedondo(maior - menor), passoMinimo);
    const unsigned char casas = casasDoPasso(passo);
    constexpr double folga = 1e-9;
    const auto primeiro = static_cast<long long>(std::ceil(menor / passo - folga));
    const auto ultimo = static_cast<long long>(std::floor(maior / passo + folga));
    for (long long k = primeiro; k <= ultimo; ++k) {
        const double valor = k == 0 ? 0.0 : static_cast<double>(k) * passo;
        eixo->append(QString::fromStdString(formataNumero(casas, valor)), std::clamp(valor, menor, maior));
    }
}

QColor corDaLinha(TCor cor)
{
    if (cor == CorAutomatica)
        return {};
    return QColor::fromRgb(static_cast<QRgb>(cor));
}

Qt::PenStyle estiloDaLinha(TEstiloLinha estilo)
{
    switch (estilo) {
    case TEstiloLinha::psDash:
        return Qt::DashLine;
    case TEstiloLinha::psDot:
        return Qt::DotLine;
    case TEstiloLinha::psDashDot:
        return Qt::DashDotLine;
    case TEstiloLinha::psDashDotDot:
        return Qt::DashDotDotLine;
    case TEstiloLinha::psSolid:
        break;
    }
    return Qt::SolidLine;
}

} // namespace

// The legend at the foot of the chart. It belongs to the chart, so it goes wherever the
// chart is drawn; its entries flow in rows, each row centred, and the chart keeps that
// much room free under its axes.
class TLegendaGrafico : public QGraphicsItem {
public:
    explicit TLegendaGrafico(QChart* grafico)
        : QGraphicsItem(grafico)
        , grafico_(grafico)
    {
        setZValue(10);
    }

    const std::vector<TGrafico::TItemLegenda>& itens() const { return itens_; }
    qreal altura() const { return limites_.height(); }

    void dispoe()
    {
        prepareGeometryChange();
        itens_.clear();
        const QFontMetricsF medidas(fonteGrafico(false));
        const qreal larguraUtil = grafico_->size().width() - 2 * margemLateralLegenda;
        const qreal alturaLinha = medidas.height() + 2;
        std::vector<std::vector<TGrafico::TItemLegenda>> linhas(1);
        qreal larguraLinha = 0;
        for (const QAbstractSeries* serie : grafico_->series()) {
            const qreal largura =
                larguraTraco + espacoTracoTitulo + std::ceil(medidas.horizontalAdvance(serie->name()));
            const qreal avanco = linhas.back().empty() ? largura : espacoEntreItens + largura;
            if (!linhas.back().empty() && larguraLinha + avanco > larguraUtil) {
                linhas.emplace_back();
                larguraLinha = 0;
            }
            larguraLinha += linhas.back().empty() ? largura : espacoEntreItens + largura;
            linhas.back().push_back({serie->name(), QRectF(0, 0, largura, alturaLinha)});
        }
        if (linhas.back().empty())
            linhas.pop_back();
        const qreal altura = static_cast<qreal>(linhas.size()) * alturaLinha;
        const qreal topoLegenda = grafico_->size().height() - margemInferiorLegenda - altura;
        qreal topo = topoLegenda;
        for (auto& linha : linhas) {
            qreal largura = -espacoEntreItens;
            for (const auto& item : linha)
                largura += espacoEntreItens + item.area.width();
            qreal x = (grafico_->size().width() - largura) / 2;
            for (auto& item : linha) {
                item.area.moveTo(x, topo);
                x += item.area.width() + espacoEntreItens;
                itens_.push_back(item);
            }
            topo += alturaLinha;
        }
        limites_ = QRectF(0, topoLegenda, grafico_->size().width(), altura);
        update();
    }

    QRectF boundingRect() const override { return limites_; }

    void paint(QPainter* pintor, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        const auto series = grafico_->series();
        pintor->setFont(fonteGrafico(false));
        for (std::size_t i = 0; i < itens_.size() && i < static_cast<std::size_t>(series.size()); ++i) {
            const QRectF& area = itens_[i].area;
            const auto* linha = qobject_cast<const QLineSeries*>(series.at(static_cast<qsizetype>(i)));
            if (linha) {
                QPen caneta = linha->pen();
                caneta.setWidth(2);
                pintor->setPen(caneta);
                const qreal meio = area.center().y();
                pintor->drawLine(QPointF(area.left(), meio), QPointF(area.left() + larguraTraco, meio));
            }
            pintor->setPen(Qt::black);
            pintor->drawText(area.adjusted(larguraTraco + espacoTracoTitulo, 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, itens_[i].titulo);
        }
    }

private:
    QChart* grafico_;
    std::vector<TGrafico::TItemLegenda> itens_;
    QRectF limites_;
};

TGrafico::TGrafico(QWidget* pai)
    : QChartView(criaGrafico(), pai)
    , eixoX_(criaEixo(QStringLiteral("Distância(m)")))
    , eixoY_(criaEixo(QStringLiteral("Cotas(m)")))
    , legenda_(new TLegendaGrafico(chart()))
{
    chart()->addAxis(eixoX_, Qt::AlignBottom);
    chart()->addAxis(eixoY_, Qt::AlignLeft);
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(Qt::white);
    defineFaixa(eixoX_, 0, 1);
    defineFaixa(eixoY_, 0, 1, 0.2);
    connect(chart(), &QGraphicsWidget::geometryChanged, this, &TGrafico::atualizaLegenda);
    atualizaLegenda();
}

QValueAxis* TGrafico::eixoDistancia() const
{
    return eixoX_;
}

QValueAxis* TGrafico::eixoCotas() const
{
    return eixoY_;
}

QStringList TGrafico::rotulosDoEixo(QValueAxis* eixo)
{
    auto* categorias = qobject_cast<QCategoryAxis*>(eixo);
    return categorias ? categorias->categoriesLabels() : QStringList();
}

void TGrafico::limpaSeries()
{
    chart()->removeAllSeries();
    ajustaEixos();
    atualizaLegenda();
}

void TGrafico::mostraLinhas(const std::vector<TLinhaGrafico>& linhas)
{
    limpaSeries();
    for (const TLinhaGrafico& linha : linhas) {
        const int indice = adicionaSerie(QString::fromStdString(linha.titulo), corDaLinha(linha.cor),
                                         estiloDaLinha(linha.estilo));
        for (const TPontoGrafico& ponto : linha.pontos)
            adicionaPonto(indice, ponto.x, ponto.y);
    }
}

int TGrafico::adicionaSerie(const QString& titulo, const QColor& cor, Qt::PenStyle estilo)
{
    auto* serie = new QLineSeries;
    serie->setName(titulo);
    chart()->addSeries(serie);
    QPen caneta = serie->pen();
    if (cor.isValid())
        caneta.setColor(cor);
    caneta.setStyle(estilo);
    caneta.setWidth(1);
    serie->setPen(caneta);
    serie->attachAxis(eixoX_);
    serie->attachAxis(eixoY_);
    atualizaLegenda();
    return quantidadeSeries() - 1;
}

void TGrafico::adicionaPonto(int indice, double x, double y)
{
    if (QLineSeries* linha = serie(indice)) {
        linha->append(x, y);
        ajustaEixos();
    }
}

int TGrafico::quantidadeSeries() const
{
    return static_cast<int>(chart()->series().size());
}

QLineSeries* TGrafico::serie(int indice) const
{
    const auto series = chart()->series();
    if (indice < 0 || indice >= series.size())
        return nullptr;
    return static_cast<QLineSeries*>(series.at(indice));
}

std::vector<TGrafico::TItemLegenda> TGrafico::itensLegenda() const
{
    return legenda_->itens();
}

void TGrafico::ajustaEixos()
{
    constexpr double infinito = std::numeric_limits<double>::infinity();
    double menorX = infinito, maiorX = -infinito, menorY = infinito, maiorY = -infinito;
    for (int i = 0; i < quantidadeSeries(); ++i)
        for (const QPointF& ponto : serie(i)->points()) {
            menorX = std::min(menorX, ponto.x());
            maiorX = std::max(maiorX, ponto.x());
            menorY = std::min(menorY, ponto.y());
            maiorY = std::max(maiorY, ponto.y());
        }
    defineFaixa(eixoX_, menorX, maiorX);
    // Elevations are read to the decimetre pair at the finest.
    defineFaixa(eixoY_, menorY, maiorY, 0.2);
}

// The chart's plot keeps clear of the legend's rows.
void TGrafico::atualizaLegenda()
{
    legenda_->dispoe();
    QMargins margens = margensGrafico;
    margens.setBottom(margens.bottom() + static_cast<int>(std::ceil(legenda_->altura())));
    chart()->setMargins(margens);
}
