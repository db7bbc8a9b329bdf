#include "UEntDados.h"

TFEntdados::TFEntdados(QWidget* dono)
    : QWidget(dono)
{
    setObjectName(QStringLiteral("FEntdados"));
    setWindowTitle(QStringLiteral("Entrada de Dados"));
    setAttribute(Qt::WA_DeleteOnClose);
}
