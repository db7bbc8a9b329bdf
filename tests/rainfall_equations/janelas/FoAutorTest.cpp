#include "FoAutor.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(TfrmFoAutor, TresLinhasDaReferenciaEOkQueFecha)
{
    TfrmFoAutor janela;
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Autor"));
    EXPECT_EQ(janela.size(), QSize(547, 144));
    EXPECT_TRUE(janela.font().bold());
    EXPECT_FALSE(janela.Autor->font().bold());
    EXPECT_TRUE(janela.Livro->font().bold());
    EXPECT_FALSE(janela.Pagina->font().bold());
    EXPECT_EQ(janela.Livro->geometry(), QRect(10, 25, 519, 39));
    EXPECT_EQ(janela.Pagina->geometry(), QRect(10, 62, 527, 35));
    EXPECT_TRUE(janela.Livro->wordWrap());
    EXPECT_EQ(janela.OK->text(), QStringLiteral("&Ok"));
    EXPECT_TRUE(janela.OK->isDefault());

    janela.show();
    janela.OK->click();
    EXPECT_EQ(janela.result(), QDialog::Accepted);
    EXPECT_FALSE(janela.isVisible());
}
