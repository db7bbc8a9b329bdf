#include "TDialogoArquivo.h"

#include <QFileDialog>
#include <QFileIconProvider>

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

// Qt's catalog of Brazilian texts has no names for folders and drives, which the
// dialogs' "Tipo" column shows.
class TIconesArquivo : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override
    {
        if (info.isRoot())
            return QStringLiteral("Unidade");
        if (info.isDir())
            return QStringLiteral("Pasta");
        return QFileIconProvider::type(info);
    }
};

TIconesArquivo& iconesArquivo()
{
    static TIconesArquivo icones;
    return icones;
}

} // namespace

QString TDialogoArquivo::abre(QWidget* pai, const QString& pastaInicial, const QString& filtro)
{
    if (resposta())
        return resposta()(TTipo::abrir);
    QFileDialog dialogo(pai, QString(), pastaInicial, filtroQt(filtro));
    dialogo.setIconProvider(&iconesArquivo());
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::AnyFile);
    return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
}

QString TDialogoArquivo::salva(QWidget* pai, const QString& filtro, const QString& sugestao)
{
    if (resposta())
        return resposta()(TTipo::salvar);
    QFileDialog dialogo(pai, QString(), QString(), filtroQt(filtro));
    dialogo.setIconProvider(&iconesArquivo());
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    if (!sugestao.isEmpty())
        dialogo.selectFile(sugestao);
    return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
}

void TDialogoArquivo::substitui(std::function<QString(TTipo)> novaResposta)
{
    resposta() = std::move(novaResposta);
}
