#include "rainfall_equations/TLayoutRelatorioNimbra.h"

#include "plataforma/TFontePadrao.h"
#include "plataforma/TProjetoRelatorio.h"
#include "plataforma/TextoQt.h"
#include "rainfall_equations/nucleo/FontesDados.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <string_view>

// Every measure of the page is in points (1/72 inch) from the sheet's top-left corner; an
// A4 sheet is 595 × 842.
namespace {

constexpr qreal margemLateral = 56;
constexpr qreal margemSuperior = 48;
constexpr qreal margemInferior = 40;

constexpr int letraTitulo = 18;
constexpr int letraSubtitulo = 11;
constexpr int letraTexto = 11;
constexpr int letraEquacao = 17;
constexpr int letraExpoente = 11;
constexpr int letraLegenda = 9;
constexpr int letraCreditos = 8;

constexpr qreal larguraRotuloLocal = 80;
constexpr qreal ladoFigura = 300;
constexpr qreal larguraCoeficiente = 80;
constexpr qreal alturaCoeficiente = 20;

const QString tituloPagina = QStringLiteral("Equação de Chuvas Intensas");
const QString subtitulo = QStringLiteral("Relação intensidade-duração-freqüência da precipitação");
const QString legenda = QStringLiteral(
    "i: intensidade média máxima da chuva (mm/h);  T: período de retorno (anos);  t: duração da chuva (min)");
const QString legendaFigura = QStringLiteral("Posição do ponto no mapa do estado");
const QString semFigura =
    QStringLiteral("Mapa do estado não disponível na consulta: a posição do ponto não é mostrada.");
const QString tituloFonte = QStringLiteral("Fonte da equação");
const QString semFonte = QStringLiteral("Fonte da equação não informada.");
const QString tituloCreditos = QStringLiteral("Créditos dos dados: ");

using TextoQt::q;

// The painter's pixels are points, so a size in pixels is a size in points.
QFont fonte(int pontos, bool negrito = false, bool italico = false)
{
    QFont f = TFontePadrao::fonte(pontos);
    f.setBold(negrito);
    f.setItalic(italico);
    return f;
}

// A text laid out over the width of `area` from its top; gives the height it took.
qreal paragrafo(QPainter& pintor, const QRectF& area, const QString& texto, const QFont& letra,
                int alinhamento = Qt::AlignLeft)
{
    pintor.setFont(letra);
    QRectF ocupada;
    pintor.drawText(area, alinhamento | Qt::AlignTop | Qt::TextWordWrap, texto, &ocupada);
    return ocupada.height();
}

// The sentences of a reference, each closed by one full stop.
QString referencia(const QStringList& partes)
{
    QString texto;
    for (const QString& parte : partes) {
        if (!texto.isEmpty())
            texto += ' ';
        texto += parte;
        if (!parte.endsWith('.'))
            texto += '.';
    }
    return texto;
}

qreal cabecalho(QPainter& pintor, const QRectF& area)
{
    qreal y = area.top();
    y += paragrafo(pintor, {area.left(), y, area.width(), 30}, tituloPagina, fonte(letraTitulo, true), Qt::AlignHCenter);
    y += 2 + paragrafo(pintor, {area.left(), y + 2, area.width(), 20}, subtitulo, fonte(letraSubtitulo),
                       Qt::AlignHCenter);
    y += 8;
    pintor.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    return y + 12;
}

qreal local(QPainter& pintor, const QRectF& area, const TProjetoRelatorio& projeto)
{
    const auto coordenada = [&projeto](const char* nome, const char* hemisferio) {
        const QString texto = projeto.parametro(QLatin1String(nome));
        return texto.isEmpty() ? texto : texto + ' ' + QLatin1String(hemisferio);
    };
    const QStringList rotulos{QStringLiteral("Localidade:"), QStringLiteral("Estado:"), QStringLiteral("Latitude:"),
                              QStringLiteral("Longitude:")};
    const QStringList valores{projeto.parametro(QStringLiteral("Localidade")),
                              projeto.parametro(QStringLiteral("Estado")), coordenada("Latitude", "S"),
                              coordenada("Longitude", "O")};
    qreal y = area.top();
    for (qsizetype i = 0; i < rotulos.size(); ++i) {
        paragrafo(pintor, {area.left(), y, larguraRotuloLocal, 20}, rotulos[i], fonte(letraTexto, true));
        const qreal altura = paragrafo(pintor, {area.left() + larguraRotuloLocal, y,
                                                area.width() - larguraRotuloLocal, 40},
                                       valores[i], fonte(letraTexto));
        y += std::max<qreal>(altura, letraTexto * 1.25) + 3;
    }
    return y + 10;
}

// Draws `texto` with its baseline at `base` from `x`; gives the x after it.
qreal escreve(QPainter& pintor, qreal x, qreal base, const QString& texto, const QFont& letra)
{
    pintor.setFont(letra);
    pintor.drawText(QPointF(x, base), texto);
    return x + QFontMetricsF(letra).horizontalAdvance(texto);
}

qreal larguraDe(const QString& texto, const QFont& letra)
{
    return QFontMetricsF(letra).horizontalAdvance(texto);
}

// i = K·T^a / (t + b)^c, as a fraction centred on the page.
qreal equacao(QPainter& pintor, const QRectF& area)
{
    const QFont variavel = fonte(letraEquacao, false, true);
    const QFont expoente = fonte(letraExpoente, false, true);
    const QString igual = QStringLiteral("i = ");
    const QString numerador = QStringLiteral("K · T");
    const QString denominador = QStringLiteral("(t + b)");
    const qreal larguraNumerador = larguraDe(numerador, variavel) + larguraDe(QStringLiteral("a"), expoente);
    const qreal larguraDenominador = larguraDe(denominador, variavel) + larguraDe(QStringLiteral("c"), expoente);
    const qreal larguraFracao = std::max(larguraNumerador, larguraDenominador) + 8;
    const qreal largura = larguraDe(igual, variavel) + larguraFracao;
    const qreal x0 = area.left() + (area.width() - largura) / 2;
    const qreal linha = area.top() + letraEquacao * 1.4;
    const qreal subida = letraExpoente * 0.6;

    const qreal xFracao = escreve(pintor, x0, linha + letraEquacao * 0.35, igual, variavel);
    qreal x = xFracao + (larguraFracao - larguraNumerador) / 2;
    x = escreve(pintor, x, linha - 5, numerador, variavel);
    escreve(pintor, x, linha - 5 - subida, QStringLiteral("a"), expoente);
    x = xFracao + (larguraFracao - larguraDenominador) / 2;
    x = escreve(pintor, x, linha + letraEquacao + 3, denominador, variavel);
    escreve(pintor, x, linha + letraEquacao + 3 - subida, QStringLiteral("c"), expoente);
    pintor.drawLine(QPointF(xFracao, linha), QPointF(xFracao + larguraFracao, linha));
    return linha + letraEquacao + 14;
}

// The four coefficients in boxes, as the consultation shows them (an empty box when it
// shows none).
qreal coeficientes(QPainter& pintor, const QRectF& area, const TProjetoRelatorio& projeto)
{
    const QStringList nomes{QStringLiteral("K"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    const qreal rotulo = 18;
    const qreal passo = rotulo + larguraCoeficiente + 14;
    qreal x = area.left() + (area.width() - (passo * nomes.size() - 14)) / 2;
    for (const QString& nome : nomes) {
        paragrafo(pintor, {x, area.top() + 3, rotulo, alturaCoeficiente}, nome + ':', fonte(letraTexto, true, true));
        const QRectF caixa(x + rotulo, area.top(), larguraCoeficiente, alturaCoeficiente);
        pintor.drawRect(caixa);
        pintor.setFont(fonte(letraTexto));
        pintor.drawText(caixa, Qt::AlignCenter, projeto.parametro(nome));
        x += passo;
    }
    qreal y = area.top() + alturaCoeficiente + 8;
    y += paragrafo(pintor, {area.left(), y, area.width(), 30}, legenda, fonte(letraLegenda), Qt::AlignHCenter);
    return y + 14;
}

// The state map with the point; a line in its place when the report has none.
qreal figura(QPainter& pintor, const QRectF& area, const TProjetoRelatorio& projeto)
{
    const QImage imagem(projeto.parametro(QStringLiteral("Figura")));
    if (imagem.isNull())
        return area.top() + paragrafo(pintor, {area.left(), area.top(), area.width(), 40}, semFigura,
                                      fonte(letraTexto, false, true), Qt::AlignHCenter)
               + 14;
    const QRectF quadro(area.left() + (area.width() - ladoFigura) / 2, area.top(), ladoFigura, ladoFigura);
    pintor.drawImage(quadro, imagem);
    pintor.drawRect(quadro);
    const qreal y = quadro.bottom() + 4;
    return y + paragrafo(pintor, {area.left(), y, area.width(), 20}, legendaFigura, fonte(letraLegenda),
                         Qt::AlignHCenter)
         + 14;
}

// The key and the full reference of a source of the table; the explanation of the method
// for an interpolated equation.
qreal fonteDaEquacao(QPainter& pintor, const QRectF& area, const TProjetoRelatorio& projeto)
{
    const QString chave = projeto.parametro(QStringLiteral("Autor"));
    qreal y = area.top();
    y += paragrafo(pintor, {area.left(), y, area.width(), 20}, tituloFonte, fonte(letraTexto, true)) + 3;
    QString texto = semFonte;
    if (const TFonteEquacao* origem = procuraFonte(chave.toStdString()))
        texto = chave + QStringLiteral(": ")
              + referencia({q(origem->Autores), q(origem->Obra), q(origem->Detalhes)});
    else if (chave == q(ChaveInterpolacao))
        texto = q(TextoInterpolacao);
    else if (!chave.isEmpty() && chave != QStringLiteral("Autor"))
        texto = chave + QStringLiteral(": referência não encontrada na tabela de fontes.");
    return y + paragrafo(pintor, {area.left(), y, area.width(), 120}, texto, fonte(letraTexto)) + 12;
}

void creditos(QPainter& pintor, const QRectF& area)
{
    const QFont letra = fonte(letraCreditos);
    const QString texto = tituloCreditos + q(CreditoDados);
    const QRectF medida = QFontMetricsF(letra).boundingRect(area, Qt::AlignLeft | Qt::TextWordWrap, texto);
    const qreal topo = area.bottom() - medida.height();
    pintor.drawLine(QPointF(area.left(), topo - 6), QPointF(area.right(), topo - 6));
    paragrafo(pintor, {area.left(), topo, area.width(), medida.height() + 2}, texto, letra);
}

} // namespace

QString TLayoutRelatorioNimbra::titulo() const
{
    return QStringLiteral("Relatório da equação de chuvas intensas");
}

void TLayoutRelatorioNimbra::desenha(QPainter& pintor, const QRectF& papel, int, const TProjetoRelatorio& projeto) const
{
    const QRectF area = papel.adjusted(margemLateral, margemSuperior, -margemLateral, -margemInferior);
    pintor.setPen(QPen(Qt::black, 0.8));
    qreal y = cabecalho(pintor, area);
    y = local(pintor, area.adjusted(0, y - area.top(), 0, 0), projeto);
    y = equacao(pintor, area.adjusted(0, y - area.top(), 0, 0));
    y = coeficientes(pintor, area.adjusted(0, y - area.top(), 0, 0), projeto);
    y = figura(pintor, area.adjusted(0, y - area.top(), 0, 0), projeto);
    fonteDaEquacao(pintor, area.adjusted(0, y - area.top(), 0, 0), projeto);
    creditos(pintor, area);
}
