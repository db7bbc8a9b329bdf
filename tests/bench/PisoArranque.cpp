// The floor the program's start-up is timed against: the least a Qt program here shows, a
// bare main window with one menu, marked at the first turn of its event loop as the program
// marks its own start-up.
#include "plataforma/TMarcaArranque.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication aplicacao(argc, argv);
    QMainWindow janela;
    janela.menuBar()->addMenu(QStringLiteral("&Projeto"));
    janela.show();
    TMarcaArranque::agenda();
    return QApplication::exec();
}
