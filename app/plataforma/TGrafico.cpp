#include "app/plataforma/TGrafico.h"

#include "models/Utils.h"
#include "plataforma/TFontePadrao.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Room around the plot, its titles and labels; the legend's rows come on top of the last.
constexpr QMargins margensGrafico(20, 16, 20, 10);

QFont fonteGrafico(bool negrito)
{
    QFont fonte = TFontePadrao::fonte(11, TFontePadrao::TFace::arial);
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
    // fit; ours wraps them into rows.
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

// The automatic colour is the chart's own: black, as its texts and axes.
QColor corDaLinha(TCor cor)
{
    if (cor == CorAutomatica)
        return Qt::black;
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

TLinhaDesenho desenho(const TLinhaGrafico& linha)
{
    TLinhaDesenho d{QString::fromStdString(linha.titulo), QPen(corDaLinha(linha.cor), 1), {}};
    d.caneta.setStyle(estiloDaLinha(linha.estilo));
    d.pontos.reserve(static_cast<qsizetype>(linha.pontos.size()));
    for (const TPontoGrafico& ponto : linha.pontos)
        d.pontos.append(QPointF(ponto.x, ponto.y));
    return d;
}

} // namespace

TGrafico::TGrafico(QWidget* pai)
    : QChartView(criaGrafico(), pai)
    , eixoX_(criaEixo(QStringLiteral("Distância(m)")))
    , eixoY_(criaEixo(QStringLiteral("Cotas(m)")))
    , linhas_(new TLinhasGrafico(chart(), eixoX_, eixoY_))
    , legenda_(new TLegendaGrafico(chart(), linhas_, fonteGrafico(false)))
{
    chart()->addAxis(eixoX_, Qt::AlignBottom);
    chart()->addAxis(eixoY_, Qt::AlignLeft);
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(Qt::white);
    defineFaixa(eixoX_, 0, 1);
    defineFaixa(eixoY_, 0, 1, 0.2);
    // The chart always takes the view's size. Handed its lines before the view is first
    // shown, it lays the legend out at a width far narrower than its own, in many more
    // rows, and would otherwise keep the height those rows asked for.
    chart()->setMinimumSize(1, 1);
    // Not under the guard: these follow the chart's layout from inside the chart library,
    // where a message box must not open, and they only lay out.
    connect(chart(), &QGraphicsWidget::geometryChanged, this, &TGrafico::atualizaLegenda);
    connect(chart(), &QChart::plotAreaChanged, this, [this] { linhas_->acompanhaEixos(); });
    for (QValueAxis* eixo : {static_cast<QValueAxis*>(eixoX_), static_cast<QValueAxis*>(eixoY_)})
        connect(eixo, &QValueAxis::rangeChanged, this, [this] { linhas_->acompanhaEixos(); });
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

// The lines are handed over whole: the axes and the legend are worked out once.
void TGrafico::mostraLinhas(const std::vector<TLinhaGrafico>& linhas)
{
    std::vector<TLinhaDesenho> desenhos;
    desenhos.reserve(linhas.size());
    for (const TLinhaGrafico& linha : linhas)
        desenhos.push_back(desenho(linha));
    linhas_->defineLinhas(std::move(desenhos));
    ajustaEixos();
    atualizaLegenda();
}

int TGrafico::quantidadeSeries() const
{
    return static_cast<int>(linhas_->linhas().size());
}

const TLinhaDesenho* TGrafico::serie(int indice) const
{
    const std::vector<TLinhaDesenho>& linhas = linhas_->linhas();
    if (indice < 0 || indice >= static_cast<int>(linhas.size()))
        return nullptr;
    return &linhas[static_cast<std::size_t>(indice)];
}

QPointF TGrafico::posicaoNaTela(const QPointF& valor) const
{
    return viewportTransform().map(chart()->mapToScene(linhas_->posicao(valor))) + QPointF(viewport()->pos());
}

std::vector<TItemLegenda> TGrafico::itensLegenda() const
{
    return legenda_->itens();
}

void TGrafico::ajustaEixos()
{
    constexpr double infinito = std::numeric_limits<double>::infinity();
    double menorX = infinito, maiorX = -infinito, menorY = infinito, maiorY = -infinito;
    for (const TLinhaDesenho& linha : linhas_->linhas())
        for (const QPointF& ponto : linha.pontos) {
            menorX = std::min(menorX, ponto.x());
            maiorX = std::max(maiorX, ponto.x());
            menorY = std::min(menorY, ponto.y());
            maiorY = std::max(maiorY, ponto.y());
        }
    defineFaixa(eixoX_, menorX, maiorX);
    // Elevations are read to the decimetre pair at the finest.
    defineFaixa(eixoY_, menorY, maiorY, 0.2);
}

// The chart's plot keeps clear of the legend's rows. The chart library would lay its axes
// and titles out again only after the next paint, which then has to be painted over: on a
// long terrace that second paint of every line costs more than the first. Laid out here,
// the chart is painted once, already as it stays.
void TGrafico::atualizaLegenda()
{
    legenda_->dispoe();
    QMargins margens = margensGrafico;
    margens.setBottom(margens.bottom() + static_cast<int>(std::ceil(legenda_->altura())));
    chart()->setMargins(margens);
    if (QGraphicsLayout* disposicao = chart()->layout())
        disposicao->activate();
}
