#pragma once
// What the window tests on the X server share: the program's windows as the other window
// tests have them, and the screen they stand on.
#include "tests/app/janelas/AmbienteJanelas.h"
#include "tests/app/x11/TelaX.h"

#include <QLineEdit>

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
        return esperaAte([&] {
            return tela.janelaAtiva() == TTelaX::idDe(janela) && QApplication::activeWindow() == janela->window();
        });
    }

    // Text typed through the server arrives in `campo`.
    bool recebeDigitacao(QLineEdit* campo, const QString& texto)
    {
        const QString antes = campo->text();
        tela.digita(texto);
        return esperaAte([&] { return campo->text() == antes + texto; });
    }
};
