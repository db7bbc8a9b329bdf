#include "plataforma/TAjudaAplicacao.h"

#include <QVariant>
#include <QWidget>

#include <utility>

namespace {

TAjudaAplicacao::TManipulador& manipulador()
{
    static TAjudaAplicacao::TManipulador atual;
    return atual;
}

} // namespace

void TAjudaAplicacao::defineManipulador(TManipulador novo)
{
    manipulador() = std::move(novo);
}

void TAjudaAplicacao::HelpContext(std::uint32_t contexto)
{
    HelpCommand(1, contexto);
}

void TAjudaAplicacao::HelpCommand(std::uint16_t comando, std::uint32_t dados)
{
    bool chamarAjuda = true;
    if (manipulador())
        manipulador()(comando, dados, chamarAjuda);
    // There is no help of the platform's own to fall back on.
}

std::uint32_t TAjudaAplicacao::contextoDoControle(const QWidget* controle)
{
    for (; controle != nullptr; controle = controle->parentWidget()) {
        const int contexto = controle->property("HelpContext").toInt();
        if (contexto != 0)
            return static_cast<std::uint32_t>(contexto);
    }
    return 0;
}
