#pragma once
// The application's printer: the one printer object every window prints on, its print
// dialog, and printing a picture over one whole page. Tests answer the dialog themselves,
// so none waits for a person.
#include <QImage>
#include <QString>

#include <functional>

class QPrinter;
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

    // One page: the picture stretched over the printable area, width and height scaled
    // separately. A printer that cannot start the job raises EInOutError.
    static void imprimeEsticada(const QImage& figura);

    // For tests: both dialogs are replaced by `resposta`, which may set up the printer
    // (for example to write a PDF file) and says whether the user confirmed.
    // An empty function brings the dialogs back.
    static void substituiDialogo(std::function<bool(QPrinter&)> resposta);
};
