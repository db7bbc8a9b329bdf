// Draws the pictures of the help topics: the two channel sections, the crest profile,
// the irradiation survey and the tape survey. Usage: geraFigurasAjuda <output folder>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <cstdio>

namespace {

const QColor corSolo(222, 200, 160);
const QColor corTerra(120, 85, 45);
const QColor corAgua(150, 200, 240, 200);
const QColor corCota(30, 60, 160);
const QColor corDestaque(190, 30, 30);
const QColor corArea(200, 230, 180);

QFont fonte(int pixels, bool negrito = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}

void ponto(QPainter& p, QPointF onde, const QString& nome, QPointF deslocamento)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(onde, 4.5, 4.5);
    p.setFont(fonte(14, true));
    p.drawText(onde + deslocamento, nome);
}

void seta(QPainter& p, QPointF de, QPointF ate)
{
    p.drawLine(de, ate);
    const QPointF direcao = (ate - de) / std::hypot(ate.x() - de.x(), ate.y() - de.y());
    const QPointF normal(-direcao.y(), direcao.x());
    for (const QPointF& ponta : {de, ate}) {
        const QPointF sentido = ponta == ate ? direcao : -direcao;
        p.drawLine(ponta, ponta - 8 * sentido + 4 * normal);
        p.drawLine(ponta, ponta - 8 * sentido - 4 * normal);
    }
}

// A horizontal distance measured from C, with its name above the arrow.
void cota(QPainter& p, double xC, double x, double y, const QString& nome)
{
    p.setPen(QPen(Qt::black, 1));
    seta(p, QPointF(xC, y), QPointF(x, y));
    p.setFont(fonte(12));
    p.drawText(QRectF(xC, y - 17, x - xC, 15), Qt::AlignCenter, nome);
}

void linhaDeChamada(QPainter& p, QPointF de, double yTopo)
{
    p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    p.drawLine(de, QPointF(de.x(), yTopo));
}

double xNaAltura(QPointF a, QPointF b, double y)
{
    return a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y());
}

// A channel cross-section: the ground from the ridge's outer slope over C, the channel
// bottom and up to FT, with the water held up to the level h.
void secao(QPainter& p, const QList<QPointF>& fundo, const QStringList& nomes, double yAgua)
{
    const QPointF c = fundo.first();
    const QPointF ft = fundo.last();
    QPolygonF terreno;
    terreno << QPointF(0, 250) << QPointF(20, 215) << fundo << QPointF(ft.x() + 40, ft.y() - 12) << QPointF(640, 60)
            << QPointF(640, 330) << QPointF(0, 330);
    p.setPen(QPen(corTerra, 2.5));
    p.setBrush(corSolo);
    p.drawPolygon(terreno);

    QPolygonF agua;
    agua << QPointF(xNaAltura(c, fundo[1], yAgua), yAgua);
    for (int i = 1; i + 1 < fundo.size(); ++i)
        agua << fundo[i];
    agua << QPointF(xNaAltura(fundo[fundo.size() - 2], ft, yAgua), yAgua);
    p.setPen(Qt::NoPen);
    p.setBrush(corAgua);
    p.drawPolygon(agua);
    p.setPen(QPen(corCota, 1.5, Qt::DashLine));
    p.drawLine(QPointF(agua.first().x(), yAgua), QPointF(agua.last().x(), yAgua));
    p.setFont(fonte(13, true));
    p.drawText(QPointF(agua.last().x() + 6, yAgua + 5), QStringLiteral("h"));

    const double topo = 22;
    const double passo = 22;
    for (int i = 1; i < fundo.size(); ++i) {
        linhaDeChamada(p, fundo[i], topo + passo * (i - 1));
        cota(p, c.x(), fundo[i].x(), topo + passo * (i - 1), QStringLiteral("C – ") + nomes[i]);
    }
    linhaDeChamada(p, c, topo);
    const QList<QPointF> deslocamentos = {QPointF(-8, -10), QPointF(-8, 24), QPointF(-6, 24), QPointF(8, -6)};
    for (int i = 0; i < fundo.size(); ++i)
        ponto(p, fundo[i], nomes[i], i == fundo.size() - 1 ? deslocamentos.last() : deslocamentos[i]);

    p.setPen(Qt::black);
    p.setFont(fonte(12));
    p.drawText(QPointF(c.x() - 110, c.y() + 40), QStringLiteral("camalhão"));
    p.drawText(QPointF(ft.x() - 150, ft.y() - 22), QStringLiteral("terreno a montante"));
    p.drawText(QPointF(fundo[1].x() + 10, 300), QStringLiteral("canal"));
}

QImage secaoTrapezoidal()
{
    QImage figura(640, 330, QImage::Format_ARGB32);
    figura.fill(Qt::white);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    secao(p, {QPointF(130, 92), QPointF(250, 230), QPointF(340, 224), QPointF(560, 118)},
          {QStringLiteral("C"), QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("FT")}, 150);
    return figura;
}

QImage secaoTriangular()
{
    QImage figura(640, 330, QImage::Format_ARGB32);
    figura.fill(Qt::white);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    secao(p, {QPointF(130, 92), QPointF(280, 232), QPointF(560, 118)},
          {QStringLiteral("C"), QStringLiteral("F1"), QStringLiteral("FT")}, 150);
    return figura;
}

// The crest seen along the ridge: the level's line of sight, the staff at every point
// (the reading is the staff's length down to the crest), and the lines CBC and CE.
QImage perfilDaCrista()
{
    QImage figura(640, 320, QImage::Format_ARGB32);
    figura.fill(Qt::white);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);

    const QList<QPointF> crista = {QPointF(50, 130), QPointF(140, 118), QPointF(230, 150), QPointF(320, 126),
                                   QPointF(410, 168), QPointF(500, 138), QPointF(590, 190)};
    const QStringList nomes = {QStringLiteral("Início"), QStringLiteral("1"), QStringLiteral("2"),
                               QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("Fim")};
    QPolygonF camalhao;
    camalhao << QPointF(20, 300) << QPointF(20, 135) << crista << QPointF(620, 195) << QPointF(620, 300);
    p.setPen(QPen(corTerra, 2.5));
    p.setBrush(corSolo);
    p.drawPolygon(camalhao);

    const double visada = 52;
    p.setPen(QPen(Qt::darkGray, 1.2, Qt::DashLine));
    p.drawLine(QPointF(20, visada), QPointF(620, visada));
    p.setPen(Qt::black);
    p.setFont(fonte(12));
    p.drawText(QPointF(24, visada - 8), QStringLiteral("linha de visada do nível"));

    p.setFont(fonte(11));
    for (const QPointF& ponto : crista) {
        p.setPen(QPen(QColor(200, 150, 30), 5));
        p.drawLine(QPointF(ponto.x(), visada), ponto);
    }
    p.setPen(Qt::black);
    p.drawText(QPointF(crista[1].x() + 6, (visada + crista[1].y()) / 2), QStringLiteral("leitura"));

    const double yCbc = crista[4].y();
    const double yCe = crista.last().y();
    p.setPen(QPen(QColor(0, 0, 255), 1.5, Qt::DashLine));
    p.drawLine(QPointF(20, yCbc), QPointF(620, yCbc));
    p.setPen(QPen(QColor(255, 0, 0), 1.5, Qt::DashLine));
    p.drawLine(QPointF(20, yCe), QPointF(620, yCe));
    p.setFont(fonte(13, true));
    p.setPen(QColor(0, 0, 255));
    p.drawText(QPointF(24, yCbc - 4), QStringLiteral("CBC"));
    p.setPen(QColor(255, 0, 0));
    p.drawText(QPointF(24, yCe + 16), QStringLiteral("CE"));

    for (int i = 0; i < crista.size(); ++i)
        ponto(p, crista[i], nomes[i], QPointF(i + 1 == crista.size() ? -36 : 8, -8));
    p.setPen(Qt::black);
    p.setFont(fonte(12));
    p.drawText(QRectF(0, 270, 640, 40), Qt::AlignCenter,
               QStringLiteral("Crista do camalhão, da extremidade Início à extremidade Fim"));
    return figura;
}

// Seen from above: the level's station, the sights to the corners of the area that
// drains into the terrace, and the three stadia hairs read on the staff.
QImage irradiacao()
{
    QImage figura(640, 340, QImage::Format_ARGB32);
    figura.fill(Qt::white);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF estacao(250, 180);
    const QList<QPointF> vertices = {QPointF(250, 30), QPointF(420, 70), QPointF(470, 210),
                                     QPointF(300, 300), QPointF(80, 270), QPointF(60, 110)};
    p.setPen(QPen(QColor(90, 140, 60), 1.5));
    p.setBrush(corArea);
    p.drawPolygon(QPolygonF(vertices));
    p.setPen(QPen(corTerra, 5));
    p.drawLine(vertices[3], vertices[4]);
    p.setPen(corTerra);
    p.setFont(fonte(12, true));
    p.drawText(QPointF(150, 310), QStringLiteral("terraço"));

    p.setPen(QPen(Qt::darkGray, 1.2, Qt::DashLine));
    for (const QPointF& v : vertices)
        p.drawLine(estacao, v);
    p.setPen(QPen(corDestaque, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(estacao - QPointF(45, 45), QSizeF(90, 90)), 90 * 16, -57 * 16);
    p.setFont(fonte(12));
    p.drawText(QPointF(estacao.x() + 14, estacao.y() - 50), QStringLiteral("ângulo"));

    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(estacao - QPointF(5, 5), QSizeF(10, 10)));
    p.setFont(fonte(12));
    p.drawText(estacao + QPointF(-40, 24), QStringLiteral("estação do nível"));
    for (int i = 0; i < vertices.size(); ++i) {
        const QPointF fora = (vertices[i] - estacao) / std::hypot(vertices[i].x() - estacao.x(),
                                                                    vertices[i].y() - estacao.y());
        ponto(p, vertices[i], QString::number(i + 1), fora * 14 + QPointF(-4, 5));
    }
    p.setPen(QColor(60, 100, 40));
    p.setFont(fonte(13, true));
    p.drawText(QPointF(370, 165), QStringLiteral("Ac"));

    const QRectF mira(560, 40, 26, 220);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(250, 240, 200));
    p.drawRect(mira);
    p.setFont(fonte(9));
    for (int traco = 0; traco <= 22; ++traco) {
        const double y = mira.bottom() - traco * 10;
        p.drawLine(QPointF(mira.left(), y), QPointF(mira.left() + (traco % 5 == 0 ? 12 : 6), y));
    }
    const QList<std::pair<double, QString>> fios = {{90, QStringLiteral("FS")}, {150, QStringLiteral("FM")},
                                                    {210, QStringLiteral("FI")}};
    p.setFont(fonte(12, true));
    for (const auto& [y, nome] : fios) {
        p.setPen(QPen(corDestaque, 2));
        p.drawLine(QPointF(mira.left() - 14, y), QPointF(mira.right() + 8, y));
        p.drawText(QPointF(mira.right() + 12, y + 5), nome);
    }
    p.setPen(Qt::black);
    p.setFont(fonte(12));
    p.drawText(QRectF(510, 270, 130, 40), Qt::AlignHCenter, QStringLiteral("mira vista\npela luneta"));
    return figura;
}

// Seen from above: the terrace under evaluation, the one above it, and the spacings
// measured with a tape along the terrace's length.
QImage trena()
{
    QImage figura(640, 290, QImage::Format_ARGB32);
    figura.fill(Qt::white);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);

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
    p.setPen(Qt::NoPen);
    p.setBrush(corArea);
    p.drawPath(area);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(corTerra, 5));
    p.drawPath(acima);
    p.drawPath(avaliado);

    p.setFont(fonte(12, true));
    p.setPen(corTerra);
    p.drawText(QPointF(44, 36), QStringLiteral("terraço de cima"));
    p.drawText(QPointF(44, 240), QStringLiteral("terraço avaliado"));

    p.setPen(QPen(corDestaque, 1.5));
    p.setFont(fonte(12, true));
    int numero = 1;
    for (const double x : {120.0, 240.0, 360.0, 480.0}) {
        const QPointF de(x, 60 + 14 * std::sin(x / 90.0));
        const QPointF ate(x, 200 + 14 * std::sin(x / 90.0 + 0.8));
        seta(p, de + QPointF(0, 5), ate - QPointF(0, 5));
        p.drawText(QPointF(x + 6, (de.y() + ate.y()) / 2 + 4), QStringLiteral("d%1").arg(numero++));
    }
    p.setPen(QPen(Qt::black, 1));
    seta(p, QPointF(40, 262), QPointF(600, 262));
    p.setFont(fonte(12));
    p.drawText(QRectF(40, 264, 560, 20), Qt::AlignCenter, QStringLiteral("L: comprimento do terraço"));
    return figura;
}

bool grava(const QImage& figura, const QString& pasta, const QString& nome)
{
    const QString caminho = QDir(pasta).filePath(nome);
    if (figura.save(caminho, "PNG"))
        return true;
    std::fprintf(stderr, "Não foi possível gravar %s\n", qPrintable(caminho));
    return false;
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
    const bool gravou = grava(secaoTrapezoidal(), pasta, QStringLiteral("secao_trapezoidal.png"))
                        && grava(secaoTriangular(), pasta, QStringLiteral("secao_triangular.png"))
                        && grava(perfilDaCrista(), pasta, QStringLiteral("perfil_crista.png"))
                        && grava(irradiacao(), pasta, QStringLiteral("irradiacao.png"))
                        && grava(trena(), pasta, QStringLiteral("trena.png"));
    return gravou ? 0 : 1;
}
