#include "plataforma/TLabeledEdit.h"

#include <QLabel>

namespace {

constexpr int espacoRotulo = 3;

} // namespace

TLabeledEdit::TLabeledEdit(const QString& nome, const QString& rotulo, TPosicaoRotulo posicao, QWidget* pai)
    : QLineEdit(pai)
    , rotulo_(new QLabel(rotulo, pai))
    , posicao_(posicao)
{
    setObjectName(nome);
    rotulo_->setObjectName(nome + QStringLiteral("Rotulo"));
    rotulo_->setBuddy(this);
    posicionaRotulo();
}

void TLabeledEdit::posicionaRotulo()
{
    rotulo_->adjustSize();
    if (posicao_ == TPosicaoRotulo::lpLeft)
        rotulo_->move(x() - rotulo_->width() - espacoRotulo, y() + (height() - rotulo_->height()) / 2);
    else
        rotulo_->move(x(), y() - rotulo_->height() - espacoRotulo);
}

void TLabeledEdit::setVisible(bool visivel)
{
    QLineEdit::setVisible(visivel);
    if (visivel)
        posicionaRotulo();
    rotulo_->setVisible(visivel);
}

void TLabeledEdit::moveEvent(QMoveEvent* evento)
{
    QLineEdit::moveEvent(evento);
    posicionaRotulo();
}

void TLabeledEdit::resizeEvent(QResizeEvent* evento)
{
    QLineEdit::resizeEvent(evento);
    posicionaRotulo();
}
