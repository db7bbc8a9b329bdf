#pragma once
// The help window: one top-level window for the whole program, showing a topic of a
// help file with a small bar to go back, forward and to the file's first topic.
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

private:
    bool abreArquivo(const std::string& caminhoArquivo);
    void mostraInicio();
    void atualizaTitulo();

    TNavegadorAjuda* navegador;
    QAction* acaoInicio;
};
