#pragma once
// The builders the windows make their controls with: every control gets its object name,
// by which the tests and the help find it, and its place in its parent.
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

class TControles {
public:
    template <class T>
    static T* nomeia(T* controle, const char* nome)
    {
        controle->setObjectName(QString::fromUtf8(nome));
        return controle;
    }

    // A caption sized to its text, its top left corner at (x, y).
    static QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, int x, int y);
    static QFrame* painel(QWidget* pai, const char* nome, const QRect& area);
    static QPushButton* botao(QWidget* pai, const char* nome, const QString& texto, const QRect& area);

    // Captions and panels on a ground of their own colour.
    // A caption in the bold of its parent's font, sized to its text.
    static QLabel* rotuloNegrito(QWidget* pai, const char* nome, const QString& texto, int x, int y);
    // A panel with no frame, filled with white.
    static QFrame* painelBranco(QWidget* pai, const char* nome, const QRect& area);
    // Fills the control's background with `cor`, whatever its parent shows.
    static void pintaFundo(QWidget* controle, const QColor& cor);
};
