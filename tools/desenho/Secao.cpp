// The channel cross-sections: one picture of each shape with all its points, and one
// per grid column pointing at the reading or the distance typed there.
#include "tools/desenho/Secao.h"
#include "tools/desenho/TDesenho.h"

#include <QMap>
#include <QPolygonF>

#include <vector>

namespace {

constexpr qreal nivelAgua = 94;
constexpr qreal fundoSolo = 124;
constexpr qreal linhasCota[] = {137, 150, 163};
constexpr qreal alturaMira = 34;

struct TSecao {
    QString titulo;
    std::vector<std::pair<QString, QPointF>> pontos;  // C first, FT last
    QPointF esquerda;
    QPointF direita;
};

TSecao secao(TFormaSecao forma)
{
    const QPointF c(48, 58);
    switch (forma) {
    case TFormaSecao::triangular:
        return {QStringLiteral("Seção triangular"),
                {{"C", c}, {"F1", {125, 112}}, {"FT", {288, 78}}}, {4, 110}, {316, 72}};
    case TFormaSecao::trapezoidal:
        return {QStringLiteral("Seção trapezoidal"),
                {{"C", c}, {"F1", {106, 112}}, {"F2", {180, 112}}, {"FT", {288, 78}}}, {4, 110}, {316, 72}};
    case TFormaSecao::degrau:
        break;
    }
    return {QStringLiteral("Seção trapezoidal com degrau"),
            {{"C", c}, {"F1", {100, 112}}, {"F2", {194, 112}}, {"FT", {203, 76}}}, {4, 110}, {316, 70}};
}

QPolygonF perfil(const TSecao& s)
{
    QPolygonF linha;
    linha << s.esquerda;
    for (const auto& [nome, onde] : s.pontos)
        linha << onde;
    linha << s.direita;
    return linha;
}

// The water in the channel: the part of the profile between C and FT below the level.
QPolygonF agua(const TSecao& s)
{
    QPolygonF poligono;
    for (std::size_t i = 0; i + 1 < s.pontos.size(); ++i) {
        const QPointF a = s.pontos[i].second;
        const QPointF b = s.pontos[i + 1].second;
        if (a.y() >= nivelAgua)
            poligono << a;
        if ((a.y() - nivelAgua) * (b.y() - nivelAgua) < 0) {
            const qreal t = (nivelAgua - a.y()) / (b.y() - a.y());
            poligono << a + (b - a) * t;
        }
    }
    return poligono;
}

QString legenda(TFormaSecao forma, const QString& destaque)
{
    const bool degrau = forma == TFormaSecao::degrau;
    if (destaque.isEmpty())
        return forma == TFormaSecao::triangular
                   ? QStringLiteral("C: topo do camalhão · F1: fundo do canal · FT: encontro com o terreno. "
                                    "Distâncias medidas a partir de C.")
                   : QStringLiteral("C: topo do camalhão · F1 e F2: fundo do canal · FT: encontro com o terreno. "
                                    "Distâncias medidas a partir de C.");
    if (destaque.startsWith(QStringLiteral("C-")))
        return QStringLiteral("Distância horizontal de C até ") + destaque.mid(2) + QStringLiteral(" (m)");
    if (destaque == QStringLiteral("C"))
        return QStringLiteral("Leitura da mira em C, no topo do camalhão (m)");
    if (destaque == QStringLiteral("F1"))
        return forma == TFormaSecao::triangular ? QStringLiteral("Leitura da mira em F1, no fundo do canal (m)")
                                                : QStringLiteral("Leitura da mira em F1, no início do fundo (m)");
    if (destaque == QStringLiteral("F2"))
        return degrau ? QStringLiteral("Leitura da mira em F2, ao pé do degrau (m)")
                      : QStringLiteral("Leitura da mira em F2, no fim do fundo (m)");
    return degrau ? QStringLiteral("Leitura da mira em FT, no alto do degrau (m)")
                  : QStringLiteral("Leitura da mira em FT, onde o canal encontra o terreno (m)");
}

QPointF deslocamentoNome(const QString& nome, TFormaSecao forma)
{
    if (nome == QStringLiteral("C"))
        return {-15, -4};
    if (nome == QStringLiteral("FT"))
        return forma == TFormaSecao::degrau ? QPointF(15, 9) : QPointF(4, 13);
    return {0, 13};
}

void desenhaCotas(TDesenho& d, const TSecao& s, const QString& destaque)
{
    const QPointF c = s.pontos.front().second;
    std::size_t linha = 0;
    for (std::size_t i = 1; i < s.pontos.size(); ++i) {
        const auto& [nome, onde] = s.pontos[i];
        const bool realcada = destaque == QStringLiteral("C-") + nome;
        const bool apagada = !destaque.isEmpty() && !realcada;
        const QColor cor = realcada ? cores::destaque : (apagada ? cores::apagado : cores::texto);
        const qreal y = linhasCota[linha++];
        d.linhaTracejada(onde, {onde.x(), y + 3}, apagada ? cores::apagado : cores::texto, 0.7);
        d.cota({c.x(), y}, {onde.x(), y}, QStringLiteral("C – ") + nome, cor, realcada);
    }
    d.linhaTracejada(c, {c.x(), linhasCota[linha - 1] + 3}, cores::texto, 0.7);
}

} // namespace

void desenhaSecao(TDesenho& d, TFormaSecao forma, const QString& destaque)
{
    const TSecao s = secao(forma);
    d.titulo(s.titulo);
    QPainter& p = d.p();

    QPolygonF solo = perfil(s);
    solo << QPointF(s.direita.x(), fundoSolo) << QPointF(s.esquerda.x(), fundoSolo);
    p.setPen(Qt::NoPen);
    p.setBrush(cores::soloFundo);
    p.drawPolygon(solo);
    p.setBrush(cores::aguaFundo);
    p.drawPolygon(agua(s));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cores::agua, 1));
    const QPolygonF espelho = agua(s);
    p.drawLine(QPointF(espelho.first().x(), nivelAgua), QPointF(espelho.last().x(), nivelAgua));
    p.setPen(QPen(cores::soloLinha, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(perfil(s));
    d.texto(QRectF(14, 98, 64, 13), QStringLiteral("camalhão"), 10, cores::soloLinha, false, Qt::AlignHCenter);
    d.texto(QRectF(236, 109, 76, 13), QStringLiteral("terreno"), 10, cores::soloLinha, false, Qt::AlignRight);

    desenhaCotas(d, s, destaque);
    for (const auto& [nome, onde] : s.pontos) {
        const bool leitura = destaque == nome;
        if (leitura) {
            d.mira(onde, alturaMira, true);
            d.realce(onde, 9);
        }
        d.ponto(onde, nome, deslocamentoNome(nome, forma), leitura || destaque == QStringLiteral("C-") + nome);
    }
    const bool geral = destaque.isEmpty();
    d.texto(QRectF(8, 168, d.largura() - 16, 30), legenda(forma, destaque), geral ? 10 : 11,
            geral ? cores::texto : cores::destaque, !geral, Qt::AlignHCenter | Qt::AlignTop);
}
