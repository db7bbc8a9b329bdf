#include "app/TImagensGuia.h"

#include "plataforma/TCaixaMensagem.h"
#include "plataforma/nucleo/TPastaPrograma.h"

#include <QFileInfo>

#include <set>

namespace {

QString& pastaDeTeste()
{
    static QString pasta;
    return pasta;
}

std::set<QString>& avisadas()
{
    static std::set<QString> nomes;
    return nomes;
}

void avisaUmaVez(const QString& nome, const QString& texto, QWidget* pai)
{
    if (avisadas().insert(nome).second)
        TCaixaMensagem::mostra(texto, pai);
}

} // namespace

QString TImagensGuia::pasta()
{
    if (!pastaDeTeste().isEmpty())
        return pastaDeTeste();
    return QString::fromStdString(pastaPrograma()) + QStringLiteral("imagens/imgMenor/");
}

QPixmap TImagensGuia::carrega(const QString& nome, QWidget* pai)
{
    const QString caminho = pasta() + nome;
    QPixmap imagem;
    if (!QFileInfo::exists(caminho))
        avisaUmaVez(nome, QStringLiteral("O arquivo ") + caminho + QStringLiteral(" não existe."), pai);
    else if (!imagem.load(caminho))
        avisaUmaVez(nome, QStringLiteral("O arquivo ") + caminho + QStringLiteral(" não é uma imagem válida."), pai);
    return imagem;
}

void TImagensGuia::definePasta(const QString& pasta)
{
    pastaDeTeste() = pasta;
}

void TImagensGuia::esqueceAvisos()
{
    avisadas().clear();
}
