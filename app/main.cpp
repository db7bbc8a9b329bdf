#include "TFAguarde.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacao(argc, argv);
    TFAguarde janela;
    janela.show();
    return aplicacao.exec();
}
