#include "rainfall_equations/FoSobreNimbra.h"

#include "plataforma/TControles.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

TfrmFoSobreNimbra::TfrmFoSobreNimbra(QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmFoSobreNimbra"));
    setWindowTitle(QStringLiteral("Sobre"));
    setFixedSize(559, 340);
    imgSplash = TControles::nomeia(new QLabel(this), "imgSplash");
    imgSplash->setGeometry(rect());
    imgSplash->setPixmap(QPixmap(QStringLiteral(":/imagens/SobreNimbra.bmp")));
    if (screen() != nullptr)
        move(screen()->availableGeometry().center() - rect().center());
}

void TfrmFoSobreNimbra::BitBtn1Click()
{
    close();
}

// The picture passes its clicks on to the window.
void TfrmFoSobreNimbra::mouseReleaseEvent(QMouseEvent* evento)
{
    QDialog::mouseReleaseEvent(evento);
    BitBtn1Click();
}

// Any key that types a character, Enter and Esc among them.
void TfrmFoSobreNimbra::keyPressEvent(QKeyEvent* evento)
{
    if (evento->text().isEmpty()) {
        QDialog::keyPressEvent(evento);
        return;
    }
    BitBtn1Click();
}
