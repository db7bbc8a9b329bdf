#include "tools/imagens_programa/Desenhos.h"
#include "tools/desenho/Chuva.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor verdeEscuro(34, 92, 48);
const QColor agua(58, 125, 205, 200);

void ceuECampo(QPainter& p)
{
    QLinearGradient ceu(0, 0, 0, 248);
    ceu.setColorAt(0, QColor(214, 234, 248));
    ceu.setColorAt(1, QColor(250, 252, 246));
    p.fillRect(QRect(0, 0, 600, 248), ceu);
}

// A terrace across the slope, in section: the ridge at C, the channel from F1 to F2 holding
// the runoff, and the field rising beyond FT.
void terraco(QPainter& p)
{
    const QPolygonF perfil({QPointF(300, 168), QPointF(350, 181), QPointF(392, 150), QPointF(440, 196),
                            QPointF(478, 198), QPointF(540, 150), QPointF(600, 118)});
    QPolygonF solo = perfil;
    solo << QPointF(600, 248) << QPointF(300, 248);
    QLinearGradient terra(0, 120, 0, 248);
    terra.setColorAt(0, QColor(150, 100, 55));
    terra.setColorAt(1, QColor(105, 68, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(terra);
    p.drawPolygon(solo);

    const double nivel = 176;
    QPolygonF lamina({QPointF(416.5, nivel), QPointF(440, 196), QPointF(478, 198), QPointF(507.7, nivel)});
    p.setBrush(agua);
    p.drawPolygon(lamina);

    p.setPen(QPen(QColor(70, 140, 45), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(perfil);

    p.setPen(QColor(45, 45, 45));
    p.setFont(fonteLarga(10, true));
    p.drawText(QPointF(386, 142), QStringLiteral("C"));
    p.drawText(QPointF(432, 214), QStringLiteral("F1"));
    p.drawText(QPointF(472, 216), QStringLiteral("F2"));
    p.drawText(QPointF(536, 142), QStringLiteral("FT"));
}

void chuva(QPainter& p)
{
    desenhaChuva(p, {.gota = QColor(70, 120, 200, 170), .gotas = 24, .inicio = {330, 18}, .passo = {37, 53},
                     .faixa = {260, 90}, .queda = 11, .nuvem = QColor(160, 175, 195),
                     .partes = {QRectF(360, 2, 80, 26), QRectF(400, -6, 70, 34), QRectF(470, 4, 90, 24)}});
}

void titulo(QPainter& p)
{
    p.setPen(verdeEscuro);
    p.setFont(fonteLarga(54, true));
    p.drawText(QPointF(34, 82), QStringLiteral("Morlin"));
    p.setPen(QColor(40, 40, 40));
    p.setFont(fonteLarga(15, true));
    p.drawText(QPointF(38, 110), QStringLiteral("Avaliação de terraços agrícolas"));
    p.setFont(fonteLarga(11));
    p.drawText(QRectF(38, 118, 260, 40), Qt::TextWordWrap,
               QStringLiteral("O terraço armazena o escoamento da chuva de projeto?"));
}

void zona(QPainter& p, const QRect& area, const QString& legenda, const QString& simbolo)
{
    p.setPen(QPen(verdeEscuro, 1.2));
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(verdeEscuro);
    const QPointF centro(area.center().x() + 0.5, area.top() + 22);
    p.drawEllipse(centro, 14, 14);
    p.setPen(Qt::white);
    p.setFont(fonteLarga(17, true));
    p.drawText(QRectF(centro.x() - 14, centro.y() - 14, 28, 28), Qt::AlignCenter, simbolo);
    p.setPen(verdeEscuro);
    p.setFont(fonteLarga(10, true));
    p.drawText(QRectF(area.left(), area.top() + 40, area.width(), 22), Qt::AlignCenter, legenda);
}

} // namespace

QImage desenhaAbertura()
{
    QImage figura(600, 248, QImage::Format_RGB32);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    ceuECampo(p);
    chuva(p);
    terraco(p);
    titulo(p);
    zona(p, QRect(40, 176, 81, 65), QStringLiteral("Como citar"), QStringLiteral("\u201C"));
    zona(p, QRect(152, 176, 57, 65), QStringLiteral("Sobre"), QStringLiteral("i"));
    p.setPen(QColor(60, 60, 60));
    p.setFont(fonteLarga(10));
    p.drawText(QRectF(38, 152, 200, 14), Qt::AlignLeft, QStringLiteral("Versão 1.0"));
    p.setPen(QColor(250, 245, 235));
    p.drawText(QRectF(300, 228, 290, 14), Qt::AlignRight, QStringLiteral("Clique na figura para continuar"));
    p.setPen(QPen(QColor(120, 130, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 599, 247));
    return figura;
}
