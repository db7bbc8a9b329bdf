#pragma once
// Rain falling from a cloud, as the start-up picture and the consultation's about picture
// show it over their skies.
#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRectF>

#include <array>

struct TChuva {
    QColor gota;
    int gotas;
    // The top of the first drop; each next one lies `passo` further on, wrapped within
    // `faixa`, so that the drops scatter over a band without any randomness.
    QPoint inicio;
    QPoint passo;
    QPoint faixa;
    int queda;  // a drop's height, in pixels
    QColor nuvem;
    std::array<QRectF, 3> partes;  // the cloud's ellipses, drawn over the drops
};

void desenhaChuva(QPainter& p, const TChuva& chuva);
