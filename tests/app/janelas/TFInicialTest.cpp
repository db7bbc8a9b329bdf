#include "tests/app/janelas/AmbienteJanelas.h"

#include <QDir>
#include <QTimerEvent>

class InicialTest : public JanelasTest {
protected:
    TFInicial* inicial = nullptr;

    void SetUp() override
    {
        JanelasTest::SetUp();
        inicial = new TFInicial;
        inicial->show();
    }

    void TearDown() override
    {
        delete inicial;
        JanelasTest::TearDown();
    }
};

TEST_F(InicialTest, FiguraSemMolduraComDuasZonasDeLigacao)
{
    EXPECT_TRUE(inicial->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(inicial->size(), QSize(600, 248));
    EXPECT_EQ(inicial->Image1->geometry(), QRect(0, 0, 600, 248));
    EXPECT_EQ(inicial->Image1->pixmap().size(), QSize(600, 248));
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(inicial->Imgsitevexo->geometry(), QRect(40, 176, 81, 65));
    EXPECT_EQ(inicial->Imgsitevexo->property("Tag").toInt(), 1);
    EXPECT_EQ(inicial->Imgsitekwel->geometry(), QRect(152, 176, 57, 65));
    EXPECT_EQ(inicial->Imgsitekwel->property("Tag").toInt(), 2);
}

TEST_F(InicialTest, FechaSozinhaPeloTemporizador)
{
    EXPECT_EQ(inicial->Timer1->interval(), 5000);
    EXPECT_TRUE(inicial->Timer1->isActive());
    // The same timer, made quick: what it does on firing is what matters here.
    inicial->Timer1->setInterval(20);
    ASSERT_TRUE(esperaAte([this] { return !inicial->isVisible(); }));
    EXPECT_FALSE(inicial->Timer1->isActive());
}

// The timer is the clock: a precise one of five seconds, running from the opening, keeps
// the picture open until it fires, and its firing closes the picture at once. The test
// fires it as the event loop would, without waiting the five seconds.
TEST(Inicial, SemNenhumaAcaoFechaCincoSegundosDepoisDeAberta)
{
    TFInicial inicial;
    inicial.show();
    ASSERT_TRUE(inicial.Timer1->isActive());
    EXPECT_EQ(inicial.Timer1->interval(), 5000);
    EXPECT_EQ(inicial.Timer1->timerType(), Qt::PreciseTimer);
    QCoreApplication::processEvents();
    EXPECT_TRUE(inicial.isVisible());

    QTimerEvent disparo(inicial.Timer1->timerId());
    QCoreApplication::sendEvent(inicial.Timer1, &disparo);
    EXPECT_FALSE(inicial.isVisible());
    EXPECT_FALSE(inicial.Timer1->isActive());
}

TEST_F(InicialTest, CliqueNaFiguraFechaEParaOTemporizador)
{
    QTest::mouseClick(inicial->Image1, Qt::LeftButton, {}, QPoint(400, 40));
    EXPECT_FALSE(inicial->isVisible());
    EXPECT_FALSE(inicial->Timer1->isActive());
}

TEST_F(InicialTest, CliqueNasZonasAbrePaginasSemFechar)
{
    QTest::mouseMove(inicial->Imgsitekwel, QPoint(10, 10));
    EXPECT_EQ(inicial->Imgsitevexo->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(inicial->Imgsitekwel->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(inicial->Imgsitevexo, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(inicial->Imgsitekwel, Qt::RightButton, {}, QPoint(10, 10));
    const QString pasta = QDir::currentPath() + "/web/";
    EXPECT_EQ(enderecos, (std::vector<QUrl>{QUrl::fromLocalFile(pasta + "citacao.html"),
                                            QUrl::fromLocalFile(pasta + "morlin.html")}));
    EXPECT_TRUE(inicial->isVisible());
    EXPECT_TRUE(inicial->Timer1->isActive());
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(InicialTest, PaginaQueNaoAbreEAvisada)
{
    respostaNavegador = false;
    QTest::mouseClick(inicial->Imgsitekwel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(mensagens, QStringList{"Não foi possível abrir a página escolhida."});
    EXPECT_TRUE(inicial->isVisible());
}
