#include "TFAguarde.h"

TFAguarde::TFAguarde(QWidget* pai)
    : QLabel(QStringLiteral("O Morlin está sendo construído."), pai)
{
    setObjectName(QStringLiteral("FAguarde"));
    setWindowTitle(QStringLiteral("Morlin"));
    setAlignment(Qt::AlignCenter);
    setMinimumSize(360, 120);
}
