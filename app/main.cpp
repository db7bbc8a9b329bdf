#include "plataforma/TAplicacao.h"
#include "app/UnitMorlin.h"
#include "app/hh.h"

int main(int argc, char* argv[])
{
    hhInicializacao();
    int codigo = 0;
    {
        TAplicacao aplicacao(argc, argv);
        FPrincipal = new TFPrincipal;
        FPrincipal->show();
        codigo = aplicacao.exec();
        delete FPrincipal;
    }
    hhFinalizacao();
    return codigo;
}
