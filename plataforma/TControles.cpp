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

QLabel* TControles::rotuloNegrito(QWidget* pai, const char* nome, const QString& texto, int x, int y)
{
    QLabel* r = rotulo(pai, nome, texto, x, y);
    QFont fonte = r->font();
    fonte.setBold(true);
    r->setFont(fonte);
    r->adjustSize();
    return r;
}

QFrame* TControles::painelBranco(QWidget* pai, const char* nome, const QRect& area)
{
    QFrame* p = painel(pai, nome, area);
    pintaFundo(p, Qt::white);
    return p;
}

void TControles::pintaFundo(QWidget* controle, const QColor& cor)
{
    controle->setAutoFillBackground(true);
    QPalette paleta = controle->palette();
    paleta.setColor(QPalette::Window, cor);
    controle->setPalette(paleta);
}
