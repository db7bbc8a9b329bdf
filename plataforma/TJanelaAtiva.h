#pragma once
// Shows a window of the program in front of the others, active, with the keyboard focus on
// one of its controls. A window manager may leave a window that is only shown, a tool
// window above all, behind the one in use or without the focus, so that typing goes nowhere
// until the user clicks it.
class QWidget;

class TJanelaAtiva {
public:
    // The focus goes to `foco`, or without one to the window's first control in the tab order.
    static void mostra(QWidget* janela, QWidget* foco = nullptr);

    // The first control of the window in the tab order that takes the focus; null when none does.
    static QWidget* primeiroControle(QWidget* janela);
};
