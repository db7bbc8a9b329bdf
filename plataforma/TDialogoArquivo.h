#pragma once
// The open and save dialogs of the project files. Tests answer them themselves, so no
// test waits for a person.
#include <QString>

#include <functional>

class QWidget;

class TDialogoArquivo {
public:
    enum class TTipo { abrir, salvar };

    // The chosen file's full path, or an empty text when the user cancels. Neither dialog
    // insists on an existing file; the save dialog neither asks before an existing file
    // is chosen nor adds an extension: the caller asks once the name is final.
    static QString abre(QWidget* pai, const QString& pastaInicial, const QString& filtro);
    // `sugestao`, when given, is the file the save dialog opens on (its folder and name).
    static QString salva(QWidget* pai, const QString& filtro, const QString& sugestao = QString());

    // For tests: `resposta` answers every dialog in place of the person. An empty
    // function brings the dialogs back.
    static void substitui(std::function<QString(TTipo)> resposta);
};
