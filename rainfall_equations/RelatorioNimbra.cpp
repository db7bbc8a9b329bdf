#include "rainfall_equations/RelatorioNimbra.h"

#include "plataforma/TFontePadrao.h"
#include "plataforma/TProjetoRelatorio.h"
#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/TLayoutRelatorioNimbra.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>

namespace {

constexpr QSize tamanhoSemEstado(450, 450);

// Text with its top-left corner at `posicao` on a white cell of its own size.
void escreveSobreBranco(QPainter& pintor, const QPoint& posicao, const QString& texto)
{
    const QFontMetrics medida(pintor.font());
    const QRect celula(posicao, QSize(medida.horizontalAdvance(texto), medida.height()));
    pintor.fillRect(celula, Qt::white);
    pintor.drawText(celula, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texto);
}

// The filled black disc within the corners three pixels either way of (x, y): six pixels
// across, from three before the point to two after it, each pixel whose centre lies
// within the circle. Set pixel by pixel, so no outline widens it and no smoothing greys
// its edge.
void ponto(QImage& figura, int x, int y)
{
    for (int j = y - 3; j < y + 3; ++j)
        for (int i = x - 3; i < x + 3; ++i) {
            const double di = i + 0.5 - x;
            const double dj = j + 0.5 - y;
            if (di * di + dj * dj <= 9 && figura.valid(i, j))
                figura.setPixelColor(i, j, Qt::black);
        }
}

} // namespace

QImage geraFigura(const TElementosFigura& e)
{
    QImage figura;
    if (e.Estado.isNull()) {
        figura = QImage(tamanhoSemEstado, QImage::Format_RGB32);
        figura.fill(Qt::white);
    } else {
        figura = e.Estado.convertToFormat(QImage::Format_RGB32);
    }
    QPainter pintor(&figura);
    pintor.setRenderHint(QPainter::Antialiasing, false);
    pintor.setFont(TFontePadrao::fonte());
    pintor.setPen(Qt::black);
    escreveSobreBranco(pintor, e.PosicaoLatitude, e.TextoLatitude);
    escreveSobreBranco(pintor, e.PosicaoLongitude, e.TextoLongitude);

    pintor.setPen(QPen(Qt::black, 1));
    pintor.drawLine(0, e.TopoEixoX, e.LarguraEixoX - 1, e.TopoEixoX);
    pintor.drawLine(e.EsquerdaEixoY, 0, e.EsquerdaEixoY, e.AlturaEixoY - 1);
    pintor.end();

    ponto(figura, e.EsquerdaEixoY, e.TopoEixoX);
    return figura;
}

void imprimeRelatorioNimbra(const TValoresRelatorio& v, const std::optional<TElementosFigura>& elementos, QWidget* pai)
{
    const TLayoutRelatorioNimbra layout;
    TProjetoRelatorio projeto(layout);
    projeto.setParametro(QStringLiteral("Localidade"), v.Localidade);
    projeto.setParametro(QStringLiteral("Estado"), v.Estado);
    projeto.setParametro(QStringLiteral("Latitude"), v.Latitude);
    projeto.setParametro(QStringLiteral("Longitude"), v.Longitude);
    projeto.setParametro(QStringLiteral("K"), v.K);
    projeto.setParametro(QStringLiteral("a"), v.A);
    projeto.setParametro(QStringLiteral("b"), v.B);
    projeto.setParametro(QStringLiteral("c"), v.C);
    projeto.setParametro(QStringLiteral("Autor"), v.Autor);
    if (!elementos) {
        projeto.setParametro(QStringLiteral("Figura"), QString());
        projeto.executa(pai);
        return;
    }

    // Removed with everything in it when this function ends, however it ends.
    const QTemporaryDir pasta;
    if (!pasta.isValid())
        throw EInOutError("Não foi possível criar a pasta temporária da figura do relatório.");
    const QString arquivo = pasta.filePath(QStringLiteral("Bit.bmp"));
    if (!geraFigura(*elementos).save(arquivo, "BMP"))
        throw EInOutError("Não foi possível gravar a figura do relatório.");
    projeto.setParametro(QStringLiteral("Figura"), arquivo);
    projeto.executa(pai);
}
