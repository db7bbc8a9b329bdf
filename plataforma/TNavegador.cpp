#include "plataforma/TNavegador.h"

#include <QDesktopServices>

#include <utility>

namespace {

std::function<bool(const QUrl&)>& resposta()
{
    static std::function<bool(const QUrl&)> substituta;
    return substituta;
}

} // namespace

bool TNavegador::abre(const QUrl& endereco)
{
    if (resposta())
        return resposta()(endereco);
    return QDesktopServices::openUrl(endereco);
}

void TNavegador::substitui(std::function<bool(const QUrl&)> nova)
{
    resposta() = std::move(nova);
}
