#include "tools/imagens_programa/Desenhos.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

const QColor contorno(60, 60, 70);

QImage icone(const std::function<void(QPainter&)>& desenho)
{
    QImage figura(18, 18, QImage::Format_ARGB32);
    figura.fill(Qt::transparent);
    QPainter pintor(&figura);
    pintor.setRenderHint(QPainter::Antialiasing);
    desenho(pintor);
    return figura;
}

void folha(QPainter& p)
{
    QPainterPath caminho;
    caminho.moveTo(3.5, 1.5);
    caminho.lineTo(11.5, 1.5);
    caminho.lineTo(15.5, 5.5);
    caminho.lineTo(15.5, 16.5);
    caminho.lineTo(3.5, 16.5);
    caminho.closeSubpath();
    p.setPen(QPen(contorno, 1));
    p.setBrush(Qt::white);
    p.drawPath(caminho);
    p.setBrush(QColor(215, 220, 230));
    p.drawPolygon(QPolygonF({QPointF(11.5, 1.5), QPointF(11.5, 5.5), QPointF(15.5, 5.5)}));
}

void novo(QPainter& p)
{
    folha(p);
    p.setPen(QPen(QColor(235, 170, 20), 1.4));
    for (int i = 0; i < 4; ++i) {
        const QPointF centro(13.5, 13.5);
        const QPointF raio[] = {{4, 0}, {0, 4}, {2.8, 2.8}, {2.8, -2.8}};
        p.drawLine(centro - raio[i], centro + raio[i]);
    }
}

void abrir(QPainter& p)
{
    p.setPen(QPen(QColor(150, 105, 20), 1));
    p.setBrush(QColor(230, 180, 60));
    p.drawPolygon(QPolygonF({QPointF(1.5, 4.5), QPointF(6.5, 4.5), QPointF(8, 6), QPointF(14.5, 6),
                             QPointF(14.5, 15.5), QPointF(1.5, 15.5)}));
    p.setBrush(QColor(250, 215, 110));
    p.drawPolygon(QPolygonF({QPointF(4.5, 8.5), QPointF(17, 8.5), QPointF(14.5, 15.5), QPointF(1.5, 15.5)}));
}

void salvar(QPainter& p)
{
    p.setPen(QPen(QColor(25, 50, 110), 1));
    p.setBrush(QColor(50, 95, 185));
    p.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 9, 6));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(4.5, 10.5, 9, 6));
    p.setBrush(QColor(25, 50, 110));
    p.drawRect(QRectF(10, 2.5, 2, 4));
}

void fechar(QPainter& p)
{
    folha(p);
    p.setPen(QPen(QColor(200, 35, 35), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 9), QPointF(15.5, 15.5));
    p.drawLine(QPointF(15.5, 9), QPointF(9, 15.5));
}

void impressora(QPainter& p)
{
    p.setPen(QPen(contorno, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 9, 6));
    p.setBrush(QColor(170, 175, 185));
    p.drawRoundedRect(QRectF(1.5, 6.5, 15, 7), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 11.5, 9, 5));
    p.setPen(QPen(QColor(120, 120, 130), 1));
    p.drawLine(QPointF(6, 13.5), QPointF(12, 13.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 170, 60));
    p.drawEllipse(QPointF(14, 8.8), 0.9, 0.9);
}

void circuloComLetra(QPainter& p, const QColor& cor, const QString& letra)
{
    p.setPen(QPen(cor.darker(140), 1));
    p.setBrush(cor);
    p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    p.setPen(Qt::white);
    p.setFont(fonteLarga(12, true));
    p.drawText(QRectF(1.5, 1.5, 15, 15), Qt::AlignCenter, letra);
}

void ajuda(QPainter& p)
{
    circuloComLetra(p, QColor(40, 110, 200), QStringLiteral("?"));
}

void sair(QPainter& p)
{
    p.setPen(QPen(QColor(100, 60, 30), 1));
    p.setBrush(QColor(160, 105, 55));
    p.drawRect(QRectF(2.5, 1.5, 8, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 220, 120));
    p.drawEllipse(QPointF(9, 9), 0.9, 0.9);
    p.setPen(QPen(QColor(200, 35, 35), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(9.5, 9), QPointF(16.5, 9));
    p.drawPolyline(QPolygonF({QPointF(13.5, 6), QPointF(16.5, 9), QPointF(13.5, 12)}));
}

void globo(QPainter& p)
{
    p.setPen(QPen(QColor(20, 90, 60), 1));
    p.setBrush(QColor(70, 160, 210));
    p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    p.setPen(QPen(QColor(225, 240, 250), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5.5, 1.5, 7, 15));
    p.drawLine(QPointF(1.5, 9), QPointF(16.5, 9));
    p.drawLine(QPointF(3, 5), QPointF(15, 5));
    p.drawLine(QPointF(3, 13), QPointF(15, 13));
}

void selo(QPainter& p, const QColor& cor, const QString& letra)
{
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(cor);
    p.drawEllipse(QRectF(8.5, 8.5, 9, 9));
    p.setFont(fonteLarga(8, true));
    p.drawText(QRectF(8.5, 8.5, 9, 9), Qt::AlignCenter, letra);
}

void webSobre(QPainter& p)
{
    globo(p);
    selo(p, QColor(40, 140, 60), QStringLiteral("i"));
}

void webCitacao(QPainter& p)
{
    globo(p);
    selo(p, QColor(150, 60, 150), QStringLiteral("\u201C"));
}

void webAjuda(QPainter& p)
{
    globo(p);
    selo(p, QColor(40, 90, 190), QStringLiteral("?"));
}

} // namespace

std::vector<TIcone> desenhaIcones()
{
    return {
        {QStringLiteral("novo"), icone(novo)},
        {QStringLiteral("abrir"), icone(abrir)},
        {QStringLiteral("salvar"), icone(salvar)},
        {QStringLiteral("fechar"), icone(fechar)},
        {QStringLiteral("impressora"), icone(impressora)},
        {QStringLiteral("ajuda"), icone(ajuda)},
        {QStringLiteral("sair"), icone(sair)},
        {QStringLiteral("web_sobre"), icone(webSobre)},
        {QStringLiteral("web_citacao"), icone(webCitacao)},
        {QStringLiteral("web_ajuda"), icone(webAjuda)},
    };
}
