// The design rainfall, the soil, the terrace length and the crest profile.
#include "tools/imagens_guia/ImagensGuia.h"
#include "app/nucleo/TGeometriaEntrada.h"
#include "tools/desenho/TDesenho.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

#include <cmath>
#include <vector>

namespace {

void nuvem(TDesenho& d, QPointF canto)
{
    QPainter& p = d.p();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 190, 210));
    p.drawEllipse(QRectF(canto.x(), canto.y() + 10, 34, 22));
    p.drawEllipse(QRectF(canto.x() + 16, canto.y(), 34, 30));
    p.drawEllipse(QRectF(canto.x() + 38, canto.y() + 10, 30, 22));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cores::agua, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const QPointF gota = canto + QPointF(8 + i * 10, 36 + (i % 2) * 6);
        p.drawLine(gota, gota + QPointF(-3, 8));
    }
}

// The equation as a fraction: "i =", then K·T^a over (t + b)^c.
void equacao(TDesenho& d, QPointF inicio)
{
    QPainter& p = d.p();
    p.setPen(cores::texto);
    const QFont grande = fonte(20, false);
    const QFont expoente = fonte(13, false);
    const QFontMetricsF medidaGrande(grande);
    const QFontMetricsF medidaExpoente(expoente);
    p.setFont(grande);
    const QString igual = QStringLiteral("i = ");
    p.drawText(inicio + QPointF(0, 12), igual);
    qreal x = inicio.x() + medidaGrande.horizontalAdvance(igual);
    auto termo = [&](QPointF base, const QString& corpo, const QString& potencia) {
        p.setFont(grande);
        p.drawText(base, corpo);
        p.setFont(expoente);
        p.drawText(base + QPointF(medidaGrande.horizontalAdvance(corpo), -10), potencia);
        return medidaGrande.horizontalAdvance(corpo) + medidaExpoente.horizontalAdvance(potencia);
    };
    const qreal larguraCima = medidaGrande.horizontalAdvance(QStringLiteral("K · T"))
                              + medidaExpoente.horizontalAdvance(QStringLiteral("a"));
    const qreal larguraBaixo = medidaGrande.horizontalAdvance(QStringLiteral("(t + b)"))
                               + medidaExpoente.horizontalAdvance(QStringLiteral("c"));
    const qreal largura = std::max(larguraCima, larguraBaixo) + 8;
    termo(QPointF(x + (largura - larguraCima) / 2, inicio.y() - 4), QStringLiteral("K · T"), QStringLiteral("a"));
    p.setPen(QPen(cores::texto, 1.4));
    p.drawLine(QPointF(x, inicio.y() + 5), QPointF(x + largura, inicio.y() + 5));
    p.setPen(cores::texto);
    termo(QPointF(x + (largura - larguraBaixo) / 2, inicio.y() + 28), QStringLiteral("(t + b)"), QStringLiteral("c"));
}

// The intensity-duration curves of three return periods.
void curvasIdf(TDesenho& d, const QRectF& grafico)
{
    QPainter& p = d.p();
    d.seta(grafico.bottomLeft(), grafico.bottomRight() + QPointF(8, 0), cores::texto, 1.2);
    d.seta(grafico.bottomLeft(), grafico.topLeft() - QPointF(0, 8), cores::texto, 1.2);
    d.texto(QRectF(grafico.right() - 60, grafico.bottom() + 3, 70, 14), QStringLiteral("t (min)"), 11, cores::texto,
            false, Qt::AlignRight);
    d.texto(QRectF(grafico.left() + 6, grafico.top() - 12, 80, 14), QStringLiteral("i (mm/h)"), 11);
    const struct {
        int anos;
        QColor cor;
    } curvas[] = {{50, QColor(11, 61, 145)}, {10, cores::agua}, {2, QColor(120, 170, 220)}};
    const auto intensidade = [](int anos, qreal t) { return 1200 * std::pow(anos, 0.17) / std::pow(t + 12, 0.78); };
    const qreal maior = intensidade(50, 0);
    for (const auto& [anos, cor] : curvas) {
        QPainterPath linha;
        for (int t = 0; t <= 120; t += 2) {
            const QPointF ponto(grafico.left() + grafico.width() * t / 120.0,
                                grafico.bottom() - grafico.height() * intensidade(anos, t) / maior * 0.95);
            t == 0 ? linha.moveTo(ponto) : linha.lineTo(ponto);
        }
        p.setPen(QPen(cor, 2));
        p.drawPath(linha);
    }
    // The key in the empty upper right corner, where the curves have long come down.
    qreal y = grafico.top() + 6;
    for (const auto& [anos, cor] : curvas) {
        p.setPen(QPen(cor, 2));
        p.drawLine(QPointF(grafico.right() - 95, y), QPointF(grafico.right() - 75, y));
        d.texto(QRectF(grafico.right() - 70, y - 7, 80, 14), QStringLiteral("T = %1 anos").arg(anos), 10, cor, true);
        y += 15;
    }
}

// The spot that opens the terrace program: a small button drawn on the picture, inside
// the spot that takes the press, its outline included.
void atalhoQuelvo(TDesenho& d)
{
    QPainter& p = d.p();
    const TRetangulo& atalho = TGeometriaEntrada::atalhoProgramaTerraco;
    const QRectF botao = QRectF(atalho.x, atalho.y, atalho.largura, atalho.altura).adjusted(1, 1, -2, -2);
    QLinearGradient degrade(botao.topLeft(), botao.bottomLeft());
    degrade.setColorAt(0, QColor(232, 241, 252));
    degrade.setColorAt(1, QColor(184, 208, 238));
    p.setPen(QPen(cores::titulo, 1.5));
    p.setBrush(degrade);
    p.drawRoundedRect(botao.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setBrush(Qt::NoBrush);
    QPainterPath terraco;
    terraco.moveTo(botao.left() + 6, botao.top() + 26);
    terraco.lineTo(botao.left() + 18, botao.top() + 12);
    terraco.lineTo(botao.left() + 28, botao.top() + 24);
    terraco.lineTo(botao.left() + 48, botao.top() + 16);
    p.setPen(QPen(cores::soloLinha, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(terraco);
    d.texto(QRectF(botao.left(), botao.top() + 31, botao.width(), 14), QStringLiteral("Quelvo"), 11, cores::titulo,
            true, Qt::AlignHCenter);
    d.seta({118, 283}, {64, 283}, cores::titulo, 1.4);
    d.texto(QRectF(124, 270, 300, 30),
            QStringLiteral("Clique no ícone para abrir o programa de terraços Quelvo."), 11, cores::titulo);
}

// The crest seen from the side, from its start to its far end.
const std::vector<QPointF> crista{{40, 222}, {100, 230}, {160, 220}, {220, 236}, {280, 226}, {340, 232}, {396, 216}};
constexpr qreal visada = 112;

void perfilCrista(TDesenho& d)
{
    QPainter& p = d.p();
    QPainterPath solo;
    solo.moveTo(14, 226);
    for (const QPointF& ponto : crista)
        solo.lineTo(ponto);
    solo.lineTo(418, 212);
    solo.lineTo(418, 252);
    solo.lineTo(14, 252);
    solo.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(cores::soloFundo);
    p.drawPath(solo);
    p.setBrush(Qt::NoBrush);
    QPainterPath topo;
    topo.moveTo(14, 226);
    for (const QPointF& ponto : crista)
        topo.lineTo(ponto);
    topo.lineTo(418, 212);
    p.setPen(QPen(cores::soloLinha, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(topo);
    d.texto(QRectF(20, 237, 130, 13), QStringLiteral("crista do camalhão"), 10, cores::soloLinha);
    d.nivel({250, visada});
}

void miraNaCrista(TDesenho& d, QPointF pe, bool destacada)
{
    d.mira(pe, pe.y() - visada + 16, destacada);
    d.linhaTracejada({250, visada}, {pe.x(), visada}, destacada ? cores::destaque : cores::apagado, 1);
    if (destacada)
        d.ponto({pe.x(), visada}, QString(), {}, true);
}

} // namespace

void desenhaPrecipitacao(TDesenho& d)
{
    d.titulo(QStringLiteral("Chuva de projeto"));
    nuvem(d, {348, 30});
    equacao(d, {22, 50});
    d.texto(QRectF(200, 36, 140, 40), QStringLiteral("intensidade média da chuva intensa do local"), 10,
            cores::texto);
    curvasIdf(d, QRectF(30, 110, 230, 130));
    d.texto(QRectF(278, 104, 148, 150),
            QStringLiteral("i – intensidade (mm/h)\nt – duração da chuva (min)\nT – período de retorno (anos)\n"
                           "K, a, b, c – parâmetros da equação do local\n\n"
                           "O botão Consulta busca os parâmetros pela localização."),
            10);
    atalhoQuelvo(d);
}

void desenhaSolo(TDesenho& d)
{
    d.titulo(QStringLiteral("Taxa de infiltração estável (TIE)"));
    QPainter& p = d.p();
    const QRectF grafico(40, 50, 210, 170);
    d.seta(grafico.bottomLeft(), grafico.bottomRight() + QPointF(10, 0), cores::texto, 1.2);
    d.seta(grafico.bottomLeft(), grafico.topLeft() - QPointF(0, 10), cores::texto, 1.2);
    d.texto(QRectF(grafico.right() - 80, grafico.bottom() + 3, 90, 14), QStringLiteral("tempo de ensaio"), 11,
            cores::texto, false, Qt::AlignRight);
    d.texto(QRectF(grafico.left() + 6, grafico.top() - 14, 200, 14), QStringLiteral("infiltração (mm/h)"), 11);
    const qreal estavel = grafico.bottom() - 40;
    QPainterPath curva;
    for (int i = 0; i <= 100; ++i) {
        const qreal x = grafico.left() + grafico.width() * i / 100.0;
        const qreal y = estavel - (estavel - grafico.top() - 8) * std::exp(-i / 16.0);
        i == 0 ? curva.moveTo(x, y) : curva.lineTo(x, y);
    }
    p.setPen(QPen(cores::agua, 2.2));
    p.drawPath(curva);
    d.linhaTracejada({grafico.left(), estavel}, {grafico.right(), estavel}, cores::destaque, 1.6);
    d.texto(QRectF(grafico.right() - 120, estavel + 3, 120, 14), QStringLiteral("TIE"), 13, cores::destaque, true,
            Qt::AlignRight);

    // Two rings driven into the soil, with water kept inside them.
    const qreal superficie = 150;
    p.setPen(Qt::NoPen);
    p.setBrush(cores::soloFundo);
    p.drawRect(QRectF(276, superficie, 146, 80));
    p.setBrush(cores::aguaFundo);
    p.drawRect(QRectF(290, superficie - 26, 118, 26));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cores::soloLinha, 2));
    p.drawLine(QPointF(276, superficie), QPointF(422, superficie));
    p.setPen(QPen(cores::texto, 3));
    for (qreal x : {290.0, 408.0, 322.0, 376.0})
        p.drawLine(QPointF(x, superficie - 34), QPointF(x, superficie + 14));
    for (qreal x : {334.0, 349.0, 364.0})
        d.seta({x, superficie + 8}, {x, superficie + 60}, cores::agua, 1.5);
    d.texto(QRectF(276, superficie - 58, 146, 20), QStringLiteral("anéis concêntricos"), 11, cores::texto, true,
            Qt::AlignHCenter);
    d.texto(QRectF(14, 250, 404, 60),
            QStringLiteral("Taxa com que a água entra no solo quando ela deixa de diminuir, no fim do ensaio "
                           "de infiltração feito no campo com anéis concêntricos (mm/h)."),
            11);
}

void desenhaComprimento(TDesenho& d)
{
    d.titulo(QStringLiteral("Comprimento do terraço"));
    QPainter& p = d.p();
    QPainterPath terraco;
    terraco.moveTo(26, 96);
    terraco.cubicTo(110, 60, 200, 130, 294, 84);
    p.setPen(QPen(cores::agua, 3));
    p.drawPath(terraco.translated(0, -7));
    p.setPen(QPen(cores::soloLinha, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(terraco);
    p.setPen(QPen(cores::destaque, 1.8));
    p.drawPath(terraco.translated(0, 22));
    d.seta(QPointF(34, 115), QPointF(26, 118), cores::destaque, 1.8);
    d.seta(QPointF(286, 108), QPointF(294, 106), cores::destaque, 1.8);
    d.texto(QRectF(60, 122, 200, 16), QStringLiteral("L"), 14, cores::destaque, true, Qt::AlignHCenter);
    d.texto(QRectF(8, 62, 60, 14), QStringLiteral("início"), 10, cores::soloLinha, true);
    d.texto(QRectF(250, 56, 62, 14), QStringLiteral("fim"), 10, cores::soloLinha, true, Qt::AlignRight);
    d.texto(QRectF(8, 148, d.largura() - 16, 46),
            QStringLiteral("Comprimento do terraço, de uma extremidade à outra, ao longo do camalhão (m)."), 11,
            cores::destaque, true, Qt::AlignHCenter);
}

void desenhaCristaExtremidades(TDesenho& d)
{
    d.titulo(QStringLiteral("Perfil da crista – extremidades"));
    perfilCrista(d);
    for (std::size_t i = 1; i + 1 < crista.size(); ++i)
        d.ponto(crista[i], QString(), {}, false);
    miraNaCrista(d, crista.front(), true);
    miraNaCrista(d, crista.back(), true);
    d.ponto(crista.front(), QString(), {}, true);
    d.ponto(crista.back(), QString(), {}, true);
    d.texto(QRectF(18, 60, 120, 28), QStringLiteral("Extremidade\nInício"), 11, cores::destaque, true);
    d.texto(QRectF(300, 60, 120, 28), QStringLiteral("Extremidade\nFim"), 11, cores::destaque, true, Qt::AlignRight);
    d.texto(QRectF(14, 256, 404, 54),
            QStringLiteral("Leitura da mira em cada extremidade do terraço (m). Cota = maior leitura − leitura "
                           "do ponto; a extremidade mais baixa dá a cota CE."),
            11);
}

void desenhaCristaPontos(TDesenho& d)
{
    d.titulo(QStringLiteral("Perfil da crista – pontos da crista"));
    perfilCrista(d);
    d.ponto(crista.front(), QString(), {}, false);
    d.ponto(crista.back(), QString(), {}, false);
    for (std::size_t i = 1; i + 1 < crista.size(); ++i) {
        miraNaCrista(d, crista[i], true);
        d.ponto(crista[i], QString::number(i), {0, -(crista[i].y() - visada) - 26}, true);
    }
    d.texto(QRectF(190, 238, 60, 14), QStringLiteral("CBC"), 11, cores::destaque, true, Qt::AlignHCenter);
    d.texto(QRectF(14, 258, 404, 52),
            QStringLiteral("Leituras da mira nos pontos da crista do camalhão, em ordem, do início ao fim (m). "
                           "A menor cota entre eles é a CBC, cota mais baixa da crista."),
            11);
}
