// Draws the about picture of the rainfall-equation consultation: its name, a family of
// intensity-duration-frequency curves under the rain, and the credit of the data.
#include "tools/desenho/Chuva.h"
#include "tools/desenho/Fonte.h"
#include "rainfall_equations/nucleo/FontesDados.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

constexpr int largura = 559;
constexpr int altura = 340;

const QColor azulEscuro(22, 62, 120);
const QColor cinzaTexto(45, 45, 45);

void fundo(QPainter& p)
{
    QLinearGradient ceu(0, 0, 0, altura);
    ceu.setColorAt(0, QColor(205, 225, 245));
    ceu.setColorAt(0.62, QColor(248, 251, 255));
    ceu.setColorAt(1, QColor(255, 255, 255));
    p.fillRect(QRect(0, 0, largura, altura), ceu);
}

void nuvemEChuva(QPainter& p)
{
    desenhaChuva(p, {.gota = QColor(60, 110, 190, 160), .gotas = 30, .inicio = {340, 40}, .passo = {41, 29},
                     .faixa = {200, 40}, .queda = 10, .nuvem = QColor(150, 165, 185),
                     .partes = {QRectF(330, 8, 90, 32), QRectF(380, -2, 90, 40), QRectF(450, 10, 90, 28)}});
}

// Curves of the form K·T^a/(t+b)^c for three return periods: the shape the database
// answers with, drawn without scale.
void curvas(QPainter& p)
{
    const QRectF grafico(318, 96, 210, 120);
    p.setPen(QPen(cinzaTexto, 1.2));
    p.drawLine(grafico.bottomLeft(), grafico.topLeft());
    p.drawLine(grafico.bottomLeft(), grafico.bottomRight());
    p.setFont(fonteLarga(10));
    p.drawText(QPointF(grafico.left() - 4, grafico.top() - 6), QStringLiteral("i (mm/h)"));
    p.drawText(QPointF(grafico.right() - 34, grafico.bottom() + 14), QStringLiteral("t (min)"));

    const double expoentes[] = {0.0, 0.5, 1.0};
    const QColor cores[] = {QColor(90, 150, 220), QColor(40, 100, 190), azulEscuro};
    for (int k = 0; k < 3; ++k) {
        QPainterPath caminho;
        for (int passo = 0; passo <= 60; ++passo) {
            const double t = passo * 2.0;
            const double i = std::pow(1.8, expoentes[k] * 2) / std::pow((t + 10) / 10, 0.8);
            const QPointF ponto(grafico.left() + t * grafico.width() / 120,
                                grafico.bottom() - i * grafico.height() / 3.6);
            if (passo == 0)
                caminho.moveTo(ponto);
            else
                caminho.lineTo(ponto);
        }
        p.setPen(QPen(cores[k], 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(caminho);
    }
    // The return period grows upwards across the curves.
    const QPointF base(grafico.left() + 30, grafico.bottom() - 8);
    const QPointF ponta(grafico.left() + 30, grafico.top() + 44);
    p.setPen(QPen(cinzaTexto, 1.2));
    p.drawLine(base, ponta);
    p.setBrush(cinzaTexto);
    p.drawPolygon(QPolygonF({ponta, ponta + QPointF(-4, 8), ponta + QPointF(4, 8)}));
    p.setFont(fonteLarga(10, true));
    p.drawText(ponta + QPointF(6, 6), QStringLiteral("T"));
}

void titulo(QPainter& p)
{
    p.setPen(azulEscuro);
    p.setFont(fonteLarga(46, true));
    p.drawText(QPointF(26, 78), QStringLiteral("Nimbra 2.1"));
    p.setPen(cinzaTexto);
    p.setFont(fonteLarga(15, true));
    p.drawText(QPointF(30, 108), QStringLiteral("Equações de chuvas intensas"));
    p.setFont(fonteLarga(12));
    p.drawText(QRectF(30, 118, 270, 100), Qt::TextWordWrap,
               QStringLiteral("Consulta a equações intensidade-duração-frequência de estações "
                              "pluviográficas dos estados brasileiros, com interpolação para "
                              "qualquer localidade ou ponto dos mapas estaduais."));
}

void credito(QPainter& p)
{
    const QRectF caixa(14, 236, largura - 28, 78);
    p.setPen(QPen(QColor(170, 185, 205), 1));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRoundedRect(caixa, 5, 5);
    p.setPen(cinzaTexto);
    p.setFont(fonteLarga(10, true));
    p.drawText(caixa.adjusted(8, 5, -8, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Fontes dos dados"));
    p.setFont(fonteLarga(9));
    p.drawText(caixa.adjusted(8, 19, -8, -4), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromUtf8(CreditoDados.data(), static_cast<qsizetype>(CreditoDados.size())));
}

QImage desenhaSobre()
{
    QImage figura(largura, altura, QImage::Format_RGB888);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    fundo(p);
    nuvemEChuva(p);
    curvas(p);
    titulo(p);
    credito(p);
    p.setPen(QColor(90, 90, 90));
    p.setFont(fonteLarga(9));
    p.drawText(QRectF(14, 318, largura - 28, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Clique ou tecle para fechar"));
    p.setPen(QPen(QColor(110, 125, 145), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, largura - 1, altura - 1));
    return figura;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication aplicacao(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: imagens_nimbra <figura do sobre>\n");
        return 2;
    }
    const QString caminho = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(caminho).path());
    if (!desenhaSobre().save(caminho, "BMP")) {
        std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(caminho));
        return 1;
    }
    return 0;
}
