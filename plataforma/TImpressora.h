#pragma once
// The application's printer: the one printer object every window prints on, its print
// dialog, and printing a picture or a recorded drawing over one whole page. Every job
// names its own document, since the printer outlives the windows that print on it.
// Tests answer the dialog themselves, so none waits for a person.
#include <QImage>
#include <QString>

#include <functional>

class QPicture;
class QPrinter;
class QSize;
class QWidget;

class TImpressora {
public:
    // Created on first use; the choice made in a print dialog stays for the whole run.
    static QPrinter& impressora();

    // The print dialog over impressora(), with its own caption when `titulo` is given;
    // true when the user confirms.
    static bool executaDialogo(QWidget* pai = nullptr, const QString& titulo = {});

    // The printer setup dialog: true when the user confirms, and impressora() then
    // prints on the printer chosen. It prints nothing, and a cancel changes nothing.
    static bool configura(QWidget* pai = nullptr);

    // One page named `documento`: the picture stretched over the printable area, width
    // and height scaled separately. A printer that cannot start the job raises
    // EInOutError.
    static void imprimeEsticada(const QImage& figura, const QString& documento);

    // The same for a drawing recorded over `tamanho`: it stays lines and text on paper,
    // drawn at the printer's own resolution.
    static void imprimeEsticada(const QPicture& desenho, const QSize& tamanho, const QString& documento);

    // For tests: both dialogs are replaced by `resposta`, which may set up the printer
    // (for example to write a PDF file) and says whether the user confirmed.
    // An empty function brings the dialogs back.
    static void substituiDialogo(std::function<bool(QPrinter&)> resposta);
};
