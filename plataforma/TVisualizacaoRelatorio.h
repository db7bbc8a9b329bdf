#pragma once
// The preview of a report: its pages at their real size in a maximised window, with the
// commands to print them (on a printer or into a PDF file), to set up the page and to
// zoom.
#include <QDialog>

class QAction;
class QPrintPreviewWidget;
class QToolBar;
class TProjetoRelatorio;

class TVisualizacaoRelatorio : public QDialog {
    Q_OBJECT
public:
    TVisualizacaoRelatorio(const TProjetoRelatorio& projeto, QWidget* pai = nullptr);

    const TProjetoRelatorio& projeto() const { return projeto_; }

    QPrintPreviewWidget* Previa;
    QToolBar* Ferramentas;
    QAction* Imprimir;
    QAction* ConfigurarPagina;
    QAction* Aumentar;
    QAction* Diminuir;
    QAction* TamanhoReal;
    QAction* PaginaInteira;
    QAction* Fechar;

private:
    const TProjetoRelatorio& projeto_;

    QAction* acao(const QString& texto, const char* nome, const QKeySequence& atalho = {});
    void imprimeClick();
    void configuraPaginaClick();
};
