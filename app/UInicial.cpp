#include "app/UInicial.h"

#include "app/TPaginasWeb.h"
#include "plataforma/TAplicacao.h"
#include "plataforma/TControles.h"
#include "plataforma/TImagemPrograma.h"
#include "plataforma/TNavegador.h"
#include "plataforma/nucleo/Excecoes.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

TFInicial::TFInicial(QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FInicial"));
    setWindowTitle(QStringLiteral("FInicial"));
    setFixedSize(600, 248);

    Image1 = TControles::nomeia(new QLabel(this), "Image1");
    Image1->setGeometry(0, 0, 600, 248);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->installEventFilter(this);

    Imgsitevexo = zona("Imgsitevexo", 1, QRect(40, 176, 81, 65));
    Imgsitekwel = zona("Imgsitekwel", 2, QRect(152, 176, 57, 65));

    Timer1 = TControles::nomeia(new QTimer(this), "Timer1");
    // A coarse timer could close the picture up to a quarter of a second early.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(5000);
    TAplicacao::liga(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();

    if (screen() != nullptr)
        move(screen()->availableGeometry().center() - rect().center());
}

QWidget* TFInicial::zona(const char* nome, int tag, const QRect& area)
{
    auto* nova = TControles::nomeia(new QWidget(this), nome);
    nova->setProperty("Tag", tag);
    nova->setGeometry(area);
    nova->setMouseTracking(true);
    nova->installEventFilter(this);
    return nova;
}

void TFInicial::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!evento->spontaneous())
        TAplicacao::executa([this] { FormShow(); });
}

bool TFInicial::eventFilter(QObject* objeto, QEvent* evento)
{
    const bool soltou = evento->type() == QEvent::MouseButtonRelease;
    if (objeto == Image1 && soltou && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        TAplicacao::executa([this] { Image1Click(); });
        return true;
    }
    if (objeto == Imgsitevexo || objeto == Imgsitekwel) {
        if (evento->type() == QEvent::MouseMove)
            ImgsitekwelMouseMove();
        else if (soltou)
            TAplicacao::executa([this, objeto] { ImgsitevexoMouseUp(objeto); });
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFInicial::FormShow()
{
    Image1->setPixmap(TImagemPrograma::carrega(QStringLiteral("Abertura Morlin.bmp")));
}

void TFInicial::Image1Click()
{
    Timer1->stop();
    close();
}

void TFInicial::Timer1Timer()
{
    Timer1->stop();
    close();
}

void TFInicial::ImgsitekwelMouseMove()
{
    Imgsitevexo->setCursor(Qt::PointingHandCursor);
    Imgsitekwel->setCursor(Qt::PointingHandCursor);
}

void TFInicial::ImgsitevexoMouseUp(QObject* Sender)
{
    QUrl endereco;
    switch (Sender->property("Tag").toInt()) {
    case 1:
        endereco = TPaginasWeb::endereco(TPaginasWeb::Citacao);
        break;
    case 2:
        endereco = TPaginasWeb::endereco(TPaginasWeb::Sobre);
        break;
    default:
        return;
    }
    if (!TNavegador::abre(endereco))
        throw Exception("Não foi possível abrir a página escolhida.");
}
