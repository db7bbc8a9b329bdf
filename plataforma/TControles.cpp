#include "plataforma/TControles.h"

QLabel* TControles::rotulo(QWidget* pai, const char* nome, const QString& texto, int x, int y)
{
    auto* r = nomeia(new QLabel(texto, pai), nome);
    r->move(x, y);
    r->adjustSize();
    return r;
}

QFrame* TControles::painel(QWidget* pai, const char* nome, const QRect& area)
{
    auto* p = nomeia(new QFrame(pai), nome);
    p->setGeometry(area);
    return p;
}

QPushButton* TControles::botao(QWidget* pai, const char* nome, const QString& texto, const QRect& area)
{
    auto* b = nomeia(new QPushButton(texto, pai), nome);
    b->setGeometry(area);
    return b;
}
