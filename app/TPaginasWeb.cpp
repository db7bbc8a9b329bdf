#include "app/TPaginasWeb.h"

#include "plataforma/nucleo/TPastaPrograma.h"

#include <QFile>

namespace {

QString nomeArquivo(TPaginasWeb::TPagina pagina)
{
    switch (pagina) {
    case TPaginasWeb::Sobre:
        return QStringLiteral("morlin.html");
    case TPaginasWeb::Citacao:
        return QStringLiteral("citacao.html");
    case TPaginasWeb::Ajuda:
        return QStringLiteral("ajuda.html");
    }
    return {};
}

} // namespace

QUrl TPaginasWeb::endereco(TPagina pagina)
{
    const QString pasta = QFile::decodeName(QByteArray::fromStdString(pastaPrograma()));
    return QUrl::fromLocalFile(pasta + QStringLiteral("web/") + nomeArquivo(pagina));
}
