#pragma once
// What the window tests on the X server share: the program's windows as the other window
// tests have them, and the screen they stand on.
#include "tests/app/janelas/AmbienteJanelas.h"
#include "tests/app/x11/TelaX.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

class JanelasXTest : public JanelasTest {
protected:
    TTelaX tela;

    // The program's start, with the main window on the screen and active.
    void iniciaPrincipalNaTela()
    {
        iniciaPrincipal();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(FPrincipal));
        ASSERT_TRUE(ativa(FPrincipal));
    }

    // Whether the window manager holds `janela` active and Qt has taken the keyboard there.
    bool ativa(const QWidget* janela)
    {
        const QPointer<const QWidget> vigiada(janela);
        return esperaAte([&] {
            return !vigiada.isNull() && tela.janelaAtiva() == TTelaX::idDe(vigiada)
                   && QApplication::activeWindow() == vigiada->window();
        });
    }

    // `item` of the main menu's `menu`, chosen with the mouse.
    void escolheNoMenu(QMenu* menu, QAction* item)
    {
        QMenuBar* barra = FPrincipal->menuBar();
        tela.clica(barra->mapToGlobal(barra->actionGeometry(menu->menuAction()).center()));
        ASSERT_TRUE(esperaAte([menu] { return QApplication::activePopupWidget() == menu; }));
        tela.clica(menu->mapToGlobal(menu->actionGeometry(item).center()));
    }

    // Text typed through the server arrives in `campo`.
    bool recebeDigitacao(QLineEdit* campo, const QString& texto)
    {
        const QPointer<QLineEdit> vigiado(campo);
        const QString esperado = campo->text() + texto;
        tela.digita(texto);
        return esperaAte([&] { return !vigiado.isNull() && vigiado->text() == esperado; });
    }
};
