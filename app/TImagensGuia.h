#pragma once
// The guide pictures of the data-entry window, read by name from the folder
// "imagens/imgMenor/" beside the program. A picture that cannot be read is reported
// once per name in a run, so a missing file never floods the user with messages.
#include <QPixmap>
#include <QString>

class QWidget;

class TImagensGuia {
public:
    // The program's folder followed by "imagens/imgMenor/".
    static QString pasta();
    // The picture, or an empty one after telling the user (the first time) that it
    // could not be read.
    static QPixmap carrega(const QString& nome, QWidget* pai = nullptr);

    // For tests: read the pictures from `pasta` instead (empty: the program's own),
    // and forget which pictures were already reported.
    static void definePasta(const QString& pasta);
    static void esqueceAvisos();
};
