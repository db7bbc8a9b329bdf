// Draws the program's own pictures: the start-up picture, the field-notebook page and the
// tool-bar icons, into the folder "imagens" beside the program. The field-notebook page
// also goes, as PNG, into a second folder, from which the program keeps a copy inside itself.
#include "tools/imagens_programa/Desenhos.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool grava(const QImage& figura, const QString& caminho)
{
    if (figura.save(caminho))
        return true;
    std::fprintf(stderr, "não foi possível gravar %s\n", qPrintable(caminho));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication aplicacao(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: imagens_programa <pasta imagens> <pasta embutidas>\n");
        return 2;
    }
    const QString pasta = QString::fromLocal8Bit(argv[1]);
    const QString embutidas = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(pasta + "/icones");
    QDir().mkpath(embutidas);

    bool certo = grava(desenhaAbertura(), pasta + "/Abertura Morlin.bmp");
    const QImage caderneta = desenhaCaderneta();
    certo = grava(caderneta, pasta + "/Caderneta.bmp") && certo;
    certo = grava(caderneta, embutidas + "/Caderneta.png") && certo;
    for (const TIcone& icone : desenhaIcones()) {
        certo = grava(icone.figura, pasta + "/icones/" + icone.nome + ".png") && certo;
        certo = grava(desativada(icone.figura), pasta + "/icones/" + icone.nome + "_desativado.png") && certo;
    }
    return certo ? 0 : 1;
}
