#include "app/UCadernetaDeCampo.h"

#include "plataforma/TAjudaAplicacao.h"
#include "plataforma/TAplicacao.h"
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/TControles.h"
#include "plataforma/TFontePadrao.h"
#include "plataforma/TImagemPrograma.h"
#include "plataforma/TImpressora.h"
#include "plataforma/nucleo/ContextoAjuda.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>

TFCadernetaDeCampo::TFCadernetaDeCampo(QWidget* dono)
    : QWidget(dono, Qt::Window)
{
    setObjectName(QStringLiteral("FCadernetaDeCampo"));
    setWindowTitle(QStringLiteral("Caderneta de campo"));
    setFont(TFontePadrao::fonte());
    // A closed notebook can never be shown again: nothing keeps it.
    setAttribute(Qt::WA_DeleteOnClose);
    resize(712, 555);

    Panel1 = TControles::nomeia(new QWidget(this), "Panel1");
    Panel1->setFixedHeight(25);
    Button2 = TControles::nomeia(new QPushButton(QStringLiteral("Imprimir"), Panel1), "Button2");
    Button2->setFixedSize(75, 25);
    Button1 = TControles::nomeia(new QPushButton(QStringLiteral("Ajuda"), Panel1), "Button1");
    Button1->setFixedSize(75, 25);
    auto* botoes = new QHBoxLayout(Panel1);
    botoes->setContentsMargins(0, 0, 0, 0);
    botoes->setSpacing(0);
    botoes->addStretch();
    botoes->addWidget(Button2);
    botoes->addWidget(Button1);
    TAplicacao::liga(Button1, &QPushButton::clicked, this, [this] { ajudaclick(); });
    TAplicacao::liga(Button2, &QPushButton::clicked, this, [this] { Button1Click(); });

    ScrollBox1 = TControles::nomeia(new QScrollArea(this), "ScrollBox1");
    Image1 = TControles::nomeia(new QLabel, "Image1");
    mostraFigura(QPixmap(QStringLiteral(":/imagens/Caderneta.png")));
    ScrollBox1->setWidget(Image1);

    auto* janela = new QVBoxLayout(this);
    janela->setContentsMargins(0, 0, 0, 0);
    janela->setSpacing(0);
    janela->addWidget(Panel1);
    janela->addWidget(ScrollBox1);
}

void TFCadernetaDeCampo::mostraFigura(const QPixmap& figura)
{
    Image1->setPixmap(figura);
    Image1->resize(figura.size());
}

void TFCadernetaDeCampo::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (!evento->spontaneous())
        TAplicacao::executa([this] { FormShow(); });
}

void TFCadernetaDeCampo::FormShow()
{
    mostraFigura(TImagemPrograma::carrega(QStringLiteral("Caderneta.bmp")));
}

void TFCadernetaDeCampo::ajudaclick()
{
    TAjudaAplicacao::HelpContext(ContextoAjuda::cadernetaDeCampo);
}

void TFCadernetaDeCampo::Button1Click()
{
    if (TImpressora::executaDialogo(this))
        TImpressora::imprimeEsticada(Image1->pixmap().toImage(), QStringLiteral("Caderneta de campo"));
    else
        TCaixaMensagem::mostra(QStringLiteral("Operação Cancelada"), this);
}
