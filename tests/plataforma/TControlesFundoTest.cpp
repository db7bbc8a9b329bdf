#include "plataforma/TControles.h"
#include "plataforma/TFontePadrao.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// A parent of a ground unlike white and black, in the windows' face.
class Fundo : public ::testing::Test {
protected:
    QWidget pai;
    const QColor cinza{212, 208, 200};

    void SetUp() override
    {
        pai.setFont(TFontePadrao::fonte());
        pai.resize(200, 100);
        QPalette paleta = pai.palette();
        paleta.setColor(QPalette::Window, cinza);
        pai.setPalette(paleta);
        pai.setAutoFillBackground(true);
    }
};

} // namespace

TEST_F(Fundo, RotuloNegritoNaFonteDoPaiDoTamanhoDoTexto)
{
    const QString texto = QStringLiteral("Latitude:");
    QLabel* comum = TControles::rotulo(&pai, "comum", texto, 30, 10);
    QLabel* negrito = TControles::rotuloNegrito(&pai, "NomeCid", texto, 30, 40);
    EXPECT_EQ(negrito->objectName(), QStringLiteral("NomeCid"));
    EXPECT_EQ(negrito->pos(), QPoint(30, 40));
    EXPECT_EQ(negrito->text(), texto);
    EXPECT_TRUE(negrito->font().bold());
    EXPECT_FALSE(comum->font().bold());
    EXPECT_EQ(negrito->font().families(), pai.font().families());
    EXPECT_EQ(negrito->font().pixelSize(), 11);
    // Sized to its bold text, which is wider than the same text in the plain face.
    EXPECT_EQ(negrito->size(), negrito->sizeHint());
    EXPECT_GT(negrito->width(), comum->width());
}

TEST_F(Fundo, PainelBrancoSemMolduraSobreOFundoDoPai)
{
    QFrame* painel = TControles::painelBranco(&pai, "Panel8", QRect(20, 10, 100, 60));
    EXPECT_EQ(painel->objectName(), QStringLiteral("Panel8"));
    EXPECT_EQ(painel->geometry(), QRect(20, 10, 100, 60));
    EXPECT_EQ(painel->frameShape(), QFrame::NoFrame);
    const QImage figura = pai.grab().toImage();
    for (const QPoint p : {QPoint(20, 10), QPoint(119, 10), QPoint(20, 69), QPoint(119, 69), QPoint(70, 40)})
        EXPECT_EQ(figura.pixelColor(p), QColor(Qt::white)) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(19, 10), QPoint(120, 40), QPoint(70, 70)})
        EXPECT_EQ(figura.pixelColor(p), cinza) << p.x() << "," << p.y();
}

// A crosshair line and the coordinate label over it: each shows its own ground.
TEST_F(Fundo, PintaFundoDeCadaControle)
{
    auto* linha = TControles::nomeia(new QFrame(&pai), "EixoX");
    linha->setGeometry(0, 50, 200, 1);
    TControles::pintaFundo(linha, Qt::black);
    QLabel* rotulo = TControles::rotuloNegrito(&pai, "LabelLat", QStringLiteral("0000"), 72, 44);
    TControles::pintaFundo(rotulo, Qt::white);
    rotulo->raise();
    const QImage figura = pai.grab().toImage();
    EXPECT_EQ(figura.pixelColor(10, 50), QColor(Qt::black));
    EXPECT_EQ(figura.pixelColor(10, 49), cinza);
    EXPECT_EQ(figura.pixelColor(rotulo->geometry().topLeft()), QColor(Qt::white));
    EXPECT_EQ(figura.pixelColor(rotulo->geometry().topRight()), QColor(Qt::white));
    EXPECT_EQ(figura.pixelColor(rotulo->geometry().right() + 1, 50), QColor(Qt::black));
}
