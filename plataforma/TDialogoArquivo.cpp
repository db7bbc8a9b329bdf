#include "TDialogoArquivo.h"

#include <QFileDialog>

#include <utility>

namespace {

std::function<QString(TDialogoArquivo::TTipo)>& resposta()
{
    static std::function<QString(TDialogoArquivo::TTipo)> atual;
    return atual;
}

// "Arquivo de texto|*.txt" in the form the dialogs take: "Arquivo de texto (*.txt)".
QString filtroQt(const QString& filtro)
{
    const qsizetype barra = filtro.indexOf(QLatin1Char('|'));
    if (barra < 0)
        return filtro;
    return filtro.left(barra) + QStringLiteral(" (") + filtro.mid(barra + 1) + QLatin1Char(')');
}

} // namespace

QString TDialogoArquivo::abre(QWidget* pai, const QString& pastaInicial, const QString& filtro)
{
    if (resposta())
        return resposta()(TTipo::abrir);
    QFileDialog dialogo(pai, QString(), pastaInicial, filtroQt(filtro));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::AnyFile);
    return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
}

QString TDialogoArquivo::salva(QWidget* pai, const QString& filtro)
{
    if (resposta())
        return resposta()(TTipo::salvar);
    QFileDialog dialogo(pai, QString(), QString(), filtroQt(filtro));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
}

void TDialogoArquivo::substitui(std::function<QString(TTipo)> novaResposta)
{
    resposta() = std::move(novaResposta);
}
