#include "plataforma/TAplicacao.h"
#include "tests/app/x11/TelaX.h"

#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <iostream>

namespace {

// The window manager is started beside the X server and may still be taking the screen.
bool esperaGerenteDeJanelas()
{
    TTelaX tela;
    for (QDeadlineTimer prazo(10000); !prazo.hasExpired(); QThread::msleep(20))
        if (tela.temGerenteDeJanelas())
            return true;
    return false;
}

} // namespace

// Window tests on a real X server under a window manager, which the test run starts.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    TAplicacao aplicacao(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (!esperaGerenteDeJanelas()) {
        std::cerr << "Nenhum gerenciador de janelas na tela " << qgetenv("DISPLAY").toStdString() << ".\n";
        return 1;
    }
    return RUN_ALL_TESTS();
}
