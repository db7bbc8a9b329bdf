#include "tools/desenho/Chuva.h"

#include <QPen>

void desenhaChuva(QPainter& p, const TChuva& chuva)
{
    p.setPen(QPen(chuva.gota, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < chuva.gotas; ++i) {
        const double x = chuva.inicio.x() + (i * chuva.passo.x()) % chuva.faixa.x();
        const double y = chuva.inicio.y() + (i * chuva.passo.y()) % chuva.faixa.y();
        p.drawLine(QPointF(x, y), QPointF(x - 4, y + chuva.queda));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(chuva.nuvem);
    for (const QRectF& parte : chuva.partes)
        p.drawEllipse(parte);
}
