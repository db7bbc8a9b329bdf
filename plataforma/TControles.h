#pragma once
// The builders the windows make their controls with: every control gets its object name,
// by which the tests and the help find it, and its place in its parent. One argument
// order throughout: parent, object name, text, place, then what the control adds.
#include "plataforma/TLabeledEdit.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <QToolButton>

#include <utility>

class TControles {
public:
    template <class T>
    static T* nomeia(T* controle, const char* nome)
    {
        controle->setObjectName(QString::fromUtf8(nome));
        return controle;
    }

    // Any control, named and placed: built from `argumentos` with the parent last, as
    // Qt's controls and the program's own take it.
    template <class T, class... TArgumentos>
    static T* cria(QWidget* pai, const char* nome, const QRect& area, TArgumentos&&... argumentos)
    {
        auto* controle = nomeia(new T(std::forward<TArgumentos>(argumentos)..., pai), nome);
        controle->setGeometry(area);
        return controle;
    }

    // A caption sized to its text, its top left corner at (x, y); in `fonte` when given.
    static QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, int x, int y);
    static QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, int x, int y, const QFont& fonte);

    static QFrame* painel(QWidget* pai, const char* nome, const QRect& area);
    // A panel raised from its parent, as a page's parts stand.
    static QFrame* painelEmRelevo(QWidget* pai, const char* nome, const QRect& area);

    static QPushButton* botao(QWidget* pai, const char* nome, const QString& texto, const QRect& area);
    // A button that never becomes a dialog's default by taking the focus, so Return in
    // another control never presses it.
    static QPushButton* botaoSemPadrao(QWidget* pai, const char* nome, const QString& texto, const QRect& area);
    // A small button with a text on its face, as a grid's "+" and "-".
    static QToolButton* botaoRapido(QWidget* pai, const char* nome, const QString& texto, const QRect& area);
    // The button of an accordion's section: it stays down while its section is open, its
    // text bold in navy under a pointing hand, the section's number in its "Tag" property.
    static QToolButton* botaoAba(QWidget* pai, const char* nome, const QString& texto, const QRect& area, int tag);

    static QRadioButton* opcao(QWidget* pai, const char* nome, const QString& texto, const QRect& area);

    // An edit with its caption at its left or above it.
    static TLabeledEdit* edicao(QWidget* pai, const char* nome, const QString& texto, const QRect& area,
                                TLabeledEdit::TPosicaoRotulo posicao = TLabeledEdit::TPosicaoRotulo::lpLeft);
    // A read-only one that shows a worked-out value in `fonte`.
    static TLabeledEdit* resultado(QWidget* pai, const char* nome, const QString& texto, const QRect& area,
                                   TLabeledEdit::TPosicaoRotulo posicao, const QFont& fonte);

    // Captions and panels on a ground of their own colour.
    // A caption in the bold of its parent's font, sized to its text.
    static QLabel* rotuloNegrito(QWidget* pai, const char* nome, const QString& texto, int x, int y);
    // A panel with no frame, filled with white.
    static QFrame* painelBranco(QWidget* pai, const char* nome, const QRect& area);
    // Fills the control's background with `cor`, whatever its parent shows.
    static void pintaFundo(QWidget* controle, const QColor& cor);
};
