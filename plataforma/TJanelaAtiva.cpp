#include "plataforma/TJanelaAtiva.h"

#include <QWidget>

void TJanelaAtiva::mostra(QWidget* janela, QWidget* foco)
{
    janela->show();
    janela->raise();
    janela->activateWindow();
    if (foco == nullptr)
        foco = primeiroControle(janela);
    // Not the reason of a Tab: an edit that gets the focus by Tab selects its whole text and
    // shows its end.
    if (foco != nullptr)
        foco->setFocus(Qt::OtherFocusReason);
}

QWidget* TJanelaAtiva::primeiroControle(QWidget* janela)
{
    for (QWidget* w = janela->nextInFocusChain(); w != nullptr && w != janela; w = w->nextInFocusChain())
        if (w->window() == janela && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(janela) && w->isEnabled())
            return w;
    return nullptr;
}
