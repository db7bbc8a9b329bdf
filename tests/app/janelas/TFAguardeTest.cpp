#include "TFAguarde.h"

#include <gtest/gtest.h>

TEST(TFAguarde, DizQueOProgramaEstaSendoConstruido)
{
    TFAguarde janela;
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Morlin"));
    EXPECT_TRUE(janela.text().contains(QStringLiteral("construído")));
}
