#include "plataforma/TImagem.h"

#include "plataforma/nucleo/Excecoes.h"

#include <QMouseEvent>
#include <QPixmap>

TImagem::TImagem(QWidget* pai)
    : QLabel(pai)
{
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
}

void TImagem::carregaArquivo(const QString& caminho)
{
    QImage lida;
    if (!lida.load(caminho))
        throw EInOutError("O arquivo " + caminho.toStdString() + " não pôde ser lido.");
    defineFigura(lida);
}

void TImagem::defineFigura(const QImage& figura)
{
    figura_ = figura;
    setPixmap(QPixmap::fromImage(figura_));
}

std::optional<QRgb> TImagem::Pixels(int X, int Y) const
{
    if (!figura_.valid(X, Y))
        return std::nullopt;
    return figura_.pixel(X, Y);
}

void TImagem::mouseMoveEvent(QMouseEvent* evento)
{
    QLabel::mouseMoveEvent(evento);
    const QPoint p = evento->position().toPoint();
    emit MouseMove(evento->modifiers(), p.x(), p.y());
}

void TImagem::mouseReleaseEvent(QMouseEvent* evento)
{
    QLabel::mouseReleaseEvent(evento);
    const QPoint p = evento->position().toPoint();
    emit MouseUp(evento->button(), evento->modifiers(), p.x(), p.y());
}
