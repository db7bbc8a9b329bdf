#include "tests/app/janelas/AmbienteJanelas.h"

#include "plataforma/TImagemPrograma.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>

class CadernetaTest : public JanelasTest {
protected:
    void SetUp() override
    {
        JanelasTest::SetUp();
        iniciaPrincipal();
        FPrincipal->CadernetadeCampo1->trigger();
        ASSERT_TRUE(FCadernetaDeCampo);
    }
};

TEST_F(CadernetaTest, JanelaComBotoesEAFiguraDaCaderneta)
{
    TFCadernetaDeCampo* c = FCadernetaDeCampo;
    EXPECT_EQ(c->windowTitle(), "Caderneta de campo");
    EXPECT_EQ(c->size(), QSize(712, 555));
    EXPECT_EQ(c->Panel1->height(), 25);
    EXPECT_EQ(c->Button1->text(), "Ajuda");
    EXPECT_EQ(c->Button2->text(), "Imprimir");
    EXPECT_EQ(c->Button1->geometry().right(), c->Panel1->width() - 1);
    EXPECT_EQ(c->Button2->geometry().right() + 1, c->Button1->x());
    EXPECT_EQ(c->Button1->size(), QSize(75, 25));
    EXPECT_EQ(c->ScrollBox1->widget(), c->Image1);
    const QPixmap arquivo(TImagemPrograma::caminho("Caderneta.bmp"));
    ASSERT_FALSE(arquivo.isNull());
    EXPECT_EQ(c->Image1->pixmap().toImage(), arquivo.toImage());
    EXPECT_EQ(c->Image1->size(), arquivo.size());
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(CadernetaTest, FiguraEmbutidaParaQuandoFaltaOArquivo)
{
    TFCadernetaDeCampo naoMostrada;
    EXPECT_EQ(naoMostrada.Image1->pixmap().size(), QSize(714, 1020));
}

TEST_F(CadernetaTest, AjudaAbreOContexto10007)
{
    FCadernetaDeCampo->Button1->click();
    EXPECT_EQ(contextosPedidos(), std::vector<std::uintptr_t>{10007});
}

TEST_F(CadernetaTest, ImpressaoCanceladaAvisaENaoImprime)
{
    QTemporaryDir pasta;
    const QString pdf = pasta.filePath("caderneta.pdf");
    respostaDialogo = [&pdf](QPrinter& impressora) {
        impressora.setOutputFileName(pdf);
        return false;
    };
    FCadernetaDeCampo->Button2->click();
    EXPECT_EQ(mensagens, QStringList{"Operação Cancelada"});
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(CadernetaTest, ImprimeUmaFolhaEmPdf)
{
    QTemporaryDir pasta;
    const QString pdf = pasta.filePath("caderneta.pdf");
    respostaDialogo = [&pdf](QPrinter& impressora) {
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        return true;
    };
    FCadernetaDeCampo->Button2->click();
    EXPECT_TRUE(mensagens.isEmpty());
    QFile arquivo(pdf);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QString conteudo = QString::fromLatin1(arquivo.readAll());
    EXPECT_TRUE(conteudo.startsWith("%PDF"));
    EXPECT_EQ(conteudo.count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
    TImpressora::impressora().setOutputFileName({});
}
