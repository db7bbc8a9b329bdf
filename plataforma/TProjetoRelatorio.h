#pragma once
// A report fed with named text parameters and drawn by a layout of our own. Executing it
// opens the preview (TVisualizacaoRelatorio), from which the user prints on a printer or
// into a PDF file; the call returns when the preview is closed, so whatever the
// parameters name (a picture file, say) is read during the call and never afterwards.
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QPrinter;
class QWidget;
class TLayoutRelatorio;

class TProjetoRelatorio {
public:
    explicit TProjetoRelatorio(const TLayoutRelatorio& layout);

    // A parameter set again keeps its place and takes the new value.
    void setParametro(const QString& nome, const QString& valor);
    // The value of `nome`; empty when it was never set.
    QString parametro(const QString& nome) const;
    // The parameters in the order they were first set.
    const std::vector<std::pair<QString, QString>>& parametros() const { return parametros_; }

    const TLayoutRelatorio& layout() const { return layout_; }

    void executa(QWidget* pai = nullptr);

    // Every page on `impressora`, under a status window that names the page being
    // printed (or generated, for a file). A printer that cannot start the job raises
    // EInOutError.
    void imprime(QPrinter& impressora) const;

    // Every page on a printer whose job has been started elsewhere (the preview's).
    void desenhaPaginas(QPrinter& impressora) const;

    // For tests: `execucao` runs instead of the preview (it may record the parameters,
    // print into a PDF file with imprime, or fail). An empty function brings the preview
    // back.
    static void substituiExecucao(std::function<void(TProjetoRelatorio&)> execucao);

private:
    const TLayoutRelatorio& layout_;
    std::vector<std::pair<QString, QString>> parametros_;

    void desenhaPaginas(QPrinter& impressora, const std::function<void(int)>& antesDaPagina) const;
};
