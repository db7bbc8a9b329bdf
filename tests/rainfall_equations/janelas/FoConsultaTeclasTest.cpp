// The keyboard in the consultation: every Alt+letter runs its menu item or control, the
// buttons that share a letter with a menu title stay reachable by Tab and Space, and every
// caption shows whole.
#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"
#include "plataforma/TMaskEdit.h"
#include "plataforma/TProjetoRelatorio.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

#include <functional>

class TeclasConsultaTest : public ConsultaTest {
protected:
    int relatorios = 0;

    void SetUp() override
    {
        ConsultaTest::SetUp();
        TProjetoRelatorio::substituiExecucao([this](TProjetoRelatorio&) { ++relatorios; });
    }

    void TearDown() override
    {
        TProjetoRelatorio::substituiExecucao({});
        ConsultaTest::TearDown();
    }

    // The consultation on show in Minas Gerais, active, with nothing asked of it yet.
    TfrmFoConsulta& ativa()
    {
        TfrmFoConsulta& j = cria();
        EXPECT_TRUE(mostra());
        j.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&j));
        ajuda.clear();
        return j;
    }

    // A key of the user, through the window, as the keyboard sends it.
    static void tecla(TfrmFoConsulta& j, Qt::Key k, Qt::KeyboardModifiers modificadores = Qt::NoModifier)
    {
        QTest::keyClick(j.windowHandle(), k, modificadores);
    }
};

// Alt+R and Alt+A, which a button shares with a menu title, run the menu; Alt+M runs its
// item; the captions' letters take the focus to their controls.
TEST_F(TeclasConsultaTest, CadaAltLetraExecutaSeuMenuOuControle)
{
    TfrmFoConsulta& j = ativa();

    tecla(j, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(relatorios, 1);

    tecla(j, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(esperaAte([&j] { return QApplication::activePopupWidget() == j.Ajuda1; }));
    QTest::keyClick(j.Ajuda1, Qt::Key_Escape);
    QTest::keyClick(j.MainMenu1, Qt::Key_Escape);
    ASSERT_TRUE(esperaAte([] { return QApplication::activePopupWidget() == nullptr; }));
    EXPECT_TRUE(ajuda.empty());

    const struct {
        Qt::Key letra;
        QWidget* foco;
    } focos[] = {
        {Qt::Key_E, j.Estados},   {Qt::Key_T, j.Estados},   {Qt::Key_L, j.Estados},
        {Qt::Key_U, j.PrecLaAux}, {Qt::Key_O, j.PrecLoAux},
    };
    for (const auto& caso : focos) {
        j.BtnOk->setFocus();
        tecla(j, caso.letra, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), caso.foco) << QKeySequence(caso.letra).toString().toStdString();
    }

    // "&Calcular" and "&Cancelar" share their letter: it goes from one to the other,
    // pressing neither.
    tecla(j, Qt::Key_C, Qt::AltModifier);
    QWidget* primeiro = QApplication::focusWidget();
    tecla(j, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(QSet<QWidget*>({primeiro, QApplication::focusWidget()}), QSet<QWidget*>({j.Calculalalo, j.BtnCancel}));
    EXPECT_TRUE(j.isVisible());

    tecla(j, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
    EXPECT_EQ(j.Estados->currentIndex(), 0);

    EXPECT_EQ(relatorios, 1);
    escolheEstado(12);
    tecla(j, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(esperaAte([&j] { return !j.isVisible(); }));
    EXPECT_EQ(j.result(), TfrmFoConsulta::mrOk);
}

TEST_F(TeclasConsultaTest, BotoesDeRelatorioEAjudaPorTabEEspaco)
{
    TfrmFoConsulta& j = ativa();
    j.Calculalalo->setFocus();
    tecla(j, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), j.BtnRelat);
    tecla(j, Qt::Key_Space);
    EXPECT_EQ(relatorios, 1);
    tecla(j, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), j.BtnAjuda);
    tecla(j, Qt::Key_Space);
    EXPECT_EQ(ajuda, (std::vector<TPedidoAjuda>{{1, 7}}));
    // Their captions keep the underlined letter.
    EXPECT_EQ(j.BtnRelat->text(), QStringLiteral("&Relatório"));
    EXPECT_EQ(j.BtnAjuda->text(), QStringLiteral("&Ajuda"));
}

// The consultation opens with the keyboard on the state list.
TEST_F(TeclasConsultaTest, ConsultaAbreComOTecladoNaListaDeEstados)
{
    cria();
    QWidget* foco = nullptr;
    EXPECT_EQ(executaModal([&] {
                  EXPECT_TRUE(esperaAte([this] { return QApplication::activeWindow() == janela.get(); }));
                  foco = QApplication::focusWidget();
                  janela->BtnCancel->click();
              }),
              TfrmFoConsulta::mrCancel);
    EXPECT_EQ(foco, janela->Estados);
}

// No caption (a label ending in a colon) runs under the control beside it: "Estados :"
// ends before the state list.
TEST_F(TeclasConsultaTest, LegendasInteiras)
{
    TfrmFoConsulta& j = ativa();
    QStringList cortadas;
    for (const QLabel* legenda : j.findChildren<QLabel*>()) {
        if (!legenda->isVisible() || !legenda->text().endsWith(QLatin1Char(':')))
            continue;
        const QRect texto(legenda->mapTo(&j, QPoint(0, 0)), legenda->sizeHint());
        if (legenda->width() < legenda->sizeHint().width())
            cortadas << legenda->text() + " corta o texto";
        for (const QWidget* outro : j.findChildren<QWidget*>()) {
            if (outro == legenda || !outro->isVisible() || outro->isAncestorOf(legenda) || legenda->isAncestorOf(outro)
                || qobject_cast<const QLabel*>(outro) != nullptr || outro->parentWidget()->inherits("QComboBox"))
                continue;
            if (QRect(outro->mapTo(&j, QPoint(0, 0)), outro->size()).intersects(texto))
                cortadas << legenda->text() + " fica sob " + outro->objectName();
        }
    }
    EXPECT_TRUE(cortadas.isEmpty()) << cortadas.join("; ").toStdString();
}
