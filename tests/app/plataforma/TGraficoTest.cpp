#include "app/plataforma/TGrafico.h"

#include <QChart>
#include <QCoreApplication>
#include <QImage>
#include <QLegend>
#include <QPainter>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::vector<TLinhaGrafico> secoes(int quantas)
{
    std::vector<TLinhaGrafico> linhas;
    for (int i = 1; i <= quantas; ++i)
        linhas.push_back({"Seção " + std::to_string(i), clBlack, TEstiloLinha::psDash, {{0, 1.0}, {2.4, 0.3}}});
    linhas.push_back({"CBC", clBlue, TEstiloLinha::psSolid, {{0, 0.7}, {2.4, 0.7}}});
    linhas.push_back({"CE", clRed, TEstiloLinha::psSolid, {{0, 0.5}, {2.4, 0.5}}});
    return linhas;
}

} // namespace

TEST(TGrafico, ComoODesenhoDasSecoes)
{
    TGrafico g;
    EXPECT_EQ(g.chart()->title(), QStringLiteral("Seções do canal do Terraço"));
    EXPECT_EQ(g.eixoDistancia()->titleText(), QStringLiteral("Distância(m)"));
    EXPECT_EQ(g.eixoCotas()->titleText(), QStringLiteral("Cotas(m)"));
    EXPECT_EQ(g.chart()->legend()->alignment(), Qt::AlignBottom);
    EXPECT_EQ(g.chart()->backgroundBrush().color(), QColor(Qt::white));
    EXPECT_FALSE(g.chart()->isDropShadowEnabled());
    EXPECT_EQ(g.quantidadeSeries(), 0);
}

TEST(TGrafico, LinhasComTituloCorEstiloEPontos)
{
    const struct {
        TCor cor;
        TEstiloLinha estilo;
        QColor corDesenhada;
        Qt::PenStyle estiloDesenhado;
    } casos[] = {
        {clBlack, TEstiloLinha::psDash, Qt::black, Qt::DashLine},
        {clTeal, TEstiloLinha::psDot, QColor(0, 128, 128), Qt::DotLine},
        {clMaroon, TEstiloLinha::psDashDot, QColor(128, 0, 0), Qt::DashDotLine},
        {clGreen, TEstiloLinha::psDashDotDot, QColor(0, 128, 0), Qt::DashDotDotLine},
        {clBlue, TEstiloLinha::psSolid, Qt::blue, Qt::SolidLine},
        {CorAutomatica, TEstiloLinha::psSolid, Qt::black, Qt::SolidLine},
    };
    std::vector<TLinhaGrafico> linhas;
    for (const auto& caso : casos)
        linhas.push_back({"Seção " + std::to_string(linhas.size() + 1), caso.cor, caso.estilo, {{0, 1.1}, {4.2, 0.5}}});
    TGrafico g;
    g.mostraLinhas(linhas);
    ASSERT_EQ(g.quantidadeSeries(), 6);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const TLinhaDesenho* s = g.serie(i);
        EXPECT_EQ(s->titulo, QStringLiteral("Seção %1").arg(i + 1));
        EXPECT_EQ(s->caneta.style(), casos[i].estiloDesenhado);
        EXPECT_EQ(s->caneta.color(), casos[i].corDesenhada);
        EXPECT_EQ(s->pontos, (QList<QPointF>{{0, 1.1}, {4.2, 0.5}}));
    }
    EXPECT_EQ(g.serie(6), nullptr);
    EXPECT_EQ(g.serie(-1), nullptr);
}

TEST(TGrafico, EixosSeguemOsPontosENovasLinhasSubstituemAsAntigas)
{
    TGrafico g;
    g.mostraLinhas({{"Seção 1", clBlack, TEstiloLinha::psDash, {{0, 1.1}, {4.2, 0.2}}},
                    {"Seção 2", clTeal, TEstiloLinha::psDot, {{0, 0.9}, {3.0, 0.4}}}});
    EXPECT_DOUBLE_EQ(g.eixoDistancia()->min(), 0);
    EXPECT_DOUBLE_EQ(g.eixoDistancia()->max(), 4.2);
    EXPECT_DOUBLE_EQ(g.eixoCotas()->min(), 0.2);
    EXPECT_DOUBLE_EQ(g.eixoCotas()->max(), 1.1);

    // A reference line of length 0, as with no section at all, still shows.
    g.mostraLinhas({{"CBC", clBlue, TEstiloLinha::psSolid, {{0, 0.4}, {0, 0.4}}}});
    ASSERT_EQ(g.quantidadeSeries(), 1);
    EXPECT_EQ(g.serie(0)->titulo, "CBC");
    EXPECT_LT(g.eixoDistancia()->min(), 0);
    EXPECT_GT(g.eixoDistancia()->max(), 0);
    EXPECT_LT(g.eixoCotas()->min(), 0.4);
    EXPECT_GT(g.eixoCotas()->max(), 0.4);

    g.mostraLinhas({});
    EXPECT_EQ(g.quantidadeSeries(), 0);
    EXPECT_TRUE(g.itensLegenda().empty());
}

// Whether a pixel next to `ponto` has the colour `cor`: a line lands on the pixel row or
// column on either side of where its value falls.
bool temCorPerto(const QImage& imagem, QPointF ponto, QColor cor)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (imagem.pixelColor(ponto.toPoint() + QPoint(dx, dy)) == cor)
                return true;
    return false;
}

// The lines are drawn where the axes put their values, and follow when the chart is
// resized. Without antialiasing each line keeps its pure colour.
TEST(TGrafico, LinhasDesenhadasOndeOsEixosMandam)
{
    TGrafico g;
    g.setRenderHint(QPainter::Antialiasing, false);
    g.mostraLinhas({{"CBC", clBlue, TEstiloLinha::psSolid, {{0, 0.7}, {4, 0.7}}},
                    {"CE", clRed, TEstiloLinha::psSolid, {{0, 0.5}, {4, 0.5}}},
                    {"Seção 1", clTeal, TEstiloLinha::psSolid, {{1, 1.0}, {1, 0.2}}}});
    const QColor azul(Qt::blue), vermelho(Qt::red), verdeAzulado(0, 128, 128);
    for (const QSize tamanho : {QSize(513, 377), QSize(718, 403)}) {
        SCOPED_TRACE(tamanho.width());
        g.resize(tamanho);
        g.show();
        QCoreApplication::processEvents();
        const QImage imagem = g.grab().toImage();
        const auto em = [&](double x, double y) { return g.posicaoNaTela({x, y}); };
        EXPECT_TRUE(temCorPerto(imagem, em(2, 0.7), azul));
        EXPECT_TRUE(temCorPerto(imagem, em(3, 0.5), vermelho));
        EXPECT_TRUE(temCorPerto(imagem, em(1, 0.3), verdeAzulado));
        EXPECT_FALSE(temCorPerto(imagem, em(2, 0.6), azul));
        EXPECT_FALSE(temCorPerto(imagem, em(2, 0.6), vermelho));
        // The level lines end where the axis does.
        EXPECT_TRUE(temCorPerto(imagem, em(4, 0.7) - QPointF(3, 0), azul));
        EXPECT_FALSE(temCorPerto(imagem, em(4, 0.7) + QPointF(6, 0), azul));
        EXPECT_FALSE(temCorPerto(imagem, em(0, 0.7) - QPointF(6, 0), azul));
    }
}

TEST(TGrafico, LegendaDePoucasLinhasMostraTodas)
{
    TGrafico g;
    g.resize(513, 377);
    g.show();
    QCoreApplication::processEvents();
    const std::vector<TLinhaGrafico> linhas = secoes(9);
    g.mostraLinhas(linhas);
    const auto itens = g.itensLegenda();
    ASSERT_EQ(itens.size(), linhas.size());
    for (std::size_t i = 0; i < itens.size(); ++i)
        EXPECT_EQ(itens[i].titulo, QString::fromStdString(linhas[i].titulo));
}

// Every entry of the legend lies whole in the chart, below its plot, apart from the others.
void esperaItensSeparadosNoGrafico(const TGrafico& g, const std::vector<TItemLegenda>& itens)
{
    for (std::size_t i = 0; i < itens.size(); ++i) {
        EXPECT_TRUE(QRectF(g.rect()).contains(itens[i].area)) << i;
        EXPECT_GT(itens[i].area.top(), g.chart()->plotArea().bottom()) << i;
        for (std::size_t k = i + 1; k < itens.size(); ++k)
            EXPECT_FALSE(itens[i].area.intersects(itens[k].area)) << i << " " << k;
    }
}

// Up to thirty sections every line has its entry, in its order, in as many rows as they
// take, on the results page's chart and on the report's. A chart handed its lines while
// hidden fits its view once shown.
TEST(TGrafico, LegendaNomeiaCadaLinhaAteTrintaSecoes)
{
    const struct {
        QSize tamanho;
        int secoes;
        bool mostradoAntes;
    } casos[] = {
        {{513, 377}, 15, true}, {{513, 377}, 30, true}, {{513, 377}, 30, false},
        {{718, 403}, 15, true}, {{718, 403}, 30, true}, {{718, 403}, 30, false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(testing::Message() << caso.tamanho.width() << " " << caso.secoes << " " << caso.mostradoAntes);
        TGrafico g;
        g.resize(caso.tamanho);
        if (caso.mostradoAntes) {
            g.show();
            QCoreApplication::processEvents();
        }
        const std::vector<TLinhaGrafico> linhas = secoes(caso.secoes);
        g.mostraLinhas(linhas);
        g.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(g.chart()->size(), QSizeF(caso.tamanho));
        const auto itens = g.itensLegenda();
        ASSERT_EQ(itens.size(), linhas.size());
        for (std::size_t i = 0; i < itens.size(); ++i)
            EXPECT_EQ(itens[i].titulo, QString::fromStdString(linhas[i].titulo));
        esperaItensSeparadosNoGrafico(g, itens);
    }
}

// A longer terrace's legend stays in three rows: the first sections, a mark for those left
// out with their count, and the last entries, the reference lines among them.
TEST(TGrafico, LegendaDeMuitasLinhasMostraInicioEFim)
{
    for (const int quantas : {31, 50, 9999}) {
        SCOPED_TRACE(quantas);
        TGrafico g;
        g.resize(513, 377);
        g.show();
        QCoreApplication::processEvents();
        g.mostraLinhas(secoes(quantas));
        const auto itens = g.itensLegenda();
        ASSERT_GE(itens.size(), 4u);
        EXPECT_EQ(itens.front().titulo, "Seção 1");
        EXPECT_EQ(itens[itens.size() - 2].titulo, "CBC");
        EXPECT_EQ(itens.back().titulo, "CE");
        int omitidas = 0;
        std::vector<qreal> topos;
        esperaItensSeparadosNoGrafico(g, itens);
        for (std::size_t i = 0; i < itens.size(); ++i) {
            if (itens[i].titulo.startsWith(QStringLiteral("… (mais ")))
                omitidas = itens[i].titulo.mid(8).chopped(1).toInt();
            if (std::find(topos.begin(), topos.end(), itens[i].area.top()) == topos.end())
                topos.push_back(itens[i].area.top());
        }
        EXPECT_EQ(topos.size(), static_cast<std::size_t>(TLegendaGrafico::maximoFileiras));
        EXPECT_EQ(static_cast<int>(itens.size()) - 1 + omitidas, quantas + 2);
        EXPECT_EQ(g.quantidadeSeries(), quantas + 2);
    }
}
