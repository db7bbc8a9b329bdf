#pragma once
// The page of the help window: shows the topics of one help file and reads every page,
// picture and style sheet they name from inside that file, so links between topics work.
#include "app/hhctrl/TArquivoAjuda.h"

#include <QTextBrowser>

#include <memory>

class TNavegadorAjuda : public QTextBrowser {
public:
    explicit TNavegadorAjuda(QWidget* pai = nullptr);

    // Takes the file whose topics are shown from now on; the history starts afresh.
    void defineArquivo(std::unique_ptr<TArquivoAjuda> novo);
    const TArquivoAjuda* arquivo() const;

    // Shows a stored topic ("/topico.htm" or "/topico.htm#marca").
    void mostraTopico(const std::string& topico);
    // Shows a message page in place of a topic.
    void mostraMensagem(const QString& titulo, const QString& texto);

    QVariant loadResource(int tipo, const QUrl& nome) override;

private:
    std::unique_ptr<TArquivoAjuda> arquivoAtual;
};
