#include "tools/desenho/TDesenho.h"

#include <QPainterPath>
#include <QtMath>

TDesenho::TDesenho(int largura, int altura, qreal escala)
    : largura_(largura), altura_(altura), imagem_(qRound(largura * escala), qRound(altura * escala), QImage::Format_RGB32)
{
    imagem_.fill(Qt::white);
    pintor_.begin(&imagem_);
    pintor_.scale(escala, escala);
    pintor_.setRenderHint(QPainter::Antialiasing);
    pintor_.setRenderHint(QPainter::TextAntialiasing);
}

void TDesenho::titulo(const QString& texto)
{
    pintor_.setPen(cores::titulo);
    pintor_.setFont(fonte(13, true));
    pintor_.drawText(QRectF(8, 3, largura() - 16, 18), Qt::AlignLeft | Qt::AlignVCenter, texto);
    pintor_.setPen(QPen(cores::titulo, 1));
    pintor_.drawLine(QPointF(8, 22.5), QPointF(largura() - 8, 22.5));
}

void TDesenho::texto(const QRectF& area, const QString& texto, int pixels, const QColor& cor, bool negrito,
                     int alinhamento)
{
    pintor_.setPen(cor);
    pintor_.setFont(fonte(pixels, negrito));
    pintor_.drawText(area, alinhamento | Qt::TextWordWrap, texto);
}

void TDesenho::seta(QPointF de, QPointF ate, const QColor& cor, qreal espessura)
{
    pintor_.setPen(QPen(cor, espessura, Qt::SolidLine, Qt::RoundCap));
    pintor_.drawLine(de, ate);
    const qreal angulo = std::atan2(ate.y() - de.y(), ate.x() - de.x());
    const qreal tamanho = 4 + 2 * espessura;
    QPainterPath ponta;
    ponta.moveTo(ate);
    ponta.lineTo(ate - QPointF(std::cos(angulo - 0.4) * tamanho, std::sin(angulo - 0.4) * tamanho));
    ponta.lineTo(ate - QPointF(std::cos(angulo + 0.4) * tamanho, std::sin(angulo + 0.4) * tamanho));
    ponta.closeSubpath();
    pintor_.setPen(Qt::NoPen);
    pintor_.setBrush(cor);
    pintor_.drawPath(ponta);
    pintor_.setBrush(Qt::NoBrush);
}

void TDesenho::cota(QPointF a, QPointF b, const QString& rotulo, const QColor& cor, bool negrito)
{
    const qreal espessura = negrito ? 1.8 : 1.0;
    const QPointF meio = (a + b) / 2;
    seta(meio, a, cor, espessura);
    seta(meio, b, cor, espessura);
    pintor_.setPen(cor);
    pintor_.setFont(fonte(negrito ? 11 : 10, negrito));
    const bool vertical = std::abs(b.x() - a.x()) < std::abs(b.y() - a.y());
    if (vertical)
        pintor_.drawText(QRectF(meio.x() + 4, meio.y() - 8, 120, 16), Qt::AlignLeft | Qt::AlignVCenter, rotulo);
    else if (!rotulo.isEmpty()) {
        // The label sits in a gap of the line, as on a drawing.
        const qreal largura = QFontMetricsF(pintor_.font()).horizontalAdvance(rotulo) + 6;
        const QRectF caixa(meio.x() - largura / 2, meio.y() - 6.5, largura, 13);
        pintor_.fillRect(caixa, Qt::white);
        pintor_.drawText(caixa, Qt::AlignCenter, rotulo);
    }
}

void TDesenho::mira(QPointF pe, qreal altura, bool destacada)
{
    const QRectF corpo(pe.x() - 3.5, pe.y() - altura, 7, altura);
    pintor_.setPen(QPen(destacada ? cores::destaque : cores::texto, destacada ? 1.6 : 1));
    pintor_.setBrush(QColor(255, 253, 235));
    pintor_.drawRect(corpo);
    pintor_.setPen(Qt::NoPen);
    // Alternating decimetre marks, as painted on a staff.
    for (qreal y = pe.y() - 2; y > pe.y() - altura + 2; y -= 8) {
        pintor_.setBrush(destacada ? cores::destaque : cores::texto);
        pintor_.drawRect(QRectF(pe.x() - 3, y - 4, 3.5, 4));
    }
    pintor_.setBrush(Qt::NoBrush);
}

void TDesenho::nivel(QPointF luneta)
{
    pintor_.setPen(QPen(cores::texto, 1.4));
    const QPointF cabeca = luneta + QPointF(0, 7);
    pintor_.drawLine(cabeca, cabeca + QPointF(-14, 40));
    pintor_.drawLine(cabeca, cabeca + QPointF(0, 42));
    pintor_.drawLine(cabeca, cabeca + QPointF(14, 40));
    pintor_.setBrush(QColor(60, 70, 90));
    pintor_.drawRoundedRect(QRectF(luneta.x() - 12, luneta.y() - 4, 24, 8), 2, 2);
    pintor_.drawRect(QRectF(luneta.x() - 4, luneta.y() + 4, 8, 4));
    pintor_.setBrush(Qt::NoBrush);
}

void TDesenho::ponto(QPointF onde, const QString& nome, QPointF deslocamento, bool destacado)
{
    const QColor cor = destacado ? cores::destaque : cores::texto;
    pintor_.setPen(QPen(cor, 1.2));
    pintor_.setBrush(destacado ? cores::destaque : QColor(Qt::white));
    pintor_.drawEllipse(onde, destacado ? 3.5 : 2.8, destacado ? 3.5 : 2.8);
    pintor_.setBrush(Qt::NoBrush);
    pintor_.setFont(fonte(destacado ? 12 : 11, true));
    pintor_.setPen(cor);
    pintor_.drawText(QRectF(onde + deslocamento - QPointF(20, 8), QSizeF(40, 16)), Qt::AlignCenter, nome);
}

void TDesenho::realce(QPointF centro, qreal raio)
{
    pintor_.setPen(QPen(QColor(214, 40, 40, 90), 4));
    pintor_.drawEllipse(centro, raio, raio);
}

void TDesenho::linhaTracejada(QPointF a, QPointF b, const QColor& cor, qreal espessura)
{
    pintor_.setPen(QPen(cor, espessura, Qt::DashLine));
    pintor_.drawLine(a, b);
}

void TDesenho::areaContribuicao(const QPainterPath& area)
{
    pintor_.setPen(Qt::NoPen);
    pintor_.setBrush(cores::areaFundo);
    pintor_.drawPath(area);
    pintor_.setBrush(Qt::NoBrush);
}

bool TDesenho::grava(const QString& caminho)
{
    pintor_.end();
    return imagem_.convertToFormat(QImage::Format_RGB888).save(caminho);
}
