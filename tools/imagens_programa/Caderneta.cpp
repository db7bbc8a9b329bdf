#include "tools/imagens_programa/Desenhos.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <vector>

namespace {

const QColor tinta(30, 30, 30);
const QColor linhaClara(150, 160, 175);
const QColor fundoCabecalho(225, 232, 240);
constexpr int margem = 30;
constexpr int largura = 714 - 2 * margem;

struct TTabela {
    double x;
    double y;
    std::vector<double> colunas; // widths
    QStringList cabecalhos;
    QStringList rotulosLinhas;   // first column, one per row
    double alturaCabecalho = 30;
    double alturaLinha = 19;
};

double larguraTotal(const TTabela& t)
{
    double soma = 0;
    for (double c : t.colunas)
        soma += c;
    return soma;
}

// Draws the table and returns its bottom edge.
double tabela(QPainter& p, const TTabela& t)
{
    const double total = larguraTotal(t);
    const double altura = t.alturaCabecalho + t.alturaLinha * t.rotulosLinhas.size();
    p.fillRect(QRectF(t.x, t.y, total, t.alturaCabecalho), fundoCabecalho);
    p.setPen(QPen(linhaClara, 0.8));
    for (int r = 1; r < t.rotulosLinhas.size(); ++r) {
        const double y = t.y + t.alturaCabecalho + r * t.alturaLinha;
        p.drawLine(QPointF(t.x, y), QPointF(t.x + total, y));
    }
    p.setPen(QPen(tinta, 1));
    p.drawLine(QPointF(t.x, t.y + t.alturaCabecalho), QPointF(t.x + total, t.y + t.alturaCabecalho));
    double x = t.x;
    p.setFont(fonteLarga(10, true));
    for (std::size_t c = 0; c < t.colunas.size(); ++c) {
        if (c > 0)
            p.drawLine(QPointF(x, t.y), QPointF(x, t.y + altura));
        p.drawText(QRectF(x + 2, t.y, t.colunas[c] - 4, t.alturaCabecalho),
                   Qt::AlignCenter | Qt::TextWordWrap, t.cabecalhos.value(int(c)));
        x += t.colunas[c];
    }
    p.setFont(fonteLarga(10));
    for (int r = 0; r < t.rotulosLinhas.size(); ++r)
        p.drawText(QRectF(t.x, t.y + t.alturaCabecalho + r * t.alturaLinha, t.colunas[0], t.alturaLinha),
                   Qt::AlignCenter, t.rotulosLinhas[r]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tinta, 1.2));
    p.drawRect(QRectF(t.x, t.y, total, altura));
    return t.y + altura;
}

QStringList numeros(int de, int ate)
{
    QStringList lista;
    for (int i = de; i <= ate; ++i)
        lista << QString::number(i);
    return lista;
}

void tituloSecao(QPainter& p, double y, const QString& titulo, const QString& nota = {})
{
    p.setPen(tinta);
    p.setFont(fonteLarga(13, true));
    p.drawText(QPointF(margem, y), titulo);
    if (!nota.isEmpty()) {
        p.setFont(fonteLarga(10));
        p.setPen(QColor(70, 70, 70));
        p.drawText(QRectF(margem, y + 4, largura, 16), Qt::AlignLeft, nota);
    }
}

// A label followed by a line to write on.
void campo(QPainter& p, double x, double y, double comprimento, const QString& rotulo)
{
    p.setPen(tinta);
    p.setFont(fonteLarga(11));
    p.drawText(QPointF(x, y), rotulo);
    const double inicio = x + p.fontMetrics().horizontalAdvance(rotulo) + 4;
    p.setPen(QPen(linhaClara, 0.8));
    p.drawLine(QPointF(inicio, y + 2), QPointF(x + comprimento, y + 2));
}

void cabecalho(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 714, 50), QColor(34, 92, 48));
    p.setPen(Qt::white);
    p.setFont(fonteLarga(20, true));
    p.drawText(QRectF(margem, 6, largura, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Morlin · Caderneta de campo"));
    p.setFont(fonteLarga(11));
    p.drawText(QRectF(margem, 30, largura, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Levantamento de um terraço: seções do canal, área de contribuição e perfil da crista"));
}

void identificacao(QPainter& p)
{
    const double meio = margem + largura / 2.0 + 10;
    campo(p, margem, 72, largura, QStringLiteral("Identificação do terraço:"));
    campo(p, margem, 92, largura / 2.0 - 10, QStringLiteral("Proprietário:"));
    campo(p, meio, 92, largura / 2.0 - 10, QStringLiteral("Localidade:"));
    campo(p, margem, 112, largura / 2.0 - 10, QStringLiteral("Município:"));
    campo(p, meio, 112, largura / 2.0 - 10, QStringLiteral("Estado:"));
    campo(p, margem, 132, largura / 2.0 - 10, QStringLiteral("Data (dd/mm/aaaa):"));
    campo(p, meio, 132, largura / 2.0 - 10, QStringLiteral("Responsável:"));
}

void cota(QPainter& p, const QPointF& a, const QPointF& b, double y, const QString& texto)
{
    p.setPen(QPen(QColor(90, 90, 90), 0.8, Qt::DashLine));
    p.drawLine(QPointF(a.x(), a.y() - 4), QPointF(a.x(), y));
    p.drawLine(QPointF(b.x(), b.y() - 4), QPointF(b.x(), y));
    p.setPen(QPen(tinta, 0.9));
    p.drawLine(QPointF(a.x(), y), QPointF(b.x(), y));
    for (const QPointF& ponta : {QPointF(a.x(), y), QPointF(b.x(), y)}) {
        const double sentido = ponta.x() == a.x() ? 1 : -1;
        p.drawLine(ponta, ponta + QPointF(5 * sentido, -3));
        p.drawLine(ponta, ponta + QPointF(5 * sentido, 3));
    }
    p.setFont(fonteLarga(9));
    p.drawText(QRectF(b.x() + 4, y - 7, 80, 14), Qt::AlignLeft | Qt::AlignVCenter, texto);
}

// The section as surveyed: the ridge top C, the channel bottom F1, the end of the flat
// bottom F2 (trapezoidal sections) and the ground FT upslope, distances taken from C.
void esquemaSecao(QPainter& p, double topo)
{
    const QPointF C(150, topo + 52), F1(250, topo + 88), F2(340, topo + 90), FT(470, topo + 58);
    QPolygonF perfil({QPointF(60, topo + 82), C, F1, F2, FT, QPointF(560, topo + 44)});
    QPolygonF solo = perfil;
    solo << QPointF(560, topo + 100) << QPointF(60, topo + 100);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 220, 195));
    p.drawPolygon(solo);
    p.setBrush(QColor(120, 170, 230, 150));
    // The water stands level, from the ridge's bank to the upslope bank.
    p.drawPolygon(QPolygonF({QPointF(211.1, topo + 74), F1, F2, QPointF(405, topo + 74)}));
    p.setPen(QPen(QColor(110, 75, 40), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(perfil);

    p.setPen(tinta);
    p.setFont(fonteLarga(10, true));
    p.drawText(C + QPointF(-5, 16), QStringLiteral("C"));
    p.drawText(F1 + QPointF(-8, 14), QStringLiteral("F1"));
    p.drawText(F2 + QPointF(-8, 14), QStringLiteral("F2"));
    p.drawText(FT + QPointF(-8, 18), QStringLiteral("FT"));
    cota(p, C, F1, topo + 30, QStringLiteral("C–F1"));
    cota(p, C, F2, topo + 18, QStringLiteral("C–F2"));
    cota(p, C, FT, topo + 6, QStringLiteral("C–FT"));

    p.setFont(fonteLarga(10));
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(575, topo, 110, 100), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Leituras de mira em m. Distâncias horizontais em m, sempre a partir de C. "
                              "F2 só na seção trapezoidal."));
}

double secoesCanal(QPainter& p, double y)
{
    tituloSecao(p, y, QStringLiteral("1. Seções transversais do canal"),
                QStringLiteral("Tipo de seção:  (   ) triangular    (   ) trapezoidal comum    (   ) trapezoidal com degrau"));
    esquemaSecao(p, y + 20);
    TTabela t;
    t.x = margem;
    t.y = y + 126;
    t.alturaCabecalho = 28;
    t.alturaLinha = 18;
    t.colunas = {54, 86, 86, 86, 86, 86, 86, 84};
    t.cabecalhos = {QStringLiteral("Seção"), QStringLiteral("Leitura C"), QStringLiteral("Distância C–F1"),
                    QStringLiteral("Leitura F1"), QStringLiteral("Distância C–F2"), QStringLiteral("Leitura F2"),
                    QStringLiteral("Distância C–FT"), QStringLiteral("Leitura FT")};
    t.rotulosLinhas = numeros(1, 9);
    return tabela(p, t);
}

double areaContribuicao(QPainter& p, double y)
{
    tituloSecao(p, y, QStringLiteral("2. Área de contribuição"));
    p.setFont(fonteLarga(11, true));
    p.setPen(tinta);
    p.drawText(QPointF(margem, y + 22), QStringLiteral("(   ) Irradiação com nível ótico"));
    TTabela mira;
    mira.x = margem;
    mira.y = y + 30;
    mira.colunas = {50, 62, 62, 62, 64, 70};
    mira.alturaCabecalho = 28;
    mira.alturaLinha = 18;
    mira.cabecalhos = {QStringLiteral("Visada"), QStringLiteral("FS"), QStringLiteral("FM"), QStringLiteral("FI"),
                       QStringLiteral("Ângulo (°)"), QStringLiteral("Distância (m)")};
    mira.rotulosLinhas = numeros(1, 11);
    const double fim = tabela(p, mira);
    p.setFont(fonteLarga(9));
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(margem, fim + 3, 370, 28), Qt::TextWordWrap,
               QStringLiteral("FS, FM, FI: fios superior, médio e inferior da mira. Distância = (FS − FI) × 100. "
                              "Ângulo horizontal de cada visada, no sentido horário."));

    const double x = 420;
    p.setFont(fonteLarga(11, true));
    p.setPen(tinta);
    p.drawText(QPointF(x, y + 22), QStringLiteral("(   ) Trena (distância média)"));
    campo(p, x, y + 46, 684 - x, QStringLiteral("Comprimento do terraço L (m):"));
    p.setFont(fonteLarga(10));
    p.setPen(tinta);
    p.drawText(QPointF(x, y + 68), QStringLiteral("Espaçamento até o terraço de cima (m):"));
    TTabela trena;
    trena.x = x;
    trena.y = y + 76;
    trena.colunas = {40, 92, 40, 92};
    trena.alturaCabecalho = 20;
    trena.cabecalhos = {QStringLiteral("Nº"), QStringLiteral("Espaçamento"), QStringLiteral("Nº"),
                        QStringLiteral("Espaçamento")};
    trena.alturaLinha = 18;
    trena.rotulosLinhas = numeros(1, 5);
    tabela(p, trena);
    p.setFont(fonteLarga(10));
    p.setPen(tinta);
    for (int i = 0; i < 5; ++i)
        p.drawText(QRectF(x + 132, y + 96 + i * 18, 40, 18), Qt::AlignCenter, QString::number(i + 6));

    p.setFont(fonteLarga(11, true));
    p.drawText(QPointF(x, y + 206), QStringLiteral("Estrada que escoa para o terraço"));
    p.setFont(fonteLarga(11));
    p.drawText(QPointF(x, y + 226), QStringLiteral("(   ) não contribui    (   ) contribui"));
    campo(p, x, y + 248, 684 - x, QStringLiteral("Largura/Semilargura (m):"));
    campo(p, x, y + 270, 684 - x, QStringLiteral("Comprimento (m):"));
    return fim + 28;
}

double perfilCrista(QPainter& p, double y)
{
    tituloSecao(p, y, QStringLiteral("3. Perfil da crista do camalhão"),
                QStringLiteral("Leituras de mira (m) nas duas extremidades e nos pontos intermediários, em ordem ao longo da crista."));
    TTabela t;
    t.x = margem;
    t.y = y + 24;
    t.colunas = {66};
    t.cabecalhos = {QStringLiteral("Ponto")};
    t.cabecalhos << QStringLiteral("Início");
    for (int i = 1; i <= 10; ++i)
        t.cabecalhos << QString::number(i);
    t.cabecalhos << QStringLiteral("Fim");
    for (int i = 0; i < 12; ++i)
        t.colunas.push_back(49);
    t.alturaCabecalho = 20;
    t.alturaLinha = 24;
    t.rotulosLinhas = {QStringLiteral("Leitura")};
    return tabela(p, t);
}

double soloEChuva(QPainter& p, double y)
{
    tituloSecao(p, y, QStringLiteral("4. Solo e chuva de projeto"));
    const double meio = margem + largura / 2.0 + 10;
    campo(p, margem, y + 22, largura / 2.0 - 10, QStringLiteral("Infiltração estável TIE (mm/h):"));
    campo(p, meio, y + 22, largura / 2.0 - 10, QStringLiteral("Período de retorno T (anos):"));
    campo(p, margem, y + 42, 150, QStringLiteral("K:"));
    campo(p, margem + 170, y + 42, 150, QStringLiteral("a:"));
    campo(p, margem + 340, y + 42, 150, QStringLiteral("b:"));
    campo(p, margem + 510, y + 42, largura - 510, QStringLiteral("c:"));
    campo(p, margem, y + 62, largura / 2.0 - 10, QStringLiteral("Latitude (S):       °       '       \""));
    campo(p, meio, y + 62, largura / 2.0 - 10, QStringLiteral("Longitude (W):       °       '       \""));
    return y + 62;
}

void observacoes(QPainter& p, double y)
{
    for (double linha = y; linha < 995; linha += 20)
        campo(p, margem, linha, largura, linha == y ? QStringLiteral("Observações:") : QString());
    p.setPen(QColor(90, 90, 90));
    p.setFont(fonteLarga(9));
    p.drawText(QRectF(margem, 1000, largura, 16), Qt::AlignCenter,
               QStringLiteral("Quanto maior a leitura de mira, mais baixo o ponto. Anote as leituras com duas casas decimais."));
}

} // namespace

QImage desenhaCaderneta()
{
    QImage figura(714, 1020, QImage::Format_RGB32);
    figura.fill(Qt::white);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    cabecalho(p);
    identificacao(p);
    double y = secoesCanal(p, 162);
    y = areaContribuicao(p, y + 26);
    y = perfilCrista(p, y + 20);
    y = soloEChuva(p, y + 24);
    observacoes(p, y + 22);
    return figura;
}
