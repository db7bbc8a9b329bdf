#include "TMaskEdit.h"

namespace {

constexpr QChar vazio = u'_';

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
