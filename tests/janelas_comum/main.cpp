#include "plataforma/TAplicacao.h"

#include <gtest/gtest.h>

// Window tests run without a display, under the program's own application object.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TAplicacao aplicacao(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
