// The platform layers the consultation stands on: the list that never sorts and the
// picture whose pixels can be read.
#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/TImagem.h"
#include "plataforma/TListBox.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(TListBox, PosicaoForaDaListaNaoSelecionaNadaEClickEhSoDoUsuario)
{
    TListBox lista;
    lista.resize(200, 120);
    lista.setItemHeight(13);
    for (const char* nome : {"Zé", "Ana", "Álvaro"})
        lista.addItem(QString::fromUtf8(nome));
    EXPECT_EQ(lista.item(0)->text(), QStringLiteral("Zé"));
    EXPECT_EQ(lista.ItemIndex(), -1);
    EXPECT_EQ(lista.sizeHintForRow(1), 13);

    QSignalSpy cliques(&lista, &TListBox::Click);
    lista.setItemIndex(2);
    EXPECT_EQ(lista.ItemIndex(), 2);
    lista.setItemIndex(3);
    EXPECT_EQ(lista.ItemIndex(), -1);
    lista.setItemIndex(1);
    lista.setItemIndex(-1);
    EXPECT_EQ(lista.ItemIndex(), -1);
    EXPECT_EQ(cliques.count(), 0);

    lista.show();
    QTest::mouseClick(lista.viewport(), Qt::LeftButton, {}, lista.visualItemRect(lista.item(1)).center());
    EXPECT_EQ(lista.ItemIndex(), 1);
    EXPECT_EQ(cliques.count(), 1);
    QTest::keyClick(&lista, Qt::Key_Down);
    EXPECT_EQ(lista.ItemIndex(), 2);
    EXPECT_EQ(cliques.count(), 2);
    // At the end of the list the key changes nothing.
    QTest::keyClick(&lista, Qt::Key_Down);
    EXPECT_EQ(cliques.count(), 2);
}

TEST(TImagem, PixelsDaFiguraEMouseEmPixelsDaFigura)
{
    TImagem imagem;
    imagem.resize(20, 10);
    QImage figura(20, 10, QImage::Format_RGB32);
    figura.fill(qRgb(255, 255, 255));
    figura.setPixel(3, 4, qRgb(0, 0, 255));
    imagem.defineFigura(figura);
    EXPECT_EQ(imagem.Pixels(3, 4), qRgb(0, 0, 255));
    EXPECT_EQ(imagem.Pixels(0, 0), qRgb(255, 255, 255));
    EXPECT_FALSE(imagem.Pixels(20, 0));
    EXPECT_FALSE(imagem.Pixels(-1, 5));

    QSignalSpy movimentos(&imagem, &TImagem::MouseMove);
    QSignalSpy soltos(&imagem, &TImagem::MouseUp);
    QMouseEvent movimento(QEvent::MouseMove, QPointF(3, 4), imagem.mapToGlobal(QPointF(3, 4)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&imagem, &movimento);
    ASSERT_EQ(movimentos.count(), 1);
    EXPECT_EQ(movimentos[0][1].toInt(), 3);
    EXPECT_EQ(movimentos[0][2].toInt(), 4);
    QMouseEvent solto(QEvent::MouseButtonRelease, QPointF(7, 2), imagem.mapToGlobal(QPointF(7, 2)), Qt::RightButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&imagem, &solto);
    ASSERT_EQ(soltos.count(), 1);
    EXPECT_EQ(soltos[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(soltos[0][2].toInt(), 7);
    EXPECT_EQ(soltos[0][3].toInt(), 2);
}

TEST(TImagem, ArquivoQueNaoEhFiguraEhRecusadoEAFiguraFica)
{
    TImagem imagem;
    QImage figura(4, 4, QImage::Format_RGB32);
    figura.fill(qRgb(0, 0, 255));
    imagem.defineFigura(figura);
    QTemporaryDir pasta;
    const QString ausente = pasta.path() + QStringLiteral("/XX.bmp");
    try {
        imagem.carregaArquivo(ausente);
        ADD_FAILURE();
    } catch (const EInOutError& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("O arquivo ") + ausente + QStringLiteral(" não pôde ser lido."));
    }
    EXPECT_EQ(imagem.Pixels(0, 0), qRgb(0, 0, 255));
}
