#include "TGrafico.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QFont fonteGrafico(bool negrito)
{
    QFont fonte;
    fonte.setFamilies({QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    fonte.setPixelSize(11);
    fonte.setBold(negrito);
    return fonte;
}

QValueAxis* criaEixo(const QString& titulo)
{
    auto* eixo = new QValueAxis;
    eixo->setTitleText(titulo);
    eixo->setGridLineVisible(false);
    eixo->setMinorGridLineVisible(false);
    eixo->setLabelsColor(Qt::black);
    eixo->setLinePenColor(Qt::black);
    eixo->setLabelFormat(QStringLiteral("%.2f"));
    eixo->setTickType(QValueAxis::TicksDynamic);
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

// The axis runs from the smallest to the largest value, its marks at round values; a
// range that holds a single value is stretched so its line still shows.
void defineFaixa(QValueAxis* eixo, double menor, double maior, double passoMinimo = 0)
{
    if (menor > maior) {
        menor = 0;
        maior = 1;
    } else if (menor == maior) {
        menor -= 0.5;
        maior += 0.5;
    }
    eixo->setRange(menor, maior);
    const double passo = std::max(passoRedondo(maior - menor), passoMinimo);
    eixo->setTickAnchor(std::floor(menor / passo) * passo);
    eixo->setTickInterval(passo);
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

TGrafico::TGrafico(QWidget* pai)
    : QChartView(pai)
    , eixoX_(criaEixo(QStringLiteral("Distância(m)")))
    , eixoY_(criaEixo(QStringLiteral("Cotas(m)")))
{
    auto* grafico = new QChart;
    grafico->setTitle(QStringLiteral("Seções do canal do Terraço"));
    grafico->setTitleFont(fonteGrafico(true));
    grafico->setTitleBrush(Qt::black);
    grafico->setBackgroundBrush(Qt::white);
    grafico->setBackgroundRoundness(0);
    grafico->setDropShadowEnabled(false);
    grafico->setPlotAreaBackgroundVisible(false);
    grafico->setLocalizeNumbers(true);
    grafico->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico->legend()->setFont(fonteGrafico(false));
    grafico->addAxis(eixoX_, Qt::AlignBottom);
    grafico->addAxis(eixoY_, Qt::AlignLeft);
    setChart(grafico);
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(Qt::white);
    defineFaixa(eixoX_, 0, 1);
    defineFaixa(eixoY_, 0, 1, 0.2);
}

void TGrafico::limpaSeries()
{
    chart()->removeAllSeries();
    ajustaEixos();
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
