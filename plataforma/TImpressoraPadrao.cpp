#include "plataforma/TImpressoraPadrao.h"

#include <QProcess>
#include <QStringList>

#include <utility>

namespace {

std::function<void(const QString&)>& registro()
{
    static std::function<void(const QString&)> substituto;
    return substituto;
}

} // namespace

// The print system keeps each user's default printer; its own tool sets it, and
// running it detached keeps the window responsive whatever the tool does.
void TImpressoraPadrao::define(const QString& nome)
{
    if (registro()) {
        registro()(nome);
        return;
    }
    if (nome.isEmpty())
        return;
    QProcess::startDetached(QStringLiteral("lpoptions"), {QStringLiteral("-d"), nome});
}

void TImpressoraPadrao::substitui(std::function<void(const QString&)> novo)
{
    registro() = std::move(novo);
}
