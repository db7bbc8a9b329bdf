#include "TGrafico.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include <gtest/gtest.h>

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

TEST(TGrafico, SeriesComTituloCorEstiloEPontos)
{
    TGrafico g;
    const struct {
        Qt::PenStyle estilo;
        QColor cor;
    } casos[] = {{Qt::DashLine, Qt::black},         {Qt::DotLine, QColor(0, 128, 128)},
                 {Qt::DashDotLine, QColor(128, 0, 0)}, {Qt::DashDotDotLine, QColor(0, 128, 0)},
                 {Qt::SolidLine, Qt::blue}};
    for (const auto& [estilo, cor] : casos) {
        const int i = g.adicionaSerie(QStringLiteral("Seção %1").arg(g.quantidadeSeries() + 1), cor, estilo);
        g.adicionaPonto(i, 0, 1.1);
        g.adicionaPonto(i, 4.2, 0.5);
    }
    ASSERT_EQ(g.quantidadeSeries(), 5);
    for (int i = 0; i < 5; ++i) {
        QLineSeries* s = g.serie(i);
        EXPECT_EQ(s->name(), QStringLiteral("Seção %1").arg(i + 1));
        EXPECT_EQ(s->pen().style(), casos[i].estilo);
        EXPECT_EQ(s->pen().color(), casos[i].cor);
        EXPECT_EQ(s->points(), (QList<QPointF>{{0, 1.1}, {4.2, 0.5}}));
    }
    EXPECT_EQ(g.adicionaSerie(QStringLiteral("CE"), Qt::red), 5);
    EXPECT_EQ(g.serie(5)->pen().style(), Qt::SolidLine);
    g.adicionaPonto(99, 1, 1);  // no such series: ignored
    EXPECT_EQ(g.serie(99), nullptr);
}

TEST(TGrafico, EixosSeguemOsPontosELimparTiraTudo)
{
    TGrafico g;
    const int a = g.adicionaSerie(QStringLiteral("Seção 1"), Qt::black);
    g.adicionaPonto(a, 0, 1.1);
    g.adicionaPonto(a, 4.2, 0.2);
    EXPECT_DOUBLE_EQ(g.eixoDistancia()->min(), 0);
    EXPECT_DOUBLE_EQ(g.eixoDistancia()->max(), 4.2);
    EXPECT_DOUBLE_EQ(g.eixoCotas()->min(), 0.2);
    EXPECT_DOUBLE_EQ(g.eixoCotas()->max(), 1.1);

    g.limpaSeries();
    EXPECT_EQ(g.quantidadeSeries(), 0);
    // A reference line of length 0, as with no section at all, still shows.
    const int cbc = g.adicionaSerie(QStringLiteral("CBC"), Qt::blue);
    g.adicionaPonto(cbc, 0, 0.4);
    g.adicionaPonto(cbc, 0, 0.4);
    EXPECT_LT(g.eixoDistancia()->min(), 0);
    EXPECT_GT(g.eixoDistancia()->max(), 0);
    EXPECT_LT(g.eixoCotas()->min(), 0.4);
    EXPECT_GT(g.eixoCotas()->max(), 0.4);
}
