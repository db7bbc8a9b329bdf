#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"
#include "plataforma/TImagem.h"
#include "plataforma/TMaskEdit.h"
#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/nucleo/TPosicaoEixos.h"
#include "tests/rainfall_equations/nucleo/ComumConsulta.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>

TEST_F(ConsultaTest, SetLatitudeELongitudeComAFiguraNaTela)
{
    cria();
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    LimitesMapa = limitesRedondos;

    j.setLatitude("15°00'00\"");
    EXPECT_EQ(j.TxtLatitude, "15°00'00\"");
    EXPECT_EQ(j.LatitudeDec, 15.0);
    j.setLatitude("20°30'00\"");
    EXPECT_EQ(j.LatitudeDec, 20.5);
    j.setLongitude("50°30'00\"");
    EXPECT_EQ(j.TxtLongitude, "50°30'00\"");
    EXPECT_EQ(j.LongitudeDec, 50.5);
    // Minutes above 59 are taken as they come.
    j.setLatitude("19°75'00\"");
    EXPECT_EQ(j.LatitudeDec, 20.25);

    EXPECT_EQ(mensagemDe([&] { j.setLatitude("20°30'01\""); }), "Latitude 20°30'01\" não definida.");
    EXPECT_EQ(mensagemDe([&] { j.setLatitude("14°59'59\""); }), "Latitude 14°59'59\" não definida.");
    EXPECT_EQ(mensagemDe([&] { j.setLongitude("39°59'59\""); }), "Longitude 39°59'59\" não definida.");
    EXPECT_EQ(j.TxtLatitude, "19°75'00\"");
    EXPECT_EQ(j.LatitudeDec, 20.25);
    EXPECT_EQ(j.TxtLongitude, "50°30'00\"");
    EXPECT_THROW(j.setLongitude(CoordenadaVazia), EConvertError);
    EXPECT_EQ(j.TxtLongitude, "50°30'00\"");
}

TEST_F(ConsultaTest, NoMapaDoBrasilQualquerTextoQueConverteEhAceito)
{
    cria({.IndEstado = 8});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    ASSERT_TRUE(j.EstadoBMP->isHidden());
    j.setLatitude("01°00'00\"");
    j.setLongitude("99°99'99\"");
    EXPECT_EQ(j.TxtLatitude, "01°00'00\"");
    EXPECT_EQ(j.LatitudeDec, 1.0);
    EXPECT_EQ(j.TxtLongitude, "99°99'99\"");
    EXPECT_THROW(j.setLatitude("2x°00'00\""), EConvertError);
    EXPECT_EQ(j.TxtLatitude, "01°00'00\"");
}

TEST_F(ConsultaTest, SetLatitudeDecTruncaEDentroDosLimites)
{
    cria();
    TfrmFoConsulta& j = *janela;
    LimitesMapa = limitesRedondos;
    j.setLatitudeDec(15.2);
    EXPECT_EQ(j.TxtLatitude, "15°11'59\"");
    EXPECT_EQ(j.LatitudeDec, 15.2);
    j.setLongitudeDec(45.999999);
    EXPECT_EQ(j.TxtLongitude, "45°59'59\"");

    // Outside the bounds nothing changes, picture on show or not.
    j.setLatitudeDec(20.5000001);
    j.setLongitudeDec(39.9);
    EXPECT_EQ(j.TxtLatitude, "15°11'59\"");
    EXPECT_EQ(j.LatitudeDec, 15.2);
    EXPECT_EQ(j.TxtLongitude, "45°59'59\"");
    j.setLatitudeDec(20.5);
    EXPECT_EQ(j.TxtLatitude, "20°30'00\"");
}

TEST_F(ConsultaTest, PixelECoordenadasNosDoisSentidos)
{
    cria();
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    const TLimitesMapa mg = *limitesMapaDoEstado(12);
    ASSERT_EQ(LimitesMapa, mg);
    // The middle of the bounds lies on the middle of their pixels.
    j.LatitudeDec = (mg.LatNorte + mg.LatSul) / 2;
    j.LongitudeDec = (mg.LonLeste + mg.LonOeste) / 2;
    j.pontoDasCoordenadas();
    EXPECT_NEAR(PontoX, 16 + 210, 1e-9);
    EXPECT_NEAR(PontoY, 64 + 163.5, 1e-9);
    // The crosshair goes to the nearest pixel, an exact half to the even one.
    PontoX = 200.5;
    PontoY = 101.5;
    j.posicionaEixos();
    EXPECT_EQ(j.EixoY->x(), 200);
    EXPECT_EQ(j.EixoX->y(), 102);
    EXPECT_EQ(j.LabelLon->pos(), QPoint(205, 15));

    // The read-out of that pixel gives back the coordinates, truncated.
    ASSERT_TRUE(azul(j.EstadoBMP, 226, 228));
    moveMouse(j.EstadoBMP, 226, 228);
    EXPECT_EQ(j.PrecLaAux->Text().toStdString(), formataCoordenada(*mg.latitudeDaLinha(228)));
    EXPECT_EQ(j.PrecLoAux->Text().toStdString(), formataCoordenada(*mg.longitudeDaColuna(226)));
    EXPECT_NEAR(leCoordenada(j.PrecLaAux->Text().toStdString()), *mg.latitudeDaLinha(228), 1.0 / 3600);
}

TEST_F(ConsultaTest, MouseDoEstadoParaABordaZeraOsCamposEMudaOCursor)
{
    cria();
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    const TLimitesMapa mg = *limitesMapaDoEstado(12);
    // A blue pixel with a pixel of another colour just right of it: the state's border.
    int x = 226;
    const int y = 227;
    while (azul(j.EstadoBMP, x + 1, y))
        ++x;
    ASSERT_TRUE(azul(j.EstadoBMP, x, y));
    j.TxtLatitude = "19°00'00\"";

    moveMouse(j.EstadoBMP, x, y);
    EXPECT_EQ(j.EstadoBMP->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(j.PrecLaAux->Text().toStdString(), formataCoordenada(*mg.latitudeDaLinha(y)));
    EXPECT_EQ(j.PrecLoAux->Text().toStdString(), formataCoordenada(*mg.longitudeDaColuna(x)));
    // Only the edits follow the mouse.
    EXPECT_EQ(j.TxtLatitude, "19°00'00\"");

    moveMouse(j.EstadoBMP, x + 1, y);
    EXPECT_EQ(j.EstadoBMP->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(j.PrecLaAux->Text(), QString::fromStdString(CoordenadaZero));
    EXPECT_EQ(j.PrecLoAux->Text(), QString::fromStdString(CoordenadaZero));

    moveMouse(j.EstadoBMP, x, y);
    EXPECT_EQ(j.EstadoBMP->cursor().shape(), Qt::CrossCursor);
    j.EstadoBMPMouseMove(460, 10);
    EXPECT_EQ(j.EstadoBMP->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(j.PrecLaAux->Text(), QString::fromStdString(CoordenadaZero));
}

TEST_F(ConsultaTest, EixosERotulosNosLimitesDaPosicao)
{
    cria();
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    const struct {
        int x, y;
        QPoint lon, lat;
    } casos[] = {
        {200, 101, {205, 15}, {10, 81}},
        {201, 101, {139, 15}, {10, 81}},
        {200, 100, {205, 420}, {10, 80}},
        {100, 30, {105, 420}, {385, 40}},
    };
    for (const auto& c : casos) {
        j.posicionaEixosEm(c.x, c.y);
        EXPECT_EQ(j.EixoY->geometry(), QRect(c.x, 0, 1, 450));
        EXPECT_EQ(j.EixoX->geometry(), QRect(0, c.y, 450, 1));
        EXPECT_EQ(j.LabelLon->pos(), c.lon) << c.x << "," << c.y;
        EXPECT_EQ(j.LabelLat->pos(), c.lat) << c.x << "," << c.y;
        for (QWidget* w : std::initializer_list<QWidget*>{j.EixoX, j.EixoY, j.LabelLon, j.LabelLat})
            EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    }

    // The place block of the map of Brazil.
    j.mostraCidade();
    for (QWidget* w : std::initializer_list<QWidget*>{j.NomeCid, j.LatCid, j.LonCid, j.LabelLatitude, j.LabelLongitude,
                                                     j.LabelLat, j.LabelLon})
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_TRUE(j.EixoX->isHidden());
    EXPECT_TRUE(j.EixoY->isHidden());
    EXPECT_EQ(j.LabelLat->pos(), QPoint(71, 43));
    EXPECT_EQ(j.LabelLon->pos(), QPoint(71, 58));
}

TEST_F(ConsultaTest, TeclaNumCampoDeCoordenadaEscondeEixosERotulos)
{
    cria();
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    const QList<QWidget*> escondidos{j.NomeCid, j.LatCid, j.LonCid, j.LabelLatitude, j.LabelLongitude,
                                     j.EixoX,   j.EixoY,  j.LabelLon, j.LabelLat};
    const struct {
        TMaskEdit* campo;
        Qt::Key tecla;
    } casos[] = {{j.PrecLaAux, Qt::Key_2}, {j.PrecLoAux, Qt::Key_A}, {j.PrecLoAux, Qt::Key_Backspace}};
    j.PrecLaAux->setText(QString::fromStdString(CoordenadaZero));
    for (const auto& c : casos) {
        j.posicionaEixosEm(120, 200);
        j.mostraCidade();
        j.posicionaEixosEm(120, 200);
        c.campo->setFocus();
        c.campo->setCursorPosition(0);
        QTest::keyClick(c.campo, c.tecla);
        for (QWidget* w : escondidos)
            EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString() << " " << c.tecla;
    }
    // The key itself goes on to the edit, whose mask keeps only digits.
    EXPECT_EQ(j.PrecLaAux->Text(), QStringLiteral("20°00'00\""));
}
