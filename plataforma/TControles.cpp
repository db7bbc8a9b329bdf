#include "plataforma/TControles.h"

#include "plataforma/TFontePadrao.h"

#include <QColor>
#include <QPalette>

QLabel* TControles::rotulo(QWidget* pai, const char* nome, const QString& texto, int x, int y)
{
    auto* r = nomeia(new QLabel(texto, pai), nome);
    r->move(x, y);
    r->adjustSize();
    return r;
}

QLabel* TControles::rotulo(QWidget* pai, const char* nome, const QString& texto, int x, int y, const QFont& fonte)
{
    QLabel* r = rotulo(pai, nome, texto, x, y);
    r->setFont(fonte);
    r->adjustSize();
    return r;
}

QFrame* TControles::painel(QWidget* pai, const char* nome, const QRect& area)
{
    return cria<QFrame>(pai, nome, area);
}

QFrame* TControles::painelEmRelevo(QWidget* pai, const char* nome, const QRect& area)
{
    QFrame* p = painel(pai, nome, area);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return p;
}

QPushButton* TControles::botao(QWidget* pai, const char* nome, const QString& texto, const QRect& area)
{
    return cria<QPushButton>(pai, nome, area, texto);
}

QPushButton* TControles::botaoSemPadrao(QWidget* pai, const char* nome, const QString& texto, const QRect& area)
{
    QPushButton* b = botao(pai, nome, texto, area);
    b->setAutoDefault(false);
    return b;
}

QToolButton* TControles::botaoRapido(QWidget* pai, const char* nome, const QString& texto, const QRect& area)
{
    auto* b = cria<QToolButton>(pai, nome, area);
    b->setText(texto);
    return b;
}

QToolButton* TControles::botaoAba(QWidget* pai, const char* nome, const QString& texto, const QRect& area, int tag)
{
    QToolButton* b = botaoRapido(pai, nome, texto, area);
    b->setFont(TFontePadrao::aba());
    QPalette cores = b->palette();
    cores.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    b->setPalette(cores);
    b->setCursor(Qt::PointingHandCursor);
    b->setCheckable(true);
    b->setProperty("Tag", tag);
    return b;
}

QRadioButton* TControles::opcao(QWidget* pai, const char* nome, const QString& texto, const QRect& area)
{
    return cria<QRadioButton>(pai, nome, area, texto);
}

TLabeledEdit* TControles::edicao(QWidget* pai, const char* nome, const QString& texto, const QRect& area,
                                 TLabeledEdit::TPosicaoRotulo posicao)
{
    auto* e = new TLabeledEdit(QString::fromUtf8(nome), texto, posicao, pai);
    e->setGeometry(area);
    e->posicionaRotulo();
    return e;
}

TLabeledEdit* TControles::resultado(QWidget* pai, const char* nome, const QString& texto, const QRect& area,
                                    TLabeledEdit::TPosicaoRotulo posicao, const QFont& fonte)
{
    TLabeledEdit* e = edicao(pai, nome, texto, area, posicao);
    e->setReadOnly(true);
    e->setFont(fonte);
    e->posicionaRotulo();
    return e;
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
