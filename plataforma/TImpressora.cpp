#include "TImpressora.h"

#include "Excecoes.h"
#include "TDialogoImpressora.h"

#include <QCoreApplication>
#include <QPainter>
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

void TImpressora::imprimeEsticada(const QImage& figura)
{
    QPainter pintor;
    if (!pintor.begin(&impressora()))
        throw EInOutError("Não foi possível iniciar a impressão.");
    const QRect pagina(0, 0, pintor.device()->width(), pintor.device()->height());
    pintor.drawImage(pagina, figura);
    pintor.end();
}

void TImpressora::substituiDialogo(std::function<bool(QPrinter&)> nova)
{
    resposta() = std::move(nova);
}
