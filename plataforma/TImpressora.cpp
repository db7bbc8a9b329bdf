#include "plataforma/TImpressora.h"

#include "plataforma/TDialogoImpressora.h"
#include "plataforma/nucleo/Excecoes.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace {

QPrinter* atual = nullptr;

std::function<bool(QPrinter&)>& resposta()
{
    static std::function<bool(QPrinter&)> substituta;
    return substituta;
}

// A job named after the window that prints it, never after the one that printed before.
void comecaTrabalho(QPainter& pintor, const QString& documento)
{
    TImpressora::impressora().setDocName(documento);
    if (!pintor.begin(&TImpressora::impressora()))
        throw EInOutError("Não foi possível iniciar a impressão.");
}

QRect paginaInteira(const QPainter& pintor)
{
    return {0, 0, pintor.device()->width(), pintor.device()->height()};
}

// The printer must go before the application object does.
void liberaImpressora()
{
    delete atual;
    atual = nullptr;
}

} // namespace

QPrinter& TImpressora::impressora()
{
    if (atual == nullptr) {
        atual = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine(liberaImpressora);
    }
    return *atual;
}

bool TImpressora::executaDialogo(QWidget* pai, const QString& titulo)
{
    if (resposta())
        return resposta()(impressora());
    QPrintDialog dialogo(&impressora(), pai);
    if (!titulo.isEmpty())
        dialogo.setWindowTitle(titulo);
    return dialogo.exec() == QDialog::Accepted;
}

bool TImpressora::configura(QWidget* pai)
{
    if (resposta())
        return resposta()(impressora());
    TDialogoImpressora dialogo(QPrinterInfo::availablePrinterNames(), impressora().printerName(), pai);
    if (dialogo.exec() != QDialog::Accepted)
        return false;
    impressora().setPrinterName(dialogo.escolhida());
    return true;
}

void TImpressora::imprimeEsticada(const QImage& figura, const QString& documento)
{
    QPainter pintor;
    comecaTrabalho(pintor, documento);
    pintor.drawImage(paginaInteira(pintor), figura);
    pintor.end();
}

void TImpressora::imprimeEsticada(const QPicture& desenho, const QSize& tamanho, const QString& documento)
{
    QPainter pintor;
    comecaTrabalho(pintor, documento);
    const QRect pagina = paginaInteira(pintor);
    // A drawing plays at its own resolution's size on the printer: scaling it by the page
    // over that size stretches it over the page.
    const qreal largura = tamanho.width() * qreal(pintor.device()->logicalDpiX()) / desenho.logicalDpiX();
    const qreal altura = tamanho.height() * qreal(pintor.device()->logicalDpiY()) / desenho.logicalDpiY();
    pintor.scale(pagina.width() / largura, pagina.height() / altura);
    pintor.drawPicture(0, 0, desenho);
    pintor.end();
}

void TImpressora::substituiDialogo(std::function<bool(QPrinter&)> nova)
{
    resposta() = std::move(nova);
}
