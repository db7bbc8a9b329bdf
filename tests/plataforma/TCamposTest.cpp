#include "plataforma/TIniciaProcesso.h"
#include "plataforma/TLabeledEdit.h"
#include "plataforma/TMaskEdit.h"
#include "plataforma/TRadioGroup.h"

#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(TMaskEdit, TextoGuardaBrancosELiterais)
{
    TMaskEdit e;
    EXPECT_EQ(e.Text(), QStringLiteral("  °  '  \""));
    EXPECT_EQ(e.displayText(), QStringLiteral("__°__'__\""));
    e.setCursorPosition(0);
    QTest::keyClicks(&e, QStringLiteral("1234"));
    EXPECT_EQ(e.Text(), QStringLiteral("12°34'  \""));
    e.setText(QStringLiteral("20°10'30\""));
    EXPECT_EQ(e.Text(), QStringLiteral("20°10'30\""));
    e.setText(QStringLiteral("1 °  '5 \""));
    EXPECT_EQ(e.Text(), QStringLiteral("1 °  '5 \""));
    e.setText(QStringLiteral("12°34'56\"789"));
    EXPECT_EQ(e.Text(), QStringLiteral("12°34'56\""));
    e.clear();
    e.setCursorPosition(0);
    QTest::keyClicks(&e, QStringLiteral("ab-9"));  // only digits enter
    EXPECT_EQ(e.Text(), QStringLiteral("9 °  '  \""));
}

TEST(TLabeledEdit, RotuloAEsquerdaOuAcimaSegueAEdicao)
{
    QWidget pai;
    TLabeledEdit esquerda(QStringLiteral("LblEdtK"), QStringLiteral("K:"), TLabeledEdit::TPosicaoRotulo::lpLeft, &pai);
    esquerda.setGeometry(46, 68, 70, 21);
    esquerda.posicionaRotulo();
    QLabel* r = esquerda.EditLabel();
    EXPECT_EQ(r->objectName(), QStringLiteral("LblEdtKRotulo"));
    EXPECT_EQ(r->parentWidget(), &pai);
    EXPECT_EQ(r->geometry().right() + 1 + 3, 46);
    EXPECT_LE(std::abs(r->geometry().center().y() - esquerda.geometry().center().y()), 1);
    pai.show();
    esquerda.move(100, 10);
    EXPECT_EQ(r->geometry().right() + 1 + 3, 100);

    TLabeledEdit acima(QStringLiteral("LblEdtRVe"), QStringLiteral("Ve"), TLabeledEdit::TPosicaoRotulo::lpAbove, &pai);
    acima.setGeometry(70, 301, 70, 24);
    acima.show();
    EXPECT_EQ(acima.EditLabel()->x(), 70);
    EXPECT_EQ(acima.EditLabel()->geometry().bottom() + 1 + 3, 301);

    esquerda.hide();
    EXPECT_FALSE(r->isVisible());
    esquerda.show();
    EXPECT_TRUE(r->isVisible());
}

TEST(TRadioGroup, SoOUsuarioDisparaOClique)
{
    TRadioGroup g(QStringLiteral("Tipo"), {QStringLiteral("um"), QStringLiteral("dois")});
    QSignalSpy clique(&g, &TRadioGroup::Click);
    g.setItemIndex(1);
    EXPECT_EQ(g.ItemIndex(), 1);
    EXPECT_EQ(clique.count(), 0);
    g.item(0)->click();
    EXPECT_EQ(g.ItemIndex(), 0);
    EXPECT_EQ(clique.count(), 1);
    g.item(0)->click();  // already chosen: nothing changes
    EXPECT_EQ(clique.count(), 1);
    g.setItemIndex(-1);
    EXPECT_EQ(g.ItemIndex(), -1);
}

TEST(TIniciaProcesso, ProgramaInexistenteNaoInicia)
{
    EXPECT_EQ(TIniciaProcesso::inicia(QStringLiteral("/nao/existe/Quelvo")), TIniciaProcesso::TResultado::inexistente);
    QString pedido;
    TIniciaProcesso::substitui([&](const QString& programa) {
        pedido = programa;
        return TIniciaProcesso::TResultado::iniciado;
    });
    EXPECT_EQ(TIniciaProcesso::inicia(QStringLiteral("/x/y")), TIniciaProcesso::TResultado::iniciado);
    EXPECT_EQ(pedido, QStringLiteral("/x/y"));
    TIniciaProcesso::substitui({});
}
