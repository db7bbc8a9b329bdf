#include "rainfall_equations/FoSobreNimbra.h"

#include <QFile>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Bits per pixel from the header of a picture file of the platform's bitmap format.
int bitsPorPixel(const QByteArray& bmp)
{
    return static_cast<std::uint8_t>(bmp.at(28)) | static_cast<std::uint8_t>(bmp.at(29)) << 8;
}

} // namespace

TEST(TfrmFoSobreNimbra, FiguraPropriaSemBorda)
{
    TfrmFoSobreNimbra janela;
    EXPECT_EQ(janela.objectName(), QStringLiteral("frmFoSobreNimbra"));
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Sobre"));
    EXPECT_EQ(janela.size(), QSize(559, 340));
    EXPECT_TRUE(janela.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(janela.imgSplash->geometry(), QRect(0, 0, 559, 340));
    EXPECT_EQ(janela.imgSplash->pixmap().size(), QSize(559, 340));

    QFile figura(QStringLiteral(":/imagens/SobreNimbra.bmp"));
    ASSERT_TRUE(figura.open(QIODevice::ReadOnly));
    const QByteArray bytes = figura.readAll();
    ASSERT_GT(bytes.size(), 30);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(bitsPorPixel(bytes), 24);
}

TEST(TfrmFoSobreNimbra, CliqueOuTeclaFecha)
{
    const std::function<void(TfrmFoSobreNimbra&)> modos[] = {
        [](TfrmFoSobreNimbra& j) { QTest::mouseClick(j.imgSplash, Qt::LeftButton, {}, QPoint(300, 200)); },
        [](TfrmFoSobreNimbra& j) { QTest::mouseClick(&j, Qt::RightButton, {}, QPoint(5, 5)); },
        [](TfrmFoSobreNimbra& j) { QTest::keyClick(&j, Qt::Key_X); },
        [](TfrmFoSobreNimbra& j) { QTest::keyClick(&j, Qt::Key_Return); },
        [](TfrmFoSobreNimbra& j) { QTest::keyClick(&j, Qt::Key_Escape); },
    };
    for (const auto& modo : modos) {
        TfrmFoSobreNimbra janela;
        janela.show();
        modo(janela);
        EXPECT_FALSE(janela.isVisible());
    }

    // A key that types nothing leaves it open.
    TfrmFoSobreNimbra janela;
    janela.show();
    QTest::keyClick(&janela, Qt::Key_Left);
    QTest::keyClick(&janela, Qt::Key_Shift);
    EXPECT_TRUE(janela.isVisible());
}
