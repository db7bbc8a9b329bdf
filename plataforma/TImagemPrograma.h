#pragma once
// The pictures in the folder "imagens" beside the program, loaded by name when needed.
#include <QPixmap>
#include <QString>

class TImagemPrograma {
public:
    // The full path of `nome` ("/" separators) inside the folder "imagens".
    static QString caminho(const QString& nome);

    // Loads the picture. A missing file raises EInOutError "O arquivo <path> não existe.",
    // and a file that is not a picture EInOutError "O arquivo <path> não pôde ser lido.".
    static QPixmap carrega(const QString& nome);
};
