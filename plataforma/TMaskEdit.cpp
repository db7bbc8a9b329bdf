#include "plataforma/TMaskEdit.h"

#include <QFocusEvent>

namespace {

constexpr QChar vazio = u'_';

bool saidaDoUsuario(Qt::FocusReason motivo)
{
    return motivo == Qt::TabFocusReason || motivo == Qt::BacktabFocusReason || motivo == Qt::MouseFocusReason
           || motivo == Qt::ShortcutFocusReason;
}

} // namespace

TMaskEdit::TMaskEdit(QWidget* pai)
    : QLineEdit(pai)
{
    setInputMask(QStringLiteral("99°99'99\";") + vazio);
    setMaxLength(9);
}

QString TMaskEdit::Text() const
{
    // Only digits can be typed, so every "_" on show is an empty position.
    QString texto = displayText();
    texto.replace(vazio, u' ');
    return texto;
}

void TMaskEdit::focusOutEvent(QFocusEvent* evento)
{
    QLineEdit::focusOutEvent(evento);
    if (isModified() && saidaDoUsuario(evento->reason()))
        emit Saida();
}
