#pragma once
// The X server the window tests run on, as the user and the window manager see it: which
// window is active, how the windows are stacked, and clicks and keys that go through the
// server, so the window manager sees them as a person's.
#include <QPoint>
#include <QString>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <vector>


class TTelaX {
public:
    TTelaX();
    ~TTelaX();
    TTelaX(const TTelaX&) = delete;
    TTelaX& operator=(const TTelaX&) = delete;

    // Whether a window manager runs on the screen.
    bool temGerenteDeJanelas();

    // The window the window manager holds active; 0 when none.
    xcb_window_t janelaAtiva();
    // Whether `janela` stands above `outra` in the window manager's stacking.
    bool acimaDe(const QWidget* janela, const QWidget* outra);
    // Whether `janela` is the topmost of the program's windows on show.
    bool noTopo(const QWidget* janela);

    // Whether `janela`, with its frame, covers `ponto` where the server has it now.
    bool cobre(const QWidget* janela, QPoint ponto);

    // A click of the left button at a point of the screen, or at the centre of `controle`.
    void clica(QPoint ponto);
    void clica(const QWidget* controle);
    // A key pressed and released: a letter, digit or blank by its character, or one of
    // Return, Escape, Tab and F1; with Alt held when asked.
    void tecla(int teclaQt, Qt::KeyboardModifiers modificadores = Qt::NoModifier);
    void digita(const QString& texto);

    static xcb_window_t idDe(const QWidget* janela);

private:
    xcb_atom_t atomo(const char* nome);
    std::vector<xcb_window_t> janelasDaPropriedade(xcb_atom_t propriedade);
    std::vector<xcb_window_t> pilha();
    xcb_keycode_t codigoDe(std::uint32_t simbolo, bool& comShift);
    // The key of `simbolo`, with Shift when the symbol needs it.
    void aperta(std::uint32_t simbolo, bool comAlt);

    xcb_connection_t* conexao;
    xcb_window_t raiz = 0;
};
