// The contributing area: the irradiation survey, its three stadia hairs and its angle,
// the tape survey and the road.
#include "tools/imagens_guia/ImagensGuia.h"
#include "tools/desenho/TDesenho.h"

#include <QPainterPath>
#include <QtMath>

namespace {

// The terrace below and the one above (or the divide), as seen from above.
QPainterPath curva(qreal y0, qreal y1, qreal onda)
{
    QPainterPath c;
    c.moveTo(10, y0);
    c.cubicTo(90, y0 - onda, 200, y1 + onda, 290, y1);
    return c;
}

void desenhaTerracos(TDesenho& d, qreal topo, qreal base)
{
    QPainter& p = d.p();
    QPainterPath area = curva(topo, topo + 10, 12);
    area.lineTo(290, base - 12);
    area.cubicTo(200, base - 12 + 14, 90, base - 14, 10, base);
    area.closeSubpath();
    d.areaContribuicao(area);
    p.setPen(QPen(cores::soloLinha, 1.5, Qt::DashLine));
    p.drawPath(curva(topo, topo + 10, 12));
    QPainterPath terraco;
    terraco.moveTo(10, base);
    terraco.cubicTo(90, base - 14, 200, base - 12 + 14, 290, base - 12);
    p.setPen(QPen(cores::agua, 2));
    p.drawPath(terraco.translated(0, -4));
    p.setPen(QPen(cores::soloLinha, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(terraco);
}

void legendaTerracos(TDesenho& d, qreal topo, qreal base, const QString& deCima)
{
    d.texto(QRectF(12, topo - 18, 276, 14), deCima, 10, cores::soloLinha);
    d.texto(QRectF(12, base + 4, 276, 14), QStringLiteral("terraço avaliado"), 10, cores::soloLinha, true);
}

void setaDeclive(TDesenho& d, QPointF onde)
{
    d.seta(onde, onde + QPointF(0, 26), cores::agua, 1.5);
    d.texto(QRectF(onde.x() + 5, onde.y() + 2, 40, 24), QStringLiteral("a água\nescoa"), 9, cores::agua);
}

void estacao(TDesenho& d, QPointF n)
{
    QPainter& p = d.p();
    p.setPen(QPen(cores::texto, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(n, 6, 6);
    p.drawLine(n - QPointF(6, 0), n + QPointF(6, 0));
    p.drawLine(n - QPointF(0, 6), n + QPointF(0, 6));
    p.setBrush(Qt::NoBrush);
}

const QPointF vertices[] = {{40, 66}, {150, 74}, {262, 86}, {266, 180}, {150, 190}, {38, 196}};

} // namespace

void desenhaAreaIrradiacao(TDesenho& d)
{
    d.titulo(QStringLiteral("Área de contribuição – irradiação"));
    desenhaTerracos(d, 58, 226);
    legendaTerracos(d, 58, 226, QStringLiteral("terraço de cima ou divisor de águas"));
    QPainter& p = d.p();
    const QPointF n(150, 138);
    QPolygonF contorno;
    for (const QPointF& v : vertices)
        contorno << v;
    p.setPen(QPen(cores::grama, 1.2));
    p.drawPolygon(contorno);
    for (int i = 0; i < 6; ++i) {
        d.linhaTracejada(n, vertices[i], cores::texto, 0.9);
        const QPointF fora = vertices[i] + (vertices[i] - n) * (16 / std::hypot(vertices[i].x() - n.x(), vertices[i].y() - n.y()));
        d.ponto(vertices[i], QStringLiteral("V%1").arg(i + 1), fora - vertices[i], false);
    }
    estacao(d, n);
    d.texto(QRectF(n.x() + 8, n.y() + 2, 60, 14), QStringLiteral("nível"), 10, cores::texto, true);
    setaDeclive(d, {60, 120});
    d.texto(QRectF(12, 250, 276, 76),
            QStringLiteral("Com o nível instalado dentro da área, vise a mira em cada vértice do contorno, "
                           "em sequência ao redor do nível, e anote as leituras dos fios (FS, FM e FI) e o "
                           "ângulo horizontal de cada visada."),
            11);
}

void desenhaFio(TDesenho& d, const QString& fio)
{
    const QString nomes[] = {QStringLiteral("FS"), QStringLiteral("FM"), QStringLiteral("FI")};
    const QString extensos[] = {QStringLiteral("superior"), QStringLiteral("médio"), QStringLiteral("inferior")};
    const int escolhido = fio == nomes[0] ? 0 : (fio == nomes[1] ? 1 : 2);
    d.titulo(QStringLiteral("Irradiação – fio ") + extensos[escolhido] + QStringLiteral(" (") + fio + QStringLiteral(")"));
    QPainter& p = d.p();
    const QPointF centro(130, 130);
    const qreal raio = 88;
    QPainterPath ocular;
    ocular.addEllipse(centro, raio, raio);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 242, 248));
    p.drawPath(ocular);
    p.setClipPath(ocular);
    // The staff as seen through the telescope, with its centimetre blocks and numbers.
    const QRectF mira(centro.x() - 26, centro.y() - raio, 52, 2 * raio);
    p.setBrush(QColor(255, 253, 235));
    p.drawRect(mira);
    for (int i = 0; i < 18; ++i) {
        const qreal y = centro.y() - raio + i * 10;
        p.setBrush(i % 2 ? QColor(Qt::white) : QColor(30, 30, 30));
        p.drawRect(QRectF(centro.x() + 2, y, 14, 10));
        if (i % 5 == 0) {
            p.setPen(QColor(200, 30, 30));
            p.setFont(fonte(12, true));
            p.drawText(QRectF(centro.x() - 24, y - 2, 24, 14), Qt::AlignCenter, QString::number(15 - i / 5));
            p.setPen(Qt::NoPen);
        }
    }
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cores::texto, 2));
    p.drawEllipse(centro, raio, raio);
    p.setPen(QPen(cores::texto, 1));
    p.drawLine(QPointF(centro.x(), centro.y() - raio), QPointF(centro.x(), centro.y() + raio));
    const qreal alturas[] = {centro.y() - 34, centro.y(), centro.y() + 34};
    for (int i = 0; i < 3; ++i) {
        const bool realce = i == escolhido;
        const qreal meia = i == 1 ? raio : 34;
        p.setPen(QPen(realce ? cores::destaque : cores::texto, realce ? 2.5 : 1));
        p.drawLine(QPointF(centro.x() - meia, alturas[i]), QPointF(centro.x() + meia, alturas[i]));
        const QColor cor = realce ? cores::destaque : cores::apagado;
        d.seta(QPointF(250, alturas[i]), QPointF(centro.x() + 40, alturas[i]), cor, realce ? 1.6 : 1);
        d.texto(QRectF(254, alturas[i] - 8, 44, 16), nomes[i], realce ? 13 : 11, cor, true);
    }
    d.texto(QRectF(12, 226, 276, 32),
            QStringLiteral("Leitura do fio ") + extensos[escolhido] + QStringLiteral(" (") + fio
                + QStringLiteral(") na mira, em metros."),
            12, cores::destaque, true);
    d.texto(QRectF(12, 260, 276, 66),
            QStringLiteral("Distância do nível à mira:\n100 × (FS − FI), ou 200 × (FM − FI), ou 200 × (FS − FM).\n"
                           "Bastam as leituras de dois fios."),
            11);
}

void desenhaAngulo(TDesenho& d)
{
    d.titulo(QStringLiteral("Irradiação – ângulo horizontal"));
    QPainter& p = d.p();
    const QPointF n(120, 140);
    const qreal graus[] = {0, 55, 125, 200, 290};
    const qreal distancias[] = {150, 95, 100, 80, 85};
    QPolygonF contorno;
    QPointF pontos[5];
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(graus[i]);
        pontos[i] = n + QPointF(std::cos(a), -std::sin(a)) * distancias[i];
        contorno << pontos[i];
    }
    QPainterPath area;
    area.addPolygon(contorno);
    d.areaContribuicao(area);
    p.setPen(QPen(cores::grama, 1.2));
    p.drawPolygon(contorno);
    // The angle of the third sight, counted from the first.
    p.setPen(QPen(cores::destaque, 2.2));
    p.drawArc(QRectF(n.x() - 38, n.y() - 38, 76, 76), 0, static_cast<int>(graus[2] * 16));
    p.setPen(QPen(cores::apagado, 1));
    p.drawArc(QRectF(n.x() - 24, n.y() - 24, 48, 48), 0, static_cast<int>(graus[1] * 16));
    for (int i = 0; i < 5; ++i) {
        const bool realce = i == 0 || i == 2;
        d.linhaTracejada(n, pontos[i], realce ? cores::destaque : cores::texto, realce ? 1.4 : 0.9);
        const QPointF fora = (pontos[i] - n) * (14 / distancias[i]);
        d.ponto(pontos[i], QStringLiteral("V%1").arg(i + 1), fora, i == 2);
    }
    estacao(d, n);
    d.texto(QRectF(n.x() + 32, n.y() - 64, 90, 30), QStringLiteral("ângulo de V3"), 11, cores::destaque, true);
    d.texto(QRectF(n.x() + 60, n.y() + 4, 80, 14), QStringLiteral("V1 = 0°"), 10, cores::texto, true);
    d.texto(QRectF(12, 250, 276, 76),
            QStringLiteral("Ângulo horizontal de cada visada, em graus, medido a partir da primeira visada "
                           "(V1 = 0°) e crescendo de uma visada para a seguinte, até fechar a volta."),
            11);
}

void desenhaAreaTrena(TDesenho& d)
{
    d.titulo(QStringLiteral("Área de contribuição – trena"));
    desenhaTerracos(d, 58, 226);
    legendaTerracos(d, 58, 226, QStringLiteral("terraço de cima"));
    const qreal xs[] = {50, 115, 180, 245};
    for (int i = 0; i < 4; ++i) {
        const qreal t = (xs[i] - 10) / 280;
        const qreal topo = 58 + 10 * t + 6 * std::sin(t * M_PI) - 2;
        const qreal base = 226 - 12 * t - 3 * std::sin(t * 2 * M_PI) - 6;
        d.cota({xs[i], topo + 4}, {xs[i], base - 4}, QStringLiteral("d%1").arg(i + 1), cores::destaque, true);
    }
    setaDeclive(d, {82, 110});
    d.texto(QRectF(12, 250, 276, 76),
            QStringLiteral("Meça com a trena a distância entre este terraço e o de cima em vários pontos "
                           "(d1, d2, …). Espaçamento médio = (d1 + d2 + … + dn) / n; "
                           "área = L × espaçamento médio, com L o comprimento do terraço."),
            11);
}

void desenhaAreaEstrada(TDesenho& d)
{
    d.titulo(QStringLiteral("Estrada que escoa para o terraço"));
    QPainter& p = d.p();
    desenhaTerracos(d, 88, 226);
    d.texto(QRectF(12, 230, 276, 14), QStringLiteral("terraço avaliado"), 10, cores::soloLinha, true);
    const QRectF estrada(10, 52, 280, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(cores::estrada);
    p.drawRect(estrada);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1.5, Qt::DashLine));
    p.drawLine(QPointF(12, estrada.center().y()), QPointF(288, estrada.center().y()));
    d.texto(QRectF(20, 56, 120, 18), QStringLiteral("estrada"), 11, Qt::white, true);
    for (qreal x : {60.0, 140.0, 220.0})
        d.seta({x, 84}, {x, 130}, cores::agua, 1.5);
    d.texto(QRectF(70, 110, 150, 14), QStringLiteral("enxurrada da estrada"), 10, cores::agua);
    d.cota({10, 40}, {290, 40}, QStringLiteral("comprimento"), cores::destaque, true);
    d.cota({250, estrada.top()}, {250, estrada.bottom()}, QString(), cores::destaque, true);
    d.texto(QRectF(200, 80, 90, 14), QStringLiteral("largura"), 11, cores::destaque, true, Qt::AlignRight);
    d.texto(QRectF(12, 250, 276, 76),
            QStringLiteral("Largura da estrada que escoa para o terraço, ou a semilargura quando só metade "
                           "dela escoa para este lado; comprimento do trecho que drena para o terraço (m)."),
            11);
}
