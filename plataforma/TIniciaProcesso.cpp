#include "plataforma/TIniciaProcesso.h"

#include <QFileInfo>
#include <QProcess>

#include <utility>

namespace {

std::function<TIniciaProcesso::TResultado(const QString&)>& substituto()
{
    static std::function<TIniciaProcesso::TResultado(const QString&)> atual;
    return atual;
}

} // namespace

TIniciaProcesso::TResultado TIniciaProcesso::inicia(const QString& programa)
{
    if (substituto())
        return substituto()(programa);
    if (!QFileInfo(programa).isFile())
        return TResultado::inexistente;
    return QProcess::startDetached(programa, {}) ? TResultado::iniciado : TResultado::falhou;
}

void TIniciaProcesso::substitui(std::function<TResultado(const QString&)> inicio)
{
    substituto() = std::move(inicio);
}
