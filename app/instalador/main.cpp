// The shared-data installer. The lookup starts it from the program's window, so it tells
// the user what it did in a message box rather than on a console nobody sees, and ends.
#include "plataforma/TCaixaMensagem.h"
#include "app/instalador/nucleo/TInstaladorArquivosComuns.h"
#include "rainfall_equations/nucleo/UnBD.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication aplicacao(argc, argv);
    aplicacao.setApplicationName(QStringLiteral("Instalação dos arquivos comuns"));
    // Tests run the program itself and read its message on the standard output.
    if (!qEnvironmentVariableIsEmpty("MORLIN_MENSAGEM_NA_SAIDA"))
        TCaixaMensagem::substitui([](const QString& texto) { std::fputs(texto.toUtf8().constData(), stdout); }, {});
    const TResultadoInstalacao resultado = TInstaladorArquivosComuns(pastaCopiaNimbra(), pastaDadosNimbra()).instala();
    TCaixaMensagem::mostra(QString::fromStdString(resultado.mensagem));
    return resultado.instalado ? 0 : 1;
}
