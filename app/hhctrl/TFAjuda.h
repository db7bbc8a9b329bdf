#pragma once
// The help window: one window for the whole program, showing a topic of a help file with
// a small bar to go back, forward and to the file's first topic.
#include <QMainWindow>

#include <cstdint>
#include <string>

class QAction;
class TNavegadorAjuda;

class TFAjuda : public QMainWindow {
public:
    explicit TFAjuda(QWidget* pai = nullptr);

    // Shows the topic of a context number of the help file. When the file or the topic
    // is missing the window says so, and the answer is false.
    bool mostraContexto(const std::string& caminhoArquivo, std::uint32_t contexto);

    // Brings the window to the front, active. A modal window leaves usable only the windows
    // that are its own: while `janelaModal` is open the help window is one of them and stays
    // above it, and once it closes the help window stands alone again, where it was, still
    // on show but behind the window the user goes back to.
    void mostraNaFrente(QWidget* janelaModal);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void passaPara(QWidget* dono);
    void deixaJanelaFechada();
    bool abreArquivo(const std::string& caminhoArquivo);
    void mostraInicio();
    void atualizaTitulo();

    TNavegadorAjuda* navegador;
    QAction* acaoInicio;
};
