#include "plataforma/TImagemPrograma.h"

#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TPastaPrograma.h"

#include <QFile>
#include <QFileInfo>

QString TImagemPrograma::caminho(const QString& nome)
{
    return QFile::decodeName(QByteArray::fromStdString(pastaPrograma())) + QStringLiteral("imagens/") + nome;
}

QPixmap TImagemPrograma::carrega(const QString& nome)
{
    const QString arquivo = caminho(nome);
    if (!QFileInfo::exists(arquivo))
        throw EInOutError(("O arquivo " + arquivo + " não existe.").toStdString());
    QPixmap figura;
    if (!figura.load(arquivo))
        throw EInOutError(("O arquivo " + arquivo + " não pôde ser lido.").toStdString());
    return figura;
}
