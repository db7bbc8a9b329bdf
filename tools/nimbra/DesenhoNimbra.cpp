#include "tools/nimbra/DesenhoNimbra.h"

#include "rainfall_equations/nucleo/CoresMapaBrasil.h"
#include "rainfall_equations/nucleo/UnBD.h"
#include "tools/desenho/Fonte.h"
#include "tools/nimbra/MapaBrasil.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr QRgb Azul = qRgb(0, 0, 255);
constexpr QRgb Branco = qRgb(255, 255, 255);
constexpr int IndiceDF = 6;
constexpr int IndiceGoias = 8;
// Radius of the disc painted around each gauge and seat, in pixels: the seats farthest
// off their state's outline lie two or three pixels beyond it.
constexpr int RaioPonto = 2;

// Degrees (negative south and west) to the pixels of `limites`: pixel i covers the
// positions from i − 0.5 to i + 0.5, as the consultation rounds a position to a pixel.
QTransform projecao(const TLimitesMapa& limites)
{
    const double x0 = *limites.colunaDaLongitude(0);
    const double y0 = *limites.linhaDaLatitude(0);
    const double escalaX = x0 - *limites.colunaDaLongitude(1);
    const double escalaY = y0 - *limites.linhaDaLatitude(1);
    return QTransform(escalaX, 0, 0, escalaY, x0 + 0.5, y0 + 0.5);
}

void preparaPintor(QPainter& pintor, const TLimitesMapa& limites)
{
    pintor.setRenderHint(QPainter::Antialiasing, false);
    pintor.setTransform(projecao(limites));
}

QRgb rgb(TCor c)
{
    return qRgb(c.Vermelho, c.Verde, c.Azul);
}

QRgb corNoMapa(int estado)
{
    for (const TCorEstado& l : CoresEstados)
        if (l.Estado == estado)
            return rgb(l.Cor);
    for (const TCorEstado& l : CoresEstadosSemDados)
        if (l.Estado == estado)
            return rgb(l.Cor);
    return Branco;
}

QRgb corDaLetra(QRgb fundo)
{
    return qGray(fundo) < 128 ? rgb(CorLetraClara) : rgb(CorLetraEscura);
}

// The wide face of the drawing kit, bold and not smoothed, so that every pixel of a code
// is a colour of the map's palette.
QFont fonteSigla(int tamanho)
{
    QFont f = fonteLarga(tamanho, true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// The chamfer distance of each pixel of colour `cor` to the nearest pixel of another
// colour (0 off the area).
std::vector<int> distanciasNaArea(const QImage& figura, QRgb cor)
{
    const int lado = LadoMapa;
    std::vector<int> d(static_cast<std::size_t>(lado * lado));
    const auto at = [&](int x, int y) -> int& { return d[static_cast<std::size_t>(y * lado + x)]; };
    const auto dist = [&](int x, int y) { return x < 0 || y < 0 || x >= lado || y >= lado ? 0 : at(x, y); };
    for (int y = 0; y < lado; ++y)
        for (int x = 0; x < lado; ++x)
            at(x, y) = figura.pixel(x, y) == cor
                           ? std::min({dist(x - 1, y) + 3, dist(x, y - 1) + 3, dist(x - 1, y - 1) + 4, dist(x + 1, y - 1) + 4})
                           : 0;
    for (int y = lado - 1; y >= 0; --y)
        for (int x = lado - 1; x >= 0; --x)
            at(x, y) = std::min({at(x, y), dist(x + 1, y) + 3, dist(x, y + 1) + 3, dist(x + 1, y + 1) + 4,
                                 dist(x - 1, y + 1) + 4});
    return d;
}

// The pixels a code covers, relative to the point it is centred on.
std::vector<QPoint> pixelsDaSigla(const QString& sigla, int tamanho)
{
    QImage rascunho(40, 24, QImage::Format_RGB32);
    rascunho.fill(Branco);
    {
        QPainter pintor(&rascunho);
        pintor.setRenderHint(QPainter::TextAntialiasing, false);
        pintor.setFont(fonteSigla(tamanho));
        pintor.setPen(Qt::black);
        pintor.drawText(rascunho.rect(), Qt::AlignCenter, sigla);
    }
    std::vector<QPoint> pixels;
    for (int y = 0; y < rascunho.height(); ++y)
        for (int x = 0; x < rascunho.width(); ++x)
            if (rascunho.pixel(x, y) != Branco)
                pixels.emplace_back(x - rascunho.width() / 2, y - rascunho.height() / 2);
    return pixels;
}

struct TLugarSigla {
    QPoint centro;
    std::vector<QPoint> pixels;
};

// Where the code of a state goes: the largest size, down to 7 pixels, whose letters all
// fall on the state, as deep inside it as they can be; for a state too small for that,
// the place where the fewest letter pixels leave it.
TLugarSigla lugarDaSigla(const QImage& figura, int estado)
{
    const QRgb cor = corNoMapa(estado);
    const std::vector<int> distancias = distanciasNaArea(figura, cor);
    std::vector<QPoint> candidatos;
    for (int y = 0; y < LadoMapa; ++y)
        for (int x = 0; x < LadoMapa; ++x)
            if (distancias[static_cast<std::size_t>(y * LadoMapa + x)] > 0)
                candidatos.emplace_back(x, y);
    const auto distancia = [&](QPoint p) { return distancias[static_cast<std::size_t>(p.y() * LadoMapa + p.x())]; };
    std::stable_sort(candidatos.begin(), candidatos.end(), [&](QPoint a, QPoint b) { return distancia(a) > distancia(b); });
    const auto fora = [&](QPoint centro, const std::vector<QPoint>& pixels) {
        return std::count_if(pixels.begin(), pixels.end(), [&](QPoint p) {
            const QPoint q = centro + p;
            return !figura.valid(q) || figura.pixel(q) != cor;
        });
    };
    const QString sigla = QString::fromStdString(SiglasEstados[static_cast<std::size_t>(estado)]);
    TLugarSigla melhor;
    long menosFora = -1;
    for (int tamanho = 10; tamanho >= 7; --tamanho) {
        const std::vector<QPoint> pixels = pixelsDaSigla(sigla, tamanho);
        for (QPoint c : candidatos) {
            const long n = fora(c, pixels);
            if (n == 0)
                return {c, pixels};
            if (menosFora < 0 || n < menosFora) {
                menosFora = n;
                melhor = {c, pixels};
            }
        }
    }
    return melhor;
}

void escreveSigla(QImage& figura, const TLugarSigla& lugar, QRgb fundo)
{
    const QRgb letra = corDaLetra(fundo);
    for (QPoint p : lugar.pixels)
        if (figura.valid(lugar.centro + p))
            figura.setPixel(lugar.centro + p, letra);
}

QImage comPaleta(const QImage& figura)
{
    QList<QRgb> paleta{Branco, rgb(CorLetraEscura)};
    for (const TCorEstado& l : CoresEstados)
        paleta << rgb(l.Cor);
    for (const TCorEstado& l : CoresEstadosSemDados)
        paleta << rgb(l.Cor);
    QImage indexada(figura.size(), QImage::Format_Indexed8);
    indexada.setColorTable(paleta);
    // Rows are padded to whole words, which the file keeps and QImage::fill leaves alone:
    // unzeroed, the padding would carry whatever the memory held, and the map would differ
    // from build to build.
    std::memset(indexada.bits(), 0, static_cast<std::size_t>(indexada.sizeInBytes()));
    for (int y = 0; y < figura.height(); ++y)
        for (int x = 0; x < figura.width(); ++x) {
            const qsizetype indice = paleta.indexOf(figura.pixel(x, y));
            // A smoothed edge or letter would leave a colour of no state.
            if (indice < 0)
                throw std::runtime_error("o mapa do Brasil tem uma cor fora da tabela no pixel (" + std::to_string(x)
                                         + ", " + std::to_string(y) + ")");
            indexada.setPixel(x, y, static_cast<uint>(indice));
        }
    return indexada;
}

} // namespace

QRect pixelsDosLimites(const TLimitesMapa& limites)
{
    const QPoint noroeste(pixelMaisProximo(*limites.colunaDaLongitude(limites.LonOeste)),
                          pixelMaisProximo(*limites.linhaDaLatitude(limites.LatNorte)));
    const QPoint sudeste(pixelMaisProximo(*limites.colunaDaLongitude(limites.LonLeste)),
                         pixelMaisProximo(*limites.linhaDaLatitude(limites.LatSul)));
    return QRect(noroeste, sudeste);
}

QImage desenhaMapaEstado(int estado, const TLimitesMapa& limites, const std::array<QPainterPath, 27>& contornos,
                         const std::vector<QPoint>& pontos)
{
    QImage figura(LadoMapa, LadoMapa, QImage::Format_RGB32);
    figura.fill(Branco);
    const QRect dentro = pixelsDosLimites(limites);
    {
        QPainter pintor(&figura);
        preparaPintor(pintor, limites);
        QPen contorno(QColor(165, 165, 165));
        contorno.setCosmetic(true);
        pintor.setPen(contorno);
        pintor.setBrush(QColor(226, 226, 226));
        for (int vizinho = 0; vizinho < NumeroEstados; ++vizinho)
            if (vizinho != estado)
                pintor.drawPath(contornos[static_cast<std::size_t>(vizinho)]);
        // A blue pixel beyond the bounds would be a click on the state that has no
        // coordinates to take.
        const QTransform projecaoEstado = pintor.transform();
        pintor.resetTransform();
        pintor.setClipRect(dentro);
        pintor.setTransform(projecaoEstado);
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(QColor::fromRgb(Azul));
        pintor.drawPath(contornos[static_cast<std::size_t>(estado)]);
    }
    for (const QPoint& p : pontos)
        for (int dy = -RaioPonto; dy <= RaioPonto; ++dy)
            for (int dx = -RaioPonto; dx <= RaioPonto; ++dx)
                if (dx * dx + dy * dy <= RaioPonto * RaioPonto + 1 && dentro.contains(p.x() + dx, p.y() + dy))
                    figura.setPixel(p.x() + dx, p.y() + dy, Azul);
    return figura.convertToFormat(QImage::Format_RGB888);
}

QImage desenhaMapaBrasil(const std::array<QPainterPath, 27>& contornos)
{
    QImage figura(LadoMapa, LadoMapa, QImage::Format_RGB32);
    figura.fill(Branco);
    QPointF centroDF;
    {
        QPainter pintor(&figura);
        preparaPintor(pintor, LimitesMapaBrasil);
        pintor.setPen(Qt::NoPen);
        // The Distrito Federal's own outline takes the colour of Goiás around it; the
        // square drawn next stands for it.
        for (int estado = 0; estado < NumeroEstados; ++estado) {
            pintor.setBrush(QColor::fromRgb(corNoMapa(estado == IndiceDF ? IndiceGoias : estado)));
            pintor.drawPath(contornos[static_cast<std::size_t>(estado)]);
        }
        centroDF = pintor.transform().map(contornos[IndiceDF].boundingRect().center());
    }
    // The Distrito Federal is a few pixels across here: a square keeps it in sight.
    const QPoint df(static_cast<int>(centroDF.x()), static_cast<int>(centroDF.y()));
    {
        QPainter pintor(&figura);
        pintor.fillRect(QRect(df.x() - 3, df.y() - 3, 7, 7), QColor::fromRgb(corNoMapa(IndiceDF)));
    }
    std::array<TLugarSigla, 27> lugares;
    for (int estado = 0; estado < NumeroEstados; ++estado)
        if (estado != IndiceDF)
            lugares[static_cast<std::size_t>(estado)] = lugarDaSigla(figura, estado);
    // Its code goes on Goiás, above the square.
    lugares[IndiceDF] = {df + QPoint(0, -11), pixelsDaSigla(QStringLiteral("DF"), 9)};
    for (int estado = 0; estado < NumeroEstados; ++estado)
        escreveSigla(figura, lugares[static_cast<std::size_t>(estado)], corNoMapa(estado == IndiceDF ? IndiceGoias : estado));
    return comPaleta(figura);
}
