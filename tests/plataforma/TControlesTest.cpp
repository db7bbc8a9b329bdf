// The control kit the windows build with.
#include "plataforma/TControles.h"
#include "plataforma/TFontePadrao.h"

#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(TControles, BotaoSemPadraoNaoTomaOEnterDeOutroControle)
{
    for (bool semPadrao : {true, false}) {
        SCOPED_TRACE(semPadrao);
        QDialog dialogo;
        auto* edicao = new QLineEdit(&dialogo);
        const QRect area(10, 40, 75, 25);
        QPushButton* b = semPadrao ? TControles::botaoSemPadrao(&dialogo, "BttCalcula", QStringLiteral("Calcular"), area)
                                   : TControles::botao(&dialogo, "BttCalcula", QStringLiteral("Calcular"), area);
        QSignalSpy cliques(b, &QPushButton::clicked);
        dialogo.show();
        edicao->setFocus();
        QTest::keyClick(edicao, Qt::Key_Return);
        EXPECT_EQ(cliques.count(), semPadrao ? 0 : 1);
        EXPECT_EQ(b->objectName(), QStringLiteral("BttCalcula"));
        EXPECT_EQ(b->geometry(), area);
    }
}

// Edits placed before their window shows have their captions beside them already.
TEST(TControles, EdicoesComORotuloNoLugarAntesDeAparecer)
{
    QWidget pai;
    TLabeledEdit* e = TControles::edicao(&pai, "LblEdtK", QStringLiteral("K:"), QRect(46, 68, 70, 21));
    EXPECT_EQ(e->objectName(), QStringLiteral("LblEdtK"));
    EXPECT_EQ(e->EditLabel()->geometry().right() + 1 + 3, 46);
    EXPECT_FALSE(e->isReadOnly());

    const QFont fonte = TFontePadrao::estreita(13);
    TLabeledEdit* r = TControles::resultado(&pai, "LblEdtRVe", QStringLiteral("Ve(m³)"), QRect(70, 301, 70, 24),
                                            TLabeledEdit::TPosicaoRotulo::lpAbove, fonte);
    EXPECT_TRUE(r->isReadOnly());
    EXPECT_EQ(r->font(), fonte);
    EXPECT_EQ(r->EditLabel()->x(), 70);
    EXPECT_EQ(r->EditLabel()->geometry().bottom() + 1 + 3, 301);
}

TEST(TControles, BotaoDaAbaFicaAbaixadoEGuardaONumeroDaSecao)
{
    QWidget pai;
    QToolButton* b = TControles::botaoAba(&pai, "sbCanal", QStringLiteral("Canal"), QRect(10, 10, 143, 25), 2);
    EXPECT_EQ(b->property("Tag").toInt(), 2);
    EXPECT_EQ(b->geometry(), QRect(10, 10, 143, 25));
    EXPECT_TRUE(b->font().bold());
    b->click();
    EXPECT_TRUE(b->isChecked());
}

// Any control, the program's own included, takes its own arguments before its parent.
TEST(TControles, CriaQualquerControleComSeusArgumentos)
{
    QWidget pai;
    auto* e = TControles::cria<TLabeledEdit>(&pai, "LblEdtTr", QRect(46, 41, 55, 21), QStringLiteral("LblEdtTr"),
                                             QStringLiteral("T:"), TLabeledEdit::TPosicaoRotulo::lpLeft);
    EXPECT_EQ(e->parentWidget(), &pai);
    EXPECT_EQ(e->geometry(), QRect(46, 41, 55, 21));
    EXPECT_EQ(e->EditLabel()->text(), QStringLiteral("T:"));
    QRadioButton* o = TControles::opcao(&pai, "RButtonSecaoTrapComum", QStringLiteral("comum"), QRect(61, 92, 57, 17));
    EXPECT_EQ(o->text(), QStringLiteral("comum"));
    EXPECT_EQ(o->objectName(), QStringLiteral("RButtonSecaoTrapComum"));
    EXPECT_EQ(TControles::painelEmRelevo(&pai, "PnCanal", QRect())->frameStyle(), QFrame::Panel | QFrame::Raised);
}
