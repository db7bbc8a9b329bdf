// Draws the pictures of the help topics: the two channel sections, the crest profile,
// the irradiation survey and the tape survey, with the drawing kit the guide pictures of
// the data-entry window use, so that both show the same subjects in the same colours.
// Usage: geraFigurasAjuda <output folder>
#include "tools/desenho/Secao.h"
#include "tools/desenho/TDesenho.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdio>

namespace {

// The help shows the guide pictures' sections at twice their size.
constexpr qreal ampliacao = 2;

bool grava(TDesenho& d, const QString& pasta, const QString& nome)
{
    const QString caminho = QDir(pasta).filePath(nome);
    if (d.grava(caminho))
        return true;
    std::fprintf(stderr, "Não foi possível gravar %s\n", qPrintable(caminho));
    return false;
}

bool secao(TFormaSecao forma, const QString& pasta, const QString& nome)
{
    TDesenho d(320, 196, ampliacao);
    desenhaSecao(d, forma, QString());
    // The topic names the water's height h, which the data-entry window does not ask for.
    d.texto(QRectF(140, 81, 20, 12), QStringLiteral("h"), 11, cores::agua, true, Qt::AlignCenter);
    return grava(d, pasta, nome);
}

// The crest seen along the ridge: the level's line of sight, the staff at every point
// (the reading is the staff's length down to the crest), and the lines CBC and CE.
bool perfilDaCrista(const QString& pasta)
{
    TDesenho d(640, 320);
    QPainter& p = d.p();
    const QList<QPointF> crista = {QPointF(50, 130), QPointF(140, 118), QPointF(230, 150), QPointF(320, 126),
                                   QPointF(410, 168), QPointF(500, 138), QPointF(590, 190)};
    const QStringList nomes = {QStringLiteral("Início"), QStringLiteral("1"), QStringLiteral("2"),
                               QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("Fim")};
    QPolygonF camalhao;
    camalhao << QPointF(20, 300) << QPointF(20, 135) << crista << QPointF(620, 195) << QPointF(620, 300);
    p.setPen(QPen(cores::soloLinha, 2.5));
    p.setBrush(cores::soloFundo);
    p.drawPolygon(camalhao);

    const double visada = 52;
    d.linhaTracejada(QPointF(20, visada), QPointF(620, visada), cores::apagado, 1.2);
    d.texto(QRectF(24, visada - 22, 300, 16), QStringLiteral("linha de visada do nível"), 12);
    for (const QPointF& ponto : crista)
        d.mira(ponto, ponto.y() - visada, true);
    d.texto(QRectF(crista[1].x() + 8, (visada + crista[1].y()) / 2 - 8, 80, 16), QStringLiteral("leitura"), 11);

    const double yCbc = crista[4].y();
    const double yCe = crista.last().y();
    d.linhaTracejada(QPointF(20, yCbc), QPointF(620, yCbc), cores::agua, 1.5);
    d.linhaTracejada(QPointF(20, yCe), QPointF(620, yCe), cores::destaque, 1.5);
    d.texto(QRectF(24, yCbc - 18, 60, 16), QStringLiteral("CBC"), 13, cores::agua, true);
    d.texto(QRectF(24, yCe + 2, 60, 16), QStringLiteral("CE"), 13, cores::destaque, true);

    for (int i = 0; i < crista.size(); ++i)
        d.ponto(crista[i], nomes[i], QPointF(i + 1 == crista.size() ? -22 : 14, 12), false);
    d.texto(QRectF(0, 270, 640, 40), QStringLiteral("Crista do camalhão, da extremidade Início à extremidade Fim"), 12,
            cores::texto, false, Qt::AlignCenter);
    return grava(d, pasta, QStringLiteral("perfil_crista.png"));
}

// Seen from above: the level's station, the sights to the corners of the area that
// drains into the terrace, and the three stadia hairs read on the staff.
bool irradiacao(const QString& pasta)
{
    TDesenho d(640, 340);
    QPainter& p = d.p();
    const QPointF estacao(250, 180);
    const QList<QPointF> vertices = {QPointF(250, 30), QPointF(420, 70), QPointF(470, 210),
                                     QPointF(300, 300), QPointF(80, 270), QPointF(60, 110)};
    p.setPen(QPen(cores::grama, 1.5));
    p.setBrush(cores::areaFundo);
    p.drawPolygon(QPolygonF(vertices));
    p.setPen(QPen(cores::soloLinha, 5));
    p.drawLine(vertices[3], vertices[4]);
    d.texto(QRectF(150, 296, 100, 16), QStringLiteral("terraço"), 12, cores::soloLinha, true);

    for (const QPointF& v : vertices)
        d.linhaTracejada(estacao, v, cores::apagado, 1.2);
    p.setPen(QPen(cores::destaque, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(estacao - QPointF(45, 45), QSizeF(90, 90)), 90 * 16, -57 * 16);
    d.texto(QRectF(estacao.x() + 14, estacao.y() - 64, 80, 16), QStringLiteral("ângulo"), 12, cores::destaque);

    d.nivel(estacao - QPointF(0, 4));
    d.texto(QRectF(estacao.x() - 60, estacao.y() + 46, 120, 16), QStringLiteral("estação do nível"), 12, cores::texto,
            false, Qt::AlignHCenter);
    for (int i = 0; i < vertices.size(); ++i) {
        const QPointF fora = (vertices[i] - estacao) / std::hypot(vertices[i].x() - estacao.x(),
                                                                    vertices[i].y() - estacao.y());
        d.ponto(vertices[i], QString::number(i + 1), fora * 14, false);
    }
    d.texto(QRectF(370, 150, 40, 18), QStringLiteral("Ac"), 13, cores::grama, true);

    const QPointF pe(573, 260);
    d.mira(pe, 220, false);
    const QList<std::pair<double, QString>> fios = {{90, QStringLiteral("FS")}, {150, QStringLiteral("FM")},
                                                    {210, QStringLiteral("FI")}};
    for (const auto& [y, nome] : fios) {
        p.setPen(QPen(cores::destaque, 2));
        p.drawLine(QPointF(pe.x() - 20, y), QPointF(pe.x() + 14, y));
        d.texto(QRectF(pe.x() + 18, y - 8, 40, 16), nome, 12, cores::destaque, true);
    }
    d.texto(QRectF(510, 270, 130, 40), QStringLiteral("mira vista\npela luneta"), 12, cores::texto, false,
            Qt::AlignHCenter);
    return grava(d, pasta, QStringLiteral("irradiacao.png"));
}

// Seen from above: the terrace under evaluation, the one above it, and the spacings
// measured with a tape along the terrace's length.
bool trena(const QString& pasta)
{
    TDesenho d(640, 290);
    QPainter& p = d.p();
    const auto curva = [](double base, double fase) {
        QPainterPath caminho;
        for (int x = 40; x <= 600; x += 4) {
            const QPointF ponto(x, base + 14 * std::sin(x / 90.0 + fase));
            if (x == 40)
                caminho.moveTo(ponto);
            else
                caminho.lineTo(ponto);
        }
        return caminho;
    };
    const QPainterPath acima = curva(60, 0.0);
    const QPainterPath avaliado = curva(200, 0.8);
    QPainterPath area = acima;
    area.connectPath(avaliado.toReversed());
    d.areaContribuicao(area);
    p.setPen(QPen(cores::soloLinha, 5));
    p.drawPath(acima);
    p.drawPath(avaliado);
    d.texto(QRectF(44, 22, 200, 16), QStringLiteral("terraço de cima"), 12, cores::soloLinha, true);
    d.texto(QRectF(44, 228, 200, 16), QStringLiteral("terraço avaliado"), 12, cores::soloLinha, true);

    int numero = 1;
    for (const double x : {120.0, 240.0, 360.0, 480.0}) {
        const QPointF de(x, 60 + 14 * std::sin(x / 90.0));
        const QPointF ate(x, 200 + 14 * std::sin(x / 90.0 + 0.8));
        d.cota(de + QPointF(0, 5), ate - QPointF(0, 5), QStringLiteral("d%1").arg(numero++), cores::destaque, true);
    }
    d.cota(QPointF(40, 268), QPointF(600, 268), QStringLiteral("L: comprimento do terraço"), cores::texto, true);
    return grava(d, pasta, QStringLiteral("trena.png"));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "Uso: geraFigurasAjuda <pasta de saída>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
    const QString pasta = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(pasta);
    const bool gravou = secao(TFormaSecao::trapezoidal, pasta, QStringLiteral("secao_trapezoidal.png"))
                        && secao(TFormaSecao::triangular, pasta, QStringLiteral("secao_triangular.png"))
                        && perfilDaCrista(pasta) && irradiacao(pasta) && trena(pasta);
    return gravou ? 0 : 1;
}
